#pragma once
// Telling a ride pair from a car pair by the loader type rows at the start of its unique file:
// a row is a short length and the type name, the row's number word, a short length and the tag.

#include <string>
#include <string_view>

namespace zw {

enum class PairKind { Unknown, Ride, Car };

// Scans the first start positions of `uniqueBytes` (1000 when the file is longer than 1024 bytes, else
// its length less 25) for a "TrackedRide" row with tag "trr"; failing that, for a "RideTrain" row with
// tag "rit". A file holding both is a ride.
PairKind scanPairKind(std::string_view uniqueBytes, const std::string& source);

}  // namespace zw
