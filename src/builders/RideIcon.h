#pragma once
// The icon object that a ride pair brings along when BahnIcon is "Style", "style", "CTR" or "ctr":
// the GUISkinItem "StyleIcon:gsi" and the Texture "StyleIconTexture:tex" in a new block of part
// file 9, and in a new block of part file 5 the icon rectangle, the Flic list and the Flic, whose
// picture is the pair's extra data (RideIconExtraData.h).
//
//   part file 9:  0 GUISkinItem (16 bytes)   16 Texture (68 bytes)
//   part file 5:  0 rectangle 0, 0, 64, 64   16 Flic list (one pointer, to 20)   20 Flic 0, 1, 1.0

#include <string>
#include <string_view>

#include "base/Messages.h"

namespace zw {

class OvlWriter;

inline constexpr std::string_view kStyleIconTextureSymbol = "StyleIconTexture:tex";

// Writes the icon's structures, symbols and loaders into the pair under construction.
void writeRideIconStructures(OvlWriter& writer);

// The icon step of the ride build, from the extra-data entry that `obtainIconExtraData`
// (RideIconExtraData.h) read before anything was written: the structures, and the picture data (the
// entry's bytes after its size word) returned for the assembly.
std::string makeRideIcon(const std::string& entry, std::string_view BahnIcon, OvlWriter& writer);

}  // namespace zw
