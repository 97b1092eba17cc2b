#include <gtest/gtest.h>

#include <cstdlib>

#include "base/SafeFile.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "support/ScriptedDialogs.h"
#include "workflow/ProjectCommands.h"
#include "workflow/ProjectState.h"

namespace zw {
namespace {

std::filesystem::path exampleFile() {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "examples" / "CTR_WagenDaten_Beispielzug.txt";
}

TEST(ExampleCarFile, HasAFrontCarATwoPartMiddleCarAndARearCarInCanonicalForm) {
    ProjectState state;
    test::ScriptedDialogs dialogs;
    ASSERT_TRUE(readCarDataFile(state, dialogs, exampleFile())) << exampleFile();
    EXPECT_TRUE(dialogs.log.empty());
    const CarData& car = state.car;
    EXPECT_EQ(car.CarObjectName, "CTR_Beispielzug");
    EXPECT_EQ(car.role(CarRole::FrontCar).ModelNamePartA, "Beispielbahn_Front");
    EXPECT_EQ(car.role(CarRole::MiddleCar).ModelNamePartA, "Beispielbahn_Mitte");
    EXPECT_EQ(car.role(CarRole::MiddleCar).ModelNamePartB, "Beispielbahn_MitteBuegel");
    EXPECT_EQ(car.role(CarRole::RearCar).ModelNamePartA, "Beispielbahn_Heck");
    for (CarRole role : {CarRole::SecondCar, CarRole::PenultimateCar, CarRole::LinkCar})
        EXPECT_FALSE(car.role(role).isDefined()) << carRoleName(role);
    // Rewriting it in German changes nothing.
    EXPECT_EQ(carDataFileContent(car, false, false), readWholeFile(exampleFile()));
}

}  // namespace
}  // namespace zw
