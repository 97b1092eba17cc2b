// The structure check on model pairs: realistic models of any size and layout pass without a
// finding; each faulty variant gives the finding of its one fault (structure, field offset, what is
// wrong, error or note), and nothing else.

#include <gtest/gtest.h>

#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"
#include "ovl/StructureInspection.h"
#include "support/ModelPairFixture.h"

namespace zw {
namespace {

using test::ModelFault;
using test::ModelFixtureOptions;

StructureInspection inspected(const ModelFixtureOptions& options) {
    const test::HandMadeOvlPair made = test::modelPairFixture("Bob", options);
    return inspectStructures(OvlPairReader(made.commonBytes(), "Bob.common.ovl", made.uniqueBytes(), "Bob.unique.ovl"));
}

std::string lines(const std::vector<StructureFinding>& findings) {
    std::string out;
    for (const StructureFinding& f : findings) out += structureFindingLine(f, Language::English) + "\n";
    return out;
}

TEST(StructureCheck, RealisticModelsOfAnySizeAndLayoutHaveNoFinding) {
    std::vector<ModelFixtureOptions> cases(5);
    cases[1].scattered = true;
    cases[2].vertices = 300;
    cases[2].indices = 900;
    cases[2].meshes = 3;
    cases[2].shapes = 2;
    cases[2].bones = 5;
    cases[3].levelAnimations = {0, 3, 1};
    cases[3].animations = 3;
    cases[3].frames = 3;
    cases[3].textures = 2;
    cases[3].textureEdge = 16;
    cases[3].splines = 2;
    cases[3].splineClosed = 1;
    cases[3].scattered = true;
    cases[4].meshP = {1};  // meshes with the six-value index groups
    for (const test::DemoModel& demo : test::demoModels()) cases.push_back(demo.options);
    for (size_t i = 0; i < cases.size(); ++i) {
        const StructureInspection inspection = inspected(cases[i]);
        EXPECT_EQ(lines(inspection.findings), "") << "case " << i;
        EXPECT_NE(inspection.listing.find("BoneShape \"BobShape1:bsh\""), std::string::npos) << "case " << i;
        EXPECT_NE(inspection.listing.find(" 0 support: none\n"), std::string::npos) << "case " << i;
    }
}

TEST(StructureCheck, EachFaultGivesTheFindingOfItsField) {
    using enum StructureSeverity;
    struct Case {
        ModelFault fault;
        std::string structure;  // how the finding names the structure or record
        uint32_t offset;
        std::string reason;
        StructureSeverity severity;
        size_t findings = 1;  // the finding of the fault and what follows from it
    };
    // Offsets from the field tables: BoneShape 0 … 20 the box, 24/28 the totals, 32 the meshes
    // without support, 36 all meshes; mesh 0 its support, 12 transparency, 16 texture flags, 20
    // sides, 28 index count, 32 vertices, 36 indices, 8 the texture style; FlexiTexture 16 the
    // recolour flags, 24 the animation steps; frame 4 its width; level 4 its name.
    const std::vector<Case> cases = {
        {ModelFault::BoxInsideOut, "BoneShape \"BobShape1:bsh\"", 0, "structureBoxInsideOut", Note},
        {ModelFault::BoxTooSmall, "BoneShape \"BobShape1:bsh\"", 12, "structureBoxMissesVertices", Note},
        {ModelFault::MeshCountsDiffer, "BoneShape \"BobShape1:bsh\"", 36, "structureMeshCountsDiffer", Error},
        // Word 32 then also disagrees with the meshes whose support is none.
        {ModelFault::SupportOutOfRange, "BoneShape \"BobShape1:bsh\" mesh 1", 0, "structureSupportUnknown", Note, 2},
        {ModelFault::TransparencyThree, "BoneShape \"BobShape1:bsh\" mesh 1", 12, "structureTransparencyUnknown", Note},
        {ModelFault::TwoSides, "BoneShape \"BobShape1:bsh\" mesh 1", 20, "structureSidesUnknown", Note},
        // Its empty index list points at the end of the pair: no finding of its own.
        {ModelFault::NoIndices, "BoneShape \"BobShape1:bsh\" mesh 1", 28, "structureMeshEmpty", Note},
        {ModelFault::VertexTotalDiffers, "BoneShape \"BobShape1:bsh\"", 24, "structureDisagrees", Note},
        {ModelFault::IndexPastVertices, "BoneShape \"BobShape1:bsh\" mesh 1", 36, "structureIndexOutOfRange", Error},
        {ModelFault::LongNormal, "BoneShape \"BobShape1:bsh\" mesh 1", 32, "structureNormalNotUnit", Note},
        {ModelFault::TextureFlagsUnknown, "FlexiTexture \"BobTexture1:ftx\"", 16, "structureFlagsUnknown", Note},
        {ModelFault::FrameWidthDiffers, "FlexiTexture \"BobTexture1:ftx\" frame 1", 4, "structureDisagrees", Note},
        {ModelFault::StepPastFrames, "FlexiTexture \"BobTexture1:ftx\"", 24, "structureFrameOutOfRange", Error},
        {ModelFault::UnterminatedName, "SceneryItemVisual \"Bob:svd\" level 1", 4, "structureTextUnterminated", Error},
        {ModelFault::AddressOutside, "BoneShape \"BobShape1:bsh\" mesh 1", 32, "structurePointerOutside", Error},
        {ModelFault::CountPastEnd, "BoneShape \"BobShape1:bsh\" mesh 1", 32, "structureArrayOutsideBlock", Error},
        {ModelFault::UnmatchedReference, "BoneShape \"BobShape1:bsh\" mesh 2", 8, "structureReferenceMissing", Error},
    };
    for (const Case& c : cases) {
        ModelFixtureOptions options;
        options.fault = c.fault;
        const StructureInspection inspection = inspected(options);
        // The texture's frames repeat its recolour flags: the same finding in each of them.
        const size_t expected = c.fault == ModelFault::TextureFlagsUnknown ? 3u : c.findings;
        ASSERT_EQ(inspection.findings.size(), expected) << static_cast<int>(c.fault) << "\n" << lines(inspection.findings);
        if (c.fault == ModelFault::TextureFlagsUnknown) {
            for (const StructureFinding& other : inspection.findings) EXPECT_EQ(other.reason, c.reason);
        }
        const StructureFinding& f = inspection.findings[0];
        EXPECT_EQ(f.structure, c.structure) << static_cast<int>(c.fault);
        EXPECT_EQ(f.offset, c.offset) << static_cast<int>(c.fault);
        EXPECT_EQ(f.reason, c.reason) << static_cast<int>(c.fault);
        EXPECT_EQ(f.severity, c.severity) << static_cast<int>(c.fault);
        EXPECT_FALSE(f.aboutLoaderTables);
    }
}

// A texture whose edge is no power of two: its width is named; the pictures are still as large as
// the width says, so nothing else is.
TEST(StructureCheck, ATextureEdgeThatIsNoPowerOfTwoIsNamed) {
    ModelFixtureOptions options;
    options.textureEdge = 48;
    const StructureInspection inspection = inspected(options);
    ASSERT_EQ(inspection.findings.size(), 1u) << lines(inspection.findings);
    EXPECT_EQ(inspection.findings[0].offset, 4u);
    EXPECT_EQ(inspection.findings[0].reason, "structureNotPowerOfTwo");
}

// A texture filed under the Spline loader type: its loader is wrong (an error about the loader
// tables), and the FlexiTexture type is then used by none of the symbols of its tag (a note).
// Either way the texture is still decoded as what its tag says.
TEST(StructureCheck, ASymbolUnderTheWrongLoaderTypeIsNamedWithItsLoader) {
    ModelFixtureOptions options;
    options.fault = ModelFault::TextureUnderSplineType;
    const StructureInspection inspection = inspected(options);
    EXPECT_EQ(lines(inspection.findings),
              "Bob.common.ovl: FlexiTexture \"BobTexture1:ftx\" at address " +
                  std::to_string(inspection.findings.at(0).address) +
                  ", offset 0 (loader type) = 3 (Spline): the symbol's tag is \":ftx\", but its loader type's tag is "
                  "\"spl\"\n"
                  "Bob.common.ovl: note: loader type 2 (FlexiTexture, ftx) is used by none of the 1 symbols with its "
                  "tag\n");
    EXPECT_EQ(inspection.findings.at(0).severity, StructureSeverity::Error);
    EXPECT_TRUE(inspection.findings.at(0).aboutLoaderTables);
    EXPECT_NE(inspection.listing.find("FlexiTexture \"BobTexture1:ftx\""), std::string::npos);
    EXPECT_NE(inspection.listing.find("recolour flags: 0x00000001"), std::string::npos);
}

// The pair inspector: errors join the violations (exit 1), notes are kept apart.
TEST(StructureCheck, ThePairInspectorStopsOnErrorsOnly) {
    for (const auto& [fault, violations, notes] : {std::tuple{ModelFault::BoxInsideOut, 0u, 1u},
                                                   std::tuple{ModelFault::IndexPastVertices, 1u, 0u}}) {
        ModelFixtureOptions options;
        options.fault = fault;
        options.splines = 0;  // the .common symbols then stand in name order
        const test::HandMadeOvlPair made = test::modelPairFixture("Bob", options);
        const OvlPairInspection inspection = inspectOvlPair(
            OvlPairReader(made.commonBytes(), "Bob.common.ovl", made.uniqueBytes(), "Bob.unique.ovl"), Language::German);
        EXPECT_EQ(inspection.violations.size(), violations) << ::testing::PrintToString(inspection.violations);
        EXPECT_EQ(inspection.notes.size(), notes);
        EXPECT_NE(inspection.structures.find("BoneShape"), std::string::npos);
    }
}

// The check of many pairs (no listings, the structures read where they lie in the files the
// caller keeps) finds what the inspection finds.
TEST(StructureCheck, TheCheckWithoutListingsFindsWhatTheInspectionFinds) {
    for (int fault = static_cast<int>(ModelFault::UnmatchedReference); fault <= static_cast<int>(ModelFault::NoIndices);
         ++fault) {
        for (const bool large : {false, true}) {
            ModelFixtureOptions options;
            options.fault = fault == static_cast<int>(ModelFault::Truncated) ? ModelFault::None : static_cast<ModelFault>(fault);
            if (large) options.vertices = options.indices = 3000;
            const test::HandMadeOvlPair made = test::modelPairFixture("Bob", options);
            const std::string common = made.commonBytes(), unique = made.uniqueBytes();
            const OvlPairReader pair = OvlPairReader::ofKeptBytes(common, "Bob.common.ovl", unique, "Bob.unique.ovl");
            const OvlPairInspection inspected = inspectOvlPair(pair, Language::English);
            const OvlPairInspection checked = checkOvlPair(pair, Language::English);
            EXPECT_EQ(checked.violations, inspected.violations) << fault;
            EXPECT_EQ(checked.notes, inspected.notes) << fault;
            EXPECT_EQ(checked.listing + checked.structures, "");
        }
    }
}

}  // namespace
}  // namespace zw
