#pragma once
// The commands of the main window on its state record: each ties a reader, rewrite or builder of
// the layers below to the state's settings, records and writer.

#include <filesystem>

namespace zw {

class Dialogs;
struct ProjectState;

// The open dialog in the start folder, then the ride read. True after a complete read; false
// when cancelled or stopped with a message.
bool chooseAndReadRideFile(ProjectState& state, Dialogs& dialogs);
// The same with the open dialog in `initialFolder`.
bool chooseAndReadRideFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& initialFolder);

// Reads the ride data file at `file` into the state, showing the read's messages. False when the
// read stopped with a message; the ride fields then hold what they held before.
bool readRideDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& file);

// The canonical rewrite of the ride read last, asking before an existing file is replaced.
bool rewriteRideFile(const ProjectState& state, Dialogs& dialogs);

// Reads the car data file at `path` (chosen in the open dialog) into the state, showing the read's
// messages. False when the read stopped with a message; the car fields then hold what they held before.
bool readCarDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& path);

// The canonical rewrite of the car read last, asking before an existing file is replaced.
bool rewriteCarFile(const ProjectState& state, Dialogs& dialogs);

// The ride and car pairs from the state's records, settings, temporary folder and writer.
bool buildRidePair(ProjectState& state, Dialogs& dialogs);
bool buildCarPair(ProjectState& state, Dialogs& dialogs);

}  // namespace zw
