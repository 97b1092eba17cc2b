#include "base/LittleEndian.h"

#include <gtest/gtest.h>

#include <string>

namespace zw {
namespace {

using namespace std::string_literals;

TEST(LittleEndian, LeastSignificantByteFirst) {
    std::string out;
    appendLittleEndian<uint16_t>(out, 0x5678);
    appendLittleEndian<uint32_t>(out, 0x01020304);
    appendLittleEndian<uint16_t>(out, static_cast<uint16_t>(-1));
    EXPECT_EQ(out, "\x78\x56\x04\x03\x02\x01\xFF\xFF"s);
    EXPECT_EQ(loadLittleEndian<uint32_t>(out.data() + 2), 0x01020304u);
    EXPECT_EQ(loadLittleEndian<uint16_t>(out.data() + 6), 0xFFFFu);
}

TEST(LittleEndian, EveryByteValueRoundTrips) {
    for (uint32_t b = 0; b < 256; ++b) {
        const uint32_t value = b | (b ^ 0x5A) << 8 | (255 - b) << 16 | (b * 7 & 0xFF) << 24;
        char raw[4];
        storeLittleEndian(raw, value);
        EXPECT_EQ(static_cast<uint8_t>(raw[0]), b);
        ASSERT_EQ(loadLittleEndian<uint32_t>(raw), value);
    }
}

}  // namespace
}  // namespace zw
