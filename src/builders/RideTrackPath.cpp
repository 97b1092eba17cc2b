#include "builders/RideTrackPath.h"

namespace zw {

std::optional<std::string> TrackPath(std::string_view trackType) {
    const std::string t(trackType);
    if (trackType.starts_with("TrackBased") || trackType.starts_with("TrackCTR_")) {
        return "../../TrackedRides/" + t + "/" + t;
    }
    if (trackType.starts_with("Track9_CT")) return std::string("../../coasters/Track9/Track9_CT");
    if (trackType.starts_with("Track33")) return std::string("../../coasters/Track33/Track33_CT");
    if (trackType.starts_with("Track")) return "../../coasters/" + t + "/" + t;
    return std::nullopt;
}

}  // namespace zw
