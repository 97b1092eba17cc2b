#pragma once
// The RideTrain structure: one per car pair, 188 bytes in part file 9.
//
//   0 TrainName string      4 string "ZugNameUnknowntotalegal"
//   8 six symbol slots, FrontCar … LinkCar: the role's own RideCar, else IncludeRIC + ":ric", else 0
//  32 CarCountPerTrainMin  36 CarCountPerTrainMax  40 CarCountPerTrainPreset
//  44 0.04  48 0.06  52 0.02  56 CameraLookahead  60 0.5  64 0.4  68 2.0  72 1.0  76 0.00001
//  80 0.1  84 0.1  88 0.001  92 0  96 0.004  100 0.1  104 CameraLATiltfactor  108 1.0
// 112 WaterUnknownA  116 WaterUnknownB  120 WaterUnknownC  124 JetSkiUnknown  128 WaterUnknownD
// 132 WaterUnknownE  136 WaterUnknownF  140 OvertakeFlag
// 144 5.0  148 15.0  152 5.0  156 7.0  160 9.0  164 11.0  168 0.8  172 0.32  176 0  180 0
// 184 PriorityStationType string, or 0 for none

#include <cstdint>
#include <string>
#include <string_view>

#include "datafiles/CarData.h"

namespace zw {

class OvlWriter;

inline constexpr uint32_t kRideTrainSize = 188;

// The RideTrain's slot for `role`: the symbol it references, or empty for a plain 0.
std::string rideTrainCarSymbol(const CarData& car, CarRole role);

// True when PriorityStationType names no station type: empty, or exactly "none", "kein", "keine"
// or "keiner" (letter case counts).
bool namesNoStationType(std::string_view PriorityStationType);

// Makes the symbol "<CarObjectName>:rit" and its loader, writes the RideTrain at the end of part
// file 9 and closes it.
void writeRideTrain(OvlWriter& writer, const CarData& car);

}  // namespace zw
