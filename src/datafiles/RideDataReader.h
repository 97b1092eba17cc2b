#pragma once
// The ride reader: loads a ride data file, checks its header and line count, and fills every ride
// field from the file or from its default. Every field is set on every complete read, so nothing
// of an earlier ride survives; a read that stops with a message leaves the ride fields as they were.

#include <filesystem>
#include <string>

#include "base/Report.h"
#include "datafiles/Lookups.h"
#include "datafiles/RideData.h"

namespace zw {

// The open dialog's filter for ride data files.
inline constexpr const char* kRideDataFileFilter = "CTR_BahnDaten_*.txt|CTR_BahnDaten_*.txt";

// Reads `file`: the ride's fields after a complete read, none when the read stopped with a message
// (101, 121, 122, 116); the report holds that message or the lookups' messages.
Result<RideData> readRideDataFile(const std::filesystem::path& file, LoadedDataFiles& files, LookupResults& results);
// The same for the bytes of `file`, already loaded (messages 121, 122, 116 and the lookups').
Result<RideData> readRideDataBytes(const std::string& bytes, const std::filesystem::path& file,
                                   LoadedDataFiles& files, LookupResults& results);

// The ride fields of a file's keys, with `file` naming the folder and the object name. Used by the
// reader once the text is loaded and indexed.
RideData rideDataFromKeys(Lookups& lookups, const std::filesystem::path& file);

}  // namespace zw
