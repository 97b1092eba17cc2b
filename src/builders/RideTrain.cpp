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
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    out.at(0).string(car.TrainName);
    out.at(4).string("ZugNameUnknowntotalegal");
    out.at(8);
    for (CarRole role : kCarRoles) {
        const std::string symbol = rideTrainCarSymbol(car, role);
        if (symbol.empty()) {
            out.word(0);
        } else {
            out.reference(symbol);
        }
    }
    out.at(32).signedWord(car.CarCountPerTrainMin);
    out.at(36).signedWord(car.CarCountPerTrainMax);
    out.at(40).signedWord(car.CarCountPerTrainPreset);
    out.at(44).floatWord(0.04);
    out.at(48).floatWord(0.06);
    out.at(52).floatWord(0.02);
    out.at(56).floatWord(car.CameraLookahead);
    out.at(60).floatWord(0.5);
    out.at(64).floatWord(0.4);
    out.at(68).floatWord(2.0);
    out.at(72).floatWord(1.0);
    out.at(76).floatWord(0.00001);
    out.at(80).floatWord(0.1);
    out.at(84).floatWord(0.1);
    out.at(88).floatWord(0.001);
    out.at(92).word(0);
    out.at(96).floatWord(0.004);
    out.at(100).floatWord(0.1);
    out.at(104).floatWord(car.CameraLATiltfactor);
    out.at(108).floatWord(1.0);
    out.at(112).floatWord(car.WaterUnknownA);
    out.at(116).floatWord(car.WaterUnknownB);
    out.at(120).floatWord(car.WaterUnknownC);
    out.at(124).floatWord(car.JetSkiUnknown);
    out.at(128).floatWord(car.WaterUnknownD);
    out.at(132).floatWord(car.WaterUnknownE);
    out.at(136).floatWord(car.WaterUnknownF);
    out.at(140).signedWord(car.OvertakeFlag);
    out.at(144);
    for (double value : {5.0, 15.0, 5.0, 7.0, 9.0, 11.0, 0.8, 0.32}) out.floatWord(value);
    out.at(176).word(0);
    out.at(180).word(0);
    out.at(184);
    if (namesNoStationType(car.PriorityStationType)) {
        out.word(0);
    } else {
        out.string(car.PriorityStationType);
    }
    out.endsAt(kRideTrainSize);
    writer.closeUniqueStructure();
}

}  // namespace zw
