#include "builders/TrackedRide.h"

#include <optional>
#include <stdexcept>

#include "builders/RideDataBlock.h"
#include "builders/RidePairLayout.h"
#include "builders/RideTrackPath.h"
#include "datafiles/Formatters.h"
#include "datafiles/RideData.h"
#include "ovl/OvlWriter.h"
#include "ovl/TrackedRideLayout.h"

namespace zw {
namespace {

namespace tr = trackedRide;

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

// Names, icon, running costs, peep splines and flags: offsets 4 … 55 of the base header and of
// piece C. `peepPaths` is where the peep path references stand.
void writeIdentity(OvlPartWriter& out, const RideData& ride, uint32_t peepPaths) {
    constexpr auto& L = tr::kIdentity;
    out.at(L["BahnName"]).freshString(toGuiText(ride.BahnName));
    out.at(L["BahnDescription"]).freshString(toGuiText(ride.BahnDescription));
    out.at(L["BahnIcon"]).reference(rideIconSymbol(ride.BahnIcon));
    out.at(L["TowerRideUnknown1"]).signedWord(ride.TowerRideUnknown1);
    out.at(L["TowerRideUnknown2"]).signedWord(ride.TowerRideUnknown2).word(0).word(0);
    out.at(L["BetriebskostenBasis"]).signedWord(ride.BetriebskostenBasis);
    out.at(L["PeepLoopSplineName"]).reference(peepLoopSymbol(ride));
    out.at(L["PeepPathSplineName count"]).word(count(ride.PeepPathSplineName));
    out.at(L["peep path references"]);
    if (ride.PeepPathSplineName.empty()) {
        out.word(0);
    } else {
        out.pointer(OvlPart::UniqueStructures, peepPaths);
    }
    out.at(L["RideFlags"]).word(ride.RideFlags);
    out.at(L["BauhoeheMax"]).signedWord(ride.BauhoeheMax);
    out.at(L.size);
}

// Special cars and the station, placed at `at` of the header.
void writeCarsAndStation(OvlPartWriter& out, uint32_t at, const RideData& ride, uint32_t blockSectionAddend) {
    constexpr auto& L = tr::kCarsAndStation;
    out.at(at + L["SpezialWagentypAName"]);
    optionalString(out, ride.SpezialWagentypAName);
    out.at(at + L["SpezialWagentypAVersatzWarten"]).floatWord(ride.SpezialWagentypAVersatzWarten);
    out.at(at + L["SpezialWagentypAVersatzEinhaken"]).floatWord(ride.SpezialWagentypAVersatzEinhaken);
    out.at(at + L["SpezialWagentypABergaufGeschw"]).floatWord(ride.SpezialWagentypABergaufGeschw);
    out.at(at + L["SpezialWagentypABergabGeschw"]).floatWord(ride.SpezialWagentypABergabGeschw);
    out.at(at + L["SpezialWagentypBName"]);
    optionalString(out, ride.SpezialWagentypBName);
    out.floatWord(4.0).floatWord(-8.0).floatWord(1.0).floatWord(0.5);
    out.at(at + L["Stationstyp"]);
    if (isNoStation(ride.Stationstyp)) {
        out.word(0);
    } else {
        out.string(ride.Stationstyp);
    }
    out.at(at + L["StationshoeheueberGleis"]).signedWord(ride.stationHeightAboveTrack);
    out.at(at + L["BaunuraufWasserFlag"]).signedWord(ride.buildOnWaterOnly).word(0);
    out.at(at + L["BahnstartPreset"]).signedWord(ride.BahnstartPreset);
    out.at(at + L["BahnstartMoeglichkeiten"]).signedWord(ride.BahnstartMoeglichkeiten);
    out.at(at + L["BlockaufteilungsFlag"]).word(static_cast<uint32_t>(ride.BlockaufteilungsFlag) + blockSectionAddend);
    out.at(at + L.size);
}

// Speeds, running costs and building costs, placed at `at` of the header.
void writeOperation(OvlPartWriter& out, uint32_t at, const RideData& ride) {
    constexpr auto& L = tr::kOperation;
    const double f = ride.SpeedUnitFactor;
    out.at(at + L["InAusStationRollgeschw"]).floatWord(ride.InAusStationRollgeschw * f).floatWord(10000.0);
    out.at(at + L["StartgeschwPreset"]).floatWord(ride.StartgeschwPreset * f).floatWord(50000.0);
    out.at(at + L["LiftkettengeschwPreset"]).floatWord(ride.LiftkettengeschwPreset * f);
    out.at(at + L["LiftkettenEinrastung"]).floatWord(ride.liftChainEngagement);
    out.floatWord(4.0).floatWord(5000.0).floatWord(4.0).floatWord(10000.0);
    // A negative preset tells the game that the ride has no constant speed mode.
    const double constantSpeed = ride.KonstantgeschwPreset * f;
    out.at(at + L["KonstantgeschwPreset"]).floatWord(ride.KonstantgeschwFlag == 1 ? constantSpeed : -constantSpeed);
    out.at(at + L["KonstantgeschwMin"]).floatWord(ride.KonstantgeschwMin * f);
    out.at(at + L["KonstantgeschwMax"]).floatWord(ride.KonstantgeschwMax * f);
    out.at(at + L["KonstantgeschwStep"]).floatWord(ride.constantSpeedStep * f);
    out.at(at + L["BergaufabAbweichung"]).floatWord(ride.BergaufabAbweichung);
    out.word(8000).word(2000).word(2000).word(4000).word(1000);
    out.at(at + L["BetriebskostenproZug"]).signedWord(ride.BetriebskostenproZug);
    out.at(at + L["BetriebskostenproWagen"]).signedWord(ride.BetriebskostenproWagen);
    out.at(at + L["BetriebskostenproStation"]).signedWord(ride.BetriebskostenproStation);
    out.at(at + L["WagenRotationswinkelFlag"]).word(ride.WagenRotationswinkelFlag == 1 ? 5 : 0);
    out.at(at + L["TowerRideSpitzenDauer"]).floatWord(ride.TowerRideSpitzenDauer);
    out.at(at + L["TowerRideSpitzenAbstand"]).floatWord(ride.TowerRideSpitzenAbstand);
    out.at(at + L["SchleifenUnzulaessigFlag"]).signedWord(ride.SchleifenUnzulaessigFlag).word(0);
    out.at(at + L["BahnkostenVorschau / 75"]).word(static_cast<uint32_t>(ride.BahnkostenVorschau) / 75).word(1);
    out.at(at + L["BaukostenHoehe4H"]).signedWord(ride.BaukostenHoehe4H);
    out.at(at + L.size);
}

// Special track sections, lift and launch speeds, the fixed splines, placed at `at` of the header.
// `trackSectionList` is the list in the RideDataBlock.
void writeSectionsAndSplines(OvlPartWriter& out, uint32_t at, const RideData& ride, uint32_t trackSectionList) {
    constexpr auto& L = tr::kSectionsAndSplines;
    const double f = ride.SpeedUnitFactor;
    out.at(at + L["SpezialTrackSectionNameBEnde"]);
    optionalSectionReference(out, ride.SpezialTrackSectionNameBEnde);
    out.at(at + L["SpezialTrackSectionNameBMitte"]);
    optionalSectionReference(out, ride.SpezialTrackSectionNameBMitte);
    out.at(at + L["SpezialTrackSectionNameAEnde"]);
    optionalSectionReference(out, ride.SpezialTrackSectionNameAEnde);
    out.at(at + L["SpezialTrackSectionNameAMitte"]);
    optionalSectionReference(out, ride.SpezialTrackSectionNameAMitte);
    out.at(at + L["AutoFertigstellungFlag"]).signedWord(ride.AutoFertigstellungFlag);
    out.at(at + L["AnjederStelleabbaubarFlag"]).signedWord(ride.AnjederStelleabbaubarFlag);
    out.at(at + L["BetriebsmodusanzeigenFlag"]).signedWord(ride.showAllOperatingModes);
    out.at(at + L["LiftkettengeschwMin"]).floatWord(ride.LiftkettengeschwMin * f);
    out.at(at + L["LiftkettengeschwMax"]).floatWord(ride.LiftkettengeschwMax * f);
    out.at(at + L["LiftkettengeschwStep"]).floatWord(ride.liftChainSpeedStep * f);
    out.at(at + L["BahnkostenVorschau"]).signedWord(ride.BahnkostenVorschau);
    out.at(at + L["TrackSectionName count"]).word(count(ride.TrackSectionName));
    out.at(at + L["track sections"]).pointer(OvlPart::CommonStructures, trackSectionList);
    out.at(at + L["StartgeschwMin"]).floatWord(ride.StartgeschwMin * f);
    out.at(at + L["StartgeschwMax"]).floatWord(ride.StartgeschwMax * f);
    out.at(at + L["StartgeschwStep"]).floatWord(ride.launchSpeedStep * f);
    out.at(at + L["track spline"]).reference("tracktrack:spl");
    out.at(at + L["big track spline"]).reference("trackbigtrackbig:spl");
    out.at(at + L["car spline"]).reference("carcar:spl");
    out.at(at + L["swinging car spline"]).reference("carswingcarswing:spl");
    out.at(at + L["LichtraumprofilHoehe"]).floatWord(ride.LichtraumprofilHoehe).floatWord(-1.0);
    out.at(at + L.size);
}

void writeTrackSectionReferences(OvlPartWriter& out, const RideData& ride) {
    for (const std::string& name : ride.TrackSectionName) out.reference(name + ":tks");
}

void writePeepPathReferences(OvlPartWriter& out, const RideData& ride) {
    for (const std::string& name : ride.PeepPathSplineName) out.reference(name + ":spl");
}

void writeBaseLayout(OvlPartWriter& out, const RideData& ride, const RideDataBlockLayout& data) {
    constexpr auto& L = tr::kBaseHeader;
    const uint32_t start = out.offset();
    const uint32_t P = count(ride.TrackSectionName);
    const uint32_t trackSections = start + tr::kBaseHeaderSize;

    out.at(tr::kBaseCategory["BahnKategorie"]).word(static_cast<uint32_t>(ride.BahnKategorie));
    writeIdentity(out, ride, trackSections + 4 * P);
    out.at(L["PeepAttraktivitaet"]).signedWord(ride.PeepAttraktivitaet).word(1);
    out.at(L["rating table"]).pointer(OvlPart::CommonStructures, data.ratingTable);
    out.at(L["RundenanzahlMin"]).signedWord(ride.RundenanzahlMin);
    out.at(L["RundenanzahlMax"]).signedWord(ride.RundenanzahlMax);
    out.at(L["EintrittspreisPreset"]).signedWord(ride.entranceFeePreset);
    out.at(tr::kBaseLists["TrackSectionName count"]).word(P);
    out.at(L["track section references"]).pointer(OvlPart::UniqueStructures, trackSections);
    out.at(L["WagentypName count"]).word(count(ride.WagentypName));
    out.at(L["car types"]).pointer(OvlPart::CommonStructures, data.carTypeNames);
    writeCarsAndStation(out, tr::kBaseCarsAndStation, ride, 0);
    writeOperation(out, tr::kBaseOperation, ride);
    const std::optional<std::string> path = TrackPath(ride.TrackTyp);
    if (!path) throw std::logic_error("a TrackedRide was written although its track type has no path");
    out.at(L["TrackPath"]).string(*path);
    writeSectionsAndSplines(out, tr::kBaseSectionsAndSplines, ride, data.trackSections);
    out.at(tr::kBaseHeaderSize);
    writeTrackSectionReferences(out, ride);
    writePeepPathReferences(out, ride);
    out.endsAt(trackedRideSize(ride, false));
}

void writeAddOnLayout(OvlWriter& writer, const RideData& ride, const RideDataBlockLayout& data) {
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    const uint32_t start = out.offset();
    const uint32_t P = count(ride.TrackSectionName);
    const uint32_t trackSections = start + tr::kHeadASize;
    const uint32_t pieceB = trackSections + 4 * P;
    const uint32_t pieceC = pieceB + tr::kPieceSize;

    constexpr auto& A = tr::kHeadA;
    out.at(A["layout mark"]).word(tr::kAddOnLayoutMark);
    out.at(tr::kHeadAStart["track section references"]).pointer(OvlPart::UniqueStructures, trackSections);
    out.at(tr::kHeadAStart["WagentypName count"]).word(count(ride.WagentypName));
    out.at(tr::kHeadAStart["car types"]).pointer(OvlPart::CommonStructures, data.carTypeNames);
    writeCarsAndStation(out, tr::kHeadACarsAndStation, ride, 256);
    writeOperation(out, tr::kHeadAOperation, ride);
    out.word(0);
    writeSectionsAndSplines(out, tr::kHeadASectionsAndSplines, ride, data.trackSections);
    out.at(A["piece B"]).pointer(OvlPart::UniqueStructures, pieceB);
    out.at(tr::kHeadAEnd["TrackSectionName count"]).word(P);
    out.word(0).word(0).word(0).word(0).floatWord(0.001);
    out.word(0).word(0).word(0).word(0).word(0).signedWord(-1);
    out.floatWord(1.0).floatWord(1.0);
    out.at(A["track type count"]).word(count(ride.ZusatzTrackTyp) + 1);
    out.at(A["track paths"]).pointer(OvlPart::CommonStructures, data.trackPaths);
    out.floatWord(-1.0).floatWord(-1.0).word(0).signedWord(-1).word(0).word(1);
    out.at(A["WaterSectionKonstantgeschw"]).floatWord(ride.WaterSectionKonstantgeschw);
    out.at(A["WaterSectionBeschleunigung"]).floatWord(ride.WaterSectionBeschleunigung);
    out.at(A["WaterSectionAbbremsung"]).floatWord(ride.WaterSectionAbbremsung).floatWord(4.0);
    out.word(0).word(0);
    out.at(A["VierAchsenRotationswinkelFlag"]).signedWord(ride.VierAchsenRotationswinkelFlag);
    out.at(A["VorRueckFreiRotationFlag"]).signedWord(ride.VorRueckFreiRotationFlag);
    out.at(A["VertikalInversionswechselFlag"]).signedWord(ride.VertikalInversionswechselFlag).word(1);
    out.at(A["ZuganzahlPreset"]).signedWord(ride.ZuganzahlPreset);
    out.at(A["StationenSyncFlag"]).signedWord(ride.StationenSyncFlag);
    // A ride without car types has no first one to name.
    out.at(A["WagentypName 1"]);
    optionalString(out, ride.WagentypName.empty() ? std::string() : ride.WagentypName.front());
    out.at(tr::kHeadASize);
    writeTrackSectionReferences(out, ride);

    OvlPartWriter b = writer.into(OvlPart::UniqueStructures);
    if (b.offset() != pieceB) throw std::logic_error("piece B does not start where planned");
    constexpr auto& B = tr::kPieceB;
    b.signedWord(-1).word(1);
    b.at(B["rating table"]).pointer(OvlPart::CommonStructures, data.ratingTable);
    b.at(B["RundenanzahlMin"]).signedWord(ride.RundenanzahlMin);
    b.at(B["RundenanzahlMax"]).signedWord(ride.RundenanzahlMax);
    b.at(B["EintrittspreisPreset"]).signedWord(ride.entranceFeePreset);
    b.at(B["piece C"]).pointer(OvlPart::UniqueStructures, pieceC);
    b.at(B["PeepAttraktivitaet"]).signedWord(ride.PeepAttraktivitaet).word(0).word(0).word(3).word(3);
    b.signedWord(-2).signedWord(-2).signedWord(-2).word(1).word(1);
    b.endsAt(tr::kPieceSize);

    OvlPartWriter c = writer.into(OvlPart::UniqueStructures);
    c.at(tr::kPieceCCategory["BahnKategorie + 768"]).word(static_cast<uint32_t>(ride.BahnKategorie) + 768);
    writeIdentity(c, ride, pieceC + tr::kPieceSize);
    c.word(0).word(0).word(0);
    c.endsAt(tr::kPieceSize);

    writePeepPathReferences(c, ride);
    out.endsAt(trackedRideSize(ride, true));
}

}  // namespace

uint32_t trackedRideSize(const RideData& ride, bool addOns) {
    const uint32_t references = 4 * (count(ride.TrackSectionName) + count(ride.PeepPathSplineName));
    return references + (addOns ? tr::kHeadASize + 2 * tr::kPieceSize : tr::kBaseHeaderSize);
}

std::string peepLoopSymbol(const RideData& ride) { return ride.PeepLoopSplineName + ":spl"; }

bool isNoStation(std::string_view Stationstyp) {
    return Stationstyp == "none" || Stationstyp == "kein" || Stationstyp == "keine" || Stationstyp == "keiner";
}

void writeTrackedRide(OvlWriter& writer, const RideData& ride, bool addOns, const RideDataBlockLayout& data) {
    if (addOns) {
        writeAddOnLayout(writer, ride, data);
        return;
    }
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    writeBaseLayout(out, ride, data);
}

}  // namespace zw
