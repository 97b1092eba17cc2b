#pragma once
// A ride or car text loaded as the readers load it, for the lookup tests.

#include <string>

#include "datafiles/Lookups.h"
#include "support/ScriptedDialogs.h"

namespace zw::test {

struct LoadedText {
    LoadedDataFiles files;
    LookupResults results;
    ScriptedDialogs dialogs;

    // `body` follows a first line that is never searched.
    explicit LoadedText(const std::string& body, DataFileKind kind = DataFileKind::Ride) {
        const std::string bytes = "// first line\r\n" + body;
        (kind == DataFileKind::Ride ? files.RideFileText : files.CarFileText) = makeDataFileText(bytes);
        buildLineIndex(kind == DataFileKind::Ride ? files.RideFileText : files.CarFileText, bytes.size(), files.Lines);
    }

    Lookups lookups(Language language = Language::English) { return Lookups(files, results, dialogs, language); }
};

}  // namespace zw::test
