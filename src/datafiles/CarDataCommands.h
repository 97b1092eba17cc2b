#pragma once
// The main window's two car data file commands: read a car data file into the project state, and
// write the car fields back in canonical form. Both report every failure in a message box; the
// caller sets the buttons after a success.

#include <filesystem>
#include <string>

namespace zw {

class Dialogs;
struct CarData;
struct LoadedDataFiles;
struct LookupResults;
struct Settings;

// The open dialog's filter for car data files.
inline constexpr const char* kCarDataFileFilter = "CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt";

// Reads the car data file at `path`, chosen in the open dialog (filter kCarDataFileFilter). False when
// the read stopped with a message; the car fields then hold what they held before.
// The text goes into `files`, the lookups' results into `results`, the fields into `car`.
bool readCarDataFile(const std::filesystem::path& path, LoadedDataFiles& files, LookupResults& results, CarData& car,
                     const Settings& settings, Dialogs& dialogs);
// The same for the bytes of the file at `path`, already loaded.
bool readCarDataBytes(const std::string& bytes, const std::filesystem::path& path, LoadedDataFiles& files,
                      LookupResults& results, CarData& car, const Settings& settings, Dialogs& dialogs);

// Writes the car fields to the file they were read from, after asking before an existing file is
// replaced. False when the user declined or the file could not be written (message shown).
bool rewriteCarDataFile(const CarData& car, const Settings& settings, Dialogs& dialogs);

}  // namespace zw
