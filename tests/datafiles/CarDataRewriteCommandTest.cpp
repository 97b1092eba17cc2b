#include <gtest/gtest.h>

#include <string>

#include "base/Messages.h"
#include "base/SafeFile.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataHeader.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/ProjectCommands.h"
#include "workflow/ProjectState.h"

namespace zw {
namespace {

// Values for every field and rule: a two-part middle car, a one-part car given by its B name, an
// inertia of -1 on each side, seating lists, animations, and texts with spaces.
const std::string kBody =
    "IncludePfad\tx.ovl, y.ovl\r\n"
    "ZugName\t\tGreat Train 2\r\n"
    "WagenanzahlproZugMin\t2\r\nWagenanzahlproZugMax\t7\r\nWagenanzahlproZugPreset\t4\r\n"
    "KameraLookahead\t9.125\r\nKameraLATiltfactor\t0.333\r\n"
    "JetSkiUnknown\t1.5\r\nWaterUnknownB\t3\r\n"
    "UeberholenFlag\t1\r\nPrioritaetStationstyp\tDockStation\r\n"
    "FrontCar_ModellnameTeilA\tFront // the engine\r\nFrontCar_TraegheitTeilA\t-1\r\n"
    "FrontCar_TraegheitTeilB\t250.5\r\n"
    "FrontCar_PeepSitzposition\t3, 4, 5\r\nFrontCar_AnimNrDoorOpening\t2\r\n"
    "FrontCar_BewegungsachsenUnknown\t0.25\r\n"
    "SecondCar_ModellnameTeilB\tOnlyB\r\nSecondCar_Seitenschwankung\t-0.125\r\n"
    "MiddleCar_ModellnameTeilA\tMiddleBody\r\nMiddleCar_ModellnameTeilB\tMiddleSeat\r\n"
    "MiddleCar_TraegheitTeilA\t-1\r\nMiddleCar_BewegungsachsenTyp\t2\r\n"
    "MiddleCar_BewegungsachsenStabilitaet\t3.25\r\nMiddleCar_BewegungsachsenSchwung\t0.75\r\n"
    "MiddleCar_BewegungsachsenAnschlag\t45\r\nMiddleCar_Hoehenschwankung\t0.5\r\n"
    "MiddleCar_AnimNrFeatureLoop\t12\r\nMiddleCar_AnimNrRestraintOpenedIdle\t0\r\n"
    "PenultimateCar_IncludeRIC\tSomeCar\r\nPenultimateCar_PeepSitzposition\t-2, 0\r\n"
    "RearCar_ModellnameTeilA\tTail\r\nRearCar_TraegheitTeilA\t800\r\n"
    "LinkCar_ModelNamePartA\tLink\r\nLinkCar_TurnaxisType\t1\r\n";

struct Project {
    test::TempFolder dir;
    ProjectState state;
    test::ScriptedDialogs dialogs;
    std::filesystem::path file = dir / "CTR_WagenDaten_Great.txt";

    bool read(const std::filesystem::path& path) { return readCarDataFile(state, dialogs, path); }
    bool rewrite() { return rewriteCarFile(state, dialogs); }
};

TEST(CarDataRewriteCommand, ReadingTheRewrittenFileGivesTheSameFields) {
    for (bool hidden : {false, true}) {
        for (bool english : {false, true}) {
            Project p;
            p.state.settings.HiddenSettings = hidden;
            p.state.settings.OverwriteWithoutPrompt = true;
            test::writeBytes(p.file, std::string(kCarDataHeader) + kBody);
            ASSERT_TRUE(p.read(p.file));
            CarData before = p.state.car;
            if (hidden && english) {
                // English files hold no hidden keys, so those come back with their defaults.
                const CarData defaults;
                before.IncludePaths.clear();
                before.JetSkiUnknown = defaults.JetSkiUnknown;
                before.WaterUnknownB = defaults.WaterUnknownB;
                for (CarRoleData& role : before.Roles) {
                    role.IncludeRIC.clear();
                    role.TurnaxisUnknown = 0.0;
                }
            }
            p.state.settings.UseEnglish = english;
            ASSERT_TRUE(p.rewrite());
            const auto written = readWholeFile(p.file);
            ASSERT_TRUE(written);
            EXPECT_NE(*written, std::string(kCarDataHeader) + kBody);
            p.state.car = CarData{};
            ASSERT_TRUE(p.read(p.file));
            const std::string variant = std::string(english ? "English" : "German") + (hidden ? " hidden" : "");
            EXPECT_TRUE(p.state.car == before) << variant;
            EXPECT_TRUE(p.dialogs.log.empty()) << variant;

            // The values the rules settled, read back from the rewritten file.
            const CarData& car = p.state.car;
            EXPECT_EQ(car.TrainName, "Great Train 2");
            EXPECT_DOUBLE_EQ(car.CameraLATiltfactor, 0.333);
            EXPECT_EQ(car.role(CarRole::FrontCar).ModelNamePartA, "Front");
            EXPECT_EQ(car.role(CarRole::FrontCar).InertiaPartA, 250.5);
            EXPECT_EQ(car.role(CarRole::FrontCar).InertiaPartB, -1.0);
            EXPECT_EQ(car.role(CarRole::SecondCar).ModelNamePartA, "OnlyB");
            EXPECT_EQ(car.role(CarRole::MiddleCar).InertiaPartA, 0.0);
            EXPECT_EQ(car.role(CarRole::MiddleCar).InertiaPartB, 500.0);
            EXPECT_EQ(car.role(CarRole::PenultimateCar).PeepSeatingPositions, (std::vector<int32_t>{-2, 0}));
            const bool kept = hidden && !english;
            EXPECT_EQ(car.role(CarRole::PenultimateCar).IncludeRIC, kept ? "SomeCar" : "") << variant;
            EXPECT_EQ(car.JetSkiUnknown, kept ? 1.5 : 10.0) << variant;
            EXPECT_EQ(car.role(CarRole::FrontCar).TurnaxisUnknown, kept ? 0.25 : 0.0) << variant;
        }
    }
}

TEST(CarDataRewriteCommand, AsksBeforeReplacingAFileAndKeepsItOnNo) {
    Project p;
    const std::string original = std::string(kCarDataHeader) + "ZugName\tOld\r\n";
    test::writeBytes(p.file, original);
    ASSERT_TRUE(p.read(p.file));
    EXPECT_FALSE(p.rewrite());
    ASSERT_EQ(p.dialogs.log.size(), 1u);
    EXPECT_EQ(p.dialogs.log[0].caption, "Warnung");
    EXPECT_EQ(p.dialogs.log[0].text, message("overwriteCarDataFile", Language::German));
    EXPECT_EQ(readWholeFile(p.file), original);

    p.dialogs.yesNoAnswers = {true};
    p.state.settings.UseEnglish = true;
    EXPECT_TRUE(p.rewrite());
    EXPECT_EQ(p.dialogs.log.back().caption, "Warning");
    const std::string start = std::string(kCarDataHeader) + "\r\nTrainName\t\t\t\tOld\r\nCarCountPerTrainMin\t";
    EXPECT_EQ(readWholeFile(p.file)->substr(0, start.size()), start);
}

TEST(CarDataRewriteCommand, NoQuestionWithOverwriteOnOrForANewFile) {
    Project p;
    p.state.settings.OverwriteWithoutPrompt = true;
    test::writeBytes(p.file, std::string(kCarDataHeader));
    ASSERT_TRUE(p.read(p.file));
    EXPECT_TRUE(p.rewrite());

    // A file read with an empty name part is rewritten beside it under the name UnbenannterWagen.
    Project unnamed;
    const auto file = unnamed.dir / "CTR_WagenDaten_.txt";
    test::writeBytes(file, std::string(kCarDataHeader));
    ASSERT_TRUE(unnamed.read(file));
    EXPECT_TRUE(unnamed.rewrite());
    EXPECT_EQ(readWholeFile(file), std::string(kCarDataHeader));
    const auto written = readWholeFile(unnamed.dir / "CTR_WagenDaten_UnbenannterWagen.txt");
    ASSERT_TRUE(written);
    EXPECT_NE(written->find("FrontCar_ModellnameTeilA\t\tBeispielWagenModell\r\n"), std::string::npos);
    EXPECT_TRUE(p.dialogs.log.empty());
    EXPECT_TRUE(unnamed.dialogs.log.empty());
}

TEST(CarDataRewriteCommand, AFailedWriteIsReportedAndLeavesNothingBehind) {
    Project p;
    test::writeBytes(p.file, std::string(kCarDataHeader));
    ASSERT_TRUE(p.read(p.file));
    std::filesystem::remove_all(p.dir.path());
    EXPECT_FALSE(p.rewrite());
    ASSERT_EQ(p.dialogs.messages().size(), 1u);
    EXPECT_EQ(p.dialogs.messages()[0].rfind("Die CTR_WagenDaten Datei ", 0), 0u) << p.dialogs.messages()[0];
    EXPECT_NE(p.dialogs.messages()[0].find("CTR_WagenDaten_Great.txt"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(p.dir.path()));
}

}  // namespace
}  // namespace zw
