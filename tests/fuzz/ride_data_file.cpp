// A ride data file as the main window reads it: header sum, line index, every key of the table; then
// the check after the read and the rewrite in both languages, over whatever was read.

#include "FuzzTarget.h"
#include "datafiles/DataFileCheck.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"

ZW_FUZZ_TARGET(ride_data_file) {
    using namespace zw;
    LoadedDataFiles files;
    LookupResults results;
    const std::filesystem::path file = std::filesystem::path("rides") / "CTR_BahnDaten_Fuzz.txt";
    const Result<RideData> read = readRideDataBytes(std::string(input), file, files, results);
    for (const ReportMessage& shown : read.report.messages()) (void)shown.text(Language::English);
    if (!read) return;
    const RideData& ride = *read.value;
    DataFileCheckSettings check;
    check.language = Language::English;
    (void)findingsMessage("CTR_BahnDaten_Fuzz.txt", checkDataFile(DataFileKind::Ride, files, check), Language::English);
    (void)rideDataFileContent(ride, false, true);
    (void)rideDataFileContent(ride, true, false);
}
