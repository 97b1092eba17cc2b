#include "builders/RideCar.h"

#include <string>

#include "builders/CarPairLayout.h"
#include "ovl/OvlWriter.h"

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

    writer.makeSymbolAndLoader(OvlFileKind::Unique, rideCarSymbol(car, role), carLoaderType::RideCar);
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    out.at(0).string(car.CarObjectName + std::string(carRoleName(role)));
    out.at(4).string("WagenNameUnknown2totalegal");
    out.at(8);
    if (seatingList) {
        out.signedWord(AddOnsEnabled ? kSeatingListMarkerWithAddOns : kSeatingListMarker);
    } else {
        out.signedWord(seats.front());
    }
    symbolSlot(out, rideCarModelSymbol(r.ModelNamePartA, r.IncludeSVDPartA));  // 12
    out.at(16).floatWord(r.InertiaPartA);
    symbolSlot(out, rideCarModelSymbol(r.ModelNamePartB, r.IncludeSVDPartB));  // 20
    out.at(24).signedWord(r.TurnaxisType);
    out.at(28).floatWord(r.InertiaPartB);
    out.at(32).floatWord(r.TurnaxisStability);
    out.at(36).word(0);
    out.at(40).floatWord(-1.0);
    out.at(44).floatWord(r.TurnaxisMomentum);
    out.at(48).word(0);
    out.at(52).floatWord(r.TurnaxisUnknown);
    out.at(56).floatWord(r.TurnaxisStopper);
    out.at(60).word(r.SideSwing != 0.0 || r.HeightSwing != 0.0 ? 1 : 0);
    out.at(64).floatWord(r.SideSwing);
    out.at(68).floatWord(r.HeightSwing);
    out.at(72).floatWord(r.SideSwing);
    out.at(76);
    for (int32_t animation : {r.AnimFeatureStart, r.AnimFeatureLoop, r.AnimFeatureStop, r.AnimFeatureIdle,
                              r.AnimRestraintOpening, r.AnimRestraintOpenedIdle, r.AnimRestraintClosing,
                              r.AnimRestraintClosedIdle, r.AnimDoorOpening, r.AnimDoorOpenedIdle, r.AnimDoorClosing,
                              r.AnimDoorClosedIdle}) {
        out.signedWord(animation);
    }
    out.at(124);
    for (int i = 0; i < 8; ++i) out.signedWord(-1);
    out.at(156);
    if (seatingList) {
        out.word(static_cast<uint32_t>(seats.size()));
        // The list goes into a block of part file 5 that starts at its current end.
        out.at(160).pointer(OvlPart::CommonStructures, writer.end(OvlPart::CommonStructures));
    } else {
        out.word(0);
        out.word(0);
    }
    out.at(164);
    for (int i = 0; i < 10; ++i) out.word(0);
    out.at(204).word(4);
    out.at(208).word(4);
    out.at(212).word(0);
    out.at(216).floatWord(-1.0);
    out.at(220).signedWord(-1);
    out.at(224);
    for (int i = 0; i < 4; ++i) out.floatWord(-1.0);
    out.endsAt(kRideCarSize);
    writer.closeUniqueStructure();

    if (seatingList) {
        writer.startBlock(OvlPart::CommonStructures);
        OvlPartWriter list = writer.into(OvlPart::CommonStructures);
        for (int32_t seat : seats) list.signedWord(seat);
    }
}

}  // namespace zw
