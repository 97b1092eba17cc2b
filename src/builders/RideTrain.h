#pragma once
// The RideTrain structure: one per car pair, in part file 9 (fields in ovl/RideCarLayout.h). Its
// six car slots, FrontCar … LinkCar, name the role's own RideCar, else IncludeRIC + ":ric", else
// stay a plain 0.

#include <cstdint>
#include <string>
#include <string_view>

#include "datafiles/CarData.h"

namespace zw {

class OvlWriter;

// The RideTrain's slot for `role`: the symbol it references, or empty for a plain 0.
std::string rideTrainCarSymbol(const CarData& car, CarRole role);

// True when PriorityStationType names no station type: empty, or exactly "none", "kein", "keine"
// or "keiner" (letter case counts).
bool namesNoStationType(std::string_view PriorityStationType);

// Makes the symbol "<CarObjectName>:rit" and its loader, writes the RideTrain at the end of part
// file 9 and closes it.
void writeRideTrain(OvlWriter& writer, const CarData& car);

}  // namespace zw
