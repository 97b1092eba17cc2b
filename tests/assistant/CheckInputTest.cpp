#include <gtest/gtest.h>

#include <optional>

#include "assistant/CheckInput.h"

namespace zw {
namespace {

// Types `keys` one after the other into a field holding `text` with the bytes [start, start + length)
// selected; a refused key leaves the field as it was.
std::string typed(std::string text, size_t start, size_t length, std::string_view keys, char separator) {
    for (char key : keys) {
        if (auto edit = typeIntoNumberField(text, start, length, key, separator)) {
            text = edit->text;
            start = edit->caret;
            length = 0;
        }
    }
    return text;
}

TEST(NumberField, TheTextAfterTheKeyIsJudgedWithTheSelectionReplaced) {
    struct Case {
        const char* text;
        size_t start, length;
        const char* keys;
        char separator;
        const char* expected;
    };
    const Case cases[] = {
        {"16,000", 0, 6, "-5", ',', "-5"},
        {"", 0, 0, "abc-12.3.4", '.', "-12.34"},
        {"", 0, 0, "abc-12.3.4", ',', "-12,34"},  // a point typed in German enters the comma
        {"", 0, 0, "1,5", '.', "15"},             // the comma is no separator in English
        {"100", 3, 0, "abc-12.3.4", '.', "-10012.34"},
        {"100", 0, 3, "7", ',', "7"},
        {"1,5", 3, 0, ",", ',', "1,5"},     // a second separator
        {"1,5", 0, 3, ",", ',', ","},       // unless the first is replaced
        {"35", 1, 0, "-", ',', "-35"},      // the sign goes in front wherever it is typed
        {"-35", 3, 0, "-", ',', "-35"},     // but only once
        {"-35", 0, 1, "-", ',', "-35"},     // replacing the sign by itself
        {"-35", 1, 0, "1", ',', "-135"},
        {"-35", 0, 0, "1", ',', "-35"},     // nothing before the sign
        {"2", 1, 0, "e+ \t", '.', "2"},
        {"12,5", 2, 2, "\b", ',', "12"},    // backspace removes the selection
        {"12,5", 3, 0, "\b", ',', "125"},  // or the character before the caret
        {"", 0, 0, "\b", ',', ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(typed(c.text, c.start, c.length, c.keys, c.separator), c.expected)
            << c.text << " [" << c.start << "," << c.length << "] + " << c.keys;
    }
}

TEST(NumberField, CaretStandsAfterWhatWasTyped) {
    auto edit = typeIntoNumberField("1234", 1, 2, '9', ',');
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text, "194");
    EXPECT_EQ(edit->caret, 2u);
    edit = typeIntoNumberField("35", 1, 0, '-', ',');
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->text, "-35");
    EXPECT_EQ(edit->caret, 2u);  // still between 3 and 5
    EXPECT_FALSE(typeIntoNumberField("35", 1, 0, 'x', ','));
}

// Whatever is typed, the field never holds more than a number on its way.
TEST(NumberField, NoSequenceOfKeysLeavesAnythingButANumberInProgress) {
    const std::string keys = "-.,0123456789a\b -";
    unsigned seed = 7;
    for (int run = 0; run < 2000; ++run) {
        const char separator = run % 2 ? ',' : '.';
        std::string text;
        size_t caret = 0;
        for (int step = 0; step < 12; ++step) {
            seed = seed * 1103515245u + 12345u;
            const char key = keys[(seed >> 16) % keys.size()];
            const size_t start = text.empty() ? 0 : (seed >> 8) % (text.size() + 1);
            const size_t length = (seed >> 4) % 3 == 0 ? text.size() - start : 0;
            if (auto edit = typeIntoNumberField(text, start, length, key, separator)) {
                text = edit->text;
                caret = edit->caret;
            }
            ASSERT_TRUE(isNumberInProgress(text, separator)) << text;
            ASSERT_LE(caret, text.size());
        }
    }
}

}  // namespace
}  // namespace zw
