// A car data file as the main window reads it: header sum, line index, the train and role keys; then
// the check after the read and the rewrite in both languages, over whatever was read.

#include "FuzzTarget.h"
#include "base/Settings.h"
#include "datafiles/CarData.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/DataFileCheck.h"
#include "datafiles/Lookups.h"

ZW_FUZZ_TARGET(car_data_file) {
    using namespace zw;
    static const Settings settings;
    LoadedDataFiles files;
    LookupResults results;
    const std::filesystem::path file = std::filesystem::path("cars") / "CTR_WagenDaten_Fuzz.txt";
    const Result<CarData> read = readCarDataBytes(std::string(input), file, files, results, settings);
    for (const ReportMessage& shown : read.report.messages()) (void)shown.text(Language::German);
    if (!read) return;
    const CarData& car = *read.value;
    DataFileCheckSettings check;
    (void)findingsMessage("CTR_WagenDaten_Fuzz.txt", checkDataFile(DataFileKind::Car, files, check), Language::German);
    (void)carDataFileContent(car, false, false);
    (void)carDataFileContent(car, true, true);
}
