#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "base/FileFaults.h"
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

// A rewrite that fails names the whole target, also in a folder whose name the code page cannot hold.
TEST(RewriteFaults, TheMessageNamesTheWholeTargetInAnyScript) {
    test::TempFolder top;
    const std::filesystem::path folder = top / std::filesystem::path(u8"Игры Łódź");
    std::filesystem::create_directories(folder);
    RideData ride;
    ride.DataFileFolder = folder;
    ride.RideObjectName = "CTR_Zipper";
    CarData car;
    car.CarFolder = folder;
    car.CarObjectName = "CTR_Zipper";
    // The path in the message (its first argument) when the rewrite's first file cannot be made.
    const auto shownTarget = [](auto rewrite) {
        ScopedFileFault failing(FileOperation::Create, 1);
        return rewrite().report.messages().at(0).args.at(0).text;
    };
    EXPECT_EQ(shownTarget([&] { return rewriteRideDataFile(ride, Settings{}, Answers{}); }),
              pathToUtf8(folder / "CTR_BahnDaten_Zipper.txt"));
    EXPECT_EQ(shownTarget([&] { return rewriteCarDataFile(car, Settings{}, Answers{}); }),
              pathToUtf8(folder / "CTR_WagenDaten_Zipper.txt"));
}

}  // namespace
}  // namespace zw
