#pragma once
// The peep splines of a ride: the splines that the ride data names (PeepLoopSplineName, then the
// PeepPathSplineName list) copied from the spline pair PeepPathSpline.common.ovl / .unique.ovl
// beside the ride data file into a new block of part file 5, each under its own name with a common
// symbol and a Spline loader.
//
// The pair is read by the model pair reader with messages 141 … 147 and 155. Then: a ":trr"
// symbol refuses it (149); the ":spl" symbols must be exactly as many as the peep splines (none
// 150, fewer 151, more 152); each wanted name is looked up over the whole symbol list, the last
// match winning (missing: 153 for the loop spline, 154 for a path spline). Messages other than 141
// and 143 exist in German only.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "base/Messages.h"
#include "ovl/ModelPair.h"

namespace zw {

class Report;
class OvlWriter;
struct RideData;

// The base name of the spline pair.
inline constexpr const char* kPeepSplinePairName = "PeepPathSpline";

// PeepSplineCount: the path splines, and the loop spline when it is named.
uint32_t PeepSplineCount(const RideData& ride);

// The spline pair read and checked, and the symbol of each peep spline in it: the loop spline first,
// then the path splines in their order.
struct PeepSplineSource {
    ModelPair pair;
    std::vector<size_t> splines;  // indexes into pair.symbols()
};

// Reads the spline pair from `ride.DataFileFolder` and finds each peep spline in it, before anything
// is written: nullopt after its message in `report`.
std::optional<PeepSplineSource> readPeepSplines(const RideData& ride, Report& report);

// Copies the peep splines into a new block of part file 5: false after a message (a malformed
// spline) in `report`.
bool writePeepSplines(OvlWriter& writer, const PeepSplineSource& source, uint32_t splineLoaderType, Report& report);

// Both: copies the peep splines from the pair in `ride.DataFileFolder`. Returns false when it stopped the
// build, its message in `report`. With no peep splines it does nothing and does not open the pair.
bool copyPeepSplines(OvlWriter& writer, const RideData& ride, uint32_t splineLoaderType, Report& report);

}  // namespace zw
