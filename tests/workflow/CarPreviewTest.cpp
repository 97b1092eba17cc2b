// The car preview's cars: the front, middle and rear models that the car data names, read from the
// folder of the car data file before any build; a car whose models cannot be read carries the
// reason. The preview is offered from a car read until a ride read or restart.
#include <gtest/gtest.h>

#include "base/Messages.h"
#include "datafiles/CarDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/ModelPairFixture.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/CarPreview.h"
#include "workflow/MainWindow.h"

namespace zw {
namespace {

TEST(CarPreview, EachRoleShowsItsModelsOrWhyNot) {
    test::TempFolder folder;
    test::ModelFixtureOptions oneMesh;
    oneMesh.meshes = 1;
    test::writeModelPairFixture(folder.path(), "Front", oneMesh);
    test::writeModelPairFixture(folder.path(), "Body");  // two meshes
    test::writeModelPairFixture(folder.path(), "Bar", oneMesh);
    CarData car;
    car.CarFolder = folder.path();
    car.role(CarRole::FrontCar).ModelNamePartA = "Front";
    car.role(CarRole::MiddleCar).ModelNamePartA = "Body";
    car.role(CarRole::MiddleCar).ModelNamePartB = "Bar";
    car.role(CarRole::SecondCar).ModelNamePartA = "Second";  // not shown: only front, middle and rear
    car.role(CarRole::RearCar).ModelNamePartA = "Gone";

    const std::vector<PreviewCar> cars = previewCars(car);
    ASSERT_EQ(cars.size(), 3u);
    EXPECT_EQ(cars[0].role, "FrontCar");
    ASSERT_TRUE(cars[0].result.scene);
    EXPECT_EQ(cars[0].result.scene->meshes.size(), 1u);
    // Both parts of the middle car in one scene.
    EXPECT_EQ(cars[1].models, (std::vector<std::string>{"Body", "Bar"}));
    ASSERT_TRUE(cars[1].result.scene);
    EXPECT_EQ(cars[1].result.scene->meshes.size(), 3u);
    EXPECT_FALSE(cars[2].result.scene);
    EXPECT_EQ(cars[2].result.problem.text(Language::English), "The file Gone.common.ovl could not be opened.");

    // A role without models, and a model pair cut short.
    car.role(CarRole::RearCar).ModelNamePartA.clear();
    test::ModelFixtureOptions cut;
    cut.fault = test::ModelFault::Truncated;
    test::writeModelPairFixture(folder.path(), "Front", cut);
    const std::vector<PreviewCar> again = previewCars(car);
    EXPECT_EQ(again[2].result.problem.text(Language::English), "No car for RearCar.");
    ASSERT_FALSE(again[0].result.scene);
    EXPECT_EQ(again[0].result.problem.text(Language::English).rfind("Front.unique.ovl is no readable OVL file: ", 0), 0u)
        << again[0].result.problem.text(Language::English);
}

TEST(CarPreview, IsOfferedFromACarReadUntilARideReadOrRestart) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;
    test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                     "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    MainWindow w(dialogs, registry, folder.path());
    EXPECT_FALSE(w.carPreviewOffered());
    EXPECT_EQ(w.caption("WagenAnsehenButton"), "Wagen ansehen");
    const std::filesystem::path carFile = folder / "CTR_WagenDaten_Bob.txt";
    test::writeBytes(carFile, std::string(kCarDataHeader) + "ZugName\tBob\r\n");
    dialogs.filesToOpen = {carFile};
    ASSERT_TRUE(w.readCarFile());
    EXPECT_TRUE(w.carPreviewOffered());
    w.applyMoment(ButtonMoment::CarBuilt);
    w.applyMoment(ButtonMoment::CarInstalled);
    EXPECT_TRUE(w.carPreviewOffered());  // the cars are still the ones read
    w.restart();
    EXPECT_FALSE(w.carPreviewOffered());
    w.applyMoment(ButtonMoment::CarRead);
    w.applyMoment(ButtonMoment::RideRead);
    EXPECT_FALSE(w.carPreviewOffered());
}

}  // namespace
}  // namespace zw
