#include "datafiles/LineIndex.h"

namespace zw {

bool buildLineIndex(const DataFileText& text, size_t fileLength, LineIndex& index) {
    index.LineStart.clear();
    index.LineCount = 0;
    // A break at position 0 does not count: the scan starts at the second character.
    for (size_t j = 1; j + 1 <= fileLength; ++j) {
        if (charAt(text, j) == 13 && charAt(text, j + 1) == 10) {
            index.LineStart.push_back(static_cast<int32_t>(j + 2));
            if (index.LineStart.size() >= LineIndex::kLineBreakLimit) {
                index.LineStart.clear();
                return false;
            }
        }
    }
    index.LineCount = static_cast<uint32_t>(index.LineStart.size());
    return true;
}

}  // namespace zw
