#include <gtest/gtest.h>

#include <string>

#include "datafiles/CarDataHeader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/HeaderCheck.h"

namespace zw {
namespace {

size_t countOf(const std::string& text, const std::string& piece) {
    size_t n = 0;
    for (size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) ++n;
    return n;
}

TEST(CarKeyLine, PutsEveryValueInColumn41) {
    EXPECT_EQ(carKeyLine("ZugName", "Zug"), "ZugName\t\t\t\t\tZug\r\n");
    EXPECT_EQ(carKeyLine("WagenanzahlproZugMin", "1"), "WagenanzahlproZugMin\t\t\t1\r\n");
    EXPECT_EQ(carKeyLine("FrontCar_BewegungsachsenStabilitaet", "4.000"),
              "FrontCar_BewegungsachsenStabilitaet\t4.000\r\n");
    // A key that ends on a tab stop still needs a tab to reach the next one.
    EXPECT_EQ(carKeyLine("IncludeTeilASVD_", "x"), "IncludeTeilASVD_\t\t\tx\r\n");
    EXPECT_EQ(carKeyLine("FrontCar_BewegungsachsenAnschlag", "-1.000"),
              "FrontCar_BewegungsachsenAnschlag\t-1.000\r\n");
    EXPECT_EQ(carKeyLine("PenultimateCar_AnimNrRestraintClosing", "-1"),
              "PenultimateCar_AnimNrRestraintClosing\t-1\r\n");
}

TEST(CarKeyLine, LongKeysTakeOneSpaceAndTheTwoPenultimateInertiaKeysThreeTabs) {
    EXPECT_EQ(carKeyLine("PenultimateCar_AnimNrRestraintOpenedIdle", "-1"),
              "PenultimateCar_AnimNrRestraintOpenedIdle -1\r\n");
    EXPECT_EQ(carKeyLine("PenultimateCar_AnimNoRestraintClosedIdle", "7"),
              "PenultimateCar_AnimNoRestraintClosedIdle 7\r\n");
    EXPECT_EQ(carKeyLine("PenultimateCar_InertiaPartA", "500.000"), "PenultimateCar_InertiaPartA\t\t\t500.000\r\n");
    EXPECT_EQ(carKeyLine("PenultimateCar_InertiaPartB", "-1.000"), "PenultimateCar_InertiaPartB\t\t\t-1.000\r\n");
    // Only those two: the German keys and the other roles follow the column.
    EXPECT_EQ(carKeyLine("PenultimateCar_TraegheitTeilA", "1.000"), "PenultimateCar_TraegheitTeilA\t\t1.000\r\n");
    EXPECT_EQ(carKeyLine("MiddleCar_InertiaPartA", "1.000"), "MiddleCar_InertiaPartA\t\t\t1.000\r\n");
}

TEST(CarKeyLine, AnEmptyValueEndsTheLineAfterTheSeparatorRun) {
    EXPECT_EQ(carKeyLine("FrontCar_ModellnameTeilB", ""), "FrontCar_ModellnameTeilB\t\t\r\n");
}

TEST(CarDataHeader, Is399BytesWithTheCurrentVersionsSums) {
    ASSERT_EQ(kCarDataHeader.size(), 399u);
    const HeaderSums sums = headerSums(kCarDataHeader);
    EXPECT_EQ(sums.full, 26178);
    EXPECT_EQ(sums.stride, 5198);
    EXPECT_EQ(kCarDataHeader.substr(0, 4), "// -");
    EXPECT_EQ(kCarDataHeader.substr(395), "\r\n\r\n");
}

// A car set whose values differ from every default, so each line shows it holds its own field.
CarData sampleCar() {
    CarData car;
    car.CarFolder = "folder";
    car.CarObjectName = "CTR_Bob";
    car.TrainName = "Bob Train";
    car.CarCountPerTrainMin = 2;
    car.CarCountPerTrainMax = 8;
    car.CarCountPerTrainPreset = 4;
    car.CameraLookahead = 7.25;
    car.CameraLATiltfactor = 0.75;
    car.OvertakeFlag = 1;
    car.PriorityStationType = "Station";
    int n = 0;
    for (CarRole r : kCarRoles) {
        CarRoleData& role = car.role(r);
        ++n;
        role.ModelNamePartA = "ModelA" + std::to_string(n);
        role.InertiaPartA = 100.0 * n;
        role.InertiaPartB = -1.0;
        role.TurnaxisType = n;
        role.TurnaxisStability = 3.5;
        role.TurnaxisMomentum = 0.125;
        role.TurnaxisStopper = -2.0;
        role.PeepSeatingPositions = {3, 4, 5};
        role.SideSwing = 0.5;
        role.HeightSwing = -0.25;
        int anim = 10 * n;
        for (const auto& event : kCarAnimEvents) role.*event.field = anim++;
    }
    car.role(CarRole::SecondCar).ModelNamePartB = "ModelB2";
    car.role(CarRole::SecondCar).InertiaPartB = 250.0;
    return car;
}

const std::string kGermanTrain =
    "\r\n"
    "ZugName\t\t\t\t\tBob Train\r\n"
    "WagenanzahlproZugMin\t\t\t2\r\n"
    "WagenanzahlproZugMax\t\t\t8\r\n"
    "WagenanzahlproZugPreset\t\t\t4\r\n"
    "\r\n"
    "KameraLookahead\t\t\t\t7.250\r\n"
    "KameraLATiltfactor\t\t\t0.750\r\n"
    "UeberholenFlag\t\t\t\t1\r\n"
    "PrioritaetStationstyp\t\t\tStation\r\n";

const std::string kSeparator = "\r\n// -------------------------------------\r\n\r\n";

const std::string kGermanFrontCar =
    "\r\n"
    "FrontCar_ModellnameTeilA\t\tModelA1\r\n"
    "FrontCar_ModellnameTeilB\t\t\r\n"
    "FrontCar_TraegheitTeilA\t\t\t100.000\r\n"
    "FrontCar_TraegheitTeilB\t\t\t-1.000\r\n"
    "FrontCar_BewegungsachsenTyp\t\t1\r\n"
    "FrontCar_BewegungsachsenStabilitaet\t3.500\r\n"
    "FrontCar_BewegungsachsenSchwung\t\t0.125\r\n"
    "FrontCar_BewegungsachsenAnschlag\t-2.000\r\n"
    "FrontCar_PeepSitzposition\t\t3, 4, 5\r\n"
    "\r\n"
    "FrontCar_Seitenschwankung\t\t0.500\r\n"
    "FrontCar_Hoehenschwankung\t\t-0.250\r\n"
    "FrontCar_AnimNrRestraintOpenedIdle\t10\r\n"
    "FrontCar_AnimNrRestraintClosing\t\t11\r\n"
    "FrontCar_AnimNrRestraintOpening\t\t12\r\n"
    "FrontCar_AnimNrRestraintClosedIdle\t13\r\n"
    "FrontCar_AnimNrDoorOpenedIdle\t\t14\r\n"
    "FrontCar_AnimNrDoorClosing\t\t15\r\n"
    "FrontCar_AnimNrDoorOpening\t\t16\r\n"
    "FrontCar_AnimNrDoorClosedIdle\t\t17\r\n"
    "FrontCar_AnimNrFeatureStart\t\t18\r\n"
    "FrontCar_AnimNrFeatureLoop\t\t19\r\n"
    "FrontCar_AnimNrFeatureStop\t\t20\r\n"
    "FrontCar_AnimNrFeatureIdle\t\t21\r\n";

TEST(CarDataRewrite, GermanFileIsHeaderTrainAndSixRoleBlocks) {
    const std::string text = carDataFileContent(sampleCar(), false, false);
    const std::string start = std::string(kCarDataHeader) + kGermanTrain + kSeparator + kGermanFrontCar + kSeparator +
                              "\r\nSecondCar_ModellnameTeilA\t\tModelA2\r\n"
                              "SecondCar_ModellnameTeilB\t\tModelB2\r\n"
                              "SecondCar_TraegheitTeilA\t\t200.000\r\n"
                              "SecondCar_TraegheitTeilB\t\t250.000\r\n";
    ASSERT_GE(text.size(), start.size());
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ(countOf(text, kSeparator), 6u);
    const std::string end = "LinkCar_AnimNrFeatureStop\t\t70\r\nLinkCar_AnimNrFeatureIdle\t\t71\r\n\r\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
    EXPECT_NE(text.find("\r\nPenultimateCar_AnimNrRestraintOpenedIdle 40\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPenultimateCar_TraegheitTeilA\t\t400.000\r\n"), std::string::npos);
    // Every line has its CR LF and no line break stands alone.
    EXPECT_EQ(countOf(text, "\n"), countOf(text, "\r\n"));
    EXPECT_EQ(countOf(text, "\r"), countOf(text, "\r\n"));
}

TEST(CarDataRewrite, EnglishPenultimateBlockAsWrittenByHand) {
    const std::string text = carDataFileContent(sampleCar(), true, false);
    const std::string train =
        "\r\n"
        "TrainName\t\t\t\tBob Train\r\n"
        "CarCountPerTrainMin\t\t\t2\r\n"
        "CarCountPerTrainMax\t\t\t8\r\n"
        "CarCountPerTrainPreset\t\t\t4\r\n"
        "\r\n"
        "CameraLookahead\t\t\t\t7.250\r\n"
        "CameraLATiltfactor\t\t\t0.750\r\n"
        "OvertakeFlag\t\t\t\t1\r\n"
        "PriorityStationType\t\t\tStation\r\n";
    const std::string front = "FrontCar_ModelNamePartA\t\t\tModelA1\r\nFrontCar_ModelNamePartB\t\t\t\r\n";
    EXPECT_EQ(text.substr(0, kCarDataHeader.size() + train.size() + kSeparator.size() + front.size()),
              std::string(kCarDataHeader) + train + kSeparator + front);

    const std::string penultimate =
        kSeparator +
        "PenultimateCar_ModelNamePartA\t\tModelA4\r\n"
        "PenultimateCar_ModelNamePartB\t\t\r\n"
        "PenultimateCar_InertiaPartA\t\t\t400.000\r\n"
        "PenultimateCar_InertiaPartB\t\t\t-1.000\r\n"
        "PenultimateCar_TurnaxisType\t\t4\r\n"
        "PenultimateCar_TurnaxisStability\t3.500\r\n"
        "PenultimateCar_TurnaxisMomentum\t\t0.125\r\n"
        "PenultimateCar_TurnaxisStopper\t\t-2.000\r\n"
        "PenultimateCar_PeepSeatingPosition\t3, 4, 5\r\n"
        "\r\n"
        "PenultimateCar_SideSwing\t\t0.500\r\n"
        "PenultimateCar_HeightSwing\t\t-0.250\r\n"
        "PenultimateCar_AnimNoRestraintOpenedIdle 40\r\n"
        "PenultimateCar_AnimNoRestraintClosing\t41\r\n"
        "PenultimateCar_AnimNoRestraintOpening\t42\r\n"
        "PenultimateCar_AnimNoRestraintClosedIdle 43\r\n"
        "PenultimateCar_AnimNoDoorOpenedIdle\t44\r\n"
        "PenultimateCar_AnimNoDoorClosing\t45\r\n"
        "PenultimateCar_AnimNoDoorOpening\t46\r\n"
        "PenultimateCar_AnimNoDoorClosedIdle\t47\r\n"
        "PenultimateCar_AnimNoFeatureStart\t48\r\n"
        "PenultimateCar_AnimNoFeatureLoop\t49\r\n"
        "PenultimateCar_AnimNoFeatureStop\t50\r\n"
        "PenultimateCar_AnimNoFeatureIdle\t51\r\n" +
        kSeparator + "RearCar_ModelNamePartA\t\t\tModelA5\r\n";
    EXPECT_NE(text.find(penultimate), std::string::npos);
    EXPECT_EQ(countOf(text, kSeparator), 6u);
    const std::string end = "\r\nLinkCar_AnimNoFeatureIdle\t\t71\r\n\r\n";
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST(CarDataRewrite, HiddenKeysOnlyInGermanAndOnlyWhenAskedFor) {
    CarData car = sampleCar();
    car.IncludePaths = {"a.ovl", "b.ovl"};
    car.role(CarRole::RearCar).IncludeRIC = "Ric";
    car.JetSkiUnknown = 1.5;
    for (bool english : {false, true}) {
        const std::string text = carDataFileContent(car, english, false);
        for (const char* hidden : {"Include", "JetSki", "Water", "Unknown"})
            EXPECT_EQ(text.find(hidden), std::string::npos) << hidden << (english ? " in English" : " in German");
    }
    EXPECT_EQ(carDataFileContent(car, true, true), carDataFileContent(car, true, false));

    const std::string text = carDataFileContent(car, false, true);
    const std::string start = std::string(kCarDataHeader) + "IncludePfad\t\t\t\ta.ovl, b.ovl\r\n\r\nZugName\t\t\t\t\t";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_NE(text.find("KameraLATiltfactor\t\t\t0.750\r\n"
                        "JetSkiUnknown\t\t\t\t1.500\r\n"
                        "WaterUnknownA\t\t\t\t2.000\r\n"
                        "WaterUnknownB\t\t\t\t2.000\r\n"
                        "WaterUnknownC\t\t\t\t0.500\r\n"
                        "WaterUnknownD\t\t\t\t0.500\r\n"
                        "WaterUnknownE\t\t\t\t0.000\r\n"
                        "WaterUnknownF\t\t\t\t0.000\r\n"
                        "UeberholenFlag\t\t\t\t1\r\n"),
              std::string::npos);
    EXPECT_NE(text.find(kSeparator +
                        "RearCar_IncludeRIC\t\t\tRic\r\n"
                        "RearCar_IncludeTeilASVD\t\t\t\r\n"
                        "RearCar_IncludeTeilBSVD\t\t\t\r\n"
                        "\r\n"
                        "RearCar_ModellnameTeilA\t\t\tModelA5\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("RearCar_BewegungsachsenAnschlag\t\t-2.000\r\n"
                        "RearCar_BewegungsachsenUnknown\t\t0.000\r\n"
                        "RearCar_PeepSitzposition\t\t3, 4, 5\r\n"),
              std::string::npos);
}

TEST(CarDataRewrite, TargetIsBesideTheFileThatWasRead) {
    CarData car;
    car.CarFolder = std::filesystem::path("rides");
    car.CarObjectName = "CTR_Bobsled";
    EXPECT_EQ(carDataRewriteTarget(car), std::filesystem::path("rides") / "CTR_WagenDaten_Bobsled.txt");
    car.CarObjectName = "CTR_UnbenannterWagen";
    EXPECT_EQ(carDataRewriteTarget(car), std::filesystem::path("rides") / "CTR_WagenDaten_UnbenannterWagen.txt");
}

}  // namespace
}  // namespace zw
