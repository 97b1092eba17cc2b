#pragma once
// Where the game finds a track type: the path a ride pair stores for its TrackTyp and for each
// ZusatzTrackTyp.

#include <optional>
#include <string>
#include <string_view>

namespace zw {

// The first rule that matches wins; prefixes are compared case-sensitively:
//   "TrackBased…" and "TrackCTR_…"  ->  ../../TrackedRides/<T>/<T>
//   "Track9_CT…"                    ->  ../../coasters/Track9/Track9_CT
//   "Track33…"                      ->  ../../coasters/Track33/Track33_CT
//   "Track…"                        ->  ../../coasters/<T>/<T>
// Any other name is no track type (nullopt).
std::optional<std::string> TrackPath(std::string_view trackType);

}  // namespace zw
