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
    OvlPartWriter out = writer.into(part::UniqueStructures);
    out.string(car.CarObjectName + std::string(carRoleName(role)));  // 0
    out.string("WagenNameUnknown2totalegal");                        // 4
    if (seatingList) {
        out.signedWord(AddOnsEnabled ? kSeatingListMarkerWithAddOns : kSeatingListMarker);  // 8
    } else {
        out.signedWord(seats.front());
    }
    symbolSlot(out, rideCarModelSymbol(r.ModelNamePartA, r.IncludeSVDPartA));  // 12
    out.floatWord(r.InertiaPartA);                                   // 16
    symbolSlot(out, rideCarModelSymbol(r.ModelNamePartB, r.IncludeSVDPartB));  // 20
    out.signedWord(r.TurnaxisType);                                  // 24
    out.floatWord(r.InertiaPartB);                                   // 28
    out.floatWord(r.TurnaxisStability);                              // 32
    out.word(0);                                                     // 36
    out.floatWord(-1.0);                                             // 40
    out.floatWord(r.TurnaxisMomentum);                               // 44
    out.word(0);                                                     // 48
    out.floatWord(r.TurnaxisUnknown);                                // 52
    out.floatWord(r.TurnaxisStopper);                                // 56
    out.word(r.SideSwing != 0.0 || r.HeightSwing != 0.0 ? 1 : 0);    // 60
    out.floatWord(r.SideSwing);                                      // 64
    out.floatWord(r.HeightSwing);                                    // 68
    out.floatWord(r.SideSwing);                                      // 72
    for (int32_t animation : {r.AnimFeatureStart, r.AnimFeatureLoop, r.AnimFeatureStop, r.AnimFeatureIdle,
                              r.AnimRestraintOpening, r.AnimRestraintOpenedIdle, r.AnimRestraintClosing,
                              r.AnimRestraintClosedIdle, r.AnimDoorOpening, r.AnimDoorOpenedIdle, r.AnimDoorClosing,
                              r.AnimDoorClosedIdle}) {
        out.signedWord(animation);                                   // 76 … 120
    }
    for (int i = 0; i < 8; ++i) out.signedWord(-1);                  // 124 … 152
    if (seatingList) {
        out.word(static_cast<uint32_t>(seats.size()));               // 156
        // The list goes into a block of part file 5 that starts at its current end.
        out.pointer(part::CommonStructures, writer.end(part::CommonStructures));  // 160
    } else {
        out.word(0);
        out.word(0);
    }
    for (int i = 0; i < 10; ++i) out.word(0);                        // 164 … 200
    out.word(4);                                                     // 204
    out.word(4);                                                     // 208
    out.word(0);                                                     // 212
    out.floatWord(-1.0);                                             // 216
    out.signedWord(-1);                                              // 220
    for (int i = 0; i < 4; ++i) out.floatWord(-1.0);                 // 224 … 236
    writer.closeUniqueStructure();

    if (seatingList) {
        writer.startBlock(part::CommonStructures);
        OvlPartWriter list = writer.into(part::CommonStructures);
        for (int32_t seat : seats) list.signedWord(seat);
    }
}

}  // namespace zw
