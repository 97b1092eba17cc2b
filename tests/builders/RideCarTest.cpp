// The RideCar and the RideTrain of a built car pair, field by field, as the layout tables give them.
#include <gtest/gtest.h>

#include "CarBuildFixture.h"
#include "RideBuildFixture.h"
#include "base/SafeFile.h"
#include "builders/RideTrain.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"

namespace zw::test {
namespace {

// The words from offset 124 to the end that every RideCar has, apart from the seats at 156 and 160.
void expectRideCarTail(const FieldCheck& f) {
    for (uint32_t offset = 124; offset < 156; offset += 4) f.signedWord(offset, -1);
    for (uint32_t offset = 164; offset < 204; offset += 4) f.word(offset, 0);
    f.word(204, 4);
    f.word(208, 4);
    f.word(212, 0);
    f.floatWord(216, -1.0f);
    f.signedWord(220, -1);
    for (uint32_t offset = 224; offset < 240; offset += 4) f.floatWord(offset, -1.0f);
}

TEST_F(CarBuildTest, RideCarWithThreeSeatsAndHeightSwing) {
    ASSERT_EQ(build(), 1) << ::testing::PrintToString(dialogs.messages());
    const ParsedRidePair pair = built();
    // Part file 9's first block: FrontCar's RideCar, RearCar's, the RideTrain; nothing else.
    const auto& cars = pair.unique.block(2, 3);
    ASSERT_EQ(cars.bytes.size(), 240u + 240u + 188u);
    const uint32_t front = cars.address;
    EXPECT_EQ(pair.uniqueSymbols.at("CTR_BobFrontCar:ric"), front);
    // The seating list: part file 5's first block, the three seats.
    const auto& seats = pair.common.block(4, 0);
    ASSERT_EQ(seats.bytes.size(), 12u);
    EXPECT_EQ(pair.word(seats.address), 5u);
    EXPECT_EQ(pair.word(seats.address + 4), 6u);
    EXPECT_EQ(pair.word(seats.address + 8), 7u);

    const FieldCheck f(pair, front);
    f.string(0, "CTR_BobFrontCar");
    f.string(4, "WagenNameUnknown2totalegal");
    f.word(8, 27);  // the seats are in the list
    f.reference(12, "ForeignFront:svd");
    f.floatWord(16, 250.5f);
    f.word(20, 0);  // no part B
    f.word(24, 2);
    f.floatWord(28, -1.0f);
    f.floatWord(32, 3.5f);
    f.word(36, 0);
    f.floatWord(40, -1.0f);
    f.floatWord(44, 0.125f);
    f.word(48, 0);
    f.floatWord(52, 0.75f);
    f.floatWord(56, 45.0f);
    f.word(60, 1);
    f.floatWord(64, 0.0f);
    f.floatWord(68, 0.5f);
    f.floatWord(72, 0.0f);
    // FeatureStart … DoorClosedIdle were given the numbers 1 … 12 in the order of this table.
    for (uint32_t i = 0; i < 12; ++i) f.word(76 + 4 * i, i + 1);
    f.word(156, 3);
    f.pointer(160, seats.address);
    expectRideCarTail(f);
}

TEST_F(CarBuildTest, RideCarWithOneSeatTwoPartsAndSideSwing) {
    settings.AddOnsEnabled = true;  // changes nothing for a single seat
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t rear = pair.unique.block(2, 3).address + 240;
    EXPECT_EQ(pair.uniqueSymbols.at("CTR_BobRearCar:ric"), rear);
    const FieldCheck f(pair, rear);
    f.string(0, "CTR_BobRearCar");
    f.word(8, 9);
    f.reference(12, "ForeignRear:svd");
    f.floatWord(16, 500.0f);
    f.reference(20, "ForeignRearBar:svd");
    f.word(24, 0);
    f.floatWord(28, 125.0f);
    f.floatWord(32, 4.0f);
    f.floatWord(44, 0.1f);
    f.floatWord(52, 0.0f);
    f.floatWord(56, -1.0f);
    f.word(60, 1);
    f.floatWord(64, 0.25f);
    f.floatWord(68, 0.0f);
    f.floatWord(72, 0.25f);
    for (uint32_t offset = 76; offset < 124; offset += 4) f.signedWord(offset, -1);
    f.word(156, 0);
    f.word(160, 0);
    expectRideCarTail(f);
    // Only FrontCar's list stands in part file 5.
    EXPECT_EQ(pair.common.blockCounts[4], 1u + 1u);  // the seating list and the (empty) model block
}

TEST_F(CarBuildTest, SeatingMarkerWithAddOnsAndNoSwingFlag) {
    settings.AddOnsEnabled = true;
    car.role(CarRole::FrontCar).HeightSwing = 0.0;
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const FieldCheck f(pair, pair.unique.block(2, 3).address);
    f.word(8, 35);
    f.word(60, 0);
    f.floatWord(68, 0.0f);
    f.word(156, 3);
    f.pointer(160, pair.common.block(4, 0).address);
}

// The game reads as many seats as offset 156 counts from the list at 160: the inspector reports a
// count that runs past the list's block (27, the marker, stood there once) or a list outside the pair.
TEST_F(CarBuildTest, InspectorFollowsTheSeatCountToTheList) {
    ASSERT_EQ(build(), 1);
    const std::string common = *readWholeFile(carCommonFile(car));
    const std::string unique = *readWholeFile(carUniqueFile(car));
    const ParsedRidePair pair = built();
    const uint32_t front = pair.unique.block(2, 3).address;
    const uint32_t list = pair.common.block(4, 0).address;
    const OvlPairReader reader(common, "c", unique, "u");
    const size_t frontInFile = reader.locate(front)->fileOffset;
    const std::string reported = "C.unique.ovl: RideCar \"CTR_BobFrontCar:ric\" at address " + std::to_string(front) +
                                 ", offset 160 (seating list) = ";
    const struct {
        uint32_t count, list;
        std::string violation;
    } cases[] = {
        {3, list, ""},
        {4, list, reported + std::to_string(list) + ": 4 entries of 4 bytes run past the end of their block (room for 3)"},
        {27, list, reported + std::to_string(list) + ": 27 entries of 4 bytes run past the end of their block (room for 3)"},
        {1, 1u << 30, reported + "1073741824: points outside the pair (" + std::to_string(reader.addressSpaceSize()) +
                          " bytes)"},
    };
    for (const auto& c : cases) {
        std::string patched = unique;
        for (int i = 0; i < 4; ++i) {
            patched[frontInFile + 156 + i] = static_cast<char>(c.count >> (8 * i));
            patched[frontInFile + 160 + i] = static_cast<char>(c.list >> (8 * i));
        }
        const auto violations =
            inspectOvlPair(OvlPairReader(common, "C.common.ovl", patched, "C.unique.ovl"), Language::English).violations;
        // A list address outside the pair is a relocation fault as well; only the seat check is looked at.
        std::vector<std::string> seats;
        for (const auto& v : violations) {
            if (v.find("RideCar") != std::string::npos) seats.push_back(v);
        }
        EXPECT_EQ(seats, c.violation.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.violation})
            << c.count;
    }
}

TEST_F(CarBuildTest, LoadersOfTheCarsAndTheTrainCountTheirReferences) {
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const uint32_t base = pair.unique.block(2, 3).address;
    ASSERT_EQ(pair.uniqueLoaders.size(), 3u);
    // Type, structure, extra data, references: FrontCar 1 (part A), RearCar 2, the train 3.
    const uint32_t expected[3][3] = {{3, 0, 1}, {3, 240, 2}, {4, 480, 3}};
    for (size_t l = 0; l < 3; ++l) {
        EXPECT_EQ(pair.uniqueLoaders[l].type, expected[l][0]) << l;
        EXPECT_EQ(pair.uniqueLoaders[l].structure, base + expected[l][1]) << l;
        EXPECT_EQ(pair.uniqueLoaders[l].extraData, 0u) << l;
        EXPECT_EQ(pair.uniqueLoaders[l].references, expected[l][2]) << l;
    }
    EXPECT_EQ(pair.uniqueSymbols.size(), 3u);
    EXPECT_EQ(pair.uniqueSymbols.at("CTR_Bob:rit"), base + 480);
}

TEST_F(CarBuildTest, RideTrainFieldByField) {
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const FieldCheck f(pair, pair.unique.block(2, 3).address + 480);
    f.string(0, "Bob Train");
    f.string(4, "ZugNameUnknowntotalegal");
    f.reference(8, "CTR_BobFrontCar:ric");
    f.word(12, 0);
    f.reference(16, "ForeignMiddle:ric");  // MiddleCar has no RideCar of its own, but its slot
    f.word(20, 0);
    f.reference(24, "CTR_BobRearCar:ric");
    f.word(28, 0);
    f.word(32, 2);
    f.word(36, 9);
    f.word(40, 4);
    f.floatWord(44, 0.04f);
    f.floatWord(48, 0.06f);
    f.floatWord(52, 0.02f);
    f.floatWord(56, 6.5f);
    f.floatWord(60, 0.5f);
    f.floatWord(64, 0.4f);
    f.floatWord(68, 2.0f);
    f.floatWord(72, 1.0f);
    f.floatWord(76, 0.00001f);
    f.floatWord(80, 0.1f);
    f.floatWord(84, 0.1f);
    f.floatWord(88, 0.001f);
    f.word(92, 0);
    f.floatWord(96, 0.004f);
    f.floatWord(100, 0.1f);
    f.floatWord(104, 0.25f);
    f.floatWord(108, 1.0f);
    f.floatWord(112, 1.25f);
    f.floatWord(116, 2.5f);
    f.floatWord(120, 3.75f);
    f.floatWord(124, 12.5f);
    f.floatWord(128, 4.5f);
    f.floatWord(132, 5.25f);
    f.floatWord(136, 6.75f);
    f.word(140, 1);
    f.floatWord(144, 5.0f);
    f.floatWord(148, 15.0f);
    f.floatWord(152, 5.0f);
    f.floatWord(156, 7.0f);
    f.floatWord(160, 9.0f);
    f.floatWord(164, 11.0f);
    f.floatWord(168, 0.8f);
    f.floatWord(172, 0.32f);
    f.word(176, 0);
    f.word(180, 0);
    f.string(184, "Keine");  // only the lower-case spellings mean none
}

TEST_F(CarBuildTest, StationTypeNoneIsAPlainZero) {
    car.PriorityStationType = "keine";
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    FieldCheck(pair, pair.unique.block(2, 3).address + 480).word(184, 0);
}

TEST(RideTrain, WordsThatNameNoStationType) {
    for (const char* none : {"", "none", "kein", "keine", "keiner"}) EXPECT_TRUE(namesNoStationType(none)) << none;
    for (const char* type : {"Keine", "None", "keines", " keine", "KEIN", "Standard"}) {
        EXPECT_FALSE(namesNoStationType(type)) << type;
    }
}

}  // namespace
}  // namespace zw::test
