#pragma once
// The main window's two car data file commands: read a car data file into the project state, and
// write the car fields back in canonical form. Both give every failure as a message of their report.

#include <filesystem>
#include <string>

#include "base/Report.h"
#include "datafiles/CarData.h"

namespace zw {

struct LoadedDataFiles;
struct LookupResults;
struct Settings;

// The open dialog's filter for car data files.
inline constexpr const char* kCarDataFileFilter = "CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt";

// Reads the car data file at `path`, chosen in the open dialog (filter kCarDataFileFilter): the car
// fields after a complete read, none when the read stopped with a message (in the report).
// The text goes into `files`, the lookups' results into `results`.
Result<CarData> readCarDataFile(const std::filesystem::path& path, LoadedDataFiles& files, LookupResults& results,
                                const Settings& settings);
// The same for the bytes of the file at `path`, already loaded.
Result<CarData> readCarDataBytes(const std::string& bytes, const std::filesystem::path& path, LoadedDataFiles& files,
                                 LookupResults& results, const Settings& settings);

// Writes the car fields to the file they were read from, asking "overwriteCarDataFile" before an
// existing file is replaced (unless OverwriteWithoutPrompt is on or `answers` said Yes). The path
// written, or none when the question is open or the file could not be written (message in the report).
Result<std::filesystem::path> rewriteCarDataFile(const CarData& car, const Settings& settings, const Answers& answers);

}  // namespace zw
