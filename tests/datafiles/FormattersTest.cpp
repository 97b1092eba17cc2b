#include <gtest/gtest.h>

#include <charconv>

#include "datafiles/Formatters.h"
#include "datafiles/Lookups.h"

namespace zw {
namespace {

using namespace std::string_literals;

TEST(formatMoney, TwoDecimalsOfAnUnsignedAmount) {
    EXPECT_EQ(formatMoney(1600), "16.00");
    EXPECT_EQ(formatMoney(5), "0.05");
    EXPECT_EQ(formatMoney(0), "0.00");
    EXPECT_EQ(formatMoney(250000), "2500.00");
    EXPECT_EQ(formatMoney(1999), "19.99");
    EXPECT_EQ(formatMoney(-1), "42949672.95");
}

TEST(formatDecimal, ThreeTruncatedDecimals) {
    EXPECT_EQ(formatDecimal(2.5), "2.500");
    EXPECT_EQ(formatDecimal(-0.25), "-0.250");
    EXPECT_EQ(formatDecimal(0.3), "0.300");
    EXPECT_EQ(formatDecimal(0.9999), "0.999");
    EXPECT_EQ(formatDecimal(0.0), "0.000");
    EXPECT_EQ(formatDecimal(30000.0), "30000.000");
    EXPECT_EQ(formatDecimal(50 / 0.277778), "179.999");
    EXPECT_EQ(formatDecimal(0.9), "0.900");
    EXPECT_EQ(formatDecimal(0.0004999), "0.000");
    EXPECT_EQ(formatDecimal(-1.9996), "-1.999");
}

// A value read from 1.235 is held a hair below 1.235, and 1.4 as 1.39999...: both are written as
// they were read, so a rewrite of a rewrite never loses a thousandth.
TEST(formatDecimal, ValuesReadWithThreeDecimalsAreWrittenAsRead) {
    EXPECT_EQ(formatDecimal(((1.0 + 2 * 0.1) + 3 * 0.01) + 5 * 0.001), "1.235");
    EXPECT_EQ(formatDecimal(1.4), "1.400");
    EXPECT_EQ(formatDecimal(0.012), "0.012");
    EXPECT_EQ(formatDecimal(179 + 0.9 + 0.09 + 0.009), "179.999");
    EXPECT_EQ(formatDecimal(-(3 + 0.5 + 0.09 + 0.009)), "-3.599");
}

// Every value with three decimals in a wide range, scanned as the data file reader scans it, is
// written back exactly as it was written: every thousandth from -1000.000 to 1000.000, and every
// 31st beyond that up to 100000.000 either way (all of them once took 20 s; they passed too).
TEST(formatDecimal, EveryThreeDecimalValueScannedIsWrittenBackAsWritten) {
    DataFileText text(32, 13);
    char written[32];
    size_t failures = 0;
    constexpr int64_t kEvery = 1'000'000, kLimit = 100'000'000;  // thousandths
    for (int64_t thousandths = -kLimit; thousandths <= kLimit;
         thousandths += (thousandths >= -kEvery && thousandths < kEvery) ? 1 : 31) {
        const uint64_t magnitude = static_cast<uint64_t>(thousandths < 0 ? -thousandths : thousandths);
        char* end = written;
        if (thousandths < 0) *end++ = '-';
        end = std::to_chars(end, written + 24, magnitude / 1000).ptr;
        *end++ = '.';
        for (uint64_t place = 100; place > 0; place /= 10) *end++ = static_cast<char>('0' + magnitude / place % 10);
        const size_t length = static_cast<size_t>(end - written);
        for (size_t i = 0; i < length; ++i) text[i] = written[i];
        text[length] = 13;

        size_t position = 0;
        const std::string formatted = formatDecimal(scanDecimalAt(text, position));
        if (formatted != std::string_view(written, length) && ++failures <= 5)
            ADD_FAILURE() << std::string_view(written, length) << " is written as " << formatted;
    }
    EXPECT_EQ(failures, 0u);
}

TEST(formatDecimal, ValuesBeyondAnyIntegerTypeStillPrint) {
    EXPECT_EQ(formatDecimal(1e20), "100000000000000000000.000");
}

TEST(toGuiText, SixteenBitCodeUnitsWithOneMoreZero) {
    EXPECT_EQ(toGuiText("Ab\xE4"), "A\0b\0\xE4\0\0"s);
    EXPECT_EQ(toGuiText(""), "\0"s);
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
