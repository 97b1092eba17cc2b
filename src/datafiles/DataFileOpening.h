#pragma once
// What both readers do before they look up a key: the file's bytes decoded into the text the
// lookups scan (and its source, which the rewrite keeps), the header recognised as one this program
// wrote, and the lines indexed. Each kind of file has its own message for each of the three stops.

#include <string_view>

#include "base/Report.h"
#include "datafiles/DataFileDecoding.h"
#include "datafiles/DataFileText.h"
#include "datafiles/HeaderCheck.h"
#include "datafiles/LineIndex.h"

namespace zw {

struct DataFileStops {
    MessageId tooShort;     // too short to hold a header
    MessageId notAccepted;  // a header this program did not write
    MessageId notIndexed;   // lines the index cannot hold
};

// False after the message of the step that stopped.
bool openDataFileText(std::string_view bytes, const AcceptedHeaderSums& accepted, const DataFileStops& stops,
                      DataFileText& text, DataFileSource& source, LineIndex& lines, Report& report);

}  // namespace zw
