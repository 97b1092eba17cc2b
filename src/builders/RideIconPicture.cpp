#include "builders/RideIconPicture.h"

#include <stdexcept>
#include <string_view>

#include "ovl/ByteWriter.h"
#include "ovl/IconLayout.h"

namespace zw {
namespace {

// RGB 565. The colours are stored dark first, so the block is in its three-colour form and index 1
// (the second colour) is white, index 0 the dark colour.
constexpr uint16_t kDark = 0x0010;   // dark blue
constexpr uint16_t kBlack = 0x0000;  // first colour of an all-white block
constexpr uint16_t kWhite = 0xFFFF;

// The letters, 5 × 7 each, drawn at twice their size.
constexpr std::string_view kGlyphs[3][7] = {
    {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."},
    {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."},
    {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"},
};
constexpr int kScale = 2;
constexpr int kGap = 4;
constexpr int kLetterWidth = 5 * kScale;
constexpr int kLetterHeight = 7 * kScale;
constexpr int kLeft = (kRideIconPixels - (3 * kLetterWidth + 2 * kGap)) / 2;
constexpr int kTop = (kRideIconPixels - kLetterHeight) / 2;

}  // namespace

bool rideIconPixelIsDark(int x, int y) {
    if (y < kTop || y >= kTop + kLetterHeight || x < kLeft) return false;
    const int column = x - kLeft;
    const int letter = column / (kLetterWidth + kGap);
    const int inLetter = column % (kLetterWidth + kGap);
    if (letter >= 3 || inLetter >= kLetterWidth) return false;
    return kGlyphs[letter][(y - kTop) / kScale][inLetter / kScale] == '#';
}

std::string encodeRideIconBlock(const std::array<bool, 16>& dark) {
    bool any = false;
    for (bool d : dark) any = any || d;
    ByteWriter out;
    out.u16(any ? kDark : kBlack);
    out.u16(kWhite);
    for (int row = 0; row < 4; ++row) {
        uint8_t indices = 0;
        for (int column = 0; column < 4; ++column) {
            const uint8_t index = dark[row * 4 + column] ? 0 : 1;
            indices |= static_cast<uint8_t>(index << (2 * column));
        }
        out.u8(indices);
    }
    return out.take();
}

std::string builtInRideIconPicture() {
    ByteWriter out;
    // The header (ovl/IconLayout.h): one DXT1 level of 64 × 64 pixels, 16 rows of 128 bytes.
    constexpr uint32_t side = kRideIconPixels;
    for (uint32_t word : {icon::kDxt1Format, side, side, 1u, side, side, 2 * side, side / 4}) out.u32(word);
    if (out.size() != icon::kPictureHeader.size) throw std::logic_error("the icon picture's header is not whole");
    for (int blockY = 0; blockY < kRideIconPixels; blockY += 4) {
        for (int blockX = 0; blockX < kRideIconPixels; blockX += 4) {
            std::array<bool, 16> dark{};
            for (int i = 0; i < 16; ++i) dark[i] = rideIconPixelIsDark(blockX + i % 4, blockY + i / 4);
            out.bytes(encodeRideIconBlock(dark));
        }
    }
    out.zeros(16);
    return out.take();
}

}  // namespace zw
