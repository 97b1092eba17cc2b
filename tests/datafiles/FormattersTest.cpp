#include <gtest/gtest.h>

#include "datafiles/Formatters.h"

namespace zw {
namespace {

using namespace std::string_literals;

TEST(KostenToString, TwoDecimalsOfAnUnsignedAmount) {
    EXPECT_EQ(KostenToString(1600), "16.00");
    EXPECT_EQ(KostenToString(5), "0.05");
    EXPECT_EQ(KostenToString(0), "0.00");
    EXPECT_EQ(KostenToString(250000), "2500.00");
    EXPECT_EQ(KostenToString(1999), "19.99");
    EXPECT_EQ(KostenToString(-1), "42949672.95");
}

TEST(FloatToString, ThreeTruncatedDecimals) {
    EXPECT_EQ(FloatToString(2.5), "2.500");
    EXPECT_EQ(FloatToString(-0.25), "-0.250");
    EXPECT_EQ(FloatToString(0.3), "0.300");
    EXPECT_EQ(FloatToString(0.9999), "0.999");
    EXPECT_EQ(FloatToString(0.0), "0.000");
    EXPECT_EQ(FloatToString(30000.0), "30000.000");
    EXPECT_EQ(FloatToString(50 / 0.277778), "179.999");
    // Each step subtracts the digit taken and multiplies by ten in double precision.
    // A value read from 1.235 is held as slightly less than 1.235.
    EXPECT_EQ(FloatToString(((1.0 + 2 * 0.1) + 3 * 0.01) + 5 * 0.001), "1.234");
    EXPECT_EQ(FloatToString(0.9), "0.900");
}

TEST(FloatToString, ValuesBeyondAnyIntegerTypeStillPrint) {
    EXPECT_EQ(FloatToString(1e20), "100000000000000000000.000");
}

TEST(ByteFormatters, LittleEndianRawBytes) {
    EXPECT_EQ(ShortIntToStr(0x12345678), "\x78\x56"s);
    EXPECT_EQ(ShortIntToStr(-1), "\xFF\xFF"s);
    EXPECT_EQ(LongIntToStr(0x01020304), "\x04\x03\x02\x01"s);
    EXPECT_EQ(LongIntToStr(0), "\0\0\0\0"s);
}

TEST(StringToguitxt, SixteenBitCodeUnitsWithOneMoreZero) {
    EXPECT_EQ(StringToguitxt("Ab\xE4"), "A\0b\0\xE4\0\0"s);
    EXPECT_EQ(StringToguitxt(""), "\0"s);
}

TEST(Hundredths, TruncatedAndWrappedSoEveryWrittenAmountReadsBack) {
    EXPECT_EQ(toHundredths(2.5), 250);
    EXPECT_EQ(toHundredths(12.999), 1299);
    EXPECT_EQ(toHundredths(-0.05), -5);
    EXPECT_EQ(toHundredths(0.5 + 8 * 0.01), 58);  // 57.99999... before rounding to thousandths
    EXPECT_EQ(toHundredths(-(0.5 + 8 * 0.01)), -58);
    EXPECT_EQ(toHundredths(-1e30), toHundredths(-1e30));  // clamped, no undefined conversion
}

}  // namespace
}  // namespace zw
