#pragma once
// Installing into the game folder: the pair that the ride or car builder has just written, and a
// prepared CTR folder picked on disk (a ride, a car or a track set, told apart by name and content).

#include <filesystem>
#include <string>

#include "base/Report.h"
#include "install/GameFolders.h"
#include "install/InstallSettings.h"

namespace zw {

enum class InstallOutcome {
    Installed,          // every file is in place
    Declined,           // stopped at the overwrite question (the report holds it), or answered No
    FolderNotCreated,   // the target folder could not be made (717, 718, 719) or is ambiguous in case
    NotInstallable,     // not a CTR folder, or its files could not be read (731, 738, 739, damaged)
    CopyFailed,         // a copy failed (732, 733, 741, 742); files copied before stay
};

// An install's outcome (always set) and what it has to say. Before an object already installed is
// replaced the install stops at a question, unless `answers` say Yes or the settings say to overwrite
// without asking; nothing in the game folder is made or changed before it.
using InstallResult = Result<InstallOutcome>;

// The main window's install of a built pair: `builtFolder` holds `objectName`.common.ovl and
// .unique.ovl; they go to the game's ride (kind Ride) or car (kind Car) folder named after the
// object. `objectName` is a Windows-1252 domain string.
InstallResult installBuiltPair(CtrKind kind, const InstallSettings& settings, const std::filesystem::path& builtFolder,
                               const std::string& objectName, const Answers& answers = {});

// Installs the prepared folder `parentFolder`/`item` (a name beginning with "CTR_" or "TrackCTR_").
InstallResult installCtrFolder(const InstallSettings& settings, const std::filesystem::path& parentFolder,
                               const std::filesystem::path& item, const Answers& answers = {});

}  // namespace zw
