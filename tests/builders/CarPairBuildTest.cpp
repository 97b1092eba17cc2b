// A whole car pair built from model pairs as the Importer writes them: the pair inspector accepts
// it, and each structure it should hold is there with its symbol and its loader type.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "CarBuildFixture.h"
#include "RideBuildFixture.h"
#include "base/SafeFile.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"
#include "support/ModelPairFixture.h"

namespace zw::test {
namespace {

using SymbolTypes = std::vector<std::pair<std::string, uint32_t>>;  // name, loader type; in table order

// The symbols of one file with the loader type of the loader that names each.
SymbolTypes symbolTypes(const OvlPairReader& pair, OvlFileKind kind) {
    std::map<uint32_t, uint32_t> typeBySymbol;
    for (const OvlLoaderEntry& loader : pair.loaders(kind)) typeBySymbol[loader.symbolAddress] = loader.loaderType;
    SymbolTypes out;
    for (const OvlSymbolEntry& symbol : pair.symbols(kind)) {
        const auto name = pair.stringAt(symbol.nameAddress);
        const auto type = typeBySymbol.find(symbol.entryAddress);
        out.emplace_back(name ? std::string(*name) : "<no name>", type == typeBySymbol.end() ? 99u : type->second);
    }
    return out;
}

SymbolTypes sorted(SymbolTypes symbols) {
    std::sort(symbols.begin(), symbols.end());
    return symbols;
}

TEST_F(CarBuildTest, AWholePairFromModelPairsPassesTheInspector) {
    for (const char* model : {"Front", "Middle", "MiddleBar"}) writeModelPairFixture(temp.path(), model);
    car.role(CarRole::FrontCar).IncludeSVDPartA.clear();
    car.role(CarRole::FrontCar).ModelNamePartA = "Front";
    car.role(CarRole::MiddleCar) = CarRoleData{};
    car.role(CarRole::MiddleCar).ModelNamePartA = "Middle";
    car.role(CarRole::MiddleCar).ModelNamePartB = "MiddleBar";
    ASSERT_EQ(build(defaultCarBuildSteps()), 1) << ::testing::PrintToString(dialogs.messages());
    EXPECT_TRUE(dialogs.log.empty());

    const OvlPairReader pair(*readWholeFile(carCommonFile(car)), "CTR_Bob.common.ovl",
                             *readWholeFile(carUniqueFile(car)), "CTR_Bob.unique.ovl");
    const OvlPairInspection inspection = inspectOvlPair(pair, Language::English);
    EXPECT_TRUE(inspection.violations.empty()) << ::testing::PrintToString(inspection.violations);

    SymbolTypes unique = {{"CTR_BobFrontCar:ric", 3}, {"CTR_BobMiddleCar:ric", 3}, {"CTR_BobRearCar:ric", 3},
                          {"CTR_Bob:rit", 4}};
    SymbolTypes common;
    for (const std::string model : {"Front", "Middle", "MiddleBar"}) {
        unique.emplace_back(model + ":svd", 6);
        unique.emplace_back(shapeSymbol(model, 1), 1);
        common.emplace_back(animationSymbol(model, 1), 0);  // the AnimationTemplate stays behind
        common.emplace_back(textureSymbol(model, 1), 2);
        common.emplace_back(splineSymbol(model, 1), 5);
    }
    EXPECT_EQ(symbolTypes(pair, OvlFileKind::Unique), sorted(unique));
    EXPECT_EQ(symbolTypes(pair, OvlFileKind::Common), sorted(common));

    // The RideCars name the re-emitted visuals.
    const ParsedRidePair parsed = built();
    const uint32_t cars = parsed.unique.block(2, 3).address;
    FieldCheck(parsed, cars).reference(12, "Front:svd");
    FieldCheck(parsed, cars + 240).reference(12, "Middle:svd");
    FieldCheck(parsed, cars + 240).reference(20, "MiddleBar:svd");
    FieldCheck(parsed, cars + 480).reference(12, "ForeignRear:svd");
}

TEST_F(CarBuildTest, AModelNamedTwiceIsReEmittedTwice) {
    writeModelPairFixture(temp.path(), "Front");
    car.role(CarRole::FrontCar).IncludeSVDPartA.clear();
    car.role(CarRole::FrontCar).ModelNamePartA = "Front";
    car.role(CarRole::RearCar).IncludeSVDPartA.clear();
    car.role(CarRole::RearCar).ModelNamePartA = "Front";
    ASSERT_EQ(build(defaultCarBuildSteps()), 1) << ::testing::PrintToString(dialogs.messages());
    const OvlPairReader pair(*readWholeFile(carCommonFile(car)), "c", *readWholeFile(carUniqueFile(car)), "u");
    size_t visuals = 0;
    for (const auto& [name, type] : symbolTypes(pair, OvlFileKind::Unique)) visuals += name == "Front:svd" ? 1 : 0;
    EXPECT_EQ(visuals, 2u);
}

// A model named by several roles is read and checked once: its files may be gone after the first
// naming, and a warning about it is shown once; each naming still gets its own copy.
TEST_F(CarBuildTest, AModelNamedTwiceIsReadOnceAndCopiedForEachNaming) {
    ModelFixtureOptions options;
    options.fault = ModelFault::BoxInsideOut;  // a warning, not a stop
    writeModelPairFixture(temp.path(), "Front", options);
    car.role(CarRole::FrontCar).IncludeSVDPartA.clear();
    car.role(CarRole::FrontCar).ModelNamePartA = "Front";
    car.role(CarRole::RearCar).IncludeSVDPartA.clear();
    car.role(CarRole::RearCar).ModelNamePartA = "Front";
    CarBuildSteps steps = defaultCarBuildSteps();
    std::vector<std::string> copied;
    steps.reEmitModel = [&, copy = steps.reEmitModel](OvlWriter& w, const ModelPair& model, const std::string& name,
                                                      Report& report) {
        copied.push_back(name);
        std::filesystem::remove(temp / "Front.common.ovl");
        std::filesystem::remove(temp / "Front.unique.ovl");
        return copy(w, model, name, report);
    };
    ASSERT_EQ(build(steps), 1) << ::testing::PrintToString(dialogs.messages());
    EXPECT_EQ(copied, (std::vector<std::string>{"Front", "Front"}));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].rfind("Warnung", 0), 0u) << dialogs.messages()[0];
    const ParsedRidePair parsed = built();
    const uint32_t cars = parsed.unique.block(2, 3).address;
    FieldCheck(parsed, cars).reference(12, "Front:svd");
    FieldCheck(parsed, cars + 240).reference(12, "Front:svd");  // RearCar: MiddleCar has no RideCar of its own
}

TEST_F(CarBuildTest, ModelFaultsStopTheBuildWithTheirMessage) {
    const std::vector<std::pair<ModelFault, std::string>> faults = {
        {ModelFault::MissingCommon, "171"}, {ModelFault::UniqueBlocks51, "177"}, {ModelFault::NoTexture, "193"},
        {ModelFault::NoSymbolReferences, "194"}, {ModelFault::NoMeshes, "195"}, {ModelFault::NoBones, "196"}};
    settings.OverwriteWithoutPrompt = true;
    car.role(CarRole::MiddleCar).ModelNamePartA = "Body";
    for (const auto& [fault, id] : faults) {
        ModelFixtureOptions options;
        options.fault = fault;
        std::filesystem::remove(temp / "Body.common.ovl");
        writeModelPairFixture(temp.path(), "Body", options);
        dialogs.log.clear();
        EXPECT_EQ(build(defaultCarBuildSteps()), 0) << id;
        ASSERT_EQ(dialogs.messages().size(), 1u) << id;
        EXPECT_EQ(dialogs.messages()[0].substr(0, 11), "Fehler " + id + "!");
        if (id != "195" && id != "196") {  // 195 and 196 name no model
            EXPECT_NE(dialogs.messages()[0].find("Body"), std::string::npos) << dialogs.messages()[0];
        }
        EXPECT_TRUE(noOutput()) << id;
    }
    // Fifty blocks are accepted.
    ModelFixtureOptions options;
    options.fault = ModelFault::UniqueBlocks50;
    writeModelPairFixture(temp.path(), "Body", options);
    EXPECT_EQ(build(defaultCarBuildSteps()), 1) << ::testing::PrintToString(dialogs.messages());
}

// The structure check before re-emission: reading outside the model stops the build with one message
// naming model, structure and field; an implausible value or a misfiled loader is a warning, and the
// pair is made all the same.
TEST_F(CarBuildTest, ModelStructureFaultsStopTheBuildAndImplausibleValuesWarn) {
    settings.OverwriteWithoutPrompt = true;
    settings.UseEnglish = true;
    car.role(CarRole::MiddleCar).ModelNamePartA = "Body";
    const struct {
        ModelFault fault;
        int result;
        std::string heading, finding;
    } cases[] = {
        {ModelFault::IndexPastVertices, 0, "The model Body cannot be used; the game would read outside its data:",
         "BoneShape \"BodyShape1:bsh\" mesh 1 at address"},
        // A copy would hold one mesh record and announce two.
        {ModelFault::MeshCountsDiffer, 0,
         "The model Body cannot be used: its BoneShape BodyShape1:bsh has word 32 (meshes without support) = 1, but "
         "word 36 (all meshes) = 2.",
         "would hold 1 and announce 2 mesh records"},
        {ModelFault::BoxInsideOut, 1, "Warning: the model Body holds implausible values; the car OVLs are made all the same:",
         "offset 0 (bounding box minimum x)"},
        {ModelFault::TextureUnderSplineType, 1,
         "Warning: the model Body holds implausible values; the car OVLs are made all the same:",
         "FlexiTexture \"BodyTexture1:ftx\""},
    };
    for (const auto& c : cases) {
        ModelFixtureOptions options;
        options.fault = c.fault;
        writeModelPairFixture(temp.path(), "Body", options);
        dialogs.log.clear();
        EXPECT_EQ(build(defaultCarBuildSteps()), c.result) << c.heading;
        ASSERT_EQ(dialogs.messages().size(), 1u) << ::testing::PrintToString(dialogs.messages());
        EXPECT_EQ(dialogs.messages()[0].substr(0, c.heading.size()), c.heading);
        EXPECT_NE(dialogs.messages()[0].find(c.finding), std::string::npos) << dialogs.messages()[0];
        EXPECT_EQ(noOutput(), c.result == 0);
    }
}

}  // namespace
}  // namespace zw::test
