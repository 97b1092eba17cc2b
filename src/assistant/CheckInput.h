#pragma once
// The key filter of the assistant's numeric fields: digits, one comma (typed as a comma or a point),
// a leading minus sign and backspace get through; everything else is dropped.

#include <cstddef>
#include <string_view>

namespace zw {

inline constexpr char kBackspaceKey = '\b';

// The key a number field takes for `typed`: a point is the decimal comma, as English keyboards and
// copied English numbers write it ("1.5"); any other key is itself.
inline char numberFieldKey(char typed) { return typed == '.' ? ',' : typed; }

// Decides whether `key`, typed into a field holding `text` with the caret at `caret`, is accepted.
// An accepted minus sign first moves the caret to the start of the text, so it goes in front.
bool CheckInput(std::string_view text, size_t& caret, char key);

}  // namespace zw
