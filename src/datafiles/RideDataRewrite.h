#pragma once
// The canonical rewrite of a ride data file: the standard header, every key of rideKeys() in its
// order with German or English names, tabs putting the values in column 33, a blank line before
// each group, the values in the program's number formats, the unit line, and the add-on block only
// when the add-ons are switched on.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Report.h"
#include "datafiles/RideData.h"

namespace zw {

struct Settings;

// The heading of the add-on keys, a comment line between two hyphen rules.
inline constexpr std::string_view kRideAddOnHeading = "// BahnDaten mit AddOns";

// The whole file as it is written (Windows-1252 bytes, lines ended by CR LF).
std::string rideDataFileContent(const RideData& ride, bool english, bool addOnsEnabled);

// DataFileFolder + "CTR_BahnDaten_" + the object name without "CTR_" + ".txt".
std::filesystem::path rideDataRewriteTarget(const RideData& ride);

// Writes the file: asks "overwriteRideDataFile" before replacing an existing one unless
// OverwriteWithoutPrompt is on or `answers` said Yes. The file is replaced through a temporary file
// beside it, so a declined or failed rewrite leaves the old file as it was. The path written, or
// none when the question is open or writing failed (message in the report).
Result<std::filesystem::path> rewriteRideDataFile(const RideData& ride, const Settings& settings,
                                                  const Answers& answers);

}  // namespace zw
