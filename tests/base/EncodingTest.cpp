#include <gtest/gtest.h>

#include "base/Encoding.h"

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

TEST(Encoding, PathsCarryWindows1252Names) {
    auto path = pathFromCp1252("CTR_BahnDaten_\xDC" "ber.txt");
    EXPECT_EQ(path.u8string(), u8"CTR_BahnDaten_Über.txt");
    EXPECT_EQ(pathToCp1252(path), "CTR_BahnDaten_\xDC" "ber.txt");
}

}  // namespace
}  // namespace zw
