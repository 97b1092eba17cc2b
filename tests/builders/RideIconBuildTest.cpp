#include <gtest/gtest.h>

#include "RideBuildFixture.h"
#include "builders/RideIconPicture.h"
#include "support/StyleIconPair.h"

namespace zw::test {
namespace {

// The ride build with this program's own steps: the icon joins at its step.
struct RideIconBuild : RideBuildTest {};

TEST_F(RideIconBuild, CTRIconBringsItsStructuresAndPicture) {
    ride.BahnIcon = "CTR";
    ASSERT_EQ(build(defaultRideBuildSteps()), 1) << ::testing::PrintToString(dialogs.messages());
    const ParsedRidePair pair = built();
    EXPECT_TRUE(pair.unique.references.empty());
    ASSERT_EQ(pair.common.extraData.size(), 1u);
    EXPECT_EQ(pair.common.extraData[0], builtInRideIconPicture());

    // The icon's blocks are the last of their part files.
    const uint32_t item = pair.unique.block(2, pair.unique.blockCounts[2] - 1).address;
    const uint32_t data = pair.common.block(4, pair.common.blockCounts[4] - 1).address;
    EXPECT_EQ(pair.uniqueSymbols.at("StyleIcon:gsi"), item);
    EXPECT_EQ(pair.uniqueSymbols.at("StyleIconTexture:tex"), item + 16);
    const FieldCheck gsi(pair, item);
    gsi.word(0, 0);
    gsi.reference(4, "StyleIconTexture:tex");
    gsi.pointer(8, data);
    gsi.word(12, 0);
    const FieldCheck texture(pair, item + 16);
    texture.word(32, 1);
    texture.reference(44, "GUIIcon:txs");
    texture.pointer(52, data + 16);
    texture.pointer(56, item + 16 + 60);
    texture.pointer(60, item + 16);
    texture.pointer(64, data + 20);
    const FieldCheck common(pair, data);
    common.word(12, 64);
    common.pointer(16, data + 20);
    common.floatWord(28, 1.0f);
    // The TrackedRide names the icon object.
    bool named = false;
    for (const auto& [slot, name] : pair.referenceBySlot) named = named || (name == "StyleIcon:gsi" && slot < item);
    EXPECT_TRUE(named);
}

TEST_F(RideIconBuild, StyleIconTakesThePictureFromTheIconPair) {
    ride.BahnIcon = "Style";
    writeStyleIconPair(ride.DataFileFolder, StyleIconFault::None);
    ASSERT_EQ(build(defaultRideBuildSteps()), 1) << ::testing::PrintToString(dialogs.messages());
    const ParsedRidePair pair = built();
    ASSERT_EQ(pair.common.extraData.size(), 1u);
    EXPECT_EQ(pair.common.extraData[0], iconPicture());
}

TEST_F(RideIconBuild, FaultyIconPairStopsTheBuildWithoutOutput) {
    ride.BahnIcon = "Style";
    writeStyleIconPair(ride.DataFileFolder, StyleIconFault::UniqueVersion);
    EXPECT_EQ(build(defaultRideBuildSteps()), 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].rfind("Fehler 454!", 0), 0u);
    EXPECT_TRUE(writer.pointers().empty());  // the icon pair is read before anything is written
    EXPECT_FALSE(std::filesystem::exists(rideCommonFile(ride)));
    EXPECT_FALSE(std::filesystem::exists(rideUniqueFile(ride)));
}

TEST_F(RideIconBuild, OtherSpellingsReferToTheGameIcons) {
    ride.BahnIcon = "STYLE";
    writeStyleIconPair(ride.DataFileFolder, StyleIconFault::None, "STYLE");
    ASSERT_EQ(build(defaultRideBuildSteps()), 1);
    const ParsedRidePair pair = built();
    EXPECT_TRUE(pair.common.extraData.empty());
    EXPECT_EQ(pair.unique.references, std::vector<std::string>{"../../../RideIcons/RideIcons"});
    EXPECT_FALSE(pair.uniqueSymbols.count("StyleIcon:gsi"));
}

}  // namespace
}  // namespace zw::test
