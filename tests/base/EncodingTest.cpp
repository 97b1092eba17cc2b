#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "base/Messages.h"

namespace zw {
namespace {

TEST(Encoding, Cp1252ToUtf8CoversUmlautsAndTheHighControlRange) {
    EXPECT_EQ(cp1252ToUtf8("Gr\xFC\xDF" "e \x80 \x96 \x9F"), "Grüße € – Ÿ");
    EXPECT_EQ(cp1252ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(Encoding, EveryByteRoundTrips) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Encoding, Utf8ToCp1252RefusesWhatTheCodePageCannotHold) {
    EXPECT_EQ(utf8ToCp1252("Über €"), "\xDC" "ber \x80");
    EXPECT_THROW(utf8ToCp1252("日本"), EncodingError);
    EXPECT_THROW(utf8ToCp1252("\xC3"), EncodingError);       // cut short
    EXPECT_THROW(utf8ToCp1252("\xC3\x41"), EncodingError);   // bad continuation byte
}

TEST(Encoding, OnlyWellFormedUtf8IsDecoded) {
    struct Case {
        std::string bytes;
        char32_t codePoint;  // 0: malformed
    };
    const Case cases[] = {
        {"A", 'A'}, {"\xC5\x81", 0x141}, {"\xE2\x82\xAC", 0x20AC}, {"\xF4\x8F\xBF\xBF", 0x10FFFF},
        {"\xC0\x80", 0},          // overlong
        {"\xE0\x9F\xBF", 0},      // overlong
        {"\xED\xA0\x80", 0},      // a surrogate half
        {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
        {"\xE2\x82", 0},          // cut short
        {"\x80", 0}, {"\xFC", 0},
    };
    for (const Case& c : cases) {
        size_t i = 0;
        char32_t cp = 0;
        const bool decoded = decodeUtf8(c.bytes, i, cp);
        EXPECT_EQ(decoded, c.codePoint != 0) << c.bytes;
        if (decoded) {
            EXPECT_EQ(cp, c.codePoint);
        }
        EXPECT_EQ(i, decoded ? c.bytes.size() : 1u) << c.bytes;
    }
}

TEST(Encoding, CodePointsAreNamedInHexadecimal) {
    EXPECT_EQ(codePointText(0x418), "U+0418");
    EXPECT_EQ(codePointText(0x41), "U+0041");
    EXPECT_EQ(codePointText(0x1F3A2), "U+1F3A2");
    try {
        utf8ToCp1252("\xD0\x98");
        FAIL();
    } catch (const EncodingError& e) {
        EXPECT_EQ(std::string(e.what()), "character U+0418 cannot be written in Windows-1252");
    }
}

TEST(Encoding, PathsCarryWindows1252Names) {
    auto path = pathFromCp1252("CTR_BahnDaten_\xDC" "ber.txt");
    EXPECT_EQ(path.u8string(), u8"CTR_BahnDaten_Über.txt");
    EXPECT_EQ(pathToCp1252(path), "CTR_BahnDaten_\xDC" "ber.txt");
}

// A path the code page holds is shown as its Windows-1252 name always was; any other keeps every
// character, in a message too, and only bytes that are no UTF-8 become '?'.
TEST(Encoding, DisplayNamesKeepEveryCharacter) {
    const struct {
        std::string utf8, shown;
        bool codePage;
    } cases[] = {
        {"C:/Spiele/RCT3 \xC3\x9C" "ber \xE2\x80\x93 1", "C:/Spiele/RCT3 \xC3\x9C" "ber \xE2\x80\x93 1", true},
        {"C:/\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B/\xC5\x81\xC3\xB3" "d\xC5\xBA",
         "C:/\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B/\xC5\x81\xC3\xB3" "d\xC5\xBA", false},
#ifndef _WIN32
        {"CTR_\xFF\xC5x", "CTR_??x", false},
#endif
    };
    for (const auto& c : cases) {
        const std::filesystem::path path = pathFromUtf8(c.utf8);
        EXPECT_EQ(displayName(path).utf8, c.shown) << c.utf8;
        if (c.codePage) {
            EXPECT_EQ(displayName(path).utf8, cp1252ToUtf8(pathForMessage(path)));
        }
        EXPECT_NE(message("notInstalled", Language::English, {displayName(path)}).find(c.shown), std::string::npos);
    }
}

}  // namespace
}  // namespace zw
