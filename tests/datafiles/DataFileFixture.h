#pragma once
// A ride or car text loaded as the readers load it, for the lookup tests.

#include <string>

#include "datafiles/Lookups.h"
#include <vector>

namespace zw::test {

struct LoadedText {
    LoadedDataFiles files;
    LookupResults results;
    Report report;  // the lookups' messages
    Language language = Language::English;

    // `body` follows a first line that is never searched.
    explicit LoadedText(const std::string& body, DataFileKind kind = DataFileKind::Ride) {
        const std::string bytes = "// first line\r\n" + body;
        (kind == DataFileKind::Ride ? files.RideFileText : files.CarFileText) = makeDataFileText(bytes);
        buildLineIndex(kind == DataFileKind::Ride ? files.RideFileText : files.CarFileText, bytes.size(), files.Lines);
    }

    // Lookups whose messages are read in `shownIn`.
    Lookups lookups(Language shownIn = Language::English) {
        language = shownIn;
        return Lookups(files, results, report);
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> texts;
        for (const ReportMessage& m : report.messages()) texts.push_back(m.text(language));
        return texts;
    }
};

}  // namespace zw::test
