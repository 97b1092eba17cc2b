#include "ovl/Dxt1.h"

#include <array>

#include "base/LittleEndian.h"

namespace zw {
namespace {

using Colour = std::array<uint8_t, 4>;

Colour from565(uint16_t c) {
    const int r = (c >> 11) & 0x1F, g = (c >> 5) & 0x3F, b = c & 0x1F;
    // Expanded so that full intensity stays 255 and nothing is lost on the way back.
    return {static_cast<uint8_t>(r << 3 | r >> 2), static_cast<uint8_t>(g << 2 | g >> 4),
            static_cast<uint8_t>(b << 3 | b >> 2), 255};
}

Colour mix(const Colour& a, const Colour& b, int weightA, int weightB) {
    Colour out{};
    for (int i = 0; i < 3; ++i) out[i] = static_cast<uint8_t>((a[i] * weightA + b[i] * weightB) / (weightA + weightB));
    out[3] = 255;
    return out;
}

}  // namespace

RgbaPicture decodeDxt1(std::string_view blocks, uint32_t width, uint32_t height) {
    RgbaPicture picture{width, height, std::vector<uint8_t>(size_t{width} * height * 4)};
    const uint32_t across = (width + 3) / 4;
    for (uint32_t by = 0; by < (height + 3) / 4; ++by) {
        for (uint32_t bx = 0; bx < across; ++bx) {
            const std::string_view block = blocks.substr((size_t{by} * across + bx) * kDxt1BlockSize, kDxt1BlockSize);
            const auto byte = [&](int i) { return static_cast<uint8_t>(block[i]); };
            const uint16_t c0 = loadLittleEndian<uint16_t>(block.data());
            const uint16_t c1 = loadLittleEndian<uint16_t>(block.data() + 2);
            std::array<Colour, 4> palette{from565(c0), from565(c1)};
            if (c0 > c1) {
                palette[2] = mix(palette[0], palette[1], 2, 1);
                palette[3] = mix(palette[0], palette[1], 1, 2);
            } else {
                palette[2] = mix(palette[0], palette[1], 1, 1);
                palette[3] = {0, 0, 0, 0};
            }
            for (uint32_t row = 0; row < 4; ++row) {
                for (uint32_t column = 0; column < 4; ++column) {
                    const uint32_t x = 4 * bx + column, y = 4 * by + row;
                    if (x >= width || y >= height) continue;
                    const Colour& c = palette[(byte(4 + static_cast<int>(row)) >> (2 * column)) & 3];
                    std::copy(c.begin(), c.end(), picture.pixel(x, y));
                }
            }
        }
    }
    return picture;
}

}  // namespace zw
