#include <gtest/gtest.h>

#include "ovl/ByteReader.h"
#include "ovl/ByteWriter.h"

namespace zw {
namespace {

TEST(ByteReader, ReadsLittleEndianValuesAndRefusesToPassTheEnd) {
    ByteWriter w;
    w.u32(0x04030201);
    w.u16(0xBEEF);
    w.f32(1.5);
    w.bytes(std::string("ab\0", 3));
    const std::string bytes = w.take();
    ASSERT_EQ(bytes.size(), 13u);
    EXPECT_EQ(bytes.substr(0, 4), "\x01\x02\x03\x04");

    ByteReader r(bytes, "sample.common.ovl");
    EXPECT_EQ(r.u32(), 0x04030201u);
    EXPECT_EQ(r.u16(), 0xBEEF);
    EXPECT_FLOAT_EQ(r.f32(), 1.5f);
    EXPECT_EQ(r.cstringAt(r.position()), "ab");
    EXPECT_EQ(r.u32At(0), 0x04030201u);
    r.skip(3);
    EXPECT_TRUE(r.atEnd());
    try {
        r.u8();
        FAIL() << "read past the end";
    } catch (const BinaryReadError& e) {
        EXPECT_NE(std::string(e.what()).find("sample.common.ovl"), std::string::npos);
    }
    EXPECT_THROW(r.u32At(10), BinaryReadError);
    EXPECT_THROW(r.bytesAt(4, SIZE_MAX), BinaryReadError);  // a count that would wrap around
    EXPECT_THROW(ByteReader("abc", "x").cstringAt(0), BinaryReadError);  // no NUL before the end
}

TEST(ByteWriter, PatchesAWordInPlace) {
    ByteWriter w;
    w.zeros(8);
    w.patchU32(4, 0xA1B2C3D4);
    EXPECT_EQ(w.data(), std::string("\0\0\0\0\xD4\xC3\xB2\xA1", 8));
    EXPECT_THROW(w.patchU32(6, 1), std::out_of_range);
}

}  // namespace
}  // namespace zw
