#pragma once
// The RideCar structure: one per car role with a model of its own, 240 bytes in part file 9 of the
// car pair, followed (for a car with more than one seat) by its seating list in a new block of part
// file 5.
//
//   0 name string <CarObjectName><role>       4 string "WagenNameUnknown2totalegal"
//   8 the seating position for one seat; for more, the marker 27 (35 with the add-ons) that sends the
//     game to the list at 156/160           12 symbol slot: part A's ":svd" (own model, else included)
//  16 InertiaPartA                           20 symbol slot: part B's ":svd" (same rule), or a plain 0
//  24 TurnaxisType  28 InertiaPartB  32 TurnaxisStability  36 0  40 -1.0  44 TurnaxisMomentum  48 0
//  52 TurnaxisUnknown  56 TurnaxisStopper  60 swing flag (1 when SideSwing or HeightSwing is not 0)
//  64 SideSwing  68 HeightSwing  72 SideSwing again
//  76 the twelve animation numbers: FeatureStart, FeatureLoop, FeatureStop, FeatureIdle,
//     RestraintOpening, RestraintOpenedIdle, RestraintClosing, RestraintClosedIdle, DoorOpening,
//     DoorOpenedIdle, DoorClosing, DoorClosedIdle
// 124 8 × -1   156 number of entries of the seating list, or 0 for one seat
// 160 address of the seating list, or 0 for one seat   164 10 × 0   204 4   208 4   212 0
// 216 -1.0   220 -1   224 4 × -1.0
//
// Floats are single precision converted from the car data's doubles.

#include <cstdint>
#include <vector>

#include "datafiles/CarData.h"

namespace zw {

class OvlWriter;

inline constexpr uint32_t kRideCarSize = 240;

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
