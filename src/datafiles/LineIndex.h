#pragma once
// The line index: where each line after a CR LF pair begins. One index is shared by both file
// kinds and describes the file loaded last. The first physical line (the header comment) is never
// indexed, so no key is ever looked up there.

#include <cstdint>
#include <vector>

#include "datafiles/DataFileText.h"

namespace zw {

struct LineIndex {
    // A data file holds at most 5000 lines, that is at most 4999 line breaks.
    static constexpr uint32_t kLineBreakLimit = 5000;

    std::vector<int32_t> LineStart;  // LineStart[L - 1]: first character of indexed line L
    uint32_t LineCount = 0;
};

// Indexes the lines of a loaded text of `fileLength` file bytes. Returns false when the file has
// 5000 line breaks or more (the line limit); the index then holds no lines.
bool buildLineIndex(const DataFileText& text, size_t fileLength, LineIndex& index);

}  // namespace zw
