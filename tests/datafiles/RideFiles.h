#pragma once
// Ride data files for the tests: the header, written by hand as a ride author's file begins, and
// helpers that write a file and read it as the main window does.

#include <string>

#include "datafiles/RideDataReader.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/ProjectState.h"

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
        return readRideDataFile(path, state.dataFiles, state.lookupResults, state.ride, dialogs, language);
    }

    // The fields of `body` read from a fresh file.
    RideData fields(const std::string& body) {
        const int result = read(write(body));
        if (result != 1) throw std::runtime_error("read failed");
        return state.ride;
    }
};

}  // namespace zw::test
