#pragma once
// A picture as the bytes of a PNG file (8-bit RGBA), made with libpng. Builds without libpng make
// none: pngAvailable() tells.

#include <optional>
#include <string>

#include "ovl/RgbaPicture.h"

namespace zw {

bool pngAvailable();

// The PNG file's bytes; nullopt when this build has no PNG library or the library failed.
std::optional<std::string> encodePng(const RgbaPicture& picture);

// The picture a PNG file holds, as 8-bit RGBA (any colour type is converted); nullopt when the
// bytes are no PNG this build can read.
std::optional<RgbaPicture> decodePng(const std::string& bytes);

}  // namespace zw
