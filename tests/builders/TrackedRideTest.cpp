// The TrackedRide of both layouts, field by field, as the layout tables give them.
#include <gtest/gtest.h>

#include "RideBuildFixture.h"

namespace zw::test {
namespace {

// Speeds of distinctRide() are in half metres per second: the expected floats are half the values.
void expectBaseHeader(const FieldCheck& f, uint32_t trackedRide, uint32_t rideData, uint32_t P) {
    // Rating table after the car list (2 names) and the track section list (P entries of 8 bytes).
    const uint32_t ratingTable = rideData + 8 + 8 * P;
    f.word(0, 7);
    f.wideText(4, "Zipper");
    f.wideText(8, "Spins");
    f.reference(12, "Wooden:gsi");
    f.word(16, 11);
    f.word(20, 12);
    f.word(24, 0);
    f.word(28, 0);
    f.word(32, 4960);
    f.reference(36, ":spl");
    f.word(48, 131);
    f.word(52, 77);
    f.word(56, 61);
    f.word(60, 1);
    f.pointer(64, ratingTable);
    f.word(68, 2);
    f.word(72, 9);
    f.word(76, 150);
    f.word(80, P);
    f.pointer(84, trackedRide + 380);
    f.word(88, 2);
    f.pointer(92, rideData);
    f.string(96, "SpecialA");
    f.floatWord(100, 1.5f);
    f.floatWord(104, 2.5f);
    f.floatWord(108, 3.5f);
    f.floatWord(112, 4.5f);
    f.word(116, 0);
    f.floatWord(120, 4.0f);
    f.floatWord(124, -8.0f);
    f.floatWord(128, 1.0f);
    f.floatWord(132, 0.5f);
    f.string(136, "standard");
    f.word(140, 13);
    f.word(144, 1);
    f.word(148, 0);
    f.word(152, 2);
    f.word(156, 5);
    f.word(160, 1);
    f.floatWord(164, 8.0f);
    f.floatWord(168, 10000.0f);
    f.floatWord(172, 20.0f);
    f.floatWord(176, 50000.0f);
    f.floatWord(180, 4.0f);
    f.floatWord(184, 30000.0f);
    f.floatWord(188, 4.0f);
    f.floatWord(192, 5000.0f);
    f.floatWord(196, 4.0f);
    f.floatWord(200, 10000.0f);
    f.floatWord(204, 5.0f);
    f.floatWord(208, 3.0f);
    f.floatWord(212, 30.0f);
    f.floatWord(216, 0.3f);
    f.floatWord(220, 1.25f);
    f.word(224, 8000);
    f.word(228, 2000);
    f.word(232, 2000);
    f.word(236, 4000);
    f.word(240, 1000);
    f.word(244, 1100);
    f.word(248, 300);
    f.word(252, 1001);
    f.word(256, 5);
    f.floatWord(260, 0.75f);
    f.floatWord(264, 0.01f);
    f.word(268, 1);
    f.word(272, 0);
    f.word(276, 3333);
    f.word(280, 1);
    f.word(284, 1600);
    f.string(288, "../../coasters/Track8/Track8");
    f.word(292, 0);
    f.word(296, 0);
    f.word(300, 0);
    f.word(304, 0);
    f.word(308, 1);
    f.word(312, 0);
    f.signedWord(316, -1);
    f.floatWord(320, 1.0f);
    f.floatWord(324, 25.0f);
    f.floatWord(328, 0.1f);
    f.word(332, 250000);
    f.word(336, P);
    f.pointer(340, rideData + 8);
    f.floatWord(344, 2.0f);
    f.floatWord(348, 50.0f);
    f.floatWord(352, 0.2f);
    f.reference(356, "tracktrack:spl");
    f.reference(360, "trackbigtrackbig:spl");
    f.reference(364, "carcar:spl");
    f.reference(368, "carswingcarswing:spl");
    f.floatWord(372, 0.9f);
    f.floatWord(376, -1.0f);
}

TEST_F(RideBuildTest, BaseLayoutWithoutPeepPathsFieldByField) {
    ASSERT_EQ(build(), 1);
    EXPECT_TRUE(dialogs.log.empty());
    const ParsedRidePair pair = built();
    const uint32_t tr = pair.trackedRide();
    EXPECT_EQ(pair.unique.block(2, 3).bytes.size(), 392u);
    EXPECT_EQ(pair.uniqueSymbols.at("CTR_Testbahn:trr"), tr);

    const FieldCheck f(pair, tr);
    expectBaseHeader(f, tr, pair.rideDataBlock(), 3);
    f.word(40, 0);
    f.word(44, 0);
    f.reference(380, "Stationmiddle:tks");
    f.reference(384, "Straight:tks");
    f.reference(388, "MedCurve\xC4:tks");

    ASSERT_EQ(pair.uniqueLoaders.size(), 1u);
    EXPECT_EQ(pair.uniqueLoaders[0].type, 4u);
    EXPECT_EQ(pair.uniqueLoaders[0].structure, tr);
    EXPECT_EQ(pair.uniqueLoaders[0].references, 9u);  // 6 fixed + 3 track sections
    EXPECT_EQ(pair.referenceBySlot.size(), 9u);
}

TEST_F(RideBuildTest, BaseLayoutPeepPathsFollowTheTrackSections) {
    ride.PeepLoopSplineName = "Loop";
    ride.PeepPathSplineName = {"PathA", "PathB"};
    ride.SpezialTrackSectionNameBEnde = "BEnd";
    ride.SpezialTrackSectionNameAMitte = "AMid";
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t tr = pair.trackedRide();
    EXPECT_EQ(pair.unique.block(2, 3).bytes.size(), 400u);

    const FieldCheck f(pair, tr);
    f.reference(36, "Loop:spl");
    f.word(40, 2);
    f.pointer(44, tr + 392);
    f.reference(292, "BEnd:tks");
    f.word(296, 0);
    f.word(300, 0);
    f.reference(304, "AMid:tks");
    f.reference(388, "MedCurve\xC4:tks");
    f.reference(392, "PathA:spl");
    f.reference(396, "PathB:spl");
    // 6 fixed, 2 special track sections, 3 track sections, 2 peep paths.
    EXPECT_EQ(pair.uniqueLoaders.at(0).references, 13u);
}

TEST_F(RideBuildTest, BaseLayoutChoicesOfSingleFields) {
    ride.Stationstyp = "keine";
    ride.KonstantgeschwFlag = 0;
    ride.KonstantgeschwPreset = 5;
    ride.SpeedUnitFactor = 1.0;
    ride.BahnIcon = "CTR";
    ride.SpezialWagentypAName.clear();
    ride.SpezialWagentypBName = "SpecialB";
    ride.WagenRotationswinkelFlag = 0;
    ride.BahnkostenVorschau = 74;
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const FieldCheck f(pair, pair.trackedRide());
    f.word(136, 0);
    f.floatWord(204, -5.0f);
    f.reference(12, "StyleIcon:gsi");
    f.word(96, 0);
    f.string(116, "SpecialB");
    f.word(256, 0);
    f.word(276, 0);
    f.word(332, 74);

    ride.Stationstyp = "Keine";
    ride.BahnIcon = "Ctr";
    settings.OverwriteWithoutPrompt = true;
    ASSERT_EQ(build(), 1);
    const ParsedRidePair again = built();
    const FieldCheck g(again, again.trackedRide());
    g.string(136, "Keine");
    g.reference(12, "Ctr:gsi");
}

TEST_F(RideBuildTest, AddOnLayoutFieldByField) {
    settings.AddOnsEnabled = true;
    ride.PeepPathSplineName = {"PathA", "PathB"};
    ASSERT_EQ(build(), 1);
    EXPECT_TRUE(dialogs.log.empty());
    const ParsedRidePair pair = built();
    const uint32_t tr = pair.trackedRide();
    const uint32_t data = pair.rideDataBlock();
    // Car list 8 bytes, track sections 24, track paths 12: the rating table at 44.
    const uint32_t ratingTable = data + 44;
    ASSERT_EQ(pair.unique.block(2, 3).bytes.size(), 444u + 12 + 68 + 68 + 8);

    const FieldCheck a(pair, tr);
    a.signedWord(0, -1);
    a.pointer(4, tr + 444);
    a.word(8, 2);
    a.pointer(12, data);
    a.string(16, "SpecialA");
    a.floatWord(20, 1.5f);
    a.floatWord(24, 2.5f);
    a.floatWord(28, 3.5f);
    a.floatWord(32, 4.5f);
    a.word(36, 0);
    a.floatWord(40, 4.0f);
    a.floatWord(44, -8.0f);
    a.floatWord(48, 1.0f);
    a.floatWord(52, 0.5f);
    a.string(56, "standard");
    a.word(60, 13);
    a.word(64, 1);
    a.word(68, 0);
    a.word(72, 2);
    a.word(76, 5);
    a.word(80, 257);
    a.floatWord(84, 8.0f);
    a.floatWord(88, 10000.0f);
    a.floatWord(92, 20.0f);
    a.floatWord(96, 50000.0f);
    a.floatWord(100, 4.0f);
    a.floatWord(104, 30000.0f);
    a.floatWord(108, 4.0f);
    a.floatWord(112, 5000.0f);
    a.floatWord(116, 4.0f);
    a.floatWord(120, 10000.0f);
    a.floatWord(124, 5.0f);
    a.floatWord(128, 3.0f);
    a.floatWord(132, 30.0f);
    a.floatWord(136, 0.3f);
    a.floatWord(140, 1.25f);
    a.word(144, 8000);
    a.word(148, 2000);
    a.word(152, 2000);
    a.word(156, 4000);
    a.word(160, 1000);
    a.word(164, 1100);
    a.word(168, 300);
    a.word(172, 1001);
    a.word(176, 5);
    a.floatWord(180, 0.75f);
    a.floatWord(184, 0.01f);
    a.word(188, 1);
    a.word(192, 0);
    a.word(196, 3333);
    a.word(200, 1);
    a.word(204, 1600);
    a.word(208, 0);
    a.word(212, 0);
    a.word(216, 0);
    a.word(220, 0);
    a.word(224, 0);
    a.word(228, 1);
    a.word(232, 0);
    a.signedWord(236, -1);
    a.floatWord(240, 1.0f);
    a.floatWord(244, 25.0f);
    a.floatWord(248, 0.1f);
    a.word(252, 250000);
    a.word(256, 3);
    a.pointer(260, data + 8);
    a.floatWord(264, 2.0f);
    a.floatWord(268, 50.0f);
    a.floatWord(272, 0.2f);
    a.reference(276, "tracktrack:spl");
    a.reference(280, "trackbigtrackbig:spl");
    a.reference(284, "carcar:spl");
    a.reference(288, "carswingcarswing:spl");
    a.floatWord(292, 0.9f);
    a.floatWord(296, -1.0f);
    a.pointer(300, tr + 456);
    a.word(304, 3);
    for (uint32_t off : {308u, 312u, 316u, 320u}) a.word(off, 0);
    a.floatWord(324, 0.001f);
    for (uint32_t off : {328u, 332u, 336u, 340u, 344u}) a.word(off, 0);
    a.signedWord(348, -1);
    a.floatWord(352, 1.0f);
    a.floatWord(356, 1.0f);
    a.word(360, 3);  // Z + 1
    a.pointer(364, data + 32);
    a.floatWord(368, -1.0f);
    a.floatWord(372, -1.0f);
    a.word(376, 0);
    a.signedWord(380, -1);
    a.word(384, 0);
    a.word(388, 1);
    a.floatWord(392, 1.9f);
    a.floatWord(396, 200.0f);
    a.floatWord(400, 3000.0f);
    a.floatWord(404, 4.0f);
    a.word(408, 0);
    a.word(412, 0);
    a.word(416, 1);
    a.word(420, 0);
    a.word(424, 1);
    a.word(428, 1);
    a.signedWord(432, -1);
    a.word(436, 1);
    a.string(440, "JuniorLadybird");
    a.reference(444, "Stationmiddle:tks");
    a.reference(448, "Straight:tks");
    a.reference(452, "MedCurve\xC4:tks");

    const FieldCheck b(pair, tr + 456);
    b.signedWord(0, -1);
    b.word(4, 1);
    b.pointer(8, ratingTable);
    b.word(12, 2);
    b.word(16, 9);
    b.word(20, 150);
    b.pointer(24, tr + 524);
    b.word(28, 61);
    b.word(32, 0);
    b.word(36, 0);
    b.word(40, 3);
    b.word(44, 3);
    b.signedWord(48, -2);
    b.signedWord(52, -2);
    b.signedWord(56, -2);
    b.word(60, 1);
    b.word(64, 1);

    const FieldCheck c(pair, tr + 524);
    c.word(0, 7 + 768);
    c.wideText(4, "Zipper");
    c.wideText(8, "Spins");
    c.reference(12, "Wooden:gsi");
    c.word(16, 11);
    c.word(20, 12);
    c.word(24, 0);
    c.word(28, 0);
    c.word(32, 4960);
    c.reference(36, ":spl");
    c.word(40, 2);
    c.pointer(44, tr + 592);
    c.word(48, 131);
    c.word(52, 77);
    c.word(56, 0);
    c.word(60, 0);
    c.word(64, 0);
    c.reference(68, "PathA:spl");
    c.reference(72, "PathB:spl");

    EXPECT_EQ(pair.uniqueLoaders.at(0).type, 4u);
    EXPECT_EQ(pair.uniqueLoaders.at(0).references, 11u);  // 6 + 3 track sections + 2 peep paths
}

TEST_F(RideBuildTest, AddOnLayoutWithoutExtraTrackTypesOrPeepPaths) {
    settings.AddOnsEnabled = true;
    ride.ZusatzTrackTyp.clear();
    ride.BlockaufteilungsFlag = 0;
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t tr = pair.trackedRide();
    EXPECT_EQ(pair.unique.block(2, 3).bytes.size(), 444u + 12 + 68 + 68);
    const FieldCheck a(pair, tr);
    a.word(80, 256);
    a.word(360, 1);
    const FieldCheck c(pair, tr + 524);
    c.word(40, 0);
    c.word(44, 0);
}

TEST_F(RideBuildTest, WideTextsAreFreshCopiesEndingInTwoZeroBytes) {
    ride.BahnName = "Spins";  // the same text as the description: still two copies
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t tr = pair.trackedRide();
    const uint32_t name = pair.word(tr + 4);
    const uint32_t description = pair.word(tr + 8);
    EXPECT_NE(name, description);
    EXPECT_EQ(pair.space.substr(name, 12), std::string("S\0p\0i\0n\0s\0\0\0", 12));
}

}  // namespace
}  // namespace zw::test
