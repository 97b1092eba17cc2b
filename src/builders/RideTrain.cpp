#include "builders/RideTrain.h"

#include "builders/CarPairLayout.h"
#include "builders/TrackedRide.h"
#include "ovl/OvlWriter.h"
#include "ovl/RideCarLayout.h"

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
    constexpr auto& L = rideCar::kRideTrain;
    writer.makeSymbolAndLoader(OvlFileKind::Unique, rideTrainSymbol(car), carLoaderType::RideTrain);
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    out.at(L["TrainName"]).string(car.TrainName);
    out.at(L["second name"]).string("ZugNameUnknowntotalegal");
    out.at(L["FrontCar"]);  // the six roles in order, FrontCar … LinkCar
    for (CarRole role : kCarRoles) {
        const std::string symbol = rideTrainCarSymbol(car, role);
        if (symbol.empty()) {
            out.word(0);
        } else {
            out.reference(symbol);
        }
    }
    out.at(L["CarCountPerTrainMin"]).signedWord(car.CarCountPerTrainMin);
    out.at(L["CarCountPerTrainMax"]).signedWord(car.CarCountPerTrainMax);
    out.at(L["CarCountPerTrainPreset"]).signedWord(car.CarCountPerTrainPreset);
    out.floatWord(0.04).floatWord(0.06).floatWord(0.02);
    out.at(L["CameraLookahead"]).floatWord(car.CameraLookahead);
    out.floatWord(0.5).floatWord(0.4).floatWord(2.0).floatWord(1.0).floatWord(0.00001).floatWord(0.1).floatWord(0.1);
    out.floatWord(0.001).word(0).floatWord(0.004).floatWord(0.1);
    out.at(L["CameraLATiltfactor"]).floatWord(car.CameraLATiltfactor).floatWord(1.0);
    out.at(L["WaterUnknownA"]).floatWord(car.WaterUnknownA);
    out.at(L["WaterUnknownB"]).floatWord(car.WaterUnknownB);
    out.at(L["WaterUnknownC"]).floatWord(car.WaterUnknownC);
    out.at(L["JetSkiUnknown"]).floatWord(car.JetSkiUnknown);
    out.at(L["WaterUnknownD"]).floatWord(car.WaterUnknownD);
    out.at(L["WaterUnknownE"]).floatWord(car.WaterUnknownE);
    out.at(L["WaterUnknownF"]).floatWord(car.WaterUnknownF);
    out.at(L["OvertakeFlag"]).signedWord(car.OvertakeFlag);
    for (double value : {5.0, 15.0, 5.0, 7.0, 9.0, 11.0, 0.8, 0.32}) out.floatWord(value);
    out.word(0).word(0);
    out.at(L["PriorityStationType"]);
    if (namesNoStationType(car.PriorityStationType)) {
        out.word(0);
    } else {
        out.string(car.PriorityStationType);
    }
    out.endsAt(L.size);
    writer.closeUniqueStructure();
}

}  // namespace zw
