#include "datafiles/DataFileOpening.h"

namespace zw {

bool openDataFileText(std::string_view bytes, const AcceptedHeaderSums& accepted, const DataFileStops& stops,
                      DataFileText& text, DataFileSource& source, LineIndex& lines, Report& report) {
    DecodedDataFile decoded = decodeDataFile(bytes);
    text = makeDataFileText(decoded.text);
    source = std::move(decoded.source);
    switch (checkHeader(text, decoded.text.size(), accepted)) {
        case HeaderCheckResult::TooShort: report.message(stops.tooShort); return false;
        case HeaderCheckResult::NotAccepted: report.message(stops.notAccepted); return false;
        case HeaderCheckResult::Accepted: break;
    }
    if (!buildLineIndex(text, decoded.text.size(), lines)) {
        report.message(stops.notIndexed);
        return false;
    }
    return true;
}

}  // namespace zw
