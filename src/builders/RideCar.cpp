#include "builders/RideCar.h"

#include <string>

#include "builders/CarPairLayout.h"
#include "ovl/OvlWriter.h"
#include "ovl/RideCarLayout.h"

namespace zw {
namespace {

void symbolSlot(OvlPartWriter& out, const std::string& symbol) {
    if (symbol.empty()) {
        out.word(0);
    } else {
        out.reference(symbol);
    }
}

}  // namespace

std::string rideCarModelSymbol(const std::string& modelName, const std::string& includedName) {
    if (!modelName.empty()) return modelName + ":svd";
    if (!includedName.empty()) return includedName + ":svd";
    return {};
}

void writeRideCar(OvlWriter& writer, const CarData& car, CarRole role, bool AddOnsEnabled) {
    const CarRoleData& r = car.role(role);
    // The reader leaves at least one seat; a record made otherwise gets the reader's default.
    const std::vector<int32_t> seats = r.PeepSeatingPositions.empty() ? std::vector<int32_t>{11} : r.PeepSeatingPositions;
    const bool seatingList = seats.size() > 1;

    constexpr auto& L = rideCar::kRideCar;
    writer.makeSymbolAndLoader(OvlFileKind::Unique, rideCarSymbol(car, role), carLoaderType::RideCar);
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    out.at(L["name"]).string(car.CarObjectName + std::string(carRoleName(role)));
    out.at(L["second name"]).string("WagenNameUnknown2totalegal");
    out.at(L["PeepSitzposition or seating list marker"]);
    if (seatingList) {
        out.signedWord(AddOnsEnabled ? kSeatingListMarkerWithAddOns : kSeatingListMarker);
    } else {
        out.signedWord(seats.front());
    }
    out.at(L["ModellnameTeilA"]);
    symbolSlot(out, rideCarModelSymbol(r.ModelNamePartA, r.IncludeSVDPartA));
    out.at(L["InertiaPartA"]).floatWord(r.InertiaPartA);
    out.at(L["ModellnameTeilB"]);
    symbolSlot(out, rideCarModelSymbol(r.ModelNamePartB, r.IncludeSVDPartB));
    out.at(L["TurnaxisType"]).signedWord(r.TurnaxisType);
    out.at(L["InertiaPartB"]).floatWord(r.InertiaPartB);
    out.at(L["TurnaxisStability"]).floatWord(r.TurnaxisStability).word(0).floatWord(-1.0);
    out.at(L["TurnaxisMomentum"]).floatWord(r.TurnaxisMomentum).word(0);
    out.at(L["TurnaxisUnknown"]).floatWord(r.TurnaxisUnknown);
    out.at(L["TurnaxisStopper"]).floatWord(r.TurnaxisStopper);
    out.at(L["swing flag"]).word(r.SideSwing != 0.0 || r.HeightSwing != 0.0 ? 1 : 0);
    out.at(L["SideSwing"]).floatWord(r.SideSwing);
    out.at(L["HeightSwing"]).floatWord(r.HeightSwing);
    out.at(L["SideSwing again"]).floatWord(r.SideSwing);
    out.at(L["AnimFeatureStart"]);
    for (int32_t animation : {r.AnimFeatureStart, r.AnimFeatureLoop, r.AnimFeatureStop, r.AnimFeatureIdle,
                              r.AnimRestraintOpening, r.AnimRestraintOpenedIdle, r.AnimRestraintClosing,
                              r.AnimRestraintClosedIdle, r.AnimDoorOpening, r.AnimDoorOpenedIdle, r.AnimDoorClosing,
                              r.AnimDoorClosedIdle}) {
        out.signedWord(animation);
    }
    out.at(L["AnimDoorClosedIdle"] + 4);
    for (int i = 0; i < 8; ++i) out.signedWord(-1);
    out.at(L["seating list count"]);
    if (seatingList) {
        out.word(static_cast<uint32_t>(seats.size()));
        // The list goes into a block of part file 5 that starts at its current end.
        out.at(L["seating list"]).pointer(OvlPart::CommonStructures, writer.end(OvlPart::CommonStructures));
    } else {
        out.word(0);
        out.word(0);
    }
    for (int i = 0; i < 10; ++i) out.word(0);
    out.word(4).word(4).word(0);
    out.floatWord(-1.0).signedWord(-1);
    for (int i = 0; i < 4; ++i) out.floatWord(-1.0);
    out.endsAt(L.size);
    writer.closeUniqueStructure();

    if (seatingList) {
        writer.startBlock(OvlPart::CommonStructures);
        OvlPartWriter list = writer.into(OvlPart::CommonStructures);
        for (int32_t seat : seats) list.signedWord(seat);
    }
}

}  // namespace zw
