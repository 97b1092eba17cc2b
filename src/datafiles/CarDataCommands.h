#pragma once
// The main window's two car data file commands: read a car data file into the project state, and
// write the car fields back in canonical form. Both report every failure in a message box; the
// caller sets the buttons after a success.

#include <filesystem>

namespace zw {

struct ProjectState;
class Dialogs;

// The open dialog's filter for car data files.
inline constexpr const char* kCarDataFileFilter = "CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt";

// Reads the car data file at `path`, chosen in the open dialog (filter kCarDataFileFilter). False when
// the read stopped with a message; the car fields then hold what they held before.
bool readCarDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& path);

// Writes the car fields to the file they were read from, after asking before an existing file is
// replaced. False when the user declined or the file could not be written (message shown).
bool CTRWagenDatenSchreibenAuslagerung(const ProjectState& state, Dialogs& dialogs);

}  // namespace zw
