#include <gtest/gtest.h>

#include "builders/RideIconPicture.h"

namespace zw {
namespace {

uint32_t wordAt(const std::string& bytes, size_t offset) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + i])) << (8 * i);
    return v;
}

// Decodes the 64 x 64 DXT1 pixels of the picture into 'W' (white) and 'D' (the second-to-white
// colour, whatever its value), checking that only the forms the picture uses occur.
std::vector<std::string> decode(const std::string& picture) {
    std::vector<std::string> rows(64, std::string(64, '?'));
    for (int block = 0; block < 256; ++block) {
        const size_t at = 32 + 8 * static_cast<size_t>(block);
        const uint16_t c0 = static_cast<uint16_t>(wordAt(picture, at) & 0xFFFF);
        const uint16_t c1 = static_cast<uint16_t>(wordAt(picture, at) >> 16);
        EXPECT_EQ(c1, 0xFFFF) << "block " << block;
        EXPECT_LT(c0, c1) << "block " << block;  // three-colour form: index 1 is the second colour
        for (int y = 0; y < 4; ++y) {
            const uint8_t indices = static_cast<uint8_t>(picture[at + 4 + y]);
            for (int x = 0; x < 4; ++x) {
                const int index = (indices >> (2 * x)) & 3;
                EXPECT_LE(index, 1);
                rows[(block / 16) * 4 + y][(block % 16) * 4 + x] = index == 1 ? 'W' : 'D';
            }
        }
    }
    return rows;
}

TEST(RideIconPicture, HeaderBlocksAndTrailerInTheStoredForm) {
    const std::string picture = builtInRideIconPicture();
    ASSERT_EQ(picture.size(), 2096u);
    const uint32_t header[] = {18, 64, 64, 1, 64, 64, 128, 16};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(wordAt(picture, 4 * i), header[i]) << "word " << i;
    EXPECT_EQ(picture.substr(2080), std::string(16, '\0'));

    // The white block, written out: colours 0x0000 and 0xFFFF, every index 1.
    const std::string white("\x00\x00\xFF\xFF\x55\x55\x55\x55", 8);
    int whiteBlocks = 0;
    for (int block = 0; block < 256; ++block) whiteBlocks += picture.substr(32 + 8 * block, 8) == white;
    EXPECT_GE(whiteBlocks, 200);  // mostly white
    EXPECT_LT(whiteBlocks, 256);  // but not blank
    EXPECT_EQ(picture.substr(32, 8), white);
}

TEST(RideIconPicture, BlockEncoding) {
    std::array<bool, 16> dark{};
    EXPECT_EQ(encodeRideIconBlock(dark), std::string("\x00\x00\xFF\xFF\x55\x55\x55\x55", 8));
    dark[0] = true;   // top left
    dark[7] = true;   // row 1, right
    dark[12] = true;  // row 3, left
    // Dark blue 0x0010 first; index 0 for the dark pixels, low bits for the left pixel.
    EXPECT_EQ(encodeRideIconBlock(dark), std::string("\x10\x00\xFF\xFF\x54\x15\x55\x54", 8));
}

TEST(RideIconPicture, ShowsTheLettersCTRInTheMiddleRows) {
    const std::vector<std::string> rows = decode(builtInRideIconPicture());
    for (int y = 0; y < 64; ++y) {
        const bool middle = y >= 25 && y < 39;
        if (!middle) {
            EXPECT_EQ(rows[y], std::string(64, 'W')) << "row " << y;
        }
    }
    // C from x 13, T from x 27, R from x 41; letters 10 pixels wide, 14 high, top at row 25; each
    // glyph pixel is 2 x 2.
    auto mark = [&](int y) {
        std::string row = rows[y];
        for (char& c : row) c = c == 'W' ? '.' : '#';
        EXPECT_EQ(row.substr(0, 13), std::string(13, '.')) << "row " << y;
        EXPECT_EQ(row.substr(51), std::string(13, '.')) << "row " << y;
        return row.substr(13, 38);
    };
    EXPECT_EQ(mark(25), "..######......##########....########..");
    EXPECT_EQ(mark(26), mark(25));
    EXPECT_EQ(mark(27), "##......##........##........##......##");
    EXPECT_EQ(mark(31), "##................##........########..");
    EXPECT_EQ(mark(33), "##................##........##..##....");
    EXPECT_EQ(mark(38), "..######..........##........##......##");
}

}  // namespace
}  // namespace zw
