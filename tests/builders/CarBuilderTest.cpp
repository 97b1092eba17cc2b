// The car build as a whole: output folder and overwrite question, the role checks, the models read
// and handed on in their order with the car checks, the pair's headers, and the build button.
#include <gtest/gtest.h>

#include "CarBuildFixture.h"
#include "RideBuildFixture.h"
#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "builders/CarRoleChecks.h"
#include "ovl/ByteReader.h"
#include "ovl/ModelPair.h"
#include "support/FakeRegistry.h"
#include "support/HandMadeOvlPair.h"
#include "support/ModelPairFixture.h"
#include "workflow/MainWindow.h"

namespace zw::test {
namespace {

using File = HandMadeOvlPair::File;

// A model pair that passes the car checks and the structure check.
HandMadeOvlPair carModel(const std::string& name) { return modelPairFixture(name); }

void writeModel(const std::filesystem::path& folder, const std::string& name) {
    carModel(name).write(folder.string(), name);
}

CarData withRoles(CarData car, std::initializer_list<CarRole> defined) {
    for (CarRoleData& role : car.Roles) role = CarRoleData{};
    for (CarRole r : defined) car.role(r).IncludeRIC = "Other" + std::string(carRoleName(r));
    return car;
}

TEST(CarRoleChecks, FrontAndMiddleMustBeAmongTheDefinedRoles) {
    using enum CarRole;
    const CarData car;
    auto failed = [&](std::initializer_list<CarRole> roles) -> std::string {
        const auto failure = failedCarRoleCheck(withRoles(car, roles));
        return failure ? std::string(failure->messageId.text()) + failure->argument : "";
    };
    EXPECT_EQ(failed({}), "201");
    EXPECT_EQ(failed({FrontCar}), "");
    EXPECT_EQ(failed({SecondCar}), "202");
    EXPECT_EQ(failed({LinkCar}), "202");
    EXPECT_EQ(failed({FrontCar, MiddleCar}), "");
    EXPECT_EQ(failed({FrontCar, SecondCar}), "203");
    EXPECT_EQ(failed({MiddleCar, RearCar}), "203");
    EXPECT_EQ(failed({FrontCar, MiddleCar, LinkCar}), "");
    EXPECT_EQ(failed({FrontCar, SecondCar, RearCar}), "2043");
    EXPECT_EQ(failed({FrontCar, SecondCar, PenultimateCar, RearCar}), "2044");
    EXPECT_EQ(failed({SecondCar, MiddleCar, PenultimateCar, RearCar, LinkCar}), "2045");
    EXPECT_EQ(failed({FrontCar, SecondCar, MiddleCar, PenultimateCar, RearCar, LinkCar}), "");

    // Each of the three names makes a role defined; part B alone does not.
    CarData partB = withRoles(car, {});
    partB.role(FrontCar).ModelNamePartB = "Bar";
    partB.role(FrontCar).IncludeSVDPartB = "Bar";
    EXPECT_EQ(definedCarRoleCount(partB), 0u);
    partB.role(FrontCar).ModelNamePartA = "Body";
    partB.role(SecondCar).IncludeSVDPartA = "Body";
    partB.role(MiddleCar).IncludeRIC = "Car";
    EXPECT_EQ(definedCarRoleCount(partB), 3u);
}

TEST_F(CarBuildTest, RoleChecksStopTheBuildWithTheirMessage) {
    car = withRoles(car, {});
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fehler 201! CTR_WagenDaten Datei enthält keinerlei Modellnamen."});

    car = withRoles(car, {CarRole::FrontCar, CarRole::SecondCar, CarRole::RearCar, CarRole::LinkCar});
    settings.UseEnglish = true;
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages().back(),
              "Error 204! The CTR_WagenDaten file includes 4 car names. Note down one of these names behind the "
              "keyword FrontCar and another name behind the keyword MiddleCar.");
    settings.UseEnglish = false;
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages().back(), message("204", Language::German, {"4"}));
    EXPECT_NE(dialogs.messages().back().find("gibt es 4 Wagen"), std::string::npos);
    EXPECT_TRUE(noOutput());
    EXPECT_TRUE(reEmitted.empty());
}

TEST_F(CarBuildTest, TheDefaultModelWithoutItsPairStopsWith171) {
    car = withRoles(car, {});
    car.role(CarRole::FrontCar).ModelNamePartA = "BeispielWagenModell";
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{message("171", Language::German, {"BeispielWagenModell"})});
    EXPECT_NE(dialogs.messages()[0].find("BeispielWagenModell.common.ovl"), std::string::npos);
    EXPECT_TRUE(noOutput());
    EXPECT_TRUE(reEmitted.empty());
}

TEST_F(CarBuildTest, ModelsAreReadAndHandedOnRoleByRolePartAThenB) {
    for (const char* name : {"Body", "Bar", "Tail"}) writeModel(temp.path(), name);
    car.role(CarRole::FrontCar).ModelNamePartA = "Body";  // wins over the included visual
    car.role(CarRole::FrontCar).ModelNamePartB = "Bar";
    car.role(CarRole::MiddleCar).ModelNamePartA = "Tail";
    car.role(CarRole::RearCar).ModelNamePartA = "Body";  // named twice: handed on twice
    ASSERT_EQ(build(), 1) << ::testing::PrintToString(dialogs.messages());
    EXPECT_EQ(reEmitted, (std::vector<std::string>{"Body", "Bar", "Tail", "Body"}));
    EXPECT_TRUE(dialogs.log.empty());

    const ParsedRidePair pair = built();
    const uint32_t base = pair.unique.block(2, 3).address;
    FieldCheck front(pair, base);
    front.reference(12, "Body:svd");
    front.reference(20, "Bar:svd");
    // MiddleCar now has a model of its own: a RideCar of its own, and the train names it.
    EXPECT_EQ(pair.uniqueSymbols.at("CTR_BobMiddleCar:ric"), base + 240);
    FieldCheck(pair, base + 240).reference(12, "Tail:svd");
    FieldCheck(pair, base + 240).word(20, 0);
    FieldCheck(pair, base + 480).reference(12, "Body:svd");
    FieldCheck(pair, base + 480).reference(20, "ForeignRearBar:svd");
    FieldCheck(pair, base + 720).reference(16, "CTR_BobMiddleCar:ric");
}

TEST_F(CarBuildTest, TheFirstFailingModelStopsTheBuild) {
    writeModel(temp.path(), "Body");
    HandMadeOvlPair faulty = carModel("Bar");
    faulty.uniqueFaults.emptyType5Blocks = 51;
    faulty.write(temp.path().string(), "Bar");
    car.role(CarRole::FrontCar).ModelNamePartA = "Body";
    car.role(CarRole::FrontCar).ModelNamePartB = "Bar";
    car.role(CarRole::RearCar).ModelNamePartA = "Body";
    settings.UseEnglish = true;
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Error 177! A block count in Bar.unique.ovl is greater than 51."});
    EXPECT_TRUE(reEmitted.empty());  // every model is read and checked before anything is written
    EXPECT_TRUE(noOutput());

    // Fifty blocks are read.
    faulty.uniqueFaults.emptyType5Blocks = 50;
    faulty.write(temp.path().string(), "Bar");
    reEmitted.clear();
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(reEmitted, (std::vector<std::string>{"Body", "Bar", "Body"}));
}

TEST_F(CarBuildTest, ATagCheckNamesTheModel) {
    ModelFixtureOptions noShape;
    noShape.fault = ModelFault::NoBoneShape;
    writeModelPairFixture(temp.path(), "Body", noShape);
    car.role(CarRole::MiddleCar).ModelNamePartA = "Body";
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("186", Language::German, {"Body"})});
}

TEST_F(CarBuildTest, ReEmissionThatStopsOrMeetsAMalformedModelEndsTheBuildWithoutOutput) {
    writeModel(temp.path(), "Body");
    car.role(CarRole::FrontCar).ModelNamePartA = "Body";
    CarBuildSteps steps;
    steps.reEmitModel = [](OvlWriter&, const ModelPair&, const std::string&, Report& report) {
        report.composed([](Language) { return std::string("stopped"); });
        return false;
    };
    EXPECT_EQ(build(steps), 0);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"stopped"});
    EXPECT_TRUE(noOutput());

    steps.reEmitModel = [](OvlWriter&, const ModelPair& model, const std::string&, Report&) {
        model.word(1u << 30, OvlFileKind::Unique);  // an address outside the model
        return true;
    };
    EXPECT_EQ(build(steps), 0);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_NE(dialogs.messages()[1].find("Body.unique.ovl"), std::string::npos) << dialogs.messages()[1];
    EXPECT_TRUE(noOutput());
}

TEST_F(CarBuildTest, OutputStandsInAFolderNamedAfterTheCarsAndTheTempFolderGoes) {
    std::filesystem::create_directories(carOutputFolder(car));  // there, but without a pair: no question
    ASSERT_EQ(build(), 1);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(carCommonFile(car), temp.path() / "CTR_Bob" / "CTR_Bob.common.ovl");
    EXPECT_EQ(carUniqueFile(car), temp.path() / "CTR_Bob" / "CTR_Bob.unique.ovl");
    EXPECT_EQ(entryNames(carOutputFolder(car)), (std::vector<std::string>{"CTR_Bob.common.ovl", "CTR_Bob.unique.ovl"}));
}

TEST_F(CarBuildTest, OverwriteQuestionOnlyForAnEarlierPair) {
    ASSERT_EQ(build(), 1);
    const std::string earlier = *readWholeFile(carUniqueFile(car));
    std::filesystem::remove(carCommonFile(car));  // one file of the pair is enough
    car.TrainName = "Changed";
    EXPECT_EQ(build(), 0);  // no answer: No
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].kind, DialogEvent::Kind::Question);
    EXPECT_EQ(dialogs.log[0].caption, "Warnung");
    EXPECT_EQ(dialogs.log[0].text,
              pathForMessage(carUniqueFile(car)) +
                  " existiert bereits und enthält ein Wagen-Paar. Möchten Sie es überschreiben?");
    EXPECT_EQ(*readWholeFile(carUniqueFile(car)), earlier);
    EXPECT_FALSE(std::filesystem::exists(carCommonFile(car)));

    settings.UseEnglish = true;
    dialogs.yesNoAnswers = {true};
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(dialogs.log.back().caption, "Warning");
    EXPECT_EQ(dialogs.questions().back(),
              pathForMessage(carUniqueFile(car)) +
                  " already exists and holds a car pair. Overwrite it?");
    EXPECT_NE(*readWholeFile(carUniqueFile(car)), earlier);

    settings.OverwriteWithoutPrompt = true;
    const size_t asked = dialogs.log.size();
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(dialogs.log.size(), asked);
}

// An earlier pair whose kind cannot be told (only its common file, or a unique file without loader
// type rows) is not refused: the question names the file and says so.
TEST_F(CarBuildTest, AnEarlierPairOfNoKnownKindIsAskedAbout) {
    std::filesystem::create_directories(carOutputFolder(car));
    writeBytes(carCommonFile(car), "earlier common");
    settings.UseEnglish = true;
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.questions().back(), pathForMessage(carCommonFile(car)) +
                                              " already exists; whether it holds a ride pair or a car pair could "
                                              "not be told. Overwrite it?");
    writeBytes(carUniqueFile(car), std::string(2000, 'x'));
    dialogs.yesNoAnswers = {true};
    EXPECT_EQ(build(), 1);
    EXPECT_NE(dialogs.questions().back().find(pathForMessage(carUniqueFile(car)) + " already exists; whether"),
              std::string::npos);
}

TEST_F(CarBuildTest, StoppedOrFailedBuildLeavesTheEarlierPairIntact) {
    ASSERT_EQ(build(), 1);
    const std::string common = *readWholeFile(carCommonFile(car));
    const std::string unique = *readWholeFile(carUniqueFile(car));
    settings.OverwriteWithoutPrompt = true;
    car.TrainName = "Changed";

    car.role(CarRole::MiddleCar).ModelNamePartA = "Missing";
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages().back(), message("171", Language::German, {"Missing"}));
    EXPECT_EQ(*readWholeFile(carCommonFile(car)), common);
    EXPECT_EQ(*readWholeFile(carUniqueFile(car)), unique);

    // A folder in the way of the unique file's temporary name makes its write fail.
    car.role(CarRole::MiddleCar).ModelNamePartA.clear();
    std::filesystem::create_directories(temporarySibling(temporarySibling(carUniqueFile(car))));
    EXPECT_EQ(build(), 0);
    EXPECT_NE(dialogs.messages().back().find("CTR_Bob.unique.ovl"), std::string::npos);
    EXPECT_EQ(*readWholeFile(carCommonFile(car)), common);
    EXPECT_EQ(*readWholeFile(carUniqueFile(car)), unique);
}

TEST_F(CarBuildTest, AStoppedBuildKeepsAnOutputFolderThatWasThereBefore) {
    std::filesystem::create_directories(carOutputFolder(car));
    car.role(CarRole::FrontCar).ModelNamePartA = "Missing";
    EXPECT_EQ(build(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(carOutputFolder(car)));
}

TEST_F(CarBuildTest, OutputFolderThatCannotBeMadeIsReported) {
    writeBytes(carOutputFolder(car), "a file where the folder should be");
    EXPECT_EQ(build(), 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("CTR_Bob"), std::string::npos);
}

TEST_F(CarBuildTest, HeadersOfThePairListTheIncludePathsAsUniqueReferences) {
    car.IncludePaths = {"../Shared/Parts", "Bahn\xC4"};
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const std::vector<std::string> loaderTypes = {
        "RCT3/BoneAnim/1/ban", "RCT3/BoneShape/1/bsh", "FGDK/FlexiTexture/1/ftx", "FGDK/RideCar/1/ric",
        "FGDK/RideTrain/1/rit", "FGDK/Spline/1/spl", "RCT3/SceneryItemVisual/1/svd"};
    EXPECT_EQ(pair.common.loaderTypeRows, loaderTypes);
    EXPECT_EQ(pair.unique.loaderTypeRows, loaderTypes);
    EXPECT_TRUE(pair.common.references.empty());
    // The unique header as bytes: magic, 0, 1, two references (length and characters), 0, 7 loader types.
    const std::string bytes = *readWholeFile(carUniqueFile(car));
    EXPECT_EQ(bytes.substr(0, 16), std::string("FGRK\0\0\0\0\1\0\0\0\2\0\0\0", 16));
    EXPECT_EQ(bytes.substr(16, 17), std::string("\x0F\0../Shared/Parts", 17));
    EXPECT_EQ(bytes.substr(33, 7), std::string("\5\0Bahn\xC4", 7));
    EXPECT_EQ(bytes.substr(40, 8), std::string("\0\0\0\0\7\0\0\0", 8));
    // Without include paths the unique header has no references either.
    car.IncludePaths.clear();
    settings.OverwriteWithoutPrompt = true;
    ASSERT_EQ(build(), 1);
    EXPECT_EQ(readWholeFile(carUniqueFile(car))->substr(12, 8), std::string("\0\0\0\0\0\0\0\0", 8));
}

TEST(CarBuildButton, SuccessSwapsBuildForInstallFailureChangesNothing) {
    TempFolder temp;
    writeBytes(temp / "Zorbaltwerk_Options.txt",
               "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    ScriptedDialogs dialogs;
    FakeRegistry registry;
    MainWindow window(dialogs, registry, temp.path());
    window.applyMoment(ButtonMoment::CarRead);
    window.state().car = distinctCar(temp.path());

    window.state().car.role(CarRole::FrontCar) = CarRoleData{};
    EXPECT_EQ(window.buildCarPair(), 0);  // two roles, no FrontCar
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("203", Language::German)});
    EXPECT_TRUE(window.enabled(Command::BuildCarPair));
    EXPECT_FALSE(window.enabled(Command::InstallCarPair));

    window.state().car = distinctCar(temp.path());
    EXPECT_EQ(window.buildCarPair(), 1);
    EXPECT_FALSE(window.enabled(Command::BuildCarPair));
    EXPECT_TRUE(window.enabled(Command::InstallCarPair));
    EXPECT_TRUE(std::filesystem::exists(carUniqueFile(window.state().car)));
    // The build used the window's temporary folder and removed it afterwards.
    EXPECT_FALSE(std::filesystem::exists(temp / "Temp"));
}

}  // namespace
}  // namespace zw::test
