#include <gtest/gtest.h>

#include "base/Settings.h"
#include "datafiles/CarData.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/RideData.h"
#include "datafiles/RideDataRewrite.h"
#include "support/FileFaultSweep.h"
#include "support/TempFolder.h"
#include "workflow/ReportShowing.h"

namespace zw {
namespace {

// Each rewrite replaces an existing data file while its file operations fail one after the other.
TEST(RewriteFaults, EveryFailingFileOperationKeepsTheOldFileAndIsReported) {
    test::TempFolder folder;
    test::writeBytes(folder / "CTR_BahnDaten_Zipper.txt", "the old ride file\r\n");
    test::writeBytes(folder / "CTR_WagenDaten_Zipper.txt", "the old car file\r\n");
    Settings settings;
    settings.OverwriteWithoutPrompt = true;
    RideData ride;
    ride.DataFileFolder = folder.path();
    ride.RideObjectName = "CTR_Zipper";
    CarData car;
    car.CarFolder = folder.path();
    car.CarObjectName = "CTR_Zipper";
    test::ScriptedDialogs dialogs;

    const std::vector<FileOperation> kinds = {FileOperation::Create, FileOperation::Write, FileOperation::Flush,
                                              FileOperation::Rename};
    // A rewrite's report shown on `dialogs`: true when written.
    auto shown = [&](const auto& written) {
        showReport(dialogs, Language::German, written.report);
        return written.value.has_value();
    };
    EXPECT_EQ(test::runFaultSweep(
                  {folder.path(), kinds, [&] { return shown(rewriteRideDataFile(ride, settings, Answers{})); }}, dialogs),
              4);
    EXPECT_EQ(test::runFaultSweep(
                  {folder.path(), kinds, [&] { return shown(rewriteCarDataFile(car, settings, Answers{})); }}, dialogs),
              4);
}

}  // namespace
}  // namespace zw
