// The RideDataBlock: car type names, track sections, track paths and the RatingTable.
#include <gtest/gtest.h>

#include "RideBuildFixture.h"

namespace zw::test {
namespace {

void expectRatingTable(const ParsedRidePair& pair, uint32_t table, bool generatedSplines) {
    const uint32_t first = table + 124;
    // Record addresses: three head records of 16, 12 and 4 bytes, 25 of 24, then 4 and 12.
    std::vector<uint32_t> records = {first, first + 16, first + 28};
    for (uint32_t k = 0; k < 25; ++k) records.push_back(first + 32 + 24 * k);
    records.push_back(first + 632);
    records.push_back(first + 636);
    ASSERT_EQ(records.size(), 30u);

    const FieldCheck t(pair, table);
    for (uint32_t i = 0; i < 30; ++i) t.pointer(4 * i, records[i]);
    t.word(120, 0);

    FieldCheck(pair, records[0]).word(0, 12);
    for (uint32_t off : {4u, 8u, 12u}) FieldCheck(pair, records[0]).word(off, 0);
    FieldCheck(pair, records[1]).word(0, 10);
    FieldCheck(pair, records[1]).floatWord(4, 10.5f);
    FieldCheck(pair, records[1]).word(8, 0);
    FieldCheck(pair, records[2]).word(0, 0);

    const uint32_t ratingNumbers[25] = {0,  2,  3,  4,  5,  6,  7,  9,  10, 11, 13, 14, 15,
                                        16, 17, 18, 19, 20, 21, 22, 24, 25, 32, 34, 35};
    for (uint32_t row = 0; row < 25; ++row) {
        SCOPED_TRACE("rating record " + std::to_string(row + 4));
        const FieldCheck r(pair, records[3 + row]);
        r.word(0, 8);
        r.floatWord(4, static_cast<float>(row + 0.25));
        r.floatWord(8, static_cast<float>(row + 0.5));
        r.floatWord(12, static_cast<float>(row + 0.75));
        r.word(16, ratingNumbers[row]);
        r.floatWord(20, static_cast<float>(row + 1.0));
    }
    FieldCheck(pair, records[28]).word(0, 0);
    const FieldCheck last(pair, records[29]);
    last.word(0, 11);
    last.floatWord(4, generatedSplines ? 1.0f : 0.0f);
    last.word(8, generatedSplines ? 29 : 0);
}

TEST_F(RideBuildTest, BaseLayoutRideDataBlock) {
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t data = pair.rideDataBlock();
    EXPECT_EQ(pair.common.block(4, 0).bytes.size(), 8u + 24 + 772);

    const FieldCheck d(pair, data);
    d.string(0, "JuniorLadybird");
    d.string(4, "WildMouse");
    // Only A … Z are lowered; the umlaut keeps its case.
    d.string(8, "stationmiddle");
    d.word(12, 1000);
    d.string(16, "straight");
    d.word(20, 1250);
    d.string(24, "medcurve\xC4");
    d.word(28, 700);
    expectRatingTable(pair, data + 32, true);
}

TEST_F(RideBuildTest, AddOnLayoutRideDataBlockHasTrackPaths) {
    settings.AddOnsEnabled = true;
    ride.SpezialTrackSectionNameAEnde = "AEnd";
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t data = pair.rideDataBlock();
    EXPECT_EQ(pair.common.block(4, 0).bytes.size(), 8u + 24 + 12 + 772);

    const FieldCheck d(pair, data);
    d.string(24, "medcurve\xC4");
    d.string(32, "../../coasters/Track8/Track8");
    d.string(36, "../../coasters/Track1/Track1");
    d.string(40, "../../coasters/Track33/Track33_CT");
    expectRatingTable(pair, data + 44, false);
}

TEST_F(RideBuildTest, EqualNamesShareOneString) {
    ride.WagentypName = {"Straight", "Straight"};
    ride.TrackSectionName = {"straight"};
    ride.TrackSectionKosten = {1000};
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t data = pair.rideDataBlock();
    EXPECT_EQ(pair.word(data), pair.word(data + 4));
    EXPECT_NE(pair.word(data), pair.word(data + 8));
}

}  // namespace
}  // namespace zw::test
