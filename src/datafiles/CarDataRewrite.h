#pragma once
// The canonical form of a car data file: fixed header, every key of carKeys() in its order with its
// value in column 41, German or English key names, hidden keys only in German and only when asked
// for, a separator line before each role's keys.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Report.h"
#include "datafiles/CarData.h"

namespace zw {

struct Settings;

// The comment line a rewrite puts before each role's keys.
inline constexpr std::string_view kCarRoleSeparatorLine = "// -------------------------------------";

// One key line: the key, the separator run that puts the value in column 41 (tab stops every eight
// columns; one space after a key of 40 or more characters; three tabs after the two English
// PenultimateCar inertia keys), the value and CR LF.
std::string carKeyLine(std::string_view key, std::string_view value);

// The whole file: header, the body in the chosen language, a final empty line.
std::string carDataFileContent(const CarData& car, bool useEnglish, bool hiddenSettings);

// Where the rewrite writes: the folder that was read, "CTR_WagenDaten_" and the object name
// without its "CTR_" prefix. A file read with an empty name part was given the object name
// "CTR_UnbenannterWagen", so its rewrite lands beside it as CTR_WagenDaten_UnbenannterWagen.txt.
std::filesystem::path carDataRewriteTarget(const CarData& car);

// Writes the car fields to the file they were read from, asking "overwriteCarDataFile" before an
// existing file is replaced unless OverwriteWithoutPrompt is on or `answers` said Yes. The file is
// replaced through a temporary file beside it, so a declined or failed rewrite leaves the old file as
// it was. The path written, or none when the question is open or writing failed (message in the report).
Result<std::filesystem::path> rewriteCarDataFile(const CarData& car, const Settings& settings, const Answers& answers);

}  // namespace zw
