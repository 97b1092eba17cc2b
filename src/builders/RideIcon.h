#pragma once
// The icon object that a ride pair brings along when BahnIcon is "Style", "style", "CTR" or "ctr":
// the GUISkinItem "StyleIcon:gsi" and the Texture "StyleIconTexture:tex" in a new block of part
// file 9, and in a new block of part file 5 the icon rectangle, the Flic list and the Flic, whose
// picture is the pair's extra data (RideIconExtraData.h).
//
//   part file 9:  0 GUISkinItem (16 bytes)   16 Texture (68 bytes)
//   part file 5:  0 rectangle 0, 0, 64, 64   16 Flic list (one pointer, to 20)   20 Flic 0, 1, 1.0

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/Messages.h"

namespace zw {

class Report;
class OvlWriter;

inline constexpr std::string_view kStyleIconTextureSymbol = "StyleIconTexture:tex";

// Writes the icon's structures, symbols and loaders into the pair under construction.
void writeRideIconStructures(OvlWriter& writer);

// The whole icon step of the ride build: the structures, and the picture data (the extra-data
// entry's bytes after its size word) returned for the assembly. nullopt, with the message in `report` and
// nothing written into the pair, when the picture data cannot be had.
std::optional<std::string> makeRideIcon(std::string_view BahnIcon, const std::filesystem::path& DataFileFolder,
                                        OvlWriter& writer, Report& report);

}  // namespace zw
