#include <gtest/gtest.h>

#include "datafiles/LineIndex.h"

namespace zw {
namespace {

LineIndex indexOf(const std::string& bytes, bool* ok = nullptr) {
    LineIndex index;
    const bool built = buildLineIndex(makeDataFileText(bytes), bytes.size(), index);
    if (ok) *ok = built;
    return index;
}

TEST(DataFileText, TrailerOfTwoLineBreaksPaddedWithZeros) {
    const DataFileText text = makeDataFileText("a\xFF");
    ASSERT_EQ(text.size(), 102u);
    EXPECT_EQ(text[0], 'a');
    EXPECT_EQ(text[1], 255);
    EXPECT_EQ(text[2], 13);
    EXPECT_EQ(text[3], 10);
    for (size_t i = 4; i < 52; ++i) EXPECT_EQ(text[i], 0) << i;
    EXPECT_EQ(text[52], 13);
    EXPECT_EQ(text[53], 10);
    for (size_t i = 54; i < 102; ++i) EXPECT_EQ(text[i], 0) << i;
}

TEST(LineIndex, EachEntryStartsAfterACrLfPair) {
    const LineIndex index = indexOf("ab\r\ncd\r\n\r\nef");
    EXPECT_EQ(index.LineCount, 3u);
    EXPECT_EQ(index.LineStart, (std::vector<int32_t>{4, 8, 10}));
}

TEST(LineIndex, AFinalLineBreakGivesAnEmptyLastLineInTheTrailer) {
    const LineIndex index = indexOf("ab\r\ncd\r\n");
    EXPECT_EQ(index.LineStart, (std::vector<int32_t>{4, 8}));
}

TEST(LineIndex, LoneBreaksAndABreakAtTheVeryStartAreNotCounted) {
    EXPECT_EQ(indexOf("ab\ncd\re\n\r").LineCount, 0u);
    EXPECT_EQ(indexOf("\r\nab\r\n").LineStart, std::vector<int32_t>{6});
}

TEST(LineIndex, AtMost4999LineBreaks) {
    std::string lines;
    for (int i = 0; i < 4999; ++i) lines += "x\r\n";
    bool ok = false;
    EXPECT_EQ(indexOf(lines + "last", &ok).LineCount, 4999u);
    EXPECT_TRUE(ok);
    const LineIndex refused = indexOf(lines + "\r\n", &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(refused.LineCount, 0u);
}

}  // namespace
}  // namespace zw
