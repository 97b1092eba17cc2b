#pragma once
// The check of the data file read last, as the main window and the command line run it: with the
// settings in force and, when the game folder is there, the game's catalogue of names.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/DataFileCheck.h"

namespace zw {

struct ProjectState;

// The names list entries are compared with: the assistant's shipped lists, completed with the track
// sections of the game folder's track types. No names when the game folder is not there; no names
// and a problem when the lists cannot be read.
struct GameCatalogue {
    std::optional<KnownNames> names;
    bool allTrackSectionsKnown = false;  // every track type of the catalogue has its sections
    std::string problem;  // Windows-1252
};
GameCatalogue readGameCatalogue(const std::filesystem::path& executableFolder, const std::filesystem::path& gameFolder);

// Checks the text of `kind` loaded last in `state`; `executableFolder` holds the assistant's lists.
std::vector<DataFileFinding> checkReadDataFile(DataFileKind kind, const ProjectState& state,
                                               const std::filesystem::path& executableFolder);

}  // namespace zw
