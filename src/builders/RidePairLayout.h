#pragma once
// The fixed facts of a ride pair that the ride builder, its splines and its icon share: the
// LoaderTypeList, the icon names that make the pair bring its own icon, and the names of the
// temporary files that live beside the pair's part files.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ovl/OvlFormat.h"

namespace zw {

// Positions in the ride pair's LoaderTypeList: the loader type of a loader entry.
namespace rideLoaderType {
constexpr uint32_t Flic = 0;
constexpr uint32_t GUISkinItem = 1;
constexpr uint32_t Spline = 2;
constexpr uint32_t Texture = 3;
constexpr uint32_t TrackedRide = 4;
}  // namespace rideLoaderType

// The LoaderTypeList written into both files of a ride pair.
std::vector<LoaderType> rideLoaderTypeList();

// The icon that a ride names when it brings none of its own: the game's ride icon file, listed as
// the only reference of the .unique header.
inline constexpr std::string_view kRideIconsReference = "../../../RideIcons/RideIcons";

// The symbol of the icon a ride pair brings along.
inline constexpr std::string_view kStyleIconSymbol = "StyleIcon:gsi";

// True when the pair makes its own icon object: BahnIcon is exactly "Style", "style", "CTR" or "ctr".
bool isOwnRideIcon(std::string_view BahnIcon);

// The icon reference of the TrackedRide: "StyleIcon:gsi" for an own icon, else BahnIcon + ":gsi".
std::string rideIconSymbol(std::string_view BahnIcon);

}  // namespace zw
