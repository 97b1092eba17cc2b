// Model pairs laid out as the Importer writes them: each faulty variant is refused by the car
// builder's checks with its own message, the good ones are re-emitted into a pair that the pair
// inspection accepts, and the demo models of the example car file are the generator's bytes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <list>

#include "base/SafeFile.h"
#include "ovl/ModelPairCarChecks.h"
#include "ovl/ModelReEmission.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"
#include "ovl/OvlWriter.h"
#include "support/ModelPairFixture.h"
#include "support/Reported.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using test::ModelFault;
using test::ModelFixtureOptions;

std::vector<std::string> refusal(ModelFault fault, Language language) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    ModelFixtureOptions o;
    o.fault = fault;
    test::writeModelPairFixture(folder.path(), "Bob", o);
    const std::optional<ModelPair> model = test::reported(
        dialogs, language, [&](Report& report) { return readCarModelPair(folder.path(), "Bob", report); });
    EXPECT_EQ(model.has_value(), dialogs.messages().empty());
    return dialogs.messages();
}

TEST(CarModelPair, EachFaultyVariantIsRefusedWithItsCheck) {
    const std::vector<std::pair<ModelFault, std::string>> cases = {
        {ModelFault::MissingCommon, "Error 171! Bob.common.ovl file not found."},
        {ModelFault::CommonVersion2, "Error 172! Bob.common.ovl is no OVL-Version-1 file."},
        {ModelFault::CommonBlocks51, "Error 176! A block count in Bob.common.ovl is greater than 51."},
        {ModelFault::MissingUnique, "Error 173! Bob.unique.ovl file not found."},
        {ModelFault::UniqueVersion2, "Error 174! Bob.unique.ovl is no OVL-Version-1 file."},
        {ModelFault::UniqueBlocks51, "Error 177! A block count in Bob.unique.ovl is greater than 51."},
        {ModelFault::NoStringTable, "Error 185! Bob includes no declarations."},
        {ModelFault::StaticShape, "Error 181! The model Bob cannot be used"},
        {ModelFault::RideCar, "Error 182! The Bob OVLs include not just a car model but also RideCar"},
        {ModelFault::RideTrain, "Error 183! The Bob OVLs include not just a car model but also RideTrain"},
        {ModelFault::NoVisual, "Error 190! The Bob OVLs include no SceneryItemVisual"},
        {ModelFault::TwoVisuals, "Error 191! The Bob OVLs include more than one SceneryItemVisual"},
        {ModelFault::VisualNameDiffers, "Error 188! The file name of Bob OVLs doesn't match"},
        {ModelFault::NoBoneShape, "Error 186! The model Bob includes no BoneShape"},
        {ModelFault::NoTexture, "Error 193! The model Bob includes no FlexiTexture"},
        {ModelFault::NoSymbolReferences, "Error 194! Bob includes no Symbollist."},
    };
    for (const auto& [fault, start] : cases) {
        const std::vector<std::string> shown = refusal(fault, Language::English);
        ASSERT_EQ(shown.size(), 1u) << start;
        EXPECT_EQ(shown[0].substr(0, start.size()), start);
    }
    const std::vector<std::string> german = refusal(ModelFault::NoSymbolReferences, Language::German);
    EXPECT_EQ(german, std::vector<std::string>{"Fehler 194! Bob enthält keine Symbolliste."});
}

TEST(CarModelPair, FiftyBlocksOfATypeAreAcceptedAndReEmitted) {
    for (ModelFault fault : {ModelFault::CommonBlocks50, ModelFault::UniqueBlocks50}) {
        EXPECT_TRUE(refusal(fault, Language::English).empty());
    }
}

// The pair under construction holding re-emitted models, as the car builder assembles it.
struct CarPair {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    Report writerReport;
    std::list<ModelPair> models;  // kept until the pair is assembled: its part files refer to them
    OvlWriter writer;

    CarPair() {
        writer.beginPair(writerReport);
        writer.startBlock(OvlPart::UniqueStructures);
        writer.startBlock(OvlPart::CommonStructures);
    }
    bool add(const std::string& name, const ModelFixtureOptions& o) {
        test::writeModelPairFixture(folder.path(), name, o);
        std::optional<ModelPair> model = test::reported(
            dialogs, Language::English, [&](Report& report) { return readCarModelPair(folder.path(), name, report); });
        if (!model) return false;
        models.push_back(std::move(*model));
        return test::reported(dialogs, Language::English,
                              [&](Report& report) { return reEmitModel(writer, models.back(), name, report); });
    }
    OvlPairInspection inspect() const {
        OvlPairContents contents;
        contents.loaderTypes = {{"RCT3", "BoneAnim", 1, "ban"},     {"RCT3", "BoneShape", 1, "bsh"},
                                {"FGDK", "FlexiTexture", 1, "ftx"}, {"FGDK", "RideCar", 1, "ric"},
                                {"FGDK", "RideTrain", 1, "rit"},    {"FGDK", "Spline", 1, "spl"},
                                {"RCT3", "SceneryItemVisual", 1, "svd"}};
        const OvlPairBytes bytes = assemblePairBytes(writer, contents);
        const OvlPairReader reader(bytes.common, "Car.common.ovl", bytes.unique, "Car.unique.ovl");
        return inspectOvlPair(reader, Language::English);
    }
};

TEST(CarModelPair, ReEmittedModelsPassThePairInspection) {
    CarPair pair;
    ModelFixtureOptions scattered;
    scattered.scattered = true;
    scattered.shapes = 2;
    scattered.textures = 2;
    scattered.splines = 2;
    ASSERT_TRUE(pair.add("Front", {}));
    ASSERT_TRUE(pair.add("Rear", scattered)) << testing::PrintToString(pair.dialogs.messages());
    EXPECT_TRUE(pair.dialogs.messages().empty());
    const OvlPairInspection inspection = pair.inspect();
    EXPECT_TRUE(inspection.violations.empty()) << testing::PrintToString(inspection.violations) << inspection.listing;
    for (const char* name : {"Front:svd", "RearShape2:bsh", "RearTexture2:ftx", "FrontSpline1:spl", "RearAnim1:ban"}) {
        EXPECT_NE(inspection.listing.find(name), std::string::npos) << name;
    }
    EXPECT_EQ(inspection.listing.find("AnimationTemplate:ban\n"), std::string::npos);
}

// The scattered variant really puts a structure's parts away from it: the level pointers do not
// follow the svd header, and the level records stand before it.
TEST(CarModelPair, ScatteredModelsKeepNoPartBehindItsStructure) {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    ModelFixtureOptions o;
    o.scattered = true;
    test::writeModelPairFixture(folder.path(), "Bob", o);
    const std::optional<ModelPair> model = test::reported(
        dialogs, Language::English, [&](Report& report) { return readCarModelPair(folder.path(), "Bob", report); });
    ASSERT_TRUE(model);
    const auto found = std::find_if(model->symbols().begin(), model->symbols().end(),
                                    [](const ModelSymbol& s) { return s.name == "Bob:svd"; });
    ASSERT_NE(found, model->symbols().end());
    const ModelSymbol& visual = *found;
    const uint32_t levels = model->word(visual.dataAddress + 24, OvlFileKind::Unique);
    EXPECT_NE(levels, visual.dataAddress + 52);
    EXPECT_LT(model->word(levels, OvlFileKind::Unique), visual.dataAddress);
}

std::filesystem::path examplesFolder() {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    EXPECT_TRUE(source) << "ctest sets ZW_SOURCE_DIR";
    return std::filesystem::path(source ? source : ".") / "examples";
}

// make_demo_models wrote the examples' model pairs; the generator still makes the same bytes, and
// each is a small model that the car builder takes.
TEST(CarModelPair, TheExamplesDemoModelsAreTheGeneratorsBytes) {
    const std::vector<test::DemoModel> demos = test::demoModels();
    ASSERT_EQ(demos.size(), 4u);
    CarPair pair;
    for (const test::DemoModel& demo : demos) {
        SCOPED_TRACE(demo.name);
        const test::HandMadeOvlPair made = test::modelPairFixture(demo.name, demo.options);
        const std::optional<std::string> common = readWholeFile(examplesFolder() / (demo.name + ".common.ovl"));
        const std::optional<std::string> unique = readWholeFile(examplesFolder() / (demo.name + ".unique.ovl"));
        ASSERT_TRUE(common && unique);
        EXPECT_TRUE(*common == made.commonBytes());
        EXPECT_TRUE(*unique == made.uniqueBytes());
        EXPECT_LT(common->size() + unique->size(), 100u * 1024);
        EXPECT_TRUE(pair.add(demo.name, demo.options));
    }
    EXPECT_TRUE(pair.inspect().violations.empty());
}

}  // namespace
}  // namespace zw
