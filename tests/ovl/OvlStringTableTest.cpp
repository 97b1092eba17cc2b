#include <gtest/gtest.h>

#include "ovl/OvlStringTable.h"

namespace zw {
namespace {

using namespace std::string_literals;

TEST(OvlStringTable, SharesAWholeStringButNotTheTailOfOne) {
    OvlStringTable t;
    EXPECT_EQ(t.find("FrontCar"), std::nullopt);
    EXPECT_EQ(t.append("FrontCar"), 0u);
    EXPECT_EQ(t.find("FrontCar"), 0u);
    EXPECT_EQ(t.find("Car"), std::nullopt);   // only the tail of a stored string
    EXPECT_EQ(t.find("Front"), std::nullopt);  // a prefix is no whole string either
    EXPECT_EQ(t.append("Car"), 9u);
    EXPECT_EQ(t.find("Car"), 9u);
    EXPECT_EQ(t.text(), "FrontCar\0Car\0"s);
}

TEST(OvlStringTable, FindsTheLastCopyOfANameStoredSeveralTimes) {
    OvlStringTable t;
    t.append("ab");
    t.append("x");
    t.append("ab");
    EXPECT_EQ(t.find("ab"), 5u);
    EXPECT_EQ(t.find("x"), 3u);
    EXPECT_EQ(t.find(""), std::nullopt);  // no empty string stands in the table
}

TEST(OvlStringTable, SeesStringStartsInsideSixteenBitTexts) {
    OvlStringTable t;
    t.append("B");
    // "AB" as 16-bit text: A 0 B 0 0, and the table adds its own NUL.
    EXPECT_EQ(t.append("A\0B\0\0"s), 2u);
    EXPECT_EQ(t.text(), "B\0A\0B\0\0\0"s);
    EXPECT_EQ(t.find("B"), 4u);  // the last match, inside the 16-bit text
    EXPECT_EQ(t.find("A"), 2u);
    EXPECT_EQ(t.find(""), 7u);   // the last of the empty strings between the closing NULs
    // A name holding NULs is found where it stands whole, at a string start.
    EXPECT_EQ(t.find("A\0B\0\0"s), 2u);
    EXPECT_EQ(t.find("\0B"s), std::nullopt);
    EXPECT_EQ(t.find("B\0"s), 4u);  // "B" NUL NUL stands at 4: the name's own NUL and the terminator
}

}  // namespace
}  // namespace zw
