#pragma once
// The picture that a ride pair with the icon "CTR" brings along: 64 × 64 pixels, white, with the
// letters CTR in dark blue across the middle rows.
//
// Stored as the Flic's extra data (2096 bytes): eight words 18, 64, 64, 1, 64, 64, 128, 16 (one
// level of 64 × 64 pixels, 16 rows of 128 bytes), then 256 blocks of 4 × 4 pixels in DXT1 block
// compression, row by row (two 16-bit colours, then sixteen 2-bit indices, a byte per pixel row,
// the left pixel in the low bits), then 16 bytes of 0.

#include <array>
#include <cstdint>
#include <string>

namespace zw {

constexpr uint32_t kRideIconPictureSize = 2096;
constexpr int kRideIconPixels = 64;

// One DXT1 block from 16 pixels (row by row, true = the mark's dark colour). A block without a
// dark pixel is the plain white block 00 00 FF FF 55 55 55 55.
std::string encodeRideIconBlock(const std::array<bool, 16>& dark);

// The picture the blocks are made from: true where the letters' dark colour goes.
bool rideIconPixelIsDark(int x, int y);

// The built-in picture data (without the size word).
std::string builtInRideIconPicture();

}  // namespace zw
