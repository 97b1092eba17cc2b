#pragma once
// The RideCar structure: one per car role with a model of its own, in part file 9 of the car pair
// (fields in ovl/RideCarLayout.h), followed (for a car with more than one seat) by its seating list
// in a new block of part file 5.
//
// Word 8 holds the seating position for one seat; for more, the marker 27 (35 with the add-ons)
// that sends the game to the seating list. The symbol slots of parts A and B name the role's own
// model, else the included one, else stay a plain 0. The swing flag is 1 when SideSwing or
// HeightSwing is not 0. Floats are single precision converted from the car data's doubles.

#include <cstdint>
#include <vector>

#include "datafiles/CarData.h"

namespace zw {

class OvlWriter;

// The word at offset 8 of a car with more than one seat: "the seats are in the list".
inline constexpr int32_t kSeatingListMarker = 27;
inline constexpr int32_t kSeatingListMarkerWithAddOns = 35;

// The symbol slot of part A or B: "<model>:svd" for the role's own model, else "<included>:svd", or
// empty when the slot is a plain 0.
std::string rideCarModelSymbol(const std::string& modelName, const std::string& includedName);

// Makes the RideCar's symbol "<CarObjectName><role>:ric" and its loader, writes the structure at the
// end of part file 9 and closes it; then, for more than one seat, starts a new block in part file 5
// and writes the seating list there. The role must have a RideCar of its own (hasOwnRideCar).
void writeRideCar(OvlWriter& writer, const CarData& car, CarRole role, bool AddOnsEnabled);

}  // namespace zw
