#pragma once
// Short texts drawn into a picture with a small built-in font (5 × 7 dots a letter, upper case only:
// lower-case letters are drawn in upper case, German umlauts without their dots, anything else the
// font lacks as "?"). Enough to label a picture without a font library.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ovl/RgbaPicture.h"

namespace zw {

// The advance of one letter and the height of one line, at scale 1.
constexpr uint32_t kLetterWidth = 6;
constexpr uint32_t kLineHeight = 9;

// Draws `text` (Windows-1252) with its top left corner at (x, y), each dot `scale` × `scale` pixels;
// what falls outside the picture is left out.
void drawText(RgbaPicture& picture, int x, int y, std::string_view text, const std::array<uint8_t, 4>& colour,
              uint32_t scale = 1);

// `text` broken into lines of at most `width` pixels at `scale`, between words where it can be.
std::vector<std::string> wrappedText(std::string_view text, uint32_t width, uint32_t scale = 1);

}  // namespace zw
