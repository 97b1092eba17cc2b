#pragma once
// DXT1 block compression, decoded: each block of 4 × 4 pixels is two 16-bit colours (RGB 565) and
// sixteen 2-bit indices, a byte per pixel row with the left pixel in the low bits. With the first
// colour above the second the block has four colours (the two and two thirds between them);
// otherwise three (the two and their middle) and index 3 is transparent black.

#include <cstdint>
#include <string_view>

#include "ovl/RgbaPicture.h"

namespace zw {

constexpr uint32_t kDxt1BlockSize = 8;

// The picture of `width` × `height` pixels whose blocks stand row by row in `blocks`; a block row
// takes ceil(width / 4) blocks. `blocks` must hold them all.
RgbaPicture decodeDxt1(std::string_view blocks, uint32_t width, uint32_t height);

}  // namespace zw
