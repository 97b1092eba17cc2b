#include "assistant/CheckInput.h"

namespace zw {

bool CheckInput(std::string_view text, size_t& caret, char key) {
    if (key >= '0' && key <= '9') return true;
    if (key == kBackspaceKey) return true;
    const bool startsWithMinus = !text.empty() && text.front() == '-';
    if (key == '-') {
        if (startsWithMinus) return false;
        caret = 0;
        return true;
    }
    if (key == ',') {
        if (caret == 0) return false;
        if (text.find(',') != std::string_view::npos) return false;
        if (startsWithMinus && caret == 1) return false;
        return true;
    }
    return false;
}

}  // namespace zw
