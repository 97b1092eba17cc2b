#include <gtest/gtest.h>

#include "assistant/CommaDecimal.h"

namespace zw {
namespace {

TEST(CommaDecimal, ReadsCommaTextsWhateverTheLocale) {
    EXPECT_EQ(commaTextToDouble("12,5"), 12.5);
    EXPECT_EQ(commaTextToDouble("16,000"), 16.0);
    EXPECT_EQ(commaTextToDouble("-0,25"), -0.25);
    EXPECT_EQ(commaTextToDouble(",5"), 0.5);
    EXPECT_EQ(commaTextToDouble("7,"), 7.0);
    EXPECT_EQ(commaTextToDouble(" 3 "), 3.0);
    EXPECT_EQ(commaTextToDouble("1.5"), 1.5);  // a point typed by habit means the same
    for (const char* bad : {"", "-", ",", "1,2,3", "1e5", "abc", "1 2", "--1"}) {
        EXPECT_FALSE(commaTextToDouble(bad)) << bad;
    }
}

TEST(CommaDecimal, HundredthsAreExactAndTruncated) {
    EXPECT_EQ(commaTextToHundredths("12,5"), 1250);
    EXPECT_EQ(commaTextToHundredths("10"), 1000);
    EXPECT_EQ(commaTextToHundredths("0,29"), 29);  // 0.29 * 100 in binary is 28.999...
    EXPECT_EQ(commaTextToHundredths("2500,000"), 250000);
    EXPECT_EQ(commaTextToHundredths("1,999"), 199);
    EXPECT_EQ(commaTextToHundredths("-1,999"), -199);
    EXPECT_EQ(commaTextToHundredths("21474836,47"), 2147483647);
    EXPECT_FALSE(commaTextToHundredths("21474836,48"));
    EXPECT_FALSE(commaTextToHundredths("-"));
    EXPECT_FALSE(commaTextToHundredths("99999999999999999999"));
}

TEST(CommaDecimal, IntegersAndTruncatedIntegers) {
    EXPECT_EQ(commaTextToInt("-1"), -1);
    EXPECT_EQ(commaTextToInt("100"), 100);
    EXPECT_FALSE(commaTextToInt("1,5"));
    EXPECT_FALSE(commaTextToInt(""));
    EXPECT_FALSE(commaTextToInt("3000000000"));
    EXPECT_EQ(commaTextToTruncatedInt("1,9"), 1);
    EXPECT_EQ(commaTextToTruncatedInt("-1,9"), -1);
    EXPECT_FALSE(commaTextToTruncatedInt("x"));
}

TEST(CommaDecimal, WritesThreeDecimalsWithAComma) {
    EXPECT_EQ(doubleToCommaText(16.0), "16,000");
    EXPECT_EQ(doubleToCommaText(0.01), "0,010");
    EXPECT_EQ(doubleToCommaText(1.9), "1,900");
    EXPECT_EQ(doubleToCommaText(-10.0), "-10,000");
    EXPECT_EQ(doubleToCommaText(179.9998), "180,000");
    EXPECT_EQ(doubleToCommaText(-0.0001), "0,000");
    EXPECT_EQ(hundredthsToCommaText(1600), "16,000");
    EXPECT_EQ(hundredthsToCommaText(5), "0,050");
    EXPECT_EQ(hundredthsToCommaText(-5), "-0,050");
    EXPECT_EQ(hundredthsToCommaText(250000), "2500,000");
}

TEST(CommaDecimal, WrittenTextsReadBackToTheSameAmount) {
    for (int64_t amount : {0, 1, 29, 1250, 4960, 250000, -199}) {
        EXPECT_EQ(commaTextToHundredths(hundredthsToCommaText(amount)), amount) << amount;
    }
}

}  // namespace
}  // namespace zw
