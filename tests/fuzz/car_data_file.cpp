// A car data file as the main window reads it: header sum, line index, the train and role keys; then
// the check after the read and the rewrite in both languages, over whatever was read.

#include "FuzzTarget.h"
#include "base/Settings.h"
#include "datafiles/CarData.h"
#include "datafiles/CarDataCommands.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/DataFileCheck.h"
#include "datafiles/Lookups.h"

ZW_FUZZ_TARGET(car_data_file) {
    using namespace zw;
    static const Settings settings;
    fuzz::QuietDialogs dialogs;
    LoadedDataFiles files;
    LookupResults results;
    CarData car;
    const std::filesystem::path file = std::filesystem::path("cars") / "CTR_WagenDaten_Fuzz.txt";
    if (!readCarDataBytes(std::string(input), file, files, results, car, settings, dialogs)) return;
    DataFileCheckSettings check;
    (void)findingsMessage("CTR_WagenDaten_Fuzz.txt", checkDataFile(DataFileKind::Car, files, check), Language::German);
    (void)composeCarDataFile(car, false, false);
    (void)composeCarDataFile(car, true, true);
}
