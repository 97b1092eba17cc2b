#include <gtest/gtest.h>

#include <string>

#include "base/Messages.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataHeader.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/ProjectCommands.h"
#include "workflow/ProjectState.h"

namespace zw {
namespace {

// A car data file as a person would write one: the header, then key lines ended by CR LF.
std::string carFile(const std::string& body) { return std::string(kCarDataHeader) + body; }

struct CarReading {
    test::TempFolder dir;
    ProjectState state;
    test::ScriptedDialogs dialogs;

    bool read(const std::string& bytes, const std::string& fileName = "CTR_WagenDaten_Bob.txt") {
        const auto path = dir / fileName;
        test::writeBytes(path, bytes);
        return readCarDataFile(state, dialogs, path);
    }
    const CarData& car() const { return state.car; }
    const CarRoleData& role(CarRole r) const { return state.car.role(r); }
};

TEST(CarDataReader, NamesComeFromThePath) {
    CarReading r;
    ASSERT_TRUE(r.read(carFile(""), "CTR_WagenDaten_Bobsled.txt"));
    EXPECT_EQ(r.car().CarFolder, r.dir.path());
    EXPECT_EQ(r.car().CarObjectName, "CTR_Bobsled");
    ASSERT_TRUE(r.read(carFile(""), "CTR_WagenDaten_.txt"));
    EXPECT_EQ(r.car().CarObjectName, "CTR_UnbenannterWagen");
    // The prefix is not compared: the dialog's filter already ensures it.
    ASSERT_TRUE(r.read(carFile(""), "XXX_WagenDaten_Sled.txt"));
    EXPECT_EQ(r.car().CarObjectName, "CTR_Sled");
    EXPECT_TRUE(r.dialogs.log.empty());
}

TEST(CarDataReader, ANameTheGameCannotHoldIsRefused) {
    CarReading r;
    const auto path = r.dir.path() / std::filesystem::path(u8"CTR_WagenDaten_\u65E5.txt");
    test::writeBytes(path, carFile(""));
    EXPECT_FALSE(readCarDataFile(r.state, r.dialogs, path));
    EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{message("carFileNameNotWindows1252", Language::German)});
    EXPECT_EQ(r.car().CarObjectName, "");
}

TEST(CarDataReader, RefusesMissingShortAndForeignFilesAndKeepsTheFieldsItHad) {
    CarReading r;
    ASSERT_TRUE(r.read(carFile("ZugName\tFirst\r\n")));
    EXPECT_FALSE(readCarDataFile(r.state, r.dialogs, r.dir / "CTR_WagenDaten_Missing.txt"));
    EXPECT_FALSE(r.read(carFile("").substr(0, 391)));
    EXPECT_TRUE(r.read(carFile("").substr(0, 392)));
    std::string foreign = carFile("ZugName\tSecond\r\n");
    foreign[100] = 'x';
    EXPECT_FALSE(r.read(foreign));
    EXPECT_EQ(r.dialogs.messages(),
              (std::vector<std::string>{message("161", Language::German), message("162", Language::German),
                                        message("163", Language::German)}));
    EXPECT_EQ(r.car().TrainName, "RollercoasterTrain");  // from the 392-byte file, not the refused one
}

TEST(CarDataReader, AcceptsTheHeaderSumsOfEarlierVersions) {
    CarReading r;
    std::string earlier = carFile("ZugName\tOld\r\n");
    // The third byte is counted in the full sum only: +46 is an earlier version's header, +47 none.
    earlier[2] = static_cast<char>(earlier[2] + 46);
    EXPECT_TRUE(r.read(earlier));
    EXPECT_EQ(r.car().TrainName, "Old");
    earlier[2] = static_cast<char>(earlier[2] + 1);
    EXPECT_FALSE(r.read(earlier));
    // The second byte is counted in both: full -46 with stride -5 is accepted, full -5 alone is not.
    std::string both = carFile("");
    both[1] = static_cast<char>(both[1] - 5);
    EXPECT_FALSE(r.read(both));
    both[3] = static_cast<char>(both[3] - 41);
    EXPECT_TRUE(r.read(both));
    // Beyond the 390th byte the header is not summed.
    std::string tail = carFile("");
    tail[390] = 'x';
    EXPECT_TRUE(r.read(tail));
    EXPECT_EQ(r.dialogs.messages().size(), 2u);
}

TEST(CarDataReader, FileOfTooManyLinesIsRefused) {
    CarReading r;
    std::string body;
    for (int i = 0; i < 4999; ++i) body += "// line\r\n";
    EXPECT_FALSE(r.read(carFile(body)));  // header line breaks plus these pass 5000
    EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{message("167", Language::German)});
}

TEST(CarDataReader, FileWithoutKeysTakesEveryDefault) {
    CarReading r;
    ASSERT_TRUE(r.read(carFile("")));
    const CarData& car = r.car();
    EXPECT_TRUE(car.IncludePaths.empty());
    EXPECT_EQ(car.TrainName, "RollercoasterTrain");
    EXPECT_EQ(car.CarCountPerTrainMin, 1);
    EXPECT_EQ(car.CarCountPerTrainMax, 15);
    EXPECT_EQ(car.CarCountPerTrainPreset, 3);
    EXPECT_EQ(car.CameraLookahead, 8.0);
    EXPECT_EQ(car.CameraLATiltfactor, 0.5);
    EXPECT_EQ(car.JetSkiUnknown, 10.0);
    EXPECT_EQ(car.WaterUnknownC, 0.5);
    EXPECT_EQ(car.OvertakeFlag, 0);
    EXPECT_EQ(car.PriorityStationType, "");
    EXPECT_EQ(r.role(CarRole::FrontCar).ModelNamePartA, "BeispielWagenModell");
    EXPECT_TRUE(r.role(CarRole::FrontCar).isDefined());
    for (CarRole role : {CarRole::SecondCar, CarRole::MiddleCar, CarRole::PenultimateCar, CarRole::RearCar,
                         CarRole::LinkCar}) {
        EXPECT_FALSE(r.role(role).isDefined()) << carRoleName(role);
        EXPECT_EQ(r.role(role).InertiaPartA, 500.0);
        EXPECT_EQ(r.role(role).InertiaPartB, -1.0);
        EXPECT_EQ(r.role(role).TurnaxisStability, 4.0);
        EXPECT_EQ(r.role(role).TurnaxisMomentum, 0.1);
        EXPECT_EQ(r.role(role).TurnaxisStopper, -1.0);
        EXPECT_EQ(r.role(role).PeepSeatingPositions, std::vector<int32_t>{11});
        EXPECT_EQ(r.role(role).AnimFeatureIdle, -1);
    }
}

TEST(CarDataReader, ALoneBNameBecomesTheAName) {
    CarReading r;
    ASSERT_TRUE(r.read(carFile("FrontCar_ModellnameTeilB\tMyCar\r\nRearCar_ModelNamePartB\tTail\r\n")));
    const CarRoleData& front = r.role(CarRole::FrontCar);
    EXPECT_EQ(front.ModelNamePartA, "MyCar");
    EXPECT_EQ(front.ModelNamePartB, "");
    EXPECT_EQ(front.InertiaPartA, 500.0);
    EXPECT_EQ(front.InertiaPartB, -1.0);
    EXPECT_EQ(r.role(CarRole::RearCar).ModelNamePartA, "Tail");
    EXPECT_EQ(r.role(CarRole::RearCar).ModelNamePartB, "");
}

TEST(CarDataReader, InertiaOfOnePartAndTwoPartCars) {
    CarReading r;
    ASSERT_TRUE(r.read(carFile("SecondCar_ModellnameTeilA\tS\r\nSecondCar_ModellnameTeilB\tSB\r\n"
                               "MiddleCar_ModellnameTeilA\tM\r\nMiddleCar_TraegheitTeilA\t-1\r\n"
                               "MiddleCar_TraegheitTeilB\t300\r\n"
                               "PenultimateCar_ModellnameTeilA\tP\r\nPenultimateCar_TraegheitTeilA\t-1\r\n"
                               "RearCar_ModellnameTeilA\tR\r\nRearCar_ModellnameTeilB\tRB\r\n"
                               "RearCar_TraegheitTeilA\t-1\r\nRearCar_TraegheitTeilB\t-1\r\n"
                               "LinkCar_ModellnameTeilA\tL\r\nLinkCar_TraegheitTeilA\t20\r\n"
                               "LinkCar_TraegheitTeilB\t30\r\n")));
    // Two-part without inertia keys: both parts 500.
    EXPECT_EQ(r.role(CarRole::SecondCar).InertiaPartA, 500.0);
    EXPECT_EQ(r.role(CarRole::SecondCar).InertiaPartB, 500.0);
    // One-part: A takes B's value when A is -1, and B becomes -1.
    EXPECT_EQ(r.role(CarRole::MiddleCar).InertiaPartA, 300.0);
    EXPECT_EQ(r.role(CarRole::MiddleCar).InertiaPartB, -1.0);
    // One-part with both -1: 500.
    EXPECT_EQ(r.role(CarRole::PenultimateCar).InertiaPartA, 500.0);
    // Two-part with both -1: A 0, B 500.
    EXPECT_EQ(r.role(CarRole::RearCar).InertiaPartA, 0.0);
    EXPECT_EQ(r.role(CarRole::RearCar).InertiaPartB, 500.0);
    // One-part with its own A: B's value is dropped.
    EXPECT_EQ(r.role(CarRole::LinkCar).InertiaPartA, 20.0);
    EXPECT_EQ(r.role(CarRole::LinkCar).InertiaPartB, -1.0);

    CarReading twoPart;
    ASSERT_TRUE(twoPart.read(carFile("SecondCar_ModellnameTeilA\tS\r\nSecondCar_ModellnameTeilB\tSB\r\n"
                                     "SecondCar_TraegheitTeilA\t-1\r\n")));
    EXPECT_EQ(twoPart.role(CarRole::SecondCar).InertiaPartA, 0.0);
    EXPECT_EQ(twoPart.role(CarRole::SecondCar).InertiaPartB, 500.0);
}

TEST(CarDataReader, EveryAliasIsReadWhenTheKeysBeforeItGiveNothing) {
    CarReading r;
    ASSERT_TRUE(r.read(carFile("TrainName\tAlias Train\r\nCarCountPerTrainMin\t2\r\nCarCountPerTrainMax\t9\r\n"
                               "CarCountPerTrainPreset\t5\r\nCameraLookahead\t6.5\r\nCameraLATiltfactor\t0.25\r\n"
                               "OvertakeFlag\t1\r\nPriorityStationType\tDock\r\n"
                               "LinkCar_ModelNamePartA\tLA\r\nLinkCar_ModelNamePartB\tLB\r\n"
                               "LinkCar_TraegheitFestteil\t11\r\nLinkCar_TraegheitBewegungsteil\t12\r\n"
                               "LinkCar_Bewegungsachsentyp\t2\r\nLinkCar_StabilitaetBewegungsteil\t3.25\r\n"
                               "LinkCar_SchwungBewegungsteil\t0.75\r\nLinkCar_TurnaxisStopper\t45\r\n"
                               "LinkCar_PeepSeatingPosition\t1, 2\r\nLinkCar_SideSwing\t0.5\r\n"
                               "LinkCar_HeightSwing\t0.125\r\nLinkCar_AnimNoDoorClosing\t7\r\n"
                               "RearCar_InertiaPartA\t13\r\nRearCar_InertiaPartB\t14\r\n"
                               "RearCar_ModellnameTeilA\tR\r\nRearCar_ModellnameTeilB\tRB\r\n"
                               "RearCar_TurnaxisType\t3\r\nRearCar_TurnaxisStability\t1.5\r\n"
                               "RearCar_TurnaxisMomentum\t0.5\r\n")));
    const CarData& car = r.car();
    EXPECT_EQ(car.TrainName, "Alias Train");
    EXPECT_EQ(car.CarCountPerTrainMin, 2);
    EXPECT_EQ(car.CarCountPerTrainMax, 9);
    EXPECT_EQ(car.CarCountPerTrainPreset, 5);
    EXPECT_EQ(car.CameraLookahead, 6.5);
    EXPECT_EQ(car.CameraLATiltfactor, 0.25);
    EXPECT_EQ(car.OvertakeFlag, 1);
    EXPECT_EQ(car.PriorityStationType, "Dock");
    const CarRoleData& link = r.role(CarRole::LinkCar);
    EXPECT_EQ(link.ModelNamePartA, "LA");
    EXPECT_EQ(link.ModelNamePartB, "LB");
    EXPECT_EQ(link.InertiaPartA, 11.0);
    EXPECT_EQ(link.InertiaPartB, 12.0);
    EXPECT_EQ(link.TurnaxisType, 2);
    EXPECT_EQ(link.TurnaxisStability, 3.25);
    EXPECT_DOUBLE_EQ(link.TurnaxisMomentum, 0.75);
    EXPECT_EQ(link.TurnaxisStopper, 45.0);
    EXPECT_EQ(link.PeepSeatingPositions, (std::vector<int32_t>{1, 2}));
    EXPECT_EQ(link.SideSwing, 0.5);
    EXPECT_EQ(link.HeightSwing, 0.125);
    EXPECT_EQ(link.AnimDoorClosing, 7);
    EXPECT_EQ(link.AnimDoorOpening, -1);
    const CarRoleData& rear = r.role(CarRole::RearCar);
    EXPECT_EQ(rear.InertiaPartA, 13.0);
    EXPECT_EQ(rear.InertiaPartB, 14.0);
    EXPECT_EQ(rear.TurnaxisType, 3);
    EXPECT_EQ(rear.TurnaxisStability, 1.5);
    EXPECT_EQ(rear.TurnaxisMomentum, 0.5);
}

TEST(CarDataReader, EarlierKeysWinWhereverTheyStand) {
    CarReading r;
    // Aliases stand first in the file; the German key is still the one taken. The capital-T key comes
    // before the small-t one, and that one before the English alias.
    ASSERT_TRUE(r.read(carFile("FrontCar_InertiaPartA\t1\r\nFrontCar_TraegheitFestteil\t2\r\n"
                               "FrontCar_TraegheitTeilA\t3\r\n"
                               "FrontCar_TurnaxisType\t6\r\nFrontCar_Bewegungsachsentyp\t5\r\n"
                               "SecondCar_TurnaxisType\t6\r\nSecondCar_Bewegungsachsentyp\t5\r\n"
                               "SecondCar_BewegungsachsenTyp\t4\r\n"
                               "MiddleCar_AnimNoFeatureLoop\t8\r\nMiddleCar_AnimNrFeatureLoop\t9\r\n"
                               "ZugName\tGerman\r\nTrainName\tEnglish\r\n")));
    EXPECT_EQ(r.role(CarRole::FrontCar).InertiaPartA, 3.0);
    EXPECT_EQ(r.role(CarRole::FrontCar).TurnaxisType, 5);
    EXPECT_EQ(r.role(CarRole::SecondCar).TurnaxisType, 4);
    EXPECT_EQ(r.role(CarRole::MiddleCar).AnimFeatureLoop, 9);
    EXPECT_EQ(r.car().TrainName, "German");
}

TEST(CarDataReader, TrainValuesAndTheirFormats) {
    CarReading r;
    ASSERT_TRUE(r.read(carFile("ZugName\t\tMy Ride, Deluxe\r\nPrioritaetStationstyp\tTwo Words\r\n"
                               "UeberholenFlag\t2\r\nOvertakeFlag\t1\r\n"
                               " WagenanzahlproZugMin\t4\r\n"
                               "FrontCar_PeepSitzposition\t3, 4, 5\r\n")));
    EXPECT_EQ(r.car().TrainName, "My Ride, Deluxe");
    EXPECT_EQ(r.car().PriorityStationType, "Two");
    EXPECT_EQ(r.car().OvertakeFlag, 0);  // the German key gave 2; the alias is not consulted
    EXPECT_EQ(r.car().CarCountPerTrainMin, 1);
    EXPECT_EQ(r.role(CarRole::FrontCar).PeepSeatingPositions, (std::vector<int32_t>{3, 4, 5}));
}

TEST(CarDataReader, HiddenKeysAreIgnoredWhileTheOptionIsOff) {
    const std::string body =
        "IncludePfad\ta.ovl b.ovl\r\nJetSkiUnknown\t3\r\nWaterUnknownA\t4\r\nWaterUnknownF\t5\r\n"
        "FrontCar_IncludeRIC\tRic\r\nFrontCar_ModellnameTeilA\tFront\r\n"
        "SecondCar_IncludeTeilASVD\tSvdA\r\nSecondCar_IncludeTeilBSVD\tSvdB\r\n"
        "SecondCar_ModellnameTeilA\tSA\r\nSecondCar_ModellnameTeilB\tSB\r\n"
        "SecondCar_BewegungsachsenUnknown\t2.5\r\n";
    CarReading off;
    ASSERT_TRUE(off.read(carFile(body)));
    EXPECT_TRUE(off.car().IncludePaths.empty());
    EXPECT_EQ(off.car().JetSkiUnknown, 10.0);
    EXPECT_EQ(off.car().WaterUnknownA, 2.0);
    EXPECT_EQ(off.car().WaterUnknownF, 0.0);
    EXPECT_EQ(off.role(CarRole::FrontCar).IncludeRIC, "");
    EXPECT_EQ(off.role(CarRole::FrontCar).ModelNamePartA, "Front");
    EXPECT_EQ(off.role(CarRole::SecondCar).IncludeSVDPartA, "");
    EXPECT_EQ(off.role(CarRole::SecondCar).ModelNamePartA, "SA");
    EXPECT_EQ(off.role(CarRole::SecondCar).ModelNamePartB, "SB");
    EXPECT_EQ(off.role(CarRole::SecondCar).TurnaxisUnknown, 0.0);

    CarReading on;
    on.state.settings.HiddenSettings = true;
    ASSERT_TRUE(on.read(carFile(body)));
    EXPECT_EQ(on.car().IncludePaths, (std::vector<std::string>{"a.ovl", "b.ovl"}));
    EXPECT_EQ(on.car().JetSkiUnknown, 3.0);
    EXPECT_EQ(on.car().WaterUnknownA, 4.0);
    EXPECT_EQ(on.car().WaterUnknownF, 5.0);
    // A whole car from elsewhere: no models, and the example name does not stand in for them.
    EXPECT_EQ(on.role(CarRole::FrontCar).IncludeRIC, "Ric");
    EXPECT_EQ(on.role(CarRole::FrontCar).ModelNamePartA, "");
    EXPECT_TRUE(on.role(CarRole::FrontCar).isDefined());
    // Both parts from elsewhere: the model names give way.
    EXPECT_EQ(on.role(CarRole::SecondCar).IncludeSVDPartA, "SvdA");
    EXPECT_EQ(on.role(CarRole::SecondCar).IncludeSVDPartB, "SvdB");
    EXPECT_EQ(on.role(CarRole::SecondCar).ModelNamePartA, "");
    EXPECT_EQ(on.role(CarRole::SecondCar).ModelNamePartB, "");
    EXPECT_EQ(on.role(CarRole::SecondCar).TurnaxisUnknown, 2.5);
}

TEST(CarDataReader, IncludedPartsAndTheirModelNames) {
    CarReading r;
    r.state.settings.HiddenSettings = true;
    ASSERT_TRUE(r.read(carFile("MiddleCar_IncludeRIC\tRic\r\nMiddleCar_IncludeTeilASVD\tSvdA\r\n"
                               "MiddleCar_ModellnameTeilB\tMB\r\n"
                               "RearCar_IncludeTeilBSVD\tSvdB\r\nRearCar_ModellnameTeilB\tRB\r\n"
                               "LinkCar_IncludeTeilASVD\tSvdA\r\nLinkCar_ModellnameTeilB\tLB\r\n")));
    const CarRoleData& middle = r.role(CarRole::MiddleCar);
    EXPECT_EQ(middle.IncludeSVDPartA, "");  // the whole car from elsewhere takes precedence
    EXPECT_EQ(middle.ModelNamePartA, "");
    EXPECT_EQ(middle.ModelNamePartB, "");
    // B from elsewhere: no B model, so nothing to move to A.
    EXPECT_EQ(r.role(CarRole::RearCar).ModelNamePartA, "");
    EXPECT_EQ(r.role(CarRole::RearCar).ModelNamePartB, "");
    // A from elsewhere: the B model stays a B model and makes a two-part car.
    const CarRoleData& link = r.role(CarRole::LinkCar);
    EXPECT_EQ(link.ModelNamePartA, "");
    EXPECT_EQ(link.ModelNamePartB, "LB");
    EXPECT_EQ(link.InertiaPartB, 500.0);
}

TEST(CarDataReader, HiddenKeysAreLookedUpEvenWhileIgnored) {
    CarReading r;
    std::string values;
    for (int i = 0; i < 501; ++i) values += " 1";
    ASSERT_TRUE(r.read(carFile("JetSkiUnknown\t" + values + "\r\n")));
    EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{message("918", Language::German)});
    EXPECT_EQ(r.car().JetSkiUnknown, 10.0);
}

TEST(CarDataReader, SeatingListIsCutAfterOneHundredWithAMessage) {
    CarReading r;
    r.state.settings.UseEnglish = true;
    std::string values;
    std::string exactly;
    for (int i = 1; i <= 120; ++i) {
        (i <= 100 ? exactly : values) += ' ';
        (i <= 100 ? exactly : values) += std::to_string(i);
    }
    values = exactly + values;
    ASSERT_TRUE(r.read(carFile("MiddleCar_PeepSitzposition\t" + values + "\r\nRearCar_PeepSitzposition\t" + exactly +
                               "\r\n")));
    ASSERT_EQ(r.role(CarRole::MiddleCar).PeepSeatingPositions.size(), 100u);
    EXPECT_EQ(r.role(CarRole::MiddleCar).PeepSeatingPositions.back(), 100);
    EXPECT_EQ(r.role(CarRole::RearCar).PeepSeatingPositions.size(), 100u);
    EXPECT_EQ(r.dialogs.messages(),
              std::vector<std::string>{"MiddleCar_PeepSeatingPosition gives 120 seating positions; a car has room "
                                       "for 100. Only the first 100 are used."});
}

}  // namespace
}  // namespace zw
