#pragma once
// The key filter of the assistant's numeric fields. It judges the text as it will be after the key
// or the paste, with the selection replaced: at most one minus sign, at the start; at most one
// decimal separator; digits. The separator is the interface language's: "," in German (where a
// typed "." enters it too) and "." in English.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

inline constexpr char kBackspaceKey = '\b';

// The decimal separator of the interface language.
inline char decimalSeparator(bool english) { return english ? '.' : ','; }

// True when `text` may stand in a number field: a number, or one on the way ("", "-", "1,", ",5").
bool isNumberInProgress(std::string_view text, char separator);

struct NumberFieldEdit {
    std::string text;
    size_t caret = 0;
};

// The field after `key` replaced the selection of `selectionLength` bytes at `selectionStart` (a
// backspace without a selection removes the character before the caret); nullopt when the key is
// refused. A minus sign that cannot stand where it is typed goes in front of the number, the caret
// staying where it stood.
std::optional<NumberFieldEdit> typeIntoNumberField(std::string_view text, size_t selectionStart,
                                                   size_t selectionLength, char key, char separator);

}  // namespace zw
