#pragma once
// Ride data files for the tests: the header, written by hand as a ride author's file begins, and
// helpers that write a file and read it as the main window does.

#include <string>

#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/ProjectState.h"
#include "workflow/ReportShowing.h"

namespace zw::test {

inline std::string hyphenRule() { return "// " + std::string(83, '-') + "\r\n"; }

inline std::string rideHeader() {
    return hyphenRule() +
           "// 'CTR_BahnDaten' fuer CustomTrackedRides (CTR) im Spiel RollerCoaster Tycoon 3 (RCT3)\r\n"
           "// zur Verwendung mit der Software 'Zorbaltwerk' von Jaskel Fernow\r\n"
           "// Datei erstellt mit Zorbaltwerk Version 0.85 (12.July 2009)\r\n" +
           hyphenRule() + "\r\n";
}

struct RideFixture {
    TempFolder folder;
    ScriptedDialogs dialogs;
    ProjectState state;

    std::filesystem::path write(const std::string& body, const std::string& name = "CTR_BahnDaten_Zipper.txt") {
        const auto path = folder / name;
        writeBytes(path, rideHeader() + body);
        return path;
    }

    int read(const std::filesystem::path& path, Language language = Language::German) {
        Result<RideData> read = readRideDataFile(path, state.dataFiles, state.lookupResults);
        showReport(dialogs, language, read.report);
        if (!read) return 0;
        state.ride = std::move(*read.value);
        return 1;
    }

    // The rewrite of the ride read last, its messages and question on `dialogs`: 1 when written.
    int rewrite(const Settings& settings) {
        return runAsking(dialogs, languageOf(settings.UseEnglish), [&](const Answers& answers) {
            return rewriteRideDataFile(state.ride, settings, answers);
        }).value.has_value();
    }

    // The fields of `body` read from a fresh file.
    RideData fields(const std::string& body) {
        const int result = read(write(body));
        if (result != 1) throw std::runtime_error("read failed");
        return state.ride;
    }
};

}  // namespace zw::test
