#pragma once
// The common data of a ride pair that its TrackedRide points to: the car type name list, the track
// section list, (add-on layout) the track path list, and the RatingTable.

#include <cstdint>

#include "base/Messages.h"

namespace zw {

class Report;
class OvlWriter;
struct RideData;

// Where the lists of the RideDataBlock stand in part file 5. The TrackedRide is written first and
// points into the block, so these offsets are computed before either is written.
struct RideDataBlockLayout {
    uint32_t carTypeNames = 0;   // Q string slots
    uint32_t trackSections = 0;  // P entries of 8 bytes: string slot, cost
    uint32_t trackPaths = 0;     // Z + 1 string slots; add-on layout only
    uint32_t ratingTable = 0;    // trackedRide::kRatingTableSize bytes
    uint32_t end = 0;
};

// The layout of a RideDataBlock that starts at `start` of part file 5.
RideDataBlockLayout rideDataBlockLayout(const RideData& ride, bool addOns, uint32_t start);

// The check of the ride's track types, made before anything of the pair is written: false after
// message 468 when TrackTyp has no track path, or (add-on layout, whose track path list names them
// all) 469 when one of ZusatzTrackTyp has none.
bool checkTrackPaths(const RideData& ride, bool addOns, Report& report);

// Writes the block at the current end of part file 5 (which must be `layout`'s start). The track
// types must have passed `checkTrackPaths`.
void writeRideDataBlock(OvlWriter& writer, const RideData& ride, bool addOns, const RideDataBlockLayout& layout);

// The RatingTable alone, at the current end of part file 5.
void writeRatingTable(OvlWriter& writer, const RideData& ride);

}  // namespace zw
