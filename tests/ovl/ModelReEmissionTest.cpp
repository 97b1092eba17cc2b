// Re-emission of a car model, checked word by word against the structure layouts: where each
// field goes, which words are copied, replaced, made pointers, strings or references, and where the
// further data lands. The fixture's words and byte runs are known (ModelPairFixture.h); the
// offsets below are worked out by hand from the layouts.

#include <gtest/gtest.h>

#include "ovl/ModelPairCarChecks.h"
#include "ovl/ModelReEmission.h"
#include "ovl/OvlWriter.h"
#include "support/ModelPairFixture.h"
#include "support/OvlWriterProbe.h"
#include "support/PeepPathSplinePair.h"
#include "support/Reported.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using test::fixtureBytes;
using test::fixtureSeed;
using test::fixtureWord;
using test::FixtureRun;
using test::ModelFault;
using test::ModelFixtureOptions;

constexpr uint32_t kOne = 0x3F800000;  // 1.0f
constexpr OvlPart P2 = OvlPart::CommonData, P5 = OvlPart::CommonStructures, P9 = OvlPart::UniqueStructures;

// The car builder's state when the models begin: 188 bytes of RideCar/RideTrain in part file 9 and
// 12 bytes of seating lists in part file 5, then a new block in each.
constexpr uint32_t S9 = 188;
constexpr uint32_t S5 = 12;

struct ReEmission {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    Report writerReport;
    OvlWriter writer;
    std::optional<ModelPair> model;

    // Patterned contents, so that every copied word and run is told apart.
    bool read(ModelFixtureOptions options, Language language, const std::string& name) {
        options.content = test::FixtureContent::Patterned;
        test::writeModelPairFixture(folder.path(), name, options);
        model = test::reported(dialogs, language,
                               [&](Report& report) { return readCarModelPair(folder.path(), name, report); });
        return model.has_value();
    }
    void begin() {
        writer.beginPair(writerReport);
        writer.startBlock(P9);
        writer.into(P9).zeros(S9);
        writer.startBlock(P5);
        writer.into(P5).zeros(S5);
        writer.startBlock(P9);
        writer.startBlock(P5);
    }
    bool run(const ModelFixtureOptions& options = {}, Language language = Language::English,
             const std::string& name = "Bob") {
        if (!read(options, language, name)) {
            ADD_FAILURE() << "the fixture was refused: " << testing::PrintToString(dialogs.messages());
            return false;
        }
        begin();
        return test::reported(dialogs, language,
                              [&](Report& report) { return reEmitModel(writer, *model, name, report); });
    }
    test::OvlWriterProbe probe() const { return {writer}; }
};

ModelFixtureOptions scatteredOr(bool scattered) {
    ModelFixtureOptions o;
    o.scattered = scattered;
    return o;
}

// ---- the default model "Bob", laid out in order and scattered ----

class ReEmittedLayout : public testing::TestWithParam<bool> {};
INSTANTIATE_TEST_SUITE_P(ModelOrder, ReEmittedLayout, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Scattered" : "InOrder"; });

// svd at 188: header 52, two level pointers, level 1 (A = 2) 72 + 16 bytes, level 2 (A = 0) 72.
TEST_P(ReEmittedLayout, SceneryItemVisualHeaderLevelsAndAnimationArrays) {
    ReEmission r;
    ASSERT_TRUE(r.run(scatteredOr(GetParam())));
    const test::OvlWriterProbe p = r.probe();
    const uint32_t v = S9;
    for (uint32_t o : {0u, 4u, 8u, 12u, 16u}) EXPECT_EQ(p.word(P9, v + o), fixtureWord(0x5D00, o)) << o;
    EXPECT_EQ(p.word(P9, v + 20), 2u);
    EXPECT_TRUE(p.pointsTo(P9, v + 24, P9, v + 52));
    for (uint32_t o = 28; o <= 48; o += 4) EXPECT_EQ(p.word(P9, v + o), fixtureWord(0x5D00, o)) << o;
    EXPECT_TRUE(p.pointsTo(P9, v + 52, P9, v + 60));
    EXPECT_TRUE(p.pointsTo(P9, v + 56, P9, v + 148));

    const uint32_t l1 = v + 60;
    const std::vector<uint32_t> constants = {0, 0, kOne, kOne, 0, kOne, 0, kOne};  // offsets 24 … 52
    EXPECT_EQ(p.word(P9, l1), 3u);
    EXPECT_EQ(p.string(P9, l1 + 4), "LOD1");
    EXPECT_EQ(p.word(P9, l1 + 8), 0u);
    EXPECT_EQ(p.word(P9, l1 + 12), fixtureWord(0x1D01, 12));
    EXPECT_EQ(p.reference(P9, l1 + 16), "BobShape1:bsh");
    EXPECT_EQ(p.word(P9, l1 + 20), fixtureWord(0x1D01, 20));
    for (uint32_t i = 0; i < constants.size(); ++i) EXPECT_EQ(p.word(P9, l1 + 24 + 4 * i), constants[i]) << 24 + 4 * i;
    EXPECT_EQ(p.word(P9, l1 + 56), fixtureWord(0x1D01, 56));
    EXPECT_EQ(p.word(P9, l1 + 60), 2u);
    EXPECT_EQ(p.word(P9, l1 + 64), fixtureWord(0x1D01, 64));
    EXPECT_TRUE(p.pointsTo(P9, l1 + 68, P9, l1 + 72));
    EXPECT_TRUE(p.pointsTo(P9, l1 + 72, P9, l1 + 80));
    EXPECT_TRUE(p.pointsTo(P9, l1 + 76, P9, l1 + 84));
    EXPECT_EQ(p.reference(P9, l1 + 80), "AnimationTemplate:ban");  // made again although its BoneAnim is not
    EXPECT_EQ(p.reference(P9, l1 + 84), "BobAnim1:ban");

    // A level without animations: exactly 72 bytes, a plain 0 at 68.
    const uint32_t l2 = v + 148;
    EXPECT_EQ(p.word(P9, l2), 3u);
    EXPECT_EQ(p.string(P9, l2 + 4), "LOD2");
    EXPECT_EQ(p.reference(P9, l2 + 16), "BobShape1:bsh");
    for (uint32_t i = 0; i < constants.size(); ++i) EXPECT_EQ(p.word(P9, l2 + 24 + 4 * i), constants[i]) << 24 + 4 * i;
    EXPECT_EQ(p.word(P9, l2 + 60), 0u);
    EXPECT_EQ(p.word(P9, l2 + 68), 0u);
    EXPECT_FALSE(p.relocated(P9, l2 + 68));
    // The BoneShape begins right after it.
    EXPECT_TRUE(p.pointsTo(OvlPart::UniqueSymbols, 16, P9, v + 220));
}

// bsh at 408: header 60, two mesh pointers, two records of 40. Part file 5 from 12: bones 16,
// matrices 128 + 128, mesh 1 (P = 0) vertices 132 and triples 12, mesh 2 (P = 2) vertices 132,
// triples 12 and six-value groups 24.
TEST_P(ReEmittedLayout, BoneShapeHeaderBonesMatricesMeshesAndIndexGroups) {
    ReEmission r;
    ASSERT_TRUE(r.run(scatteredOr(GetParam())));
    const test::OvlWriterProbe p = r.probe();
    const uint32_t b = S9 + 220;
    for (uint32_t o = 0; o <= 28; o += 4) EXPECT_EQ(p.word(P9, b + o), fixtureWord(0xB501, o)) << o;
    EXPECT_EQ(p.word(P9, b + 32), 2u);
    EXPECT_EQ(p.word(P9, b + 36), fixtureWord(0xB501, 36));
    EXPECT_TRUE(p.pointsTo(P9, b + 40, P9, b + 60));
    EXPECT_EQ(p.word(P9, b + 44), 2u);
    EXPECT_TRUE(p.pointsTo(P9, b + 48, P5, 12));
    EXPECT_TRUE(p.pointsTo(P9, b + 52, P5, 28));
    EXPECT_TRUE(p.pointsTo(P9, b + 56, P5, 156));
    EXPECT_TRUE(p.pointsTo(P9, b + 60, P9, b + 68));
    EXPECT_TRUE(p.pointsTo(P9, b + 64, P9, b + 108));

    EXPECT_EQ(p.string(P5, 12), "Bone1");
    EXPECT_EQ(p.word(P5, 16), fixtureWord(0xB501, 0x1001));
    EXPECT_EQ(p.string(P5, 20), "Bone2");
    EXPECT_EQ(p.word(P5, 24), fixtureWord(0xB501, 0x1002));
    EXPECT_EQ(p.bytes(P5, 28, 128), fixtureBytes(fixtureSeed(0xB501, FixtureRun::FirstMatrices), 128));
    EXPECT_EQ(p.bytes(P5, 156, 128), fixtureBytes(fixtureSeed(0xB501, FixtureRun::SecondMatrices), 128));

    struct Mesh {
        uint32_t record, id, p, vertices, indices, end;
    };
    for (const Mesh& m : {Mesh{b + 68, 0xE101, 0, 284, 416, 428}, Mesh{b + 108, 0xE102, 2, 428, 560, 596}}) {
        SCOPED_TRACE(m.id);
        EXPECT_EQ(p.word(P9, m.record), fixtureWord(m.id, 0));
        EXPECT_EQ(p.reference(P9, m.record + 4), "BobTexture1:ftx");
        EXPECT_EQ(p.reference(P9, m.record + 8), "Opaque:txs");
        EXPECT_EQ(p.word(P9, m.record + 12), m.p);
        EXPECT_EQ(p.word(P9, m.record + 16), fixtureWord(m.id, 16));
        EXPECT_EQ(p.word(P9, m.record + 20), fixtureWord(m.id, 20));
        EXPECT_EQ(p.word(P9, m.record + 24), 3u);
        EXPECT_EQ(p.word(P9, m.record + 28), 6u);
        EXPECT_TRUE(p.pointsTo(P9, m.record + 32, P5, m.vertices));
        EXPECT_TRUE(p.pointsTo(P9, m.record + 36, P5, m.indices));
        EXPECT_EQ(p.bytes(P5, m.vertices, 132), fixtureBytes(fixtureSeed(m.id, FixtureRun::Vertices), 132));
        EXPECT_EQ(p.bytes(P5, m.indices, 12), fixtureBytes(fixtureSeed(m.id, FixtureRun::Triples), 12));
        if (m.p != 0) {
            EXPECT_EQ(p.bytes(P5, m.indices + 12, 24), fixtureBytes(fixtureSeed(m.id, FixtureRun::Sextuples), 24));
        }
    }
    EXPECT_EQ(r.writer.end(P9), b + 148);
    // The bone and mesh data filled the block the car builder had started; the BoneAnims got their own.
    const auto& blocks5 = r.writer.partFile(P5).blocks();
    ASSERT_GE(blocks5.size(), 3u);
    EXPECT_EQ(blocks5[1].offset, 12u);
    EXPECT_EQ(blocks5[1].size, 584u);
}

// ban at 596 (template left out): header 12, two bone records, then bone 1's 2 translations and
// 1 rotation, bone 2 (KT = 0) its 1 rotation.
TEST_P(ReEmittedLayout, BoneAnimWithoutTheTemplate) {
    ReEmission r;
    ASSERT_TRUE(r.run(scatteredOr(GetParam())));
    const test::OvlWriterProbe p = r.probe();
    const uint32_t a = 596;
    EXPECT_EQ(r.writer.partFile(P5).blocks()[2].offset, a);
    EXPECT_EQ(p.word(P5, a), 2u);
    EXPECT_TRUE(p.pointsTo(P5, a + 4, P5, a + 12));
    EXPECT_EQ(p.word(P5, a + 8), fixtureWord(0xBA01, 8));
    EXPECT_EQ(p.string(P5, a + 12), "AnimBone1");
    EXPECT_EQ(p.word(P5, a + 16), 2u);
    EXPECT_TRUE(p.pointsTo(P5, a + 20, P5, a + 52));
    EXPECT_EQ(p.word(P5, a + 24), 1u);
    EXPECT_TRUE(p.pointsTo(P5, a + 28, P5, a + 84));
    EXPECT_EQ(p.string(P5, a + 32), "AnimBone2");
    EXPECT_EQ(p.word(P5, a + 36), 0u);
    EXPECT_EQ(p.word(P5, a + 40), 0u);
    EXPECT_FALSE(p.relocated(P5, a + 40));
    EXPECT_EQ(p.word(P5, a + 44), 1u);
    EXPECT_TRUE(p.pointsTo(P5, a + 48, P5, a + 100));
    EXPECT_EQ(p.bytes(P5, a + 52, 32), fixtureBytes(fixtureSeed(0xBA01, FixtureRun::Translations, 1), 32));
    EXPECT_EQ(p.bytes(P5, a + 84, 16), fixtureBytes(fixtureSeed(0xBA01, FixtureRun::Rotations, 1), 16));
    EXPECT_EQ(p.bytes(P5, a + 100, 16), fixtureBytes(fixtureSeed(0xBA01, FixtureRun::Rotations, 2), 16));
    EXPECT_EQ(r.writer.partFile(P5).blocks()[3].offset, a + 116);
}

// ftx at 712: header 36, two words, two frames of 28, two palettes; pictures 4 × 4 in part file 2:
// frame 1 pixels and alpha, frame 2 pixels (no alpha).
TEST_P(ReEmittedLayout, FlexiTextureFramesPalettesAndPictures) {
    ReEmission r;
    ASSERT_TRUE(r.run(scatteredOr(GetParam())));
    const test::OvlWriterProbe p = r.probe();
    const uint32_t t = 712;
    EXPECT_EQ(p.word(P5, t), fixtureWord(0xF701, 0));
    EXPECT_EQ(p.word(P5, t + 4), 4u);
    for (uint32_t o : {8u, 12u, 16u}) EXPECT_EQ(p.word(P5, t + o), fixtureWord(0xF701, o));
    EXPECT_EQ(p.word(P5, t + 20), 2u);
    EXPECT_TRUE(p.pointsTo(P5, t + 24, P5, t + 36));
    EXPECT_EQ(p.word(P5, t + 28), 2u);
    EXPECT_TRUE(p.pointsTo(P5, t + 32, P5, t + 44));
    EXPECT_EQ(p.bytes(P5, t + 36, 8), fixtureBytes(fixtureSeed(0xF701, FixtureRun::TextureWords), 8));

    const uint32_t f1 = t + 44, f2 = t + 72;
    for (uint32_t o = 0; o < 16; o += 4) {
        EXPECT_EQ(p.word(P5, f1 + o), fixtureWord(0xF101, o));
        EXPECT_EQ(p.word(P5, f2 + o), fixtureWord(0xF102, o));
    }
    EXPECT_TRUE(p.pointsTo(P5, f1 + 16, P5, t + 100));
    EXPECT_TRUE(p.pointsTo(P5, f1 + 20, P2, 0));
    EXPECT_TRUE(p.pointsTo(P5, f1 + 24, P2, 16));
    EXPECT_TRUE(p.pointsTo(P5, f2 + 16, P5, t + 1124));
    EXPECT_TRUE(p.pointsTo(P5, f2 + 20, P2, 32));
    EXPECT_EQ(p.word(P5, f2 + 24), 0u);
    EXPECT_FALSE(p.relocated(P5, f2 + 24));
    EXPECT_EQ(p.bytes(P5, t + 100, 1024), fixtureBytes(fixtureSeed(0xF101, FixtureRun::Palette), 1024));
    EXPECT_EQ(p.bytes(P5, t + 1124, 1024), fixtureBytes(fixtureSeed(0xF102, FixtureRun::Palette), 1024));

    EXPECT_EQ(r.writer.partFile(P2).bytes(), fixtureBytes(fixtureSeed(0xF101, FixtureRun::Pixels), 16) +
                                                 fixtureBytes(fixtureSeed(0xF101, FixtureRun::Alpha), 16) +
                                                 fixtureBytes(fixtureSeed(0xF102, FixtureRun::Pixels), 16));
    ASSERT_EQ(r.writer.partFile(P2).blocks().size(), 1u);
    EXPECT_EQ(r.writer.partFile(P5).blocks()[3].size, 2148u);
}

// spl at 2860: n = 5, c = 0, so m = 4 and 32 + 180 + 16 + 56 = 284 bytes, ending on a multiple of 4.
TEST_P(ReEmittedLayout, SplineInABlockOfItsOwn) {
    ReEmission r;
    ASSERT_TRUE(r.run(scatteredOr(GetParam())));
    const test::OvlWriterProbe p = r.probe();
    const uint32_t s = 2860;
    const test::FixtureSpline spline{"BobSpline1:spl", 5, 0};
    EXPECT_EQ(r.writer.partFile(P5).blocks()[4].offset, s);
    EXPECT_EQ(p.word(P5, s), 5u);
    EXPECT_TRUE(p.pointsTo(P5, s + 4, P5, s + 32));
    EXPECT_EQ(p.word(P5, s + 8), 0u);
    EXPECT_TRUE(p.pointsTo(P5, s + 20, P5, s + 212));
    EXPECT_TRUE(p.pointsTo(P5, s + 24, P5, s + 228));
    EXPECT_EQ(p.bytes(P5, s + 32, 180), test::fixtureSplineNodes(0, spline));
    EXPECT_EQ(p.bytes(P5, s + 228, 56), test::fixtureSplineRecords(0, spline));
    EXPECT_EQ(r.writer.end(P5), s + 284);
}

// Symbols and loaders: svd and bsh in the unique tables, ban, ftx, spl in the common ones, with the
// car pair's loader types; each unique loader counts the references its structure made.
TEST_P(ReEmittedLayout, SymbolsLoadersAndReferences) {
    ReEmission r;
    ASSERT_TRUE(r.run(scatteredOr(GetParam())));
    const test::OvlWriterProbe p = r.probe();

    const auto unique = p.symbols(OvlPart::UniqueSymbols);
    ASSERT_EQ(unique.size(), 2u);
    EXPECT_EQ(unique[0].name, "Bob:svd");
    EXPECT_EQ(unique[1].name, "BobShape1:bsh");
    EXPECT_EQ(unique[1].structure.targetOffset, S9 + 220u);
    const auto uniqueLoaders = p.loaders(OvlPart::UniqueLoaders);
    ASSERT_EQ(uniqueLoaders.size(), 2u);
    EXPECT_EQ(uniqueLoaders[0].type, 6u);
    EXPECT_EQ(uniqueLoaders[0].references, 4u);  // two level slots, two animation slots
    EXPECT_TRUE(p.pointsTo(OvlPart::UniqueLoaders, 12, OvlPart::UniqueSymbols, 0));
    EXPECT_EQ(uniqueLoaders[1].type, 1u);
    EXPECT_EQ(uniqueLoaders[1].references, 4u);  // two slots in each of two meshes
    EXPECT_TRUE(p.pointsTo(OvlPart::UniqueLoaders, 24, P9, S9 + 220));

    const auto common = p.symbols(OvlPart::CommonSymbols);
    ASSERT_EQ(common.size(), 3u);
    const std::vector<std::tuple<std::string, uint32_t, uint32_t>> expected = {
        {"BobAnim1:ban", 0, 596}, {"BobTexture1:ftx", 2, 712}, {"BobSpline1:spl", 5, 2860}};
    const auto commonLoaders = p.loaders(OvlPart::CommonLoaders);
    ASSERT_EQ(commonLoaders.size(), 3u);
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(common[i].name, std::get<0>(expected[i]));
        EXPECT_EQ(common[i].third, 1u);
        EXPECT_TRUE(p.pointsTo(OvlPart::CommonSymbols, 12 * static_cast<uint32_t>(i) + 4, P5, std::get<2>(expected[i])));
        EXPECT_EQ(commonLoaders[i].type, std::get<1>(expected[i]));
        EXPECT_TRUE(p.pointsTo(OvlPart::CommonLoaders, 20 * static_cast<uint32_t>(i) + 4, P5, std::get<2>(expected[i])));
        EXPECT_EQ(commonLoaders[i].references, 0u);
    }

    // Eight references, each naming the loader of the structure that holds its slot.
    ASSERT_EQ(r.writer.end(OvlPart::SymbolReferences), 8u * 12);
    for (uint32_t e = 0; e < 8 * 12; e += 12) {
        EXPECT_TRUE(p.pointsTo(OvlPart::SymbolReferences, e + 8, OvlPart::UniqueLoaders, e < 48 ? 0 : 20)) << e;
    }
    // No address of the model is written: every relocated slot holds a pointer number.
    for (int n = 1; n <= kOvlPartCount; ++n) {
        for (uint32_t position : r.writer.partFile(partOfNumber(n)).relocations()) {
            EXPECT_LE(p.word(partOfNumber(n), position), r.writer.pointers().size());
        }
    }
}

// ---- sizes and variants ----

TEST(ModelReEmission, TwoBoneShapesInSymbolOrderEachWithItsSymbolAndLoader) {
    ModelFixtureOptions o;
    o.shapes = 2;
    o.meshes = 1;
    o.levelAnimations = {0, 0};
    ReEmission r;
    ASSERT_TRUE(r.run(o));
    const test::OvlWriterProbe p = r.probe();
    // svd 52 + 8 + 72 + 72 = 204; each bsh 60 + 4 + 40 = 104.
    const auto symbols = p.symbols(OvlPart::UniqueSymbols);
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(symbols[1].name, "BobShape1:bsh");
    EXPECT_EQ(symbols[1].structure.targetOffset, S9 + 204);
    EXPECT_EQ(symbols[2].name, "BobShape2:bsh");
    EXPECT_EQ(symbols[2].structure.targetOffset, S9 + 308);
    EXPECT_EQ(p.word(P9, S9 + 308), fixtureWord(0xB502, 0));
    const auto loaders = p.loaders(OvlPart::UniqueLoaders);
    ASSERT_EQ(loaders.size(), 3u);
    EXPECT_EQ(loaders[1].type, 1u);
    EXPECT_EQ(loaders[2].type, 1u);
    EXPECT_EQ(loaders[2].references, 2u);
    // Level 2 names the second shape; the second shape's bones follow the first shape's data in part file 5:
    // 12 + 16 + 256 + 132 + 12 = 428.
    EXPECT_EQ(p.reference(P9, S9 + 60 + 72 + 16), "BobShape2:bsh");
    EXPECT_TRUE(p.pointsTo(P9, S9 + 308 + 48, P5, 428));
    EXPECT_EQ(p.word(P5, 428 + 4), fixtureWord(0xB502, 0x1001));
}

TEST(ModelReEmission, OnlyTheAnimationTemplateGivesNoBoneAnim) {
    ModelFixtureOptions o;
    o.animations = 0;
    o.levelAnimations = {1};
    ReEmission r;
    ASSERT_TRUE(r.run(o));
    const test::OvlWriterProbe p = r.probe();
    for (const auto& symbol : p.symbols(OvlPart::CommonSymbols)) EXPECT_FALSE(symbol.name.ends_with(":ban")) << symbol.name;
    EXPECT_EQ(p.reference(P9, S9 + 56 + 76), "AnimationTemplate:ban");
    // The BoneAnim block is there, but empty.
    const auto& blocks = r.writer.partFile(P5).blocks();
    ASSERT_EQ(blocks.size(), 5u);
    EXPECT_EQ(blocks[2].size, 0u);
}

TEST(ModelReEmission, TextureOfEdge64WithAlphaInBothFramesWritesFourRunsOf4096Bytes) {
    ModelFixtureOptions o;
    o.textureEdge = 64;
    o.alphaFrames = {true};
    ReEmission r;
    ASSERT_TRUE(r.run(o));
    const test::OvlWriterProbe p = r.probe();
    const OvlPartFile& pictures = r.writer.partFile(P2);
    ASSERT_EQ(pictures.blocks().size(), 1u);
    EXPECT_EQ(pictures.blocks()[0].size, 4u * 4096);
    const uint32_t t = 712;
    EXPECT_TRUE(p.pointsTo(P5, t + 44 + 20, P2, 0));
    EXPECT_TRUE(p.pointsTo(P5, t + 44 + 24, P2, 4096));
    EXPECT_TRUE(p.pointsTo(P5, t + 72 + 20, P2, 8192));
    EXPECT_TRUE(p.pointsTo(P5, t + 72 + 24, P2, 12288));
    EXPECT_EQ(p.bytes(P2, 12288, 4096), fixtureBytes(fixtureSeed(0xF102, FixtureRun::Alpha), 4096));
}

TEST(ModelReEmission, EachTextureGetsABlockOfPictures) {
    ModelFixtureOptions o;
    o.textures = 2;
    o.frames = 1;
    ReEmission r;
    ASSERT_TRUE(r.run(o));
    const auto& blocks = r.writer.partFile(P2).blocks();
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].size, 32u);  // pixels and alpha of 4 × 4
    EXPECT_EQ(blocks[1].offset, 32u);
    EXPECT_EQ(blocks[1].size, 32u);
    // Mesh 2 names the second texture.
    EXPECT_EQ(r.probe().reference(P9, S9 + 220 + 108 + 4), "BobTexture2:ftx");
}

// Spline padding looks at where part file 5 ends, not at the spline's own size: with one mesh of
// one index group (6 bytes), part file 5 stands 2 bytes off a multiple of 4 when the Splines begin.
TEST(ModelReEmission, SplinePaddingFollowsTheEndOfThePartFile) {
    struct Case {
        uint32_t nodes, closed;
        uint32_t size;  // 32 + 36·n + 18·m
        bool padded;
    };
    for (const Case c : {Case{5, 0, 284, true}, Case{4, 0, 230, false}}) {
        ModelFixtureOptions o;
        o.meshes = 1;
        o.indices = 3;
        o.meshP = {0};
        o.splineNodes = c.nodes;
        o.splineClosed = c.closed;
        ReEmission r;
        ASSERT_TRUE(r.run(o));
        // bsh data 12 + 16 + 256 + 132 + 6 = 422; ban 116; ftx 2148: the spline starts at 2686.
        const uint32_t start = r.writer.partFile(P5).blocks()[4].offset;
        EXPECT_EQ(start, 2686u);
        EXPECT_EQ(r.writer.end(P5), start + c.size + (c.padded ? 2 : 0)) << c.nodes;
        EXPECT_EQ(r.writer.end(P5) % 4, 0u);
    }
}

// ---- stops ----

TEST(ModelReEmission, BoneShapeWithoutMeshesStopsWith195InBothLanguages) {
    const std::vector<std::pair<Language, std::string>> cases = {
        {Language::German, "Fehler 195! In einer BoneShape-Struktur (:bsh) fehlen die Texturen."},
        {Language::English, "Error 195! The textures are missing in a BoneShape-Structure (:bsh)."}};
    for (const auto& [language, text] : cases) {
        ModelFixtureOptions o;
        o.fault = ModelFault::NoMeshes;
        ReEmission r;
        EXPECT_FALSE(r.run(o, language));
        EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{text});
    }
}

TEST(ModelReEmission, BoneShapeWithoutBonesStopsWith196InBothLanguages) {
    const std::vector<std::pair<Language, std::string>> cases = {
        {Language::German, "Fehler 196! In einer BoneShape-Struktur (:bsh) fehlen die EffectBones."},
        {Language::English, "Error 196! The EffectBones are missing in a BoneShape-Structure (:bsh)."}};
    for (const auto& [language, text] : cases) {
        ModelFixtureOptions o;
        o.fault = ModelFault::NoBones;
        ReEmission r;
        EXPECT_FALSE(r.run(o, language));
        EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{text});
        // Nothing after the BoneShape was begun: no BoneAnim, FlexiTexture or Spline.
        EXPECT_EQ(r.writer.end(OvlPart::CommonSymbols), 0u);
    }
}

TEST(ModelReEmission, AReferenceWordWithoutSymbolReferenceStopsNamingTheModelFile) {
    for (Language language : {Language::German, Language::English}) {
        ModelFixtureOptions o;
        o.fault = ModelFault::UnmatchedReference;
        ReEmission r;
        EXPECT_FALSE(r.run(o, language, "Wagen\xC4"));  // a Windows-1252 name is shown in UTF-8
        ASSERT_EQ(r.dialogs.messages().size(), 1u);
        const std::string text = r.dialogs.messages()[0];
        const std::string start = language == Language::German ? "Wagen\xC3\x84.unique.ovl kann nicht verwendet werden"
                                                               : "Wagen\xC3\x84.unique.ovl cannot be used";
        EXPECT_EQ(text.substr(0, start.size()), start) << text;
        EXPECT_NE(text.find(language == Language::German ? "Symbolreferenz" : "symbol reference"), std::string::npos);
    }
}

TEST(ModelReEmission, AddressesAndCountsOutsideTheModelAreRefusedNamingTheFile) {
    for (ModelFault fault : {ModelFault::AddressOutside, ModelFault::CountPastEnd}) {
        ModelFixtureOptions o;
        o.fault = fault;
        ReEmission r;
        EXPECT_FALSE(r.run(o));
        ASSERT_EQ(r.dialogs.messages().size(), 1u);
        const std::string text = r.dialogs.messages()[0];
        EXPECT_EQ(text.rfind("Bob.unique.ovl is no readable OVL file: ", 0), 0u) << text;
    }
}

TEST(ModelReEmission, ATruncatedModelIsRefusedByTheReaderNamingTheFile) {
    ModelFixtureOptions o;
    o.fault = ModelFault::Truncated;
    ReEmission r;
    EXPECT_FALSE(r.read(o, Language::English, "Bob"));
    ASSERT_EQ(r.dialogs.messages().size(), 1u);
    EXPECT_EQ(r.dialogs.messages()[0].rfind("Bob.unique.ovl is no readable OVL file: ", 0), 0u) << r.dialogs.messages()[0];
}

}  // namespace
}  // namespace zw
