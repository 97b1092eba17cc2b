#include "builders/RideTrain.h"

#include "builders/CarPairLayout.h"
#include "builders/TrackedRide.h"
#include "ovl/OvlWriter.h"

namespace zw {

std::string rideTrainCarSymbol(const CarData& car, CarRole role) {
    const CarRoleData& r = car.role(role);
    if (hasOwnRideCar(r)) return rideCarSymbol(car, role);
    if (!r.IncludeRIC.empty()) return r.IncludeRIC + ":ric";
    return {};
}

bool namesNoStationType(std::string_view PriorityStationType) {
    return PriorityStationType.empty() || isNoStation(PriorityStationType);
}

void writeRideTrain(OvlWriter& writer, const CarData& car) {
    writer.makeSymbolAndLoader(OvlFileKind::Unique, rideTrainSymbol(car), carLoaderType::RideTrain);
    OvlPartWriter out = writer.into(part::UniqueStructures);
    out.string(car.TrainName);                 // 0
    out.string("ZugNameUnknowntotalegal");     // 4
    for (CarRole role : kCarRoles) {           // 8 … 28
        const std::string symbol = rideTrainCarSymbol(car, role);
        if (symbol.empty()) {
            out.word(0);
        } else {
            out.reference(symbol);
        }
    }
    out.signedWord(car.CarCountPerTrainMin);     // 32
    out.signedWord(car.CarCountPerTrainMax);     // 36
    out.signedWord(car.CarCountPerTrainPreset);  // 40
    out.floatWord(0.04);                         // 44
    out.floatWord(0.06);                         // 48
    out.floatWord(0.02);                         // 52
    out.floatWord(car.CameraLookahead);          // 56
    out.floatWord(0.5);                          // 60
    out.floatWord(0.4);                          // 64
    out.floatWord(2.0);                          // 68
    out.floatWord(1.0);                          // 72
    out.floatWord(0.00001);                      // 76
    out.floatWord(0.1);                          // 80
    out.floatWord(0.1);                          // 84
    out.floatWord(0.001);                        // 88
    out.word(0);                                 // 92
    out.floatWord(0.004);                        // 96
    out.floatWord(0.1);                          // 100
    out.floatWord(car.CameraLATiltfactor);       // 104
    out.floatWord(1.0);                          // 108
    out.floatWord(car.WaterUnknownA);            // 112
    out.floatWord(car.WaterUnknownB);            // 116
    out.floatWord(car.WaterUnknownC);            // 120
    out.floatWord(car.JetSkiUnknown);            // 124
    out.floatWord(car.WaterUnknownD);            // 128
    out.floatWord(car.WaterUnknownE);            // 132
    out.floatWord(car.WaterUnknownF);            // 136
    out.signedWord(car.OvertakeFlag);            // 140
    for (double value : {5.0, 15.0, 5.0, 7.0, 9.0, 11.0, 0.8, 0.32}) out.floatWord(value);  // 144 … 172
    out.word(0);                                 // 176
    out.word(0);                                 // 180
    if (namesNoStationType(car.PriorityStationType)) {
        out.word(0);                             // 184
    } else {
        out.string(car.PriorityStationType);
    }
    writer.closeUniqueStructure();
}

}  // namespace zw
