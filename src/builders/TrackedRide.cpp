#include "builders/TrackedRide.h"

#include <optional>

#include "base/Dialogs.h"
#include "builders/RideDataBlock.h"
#include "builders/RidePairLayout.h"
#include "builders/RideTrackPath.h"
#include "datafiles/Formatters.h"
#include "datafiles/RideData.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

uint32_t count(const auto& list) { return static_cast<uint32_t>(list.size()); }

// A special track section reference, or a plain 0 word for an empty name.
void optionalSectionReference(OvlPartWriter& out, const std::string& name) {
    if (name.empty()) {
        out.word(0);
    } else {
        out.reference(name + ":tks");
    }
}

void optionalString(OvlPartWriter& out, const std::string& text) {
    if (text.empty()) {
        out.word(0);
    } else {
        out.string(text);
    }
}

// Names, icon, running costs, peep splines and flags: base offsets 0 … 52, piece C offsets 0 … 52.
// `peepPaths` is where the peep path references stand.
void writeIdentity(OvlPartWriter& out, const RideData& ride, uint32_t categoryAddend, uint32_t peepPaths) {
    out.word(static_cast<uint32_t>(ride.BahnKategorie) + categoryAddend);
    out.freshString(toGuiText(ride.BahnName));
    out.freshString(toGuiText(ride.BahnDescription));
    out.reference(rideIconSymbol(ride.BahnIcon));
    out.signedWord(ride.TowerRideUnknown1).signedWord(ride.TowerRideUnknown2);
    out.word(0).word(0);
    out.signedWord(ride.BetriebskostenBasis);
    out.reference(peepLoopSymbol(ride));
    out.word(count(ride.PeepPathSplineName));
    if (ride.PeepPathSplineName.empty()) {
        out.word(0);
    } else {
        out.pointer(OvlPart::UniqueStructures, peepPaths);
    }
    out.word(ride.RideFlags);
    out.signedWord(ride.BauhoeheMax);
}

// Special cars and the station: base offsets 96 … 163, head A offsets 16 … 83.
void writeCarsAndStation(OvlPartWriter& out, const RideData& ride, uint32_t blockSectionAddend) {
    optionalString(out, ride.SpezialWagentypAName);
    out.floatWord(ride.SpezialWagentypAVersatzWarten).floatWord(ride.SpezialWagentypAVersatzEinhaken);
    out.floatWord(ride.SpezialWagentypABergaufGeschw).floatWord(ride.SpezialWagentypABergabGeschw);
    optionalString(out, ride.SpezialWagentypBName);
    out.floatWord(4.0).floatWord(-8.0).floatWord(1.0).floatWord(0.5);
    if (isNoStation(ride.Stationstyp)) {
        out.word(0);
    } else {
        out.string(ride.Stationstyp);
    }
    out.signedWord(ride.stationHeightAboveTrack).signedWord(ride.buildOnWaterOnly).word(0);
    out.signedWord(ride.BahnstartPreset).signedWord(ride.BahnstartMoeglichkeiten);
    out.word(static_cast<uint32_t>(ride.BlockaufteilungsFlag) + blockSectionAddend);
}

// Speeds, running costs and building costs: base offsets 164 … 287, head A offsets 84 … 207.
void writeOperation(OvlPartWriter& out, const RideData& ride) {
    const double f = ride.SpeedUnitFactor;
    out.floatWord(ride.InAusStationRollgeschw * f).floatWord(10000.0);
    out.floatWord(ride.StartgeschwPreset * f).floatWord(50000.0);
    out.floatWord(ride.LiftkettengeschwPreset * f).floatWord(ride.liftChainEngagement);
    out.floatWord(4.0).floatWord(5000.0).floatWord(4.0).floatWord(10000.0);
    // A negative preset tells the game that the ride has no constant speed mode.
    const double constantSpeed = ride.KonstantgeschwPreset * f;
    out.floatWord(ride.KonstantgeschwFlag == 1 ? constantSpeed : -constantSpeed);
    out.floatWord(ride.KonstantgeschwMin * f).floatWord(ride.KonstantgeschwMax * f).floatWord(ride.constantSpeedStep * f);
    out.floatWord(ride.BergaufabAbweichung);
    out.word(8000).word(2000).word(2000).word(4000).word(1000);
    out.signedWord(ride.BetriebskostenproZug).signedWord(ride.BetriebskostenproWagen);
    out.signedWord(ride.BetriebskostenproStation);
    out.word(ride.WagenRotationswinkelFlag == 1 ? 5 : 0);
    out.floatWord(ride.TowerRideSpitzenDauer).floatWord(ride.TowerRideSpitzenAbstand);
    out.signedWord(ride.SchleifenUnzulaessigFlag).word(0);
    out.word(static_cast<uint32_t>(ride.BahnkostenVorschau) / 75);
    out.word(1);
    out.signedWord(ride.BaukostenHoehe4H);
}

// Special track sections, lift and start speeds, the fixed splines: base offsets 292 … 379,
// head A offsets 212 … 299. `trackSectionList` is the list in the RideDataBlock.
void writeSectionsAndSpeeds(OvlPartWriter& out, const RideData& ride, uint32_t trackSectionList) {
    const double f = ride.SpeedUnitFactor;
    optionalSectionReference(out, ride.SpezialTrackSectionNameBEnde);
    optionalSectionReference(out, ride.SpezialTrackSectionNameBMitte);
    optionalSectionReference(out, ride.SpezialTrackSectionNameAEnde);
    optionalSectionReference(out, ride.SpezialTrackSectionNameAMitte);
    out.signedWord(ride.AutoFertigstellungFlag).signedWord(ride.AnjederStelleabbaubarFlag);
    out.signedWord(ride.showAllOperatingModes);
    out.floatWord(ride.LiftkettengeschwMin * f).floatWord(ride.LiftkettengeschwMax * f);
    out.floatWord(ride.liftChainSpeedStep * f);
    out.signedWord(ride.BahnkostenVorschau);
    out.word(count(ride.TrackSectionName));
    out.pointer(OvlPart::CommonStructures, trackSectionList);
    out.floatWord(ride.StartgeschwMin * f).floatWord(ride.StartgeschwMax * f).floatWord(ride.launchSpeedStep * f);
    out.reference("tracktrack:spl").reference("trackbigtrackbig:spl");
    out.reference("carcar:spl").reference("carswingcarswing:spl");
    out.floatWord(ride.LichtraumprofilHoehe).floatWord(-1.0);
}

void writeTrackSectionReferences(OvlPartWriter& out, const RideData& ride) {
    for (const std::string& name : ride.TrackSectionName) out.reference(name + ":tks");
}

void writePeepPathReferences(OvlPartWriter& out, const RideData& ride) {
    for (const std::string& name : ride.PeepPathSplineName) out.reference(name + ":spl");
}

bool writeBaseLayout(OvlPartWriter& out, const RideData& ride, const RideDataBlockLayout& data, Dialogs& dialogs,
                     Language language) {
    const uint32_t start = out.offset();
    const uint32_t P = count(ride.TrackSectionName);
    const uint32_t trackSections = start + kTrackedRideBaseHeaderSize;

    writeIdentity(out, ride, 0, trackSections + 4 * P);
    out.signedWord(ride.PeepAttraktivitaet).word(1);
    out.pointer(OvlPart::CommonStructures, data.ratingTable);
    out.signedWord(ride.RundenanzahlMin).signedWord(ride.RundenanzahlMax).signedWord(ride.entranceFeePreset);
    out.word(P).pointer(OvlPart::UniqueStructures, trackSections);
    out.word(count(ride.WagentypName)).pointer(OvlPart::CommonStructures, data.carTypeNames);
    writeCarsAndStation(out, ride, 0);
    writeOperation(out, ride);
    const std::optional<std::string> path = TrackPath(ride.TrackTyp);
    if (!path) {
        dialogs.showMessage(message("468", language));
        return false;
    }
    out.string(*path);
    writeSectionsAndSpeeds(out, ride, data.trackSections);
    out.at(kTrackedRideBaseHeaderSize);
    writeTrackSectionReferences(out, ride);
    writePeepPathReferences(out, ride);
    out.endsAt(trackedRideSize(ride, false));
    return true;
}

void writeAddOnLayout(OvlPartWriter& out, const RideData& ride, const RideDataBlockLayout& data) {
    const uint32_t start = out.offset();
    const uint32_t P = count(ride.TrackSectionName);
    const uint32_t trackSections = start + kTrackedRideHeadASize;
    const uint32_t pieceB = trackSections + 4 * P;
    const uint32_t pieceC = pieceB + kTrackedRidePieceSize;

    // Head A.
    out.signedWord(-1).pointer(OvlPart::UniqueStructures, trackSections);
    out.word(count(ride.WagentypName)).pointer(OvlPart::CommonStructures, data.carTypeNames);
    writeCarsAndStation(out, ride, 256);
    writeOperation(out, ride);
    out.word(0);
    writeSectionsAndSpeeds(out, ride, data.trackSections);
    out.pointer(OvlPart::UniqueStructures, pieceB).word(P);
    out.word(0).word(0).word(0).word(0).floatWord(0.001);
    out.word(0).word(0).word(0).word(0).word(0).signedWord(-1);
    out.floatWord(1.0).floatWord(1.0);
    out.word(count(ride.ZusatzTrackTyp) + 1).pointer(OvlPart::CommonStructures, data.trackPaths);
    out.floatWord(-1.0).floatWord(-1.0).word(0).signedWord(-1).word(0).word(1);
    out.floatWord(ride.WaterSectionKonstantgeschw).floatWord(ride.WaterSectionBeschleunigung);
    out.floatWord(ride.WaterSectionAbbremsung).floatWord(4.0);
    out.word(0).word(0);
    out.signedWord(ride.VierAchsenRotationswinkelFlag).signedWord(ride.VorRueckFreiRotationFlag);
    out.signedWord(ride.VertikalInversionswechselFlag).word(1);
    out.signedWord(ride.ZuganzahlPreset).signedWord(ride.StationenSyncFlag);
    // A ride without car types has no first one to name.
    optionalString(out, ride.WagentypName.empty() ? std::string() : ride.WagentypName.front());

    out.at(kTrackedRideHeadASize);
    writeTrackSectionReferences(out, ride);

    // Piece B.
    out.at(pieceB - start);
    out.signedWord(-1).word(1).pointer(OvlPart::CommonStructures, data.ratingTable);
    out.signedWord(ride.RundenanzahlMin).signedWord(ride.RundenanzahlMax).signedWord(ride.entranceFeePreset);
    out.pointer(OvlPart::UniqueStructures, pieceC);
    out.signedWord(ride.PeepAttraktivitaet).word(0).word(0).word(3).word(3);
    out.signedWord(-2).signedWord(-2).signedWord(-2).word(1).word(1);

    // Piece C.
    out.at(pieceC - start);
    writeIdentity(out, ride, 768, pieceC + kTrackedRidePieceSize);
    out.word(0).word(0).word(0);

    out.at(pieceC - start + kTrackedRidePieceSize);
    writePeepPathReferences(out, ride);
    out.endsAt(trackedRideSize(ride, true));
}

}  // namespace

uint32_t trackedRideSize(const RideData& ride, bool addOns) {
    const uint32_t references = 4 * (count(ride.TrackSectionName) + count(ride.PeepPathSplineName));
    return references + (addOns ? kTrackedRideHeadASize + 2 * kTrackedRidePieceSize : kTrackedRideBaseHeaderSize);
}

std::string peepLoopSymbol(const RideData& ride) { return ride.PeepLoopSplineName + ":spl"; }

bool isNoStation(std::string_view Stationstyp) {
    return Stationstyp == "none" || Stationstyp == "kein" || Stationstyp == "keine" || Stationstyp == "keiner";
}

bool writeTrackedRide(OvlWriter& writer, const RideData& ride, bool addOns, const RideDataBlockLayout& data,
                      Dialogs& dialogs, Language language) {
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    if (addOns) {
        writeAddOnLayout(out, ride, data);
        return true;
    }
    return writeBaseLayout(out, ride, data, dialogs, language);
}

}  // namespace zw
