#pragma once
// The TrackedRide of a ride pair: the structure of the unique file that the game loads as the ride
// type, in the base game's layout or in the one of the game with both add-ons. Its fields are
// described in ovl/TrackedRideLayout.h.

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Messages.h"

namespace zw {

class OvlWriter;
struct RideData;
struct RideDataBlockLayout;

// The size of the TrackedRide of `ride` in the chosen layout.
uint32_t trackedRideSize(const RideData& ride, bool addOns);

// The peep loop reference: PeepLoopSplineName + ":spl" (":spl" alone for an empty name).
std::string peepLoopSymbol(const RideData& ride);

// True for the station types that mean "no station": "none", "kein", "keine", "keiner".
bool isNoStation(std::string_view Stationstyp);

// Writes the TrackedRide at the current end of part file 9, pointing into the RideDataBlock at
// `data`. The track types must have passed `checkTrackPaths` (RideDataBlock.h).
void writeTrackedRide(OvlWriter& writer, const RideData& ride, bool addOns, const RideDataBlockLayout& data);

}  // namespace zw
