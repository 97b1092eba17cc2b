#pragma once
// The commands of the main window on its state record: each ties a reader, rewrite or builder of
// the layers below to the state's settings, records and writer.

#include <cstddef>
#include <filesystem>
#include <vector>

#include "base/Messages.h"
#include "datafiles/DataFileCheck.h"
#include "install/InstallCommands.h"

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

// The commands below take the file they work on instead of asking for it, for the command line as
// well as the main window.

// The check after a read of `kind` from `file`: its findings, shown in one message when there are any.
std::vector<DataFileFinding> showReadFindings(DataFileKind kind, const ProjectState& state,
                                              const std::filesystem::path& file,
                                              const std::filesystem::path& executableFolder, Dialogs& dialogs);

// Asked before writing, building or installing from a data file whose read found `errors` errors
// (none: not asked): whether to go on, No by default. True to go on.
bool goOnDespiteReadErrors(std::size_t errors, Language language, Dialogs& dialogs);

// Installs the pair built last from the data file of `kind` (Ride or Car) read last into the game
// folder, asking before an installed one is replaced.
InstallOutcome installBuiltPairOf(CtrKind kind, const ProjectState& state, Dialogs& dialogs);

}  // namespace zw
