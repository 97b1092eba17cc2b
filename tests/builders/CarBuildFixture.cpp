#include "CarBuildFixture.h"

#include "base/SafeFile.h"
#include "ovl/OvlPairInspection.h"

namespace zw::test {

CarData distinctCar(const std::filesystem::path& folder) {
    CarData c;
    c.CarFolder = folder;
    c.CarObjectName = "CTR_Bob";
    c.TrainName = "Bob Train";
    c.CarCountPerTrainMin = 2;
    c.CarCountPerTrainMax = 9;
    c.CarCountPerTrainPreset = 4;
    c.CameraLookahead = 6.5;
    c.CameraLATiltfactor = 0.25;
    c.JetSkiUnknown = 12.5;
    c.WaterUnknownA = 1.25;
    c.WaterUnknownB = 2.5;
    c.WaterUnknownC = 3.75;
    c.WaterUnknownD = 4.5;
    c.WaterUnknownE = 5.25;
    c.WaterUnknownF = 6.75;
    c.OvertakeFlag = 1;
    c.PriorityStationType = "Keine";

    CarRoleData& front = c.role(CarRole::FrontCar);
    front.IncludeSVDPartA = "ForeignFront";
    front.InertiaPartA = 250.5;
    front.InertiaPartB = -1.0;
    front.TurnaxisType = 2;
    front.TurnaxisStability = 3.5;
    front.TurnaxisMomentum = 0.125;
    front.TurnaxisStopper = 45.0;
    front.TurnaxisUnknown = 0.75;
    front.PeepSeatingPositions = {5, 6, 7};
    front.SideSwing = 0.0;
    front.HeightSwing = 0.5;
    front.AnimFeatureStart = 1;
    front.AnimFeatureLoop = 2;
    front.AnimFeatureStop = 3;
    front.AnimFeatureIdle = 4;
    front.AnimRestraintOpening = 5;
    front.AnimRestraintOpenedIdle = 6;
    front.AnimRestraintClosing = 7;
    front.AnimRestraintClosedIdle = 8;
    front.AnimDoorOpening = 9;
    front.AnimDoorOpenedIdle = 10;
    front.AnimDoorClosing = 11;
    front.AnimDoorClosedIdle = 12;

    c.role(CarRole::MiddleCar).IncludeRIC = "ForeignMiddle";

    CarRoleData& rear = c.role(CarRole::RearCar);
    rear.IncludeSVDPartA = "ForeignRear";
    rear.IncludeSVDPartB = "ForeignRearBar";
    rear.InertiaPartB = 125.0;
    rear.PeepSeatingPositions = {9};
    rear.SideSwing = 0.25;
    rear.HeightSwing = 0.0;
    return c;
}

int CarBuildTest::build() {
    CarBuildSteps steps;
    steps.reEmitModel = [this](OvlWriter&, const ModelPair&, const std::string& modelName, Report&) {
        reEmitted.push_back(modelName);
        return true;
    };
    return build(steps);
}

bool CarBuildTest::noOutput() const { return !std::filesystem::exists(carOutputFolder(car)); }

ParsedRidePair CarBuildTest::built() const {
    const std::string common = *readWholeFile(carCommonFile(car));
    const std::string unique = *readWholeFile(carUniqueFile(car));
    const OvlPairInspection inspection =
        inspectOvlPair(OvlPairReader(common, "common", unique, "unique"), Language::English);
    EXPECT_TRUE(inspection.violations.empty()) << ::testing::PrintToString(inspection.violations);
    return parseRidePair(carCommonFile(car), carUniqueFile(car));
}

}  // namespace zw::test
