#pragma once
// A picture as 8-bit red, green, blue and alpha per pixel, row by row from the top: what the
// decoders of a pair's pictures make and what the PNG encoder takes.

#include <cstdint>
#include <string>
#include <vector>

namespace zw {

struct RgbaPicture {
    uint32_t width = 0;
    uint32_t height = 0;
    std::vector<uint8_t> rgba;  // width · height · 4 bytes

    uint8_t* pixel(uint32_t x, uint32_t y) { return &rgba[(size_t{y} * width + x) * 4]; }
    const uint8_t* pixel(uint32_t x, uint32_t y) const { return &rgba[(size_t{y} * width + x) * 4]; }
};

}  // namespace zw
