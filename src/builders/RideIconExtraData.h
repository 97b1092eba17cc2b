#pragma once
// The picture data of a ride pair's own icon (the Flic's extra data): a size word and that many
// bytes, of which the bytes are appended to the .common file at assembly.
//
// "CTR" and "ctr" take the built-in picture. "Style" and "style" take the first extra-data entry
// that is not 4 bytes long from the icon pair <BahnIcon>.common.ovl / .unique.ovl beside the ride
// data file; the .unique file is read only when the .common file holds none. Each file is read
// header, block counts (51 or more are refused), blocks and relocations first, so that its extra
// data is found where it starts.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "base/Messages.h"

namespace zw {

class Report;

// The extra-data entry (size word and bytes) for `BahnIcon`; nullopt after a message in `report`
// (450 … 456, or a malformed icon file named). `BahnIcon` must be one of the four own-icon names.
std::optional<std::string> obtainIconExtraData(std::string_view BahnIcon, const std::filesystem::path& DataFileFolder,
                                               Report& report);

}  // namespace zw
