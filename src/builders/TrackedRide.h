#pragma once
// The TrackedRide of a ride pair: the structure of the unique file that the game loads as the ride
// type. Two layouts: the base game's (a 380-byte header, then the track section and peep path
// references) and the one of the game with both add-ons (head A of 444 bytes, the track section
// references, pieces B and C of 68 bytes each, the peep path references).

#include <cstdint>
#include <string>
#include <string_view>

#include "base/Messages.h"

namespace zw {

class Dialogs;
class OvlWriter;
struct RideData;
struct RideDataBlockLayout;

inline constexpr uint32_t kTrackedRideBaseHeaderSize = 380;
inline constexpr uint32_t kTrackedRideHeadASize = 444;
inline constexpr uint32_t kTrackedRidePieceSize = 68;  // pieces B and C

// The size of the TrackedRide of `ride` in the chosen layout.
uint32_t trackedRideSize(const RideData& ride, bool addOns);

// The peep loop reference: PeepLoopSplineName + ":spl" (":spl" alone for an empty name).
std::string peepLoopSymbol(const RideData& ride);

// True for the station types that mean "no station": "none", "kein", "keine", "keiner".
bool isNoStation(std::string_view Stationstyp);

// Writes the TrackedRide at the current end of part file 9, pointing into the RideDataBlock at
// `data`. Returns false after message 468 when the base layout's TrackTyp has no track path.
bool writeTrackedRide(OvlWriter& writer, const RideData& ride, bool addOns, const RideDataBlockLayout& data,
                      Dialogs& dialogs, Language language);

}  // namespace zw
