#pragma once
// The structures of a ride icon: the GUISkinItem, the Texture it names, the Flic the Texture points
// to, and the header of the picture that is the Flic's extra data.

#include <cstdint>

#include "ovl/StructureLayout.h"

namespace zw::icon {

using enum FieldKind;

inline constexpr auto kGuiSkinItem = structureLayout(16, {
    {0, Unsigned, ""},
    {4, Reference, "texture"},
    {8, Pointer, "rectangle"},
    {12, Unsigned, ""},
});
inline constexpr uint32_t kRectangleSize = 16;  // left, top, right, bottom

inline constexpr auto kTexture = structureLayout(68, {
    {0, Special, "sixteen unknown shorts"},
    {32, Unsigned, ""},
    {36, Unsigned, ""},
    {40, Unsigned, ""},
    {44, Reference, "texture style"},
    {48, Unsigned, "flic count"},
    {52, Pointer, "flics"},
    {56, Pointer, "unknown 56"},
    {60, Pointer, "unknown 60"},
    {64, Pointer, "flic"},
});
inline constexpr uint32_t kTextureShortCount = 16;

inline constexpr auto kFlic = structureLayout(12, {
    {0, Unsigned, ""},
    {4, Unsigned, ""},
    {8, Float, ""},
});

// The picture of the Flic's extra data: this header, then `rows` rows of `row bytes` bytes.
inline constexpr auto kPictureHeader = structureLayout(32, {
    {0, Unsigned, "format"},
    {4, Unsigned, "width"},
    {8, Unsigned, "height"},
    {12, Unsigned, "levels"},
    {16, Unsigned, "level width"},
    {20, Unsigned, "level height"},
    {24, Unsigned, "row bytes"},
    {28, Unsigned, "rows"},
});
inline constexpr uint32_t kDxt1Format = 18;

static_assert(isWellFormed(kGuiSkinItem) && isWellFormed(kTexture) && isWellFormed(kFlic) &&
              isWellFormed(kPictureHeader));

}  // namespace zw::icon
