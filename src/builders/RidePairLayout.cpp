#include "builders/RidePairLayout.h"

namespace zw {

std::vector<LoaderType> rideLoaderTypeList() {
    return {
        {"FGDK", "Flic", 2, "flic"},
        {"FGDK", "GUISkinItem", 1, "gsi"},
        {"FGDK", "Spline", 1, "spl"},
        {"FGDK", "Texture", 2, "tex"},
        {"FGDK", "TrackedRide", 1, "trr"},
    };
}

bool isOwnRideIcon(std::string_view BahnIcon) {
    return BahnIcon == "Style" || BahnIcon == "style" || BahnIcon == "CTR" || BahnIcon == "ctr";
}

std::string rideIconSymbol(std::string_view BahnIcon) {
    if (isOwnRideIcon(BahnIcon)) return std::string(kStyleIconSymbol);
    return std::string(BahnIcon) + ":gsi";
}

}  // namespace zw
