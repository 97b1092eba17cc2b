#include <gtest/gtest.h>

#include "assistant/CheckInput.h"

namespace zw {
namespace {

bool accepts(std::string_view text, size_t caret, char key, size_t* caretAfter = nullptr) {
    bool accepted = CheckInput(text, caret, key);
    if (caretAfter) *caretAfter = caret;
    return accepted;
}

TEST(CheckInput, DigitsAndBackspacePassOtherCharactersDoNot) {
    EXPECT_TRUE(accepts("", 0, '7'));
    EXPECT_TRUE(accepts("12", 1, '0'));
    EXPECT_TRUE(accepts("12", 2, kBackspaceKey));
    for (char key : {'a', 'Z', '.', ' ', '+', 'e', '\t'}) EXPECT_FALSE(accepts("12", 2, key)) << key;
}

TEST(CheckInput, OneCommaNeverFirstNorRightAfterTheMinus) {
    EXPECT_FALSE(accepts("", 0, ','));
    EXPECT_FALSE(accepts("15", 0, ','));
    EXPECT_TRUE(accepts("1", 1, ','));
    EXPECT_FALSE(accepts("1,5", 3, ','));
    EXPECT_FALSE(accepts("-3", 1, ','));
    EXPECT_TRUE(accepts("-3", 2, ','));
}

TEST(CheckInput, MinusGoesInFrontOnlyOnce) {
    size_t caret = 99;
    EXPECT_TRUE(accepts("25", 2, '-', &caret));
    EXPECT_EQ(caret, 0u);
    EXPECT_FALSE(accepts("-3", 2, '-'));
    EXPECT_FALSE(accepts("-3", 0, '-'));
}

}  // namespace
}  // namespace zw
