#include "ovl/PairKindScan.h"

#include <gtest/gtest.h>

#include "support/GameFolderFixture.h"

namespace zw {
namespace {

using test::le16;
using test::le32;

// A loader type row from its type name on: the name, the number word, the tag's length, the tag.
std::string rowFromName(const std::string& type, const std::string& tag) {
    return type + le32(1) + le16(static_cast<uint16_t>(tag.size())) + tag;
}

std::string padded(size_t at, const std::string& piece, size_t total) {
    std::string bytes(at, 'x');
    bytes += piece;
    bytes.resize(total, 'y');
    return bytes;
}

TEST(PairKindScan, TellsRidesFromCarsByTheirLoaderTypeRows) {
    EXPECT_EQ(scanPairKind(test::uniqueFile({test::textRow(), test::trackedRideRow()}), "r"), PairKind::Ride);
    EXPECT_EQ(scanPairKind(test::uniqueFile({test::rideCarRow(), test::rideTrainRow()}), "c"), PairKind::Car);
    EXPECT_EQ(scanPairKind(test::uniqueFile({test::textRow(), test::rideCarRow()}), "n"), PairKind::Unknown);
    // A ride row wins over a car row wherever they stand.
    EXPECT_EQ(scanPairKind(test::uniqueFile({test::rideTrainRow(), test::trackedRideRow()}), "b"), PairKind::Ride);
}

TEST(PairKindScan, NeedsTheTagAtItsPlaceExactly) {
    EXPECT_EQ(scanPairKind(padded(0, rowFromName("TrackedRide", "TRR"), 60), "f"), PairKind::Unknown);
    // The tag one byte later than the row's layout puts it.
    EXPECT_EQ(scanPairKind(padded(0, "TrackedRide" + le32(1) + le16(3) + "xtrr", 60), "f"), PairKind::Unknown);
    EXPECT_EQ(scanPairKind(padded(3, rowFromName("RideTrain", "rit"), 60), "f"), PairKind::Car);
}

TEST(PairKindScan, ScansLengthLess25StartPositionsInSmallFiles) {
    // 30 bytes: start positions 0 to 4.
    EXPECT_EQ(scanPairKind(padded(4, rowFromName("TrackedRide", "trr"), 30), "f"), PairKind::Ride);
    EXPECT_EQ(scanPairKind(padded(5, rowFromName("TrackedRide", "trr"), 30), "f"), PairKind::Unknown);
    // 20 bytes: no position at all, although a car row fits.
    EXPECT_EQ(scanPairKind(padded(0, rowFromName("RideTrain", "rit"), 20), "f"), PairKind::Unknown);
    EXPECT_EQ(scanPairKind("", "f"), PairKind::Unknown);
}

TEST(PairKindScan, ScansTheFirstThousandPositionsOfLargerFiles) {
    EXPECT_EQ(scanPairKind(padded(999, rowFromName("TrackedRide", "trr"), 1025), "f"), PairKind::Ride);
    EXPECT_EQ(scanPairKind(padded(1000, rowFromName("TrackedRide", "trr"), 1025), "f"), PairKind::Unknown);
    // Exactly 1024 bytes count as small: 999 positions.
    EXPECT_EQ(scanPairKind(padded(998, rowFromName("RideTrain", "rit"), 1024), "f"), PairKind::Car);
    EXPECT_EQ(scanPairKind(padded(999, rowFromName("RideTrain", "rit"), 1024), "f"), PairKind::Unknown);
}

}  // namespace
}  // namespace zw
