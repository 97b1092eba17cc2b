#include "assistant/CheckInput.h"

#include <algorithm>

namespace zw {

bool isNumberInProgress(std::string_view text, char separator) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-') ++i;
    bool separatorSeen = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') continue;
        if (c != separator || separatorSeen) return false;
        separatorSeen = true;
    }
    return true;
}

std::optional<NumberFieldEdit> typeIntoNumberField(std::string_view text, size_t selectionStart,
                                                   size_t selectionLength, char key, char separator) {
    selectionStart = std::min(selectionStart, text.size());
    selectionLength = std::min(selectionLength, text.size() - selectionStart);
    NumberFieldEdit edit{std::string(text), selectionStart};
    if (key == kBackspaceKey) {
        if (selectionLength == 0) {
            if (selectionStart == 0) return edit;
            // A character before the caret: its whole UTF-8 sequence goes.
            size_t start = selectionStart - 1;
            while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80) --start;
            selectionLength = selectionStart - start;
            selectionStart = start;
        }
        edit.text.erase(selectionStart, selectionLength);
        edit.caret = selectionStart;
        return edit;
    }
    // German keyboards and copied English numbers write the decimal point; in German it is the comma.
    if (key == '.' && separator == ',') key = ',';
    edit.text.erase(selectionStart, selectionLength);
    const std::string withoutSelection = edit.text;
    edit.text.insert(selectionStart, 1, key);
    edit.caret = selectionStart + 1;
    if (isNumberInProgress(edit.text, separator)) return edit;
    if (key == '-' && isNumberInProgress("-" + withoutSelection, separator)) {
        // The sign goes in front, wherever it was typed; the caret stays where it stood.
        return NumberFieldEdit{"-" + withoutSelection, selectionStart + 1};
    }
    return std::nullopt;
}

}  // namespace zw
