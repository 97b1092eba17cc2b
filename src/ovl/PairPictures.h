#pragma once
// The pictures a pair holds, decoded for a person to look at: the ride icon (the picture data of
// the Flic, DXT1-compressed) and each frame of each FlexiTexture (256-colour palette, one byte a
// pixel, and an alpha byte a pixel when the frame has alpha data).
//
// Only what lies whole in its block is decoded; the structure check names what does not.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ovl/RgbaPicture.h"

namespace zw {

class StructureSpace;

// The picture of the ride's own icon: the first Flic whose picture data is DXT1. nullopt when the
// pair brings no such icon.
std::optional<RgbaPicture> rideIconPicture(const StructureSpace& space);

struct TextureFrame {
    std::string texture;  // the FlexiTexture's symbol without its tag (Windows-1252)
    uint32_t frame = 0;   // from 1
    uint32_t frames = 0;  // of this texture
    RgbaPicture picture;
};

// Every frame of every FlexiTexture, in structure order.
std::vector<TextureFrame> flexiTextureFrames(const StructureSpace& space);
// The same one frame at a time, so that a pair whose frames all name one large picture is not held
// in memory many times over; `visit` returns false to stop. Returns the frames visited.
size_t forEachTextureFrame(const StructureSpace& space, const std::function<bool(TextureFrame)>& visit);

// The first frame of the FlexiTexture at `texture`, or nullopt when it does not lie whole in the pair.
std::optional<RgbaPicture> firstTextureFrame(const StructureSpace& space, uint32_t texture);

}  // namespace zw
