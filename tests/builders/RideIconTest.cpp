#include <gtest/gtest.h>

#include "base/Report.h"
#include "builders/RideIcon.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlPairReader.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

uint32_t wordAt(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes.at(at + i));
    return v;
}

// A pair holding only the icon: its string table is "StyleIcon:gsi\0" (0), "StyleIconTexture:tex\0"
// (14, first named by the GUISkinItem's reference), "GUIIcon:txs\0" (35): 47 bytes. Common: no
// symbols, one loader (47, 20 bytes), structures at 67 (32 bytes). Unique: symbols 99 (2 x 12),
// loaders 123 (2 x 20), symbol references 163 (2 x 12), structures 187 (16 + 68).
struct RideIconPair : ::testing::Test {
    Report report;
    OvlWriter writer;
    OvlPairBytes bytes;
    std::unique_ptr<OvlPairReader> pair;

    void SetUp() override {
        writer.beginPair(report);
        writeRideIconStructures(writer);
        OvlPairContents contents;
        contents.loaderTypes = {{"FGDK", "Flic", 1, "flic"}, {"FGDK", "GUISkinItem", 1, "gsi"},
                                {"RCT3", "Spline", 1, "spl"}, {"FGDK", "Texture", 1, "tex"},
                                {"RCT3", "TrackedRide", 2, "trr"}};
        contents.commonExtraData = {"PICTURE"};
        bytes = assemblePairBytes(writer, contents);
        pair = std::make_unique<OvlPairReader>(bytes.common, "c", bytes.unique, "u");
    }
    uint32_t at(uint32_t address) const { return pair->wordAt(address).value(); }
};

TEST_F(RideIconPair, StringTableAndPartFileSizes) {
    EXPECT_EQ(writer.stringTable().text(), std::string("StyleIcon:gsi\0StyleIconTexture:tex\0GUIIcon:txs\0", 47));
    EXPECT_EQ(writer.end(OvlPart::CommonLoaders), 20u);
    EXPECT_EQ(writer.end(OvlPart::CommonStructures), 32u);
    EXPECT_EQ(writer.end(OvlPart::UniqueSymbols), 24u);
    EXPECT_EQ(writer.end(OvlPart::UniqueLoaders), 40u);
    EXPECT_EQ(writer.end(OvlPart::SymbolReferences), 24u);
    EXPECT_EQ(writer.end(OvlPart::UniqueStructures), 84u);
    EXPECT_EQ(pair->addressSpaceSize(), 271u);
}

TEST_F(RideIconPair, GUISkinItemWordByWord) {
    EXPECT_EQ(at(187), 0u);
    EXPECT_EQ(at(191), 0u);   // reference slot "StyleIconTexture:tex"
    EXPECT_EQ(at(195), 67u);  // the icon rectangle
    EXPECT_EQ(at(199), 0u);
}

TEST_F(RideIconPair, TextureWordByWord) {
    const uint32_t t = 203;
    for (uint32_t i = 0; i < 8; ++i) EXPECT_EQ(at(t + 4 * i), 0x00070007u) << "shorts " << 2 * i;
    EXPECT_EQ(at(t + 32), 1u);
    EXPECT_EQ(at(t + 36), 8u);
    EXPECT_EQ(at(t + 40), 16u);
    EXPECT_EQ(at(t + 44), 0u);       // reference slot "GUIIcon:txs"
    EXPECT_EQ(at(t + 48), 1u);
    EXPECT_EQ(at(t + 52), 67u + 16);  // the Flic list
    EXPECT_EQ(at(t + 56), t + 60);
    EXPECT_EQ(at(t + 60), t);
    EXPECT_EQ(at(t + 64), 67u + 20);  // the Flic
}

TEST_F(RideIconPair, CommonDataWordByWord) {
    const uint32_t expected[] = {0, 0, 64, 64, 87, 0, 1, 0x3F800000};
    for (uint32_t i = 0; i < 8; ++i) EXPECT_EQ(at(67 + 4 * i), expected[i]) << "offset " << 4 * i;
}

TEST_F(RideIconPair, SymbolsLoadersAndReferences) {
    // Symbols: name, structure, 1 (already in name order: ':' sorts before 'T').
    EXPECT_EQ(at(99), 0u);
    EXPECT_EQ(at(103), 187u);
    EXPECT_EQ(at(107), 1u);
    EXPECT_EQ(at(111), 14u);
    EXPECT_EQ(at(115), 203u);
    EXPECT_EQ(at(119), 1u);
    // Unique loaders: type, structure, 0, symbol, one reference each.
    const uint32_t loaders[] = {1, 187, 0, 99, 1, 3, 203, 0, 111, 1};
    for (uint32_t i = 0; i < 10; ++i) EXPECT_EQ(at(123 + 4 * i), loaders[i]) << "loader word " << i;
    // The Flic's common loader: type 0, the Flic, extra data, no symbol, no references.
    const uint32_t flic[] = {0, 87, 1, 0, 0};
    for (uint32_t i = 0; i < 5; ++i) EXPECT_EQ(at(47 + 4 * i), flic[i]) << "Flic loader word " << i;
    // Symbol references: slot, name, loader.
    const uint32_t references[] = {191, 14, 123, 247, 35, 143};
    for (uint32_t i = 0; i < 6; ++i) EXPECT_EQ(at(163 + 4 * i), references[i]) << "reference word " << i;
}

TEST_F(RideIconPair, RelocationsAndExtraData) {
    // .common ends: relocation count 2, the Flic loader's structure word, the Flic list entry, then
    // the extra-data entry.
    const std::string& common = bytes.common;
    const std::string tail = std::string("\x07\0\0\0", 4) + "PICTURE";
    ASSERT_GE(common.size(), 12 + tail.size());
    EXPECT_EQ(common.substr(common.size() - tail.size()), tail);
    const size_t relocations = common.size() - tail.size() - 12;
    EXPECT_EQ(wordAt(common, relocations), 2u);
    EXPECT_EQ(wordAt(common, relocations + 4), 51u);
    EXPECT_EQ(wordAt(common, relocations + 8), 83u);

    const uint32_t unique[] = {99, 103, 111, 115, 127, 135, 147, 155, 163, 167, 171, 175, 179, 183, 195, 255, 259, 263, 267};
    const std::string& u = bytes.unique;
    const size_t start = u.size() - 4 * std::size(unique);
    EXPECT_EQ(wordAt(u, start - 4), std::size(unique));
    for (size_t i = 0; i < std::size(unique); ++i) EXPECT_EQ(wordAt(u, start + 4 * i), unique[i]) << "relocation " << i;

    // Block counts: common type 4 holds the icon's block; unique type 2 the three tables and one block.
    EXPECT_EQ(pair->common().blockCounts[4], 1u);
    EXPECT_EQ(pair->unique().blockCounts[2], 4u);
}

}  // namespace
}  // namespace zw
