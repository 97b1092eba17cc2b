#pragma once
// The TrackedRide of a ride pair, in its two layouts, and the RatingTable it points to.
//
// The base game's layout is one header of 380 bytes, followed by the track section references and
// the peep path references. The layout of the game with both add-ons is head A (444 bytes), the
// track section references, pieces B and C (68 bytes each), then the peep path references; head A
// begins with the word −1 where the base header has the ride's category.
//
// Both layouts share four parts, placed at different offsets: the identity (names, icon, running
// costs, peep splines, flags; in the base header and in piece C), the cars and station, the
// operation (speeds, costs) and the sections and splines. Field names are the data-file keys the
// fields are written from.

#include <array>
#include <cstdint>

#include "ovl/StructureLayout.h"

namespace zw::trackedRide {

using enum FieldKind;

// Offsets 4 … 55 of the base header and of piece C (their word 0 is the category).
inline constexpr auto kIdentity = structureLayout(56, {
    {4, WideText, "BahnName"},
    {8, WideText, "BahnDescription"},
    {12, Reference, "BahnIcon"},
    {16, Signed, "TowerRideUnknown1"},
    {20, Signed, "TowerRideUnknown2"},
    {24, Unsigned, ""},
    {28, Unsigned, ""},
    {32, Signed, "BetriebskostenBasis"},
    {36, Reference, "PeepLoopSplineName"},
    {40, Unsigned, "PeepPathSplineName count"},
    {44, Pointer, "peep path references"},
    {48, Flags, "RideFlags"},
    {52, Signed, "BauhoeheMax"},
});

// Special cars and the station: base offsets 96 …, head A offsets 16 ….
inline constexpr auto kCarsAndStation = structureLayout(68, {
    {0, OptionalText, "SpezialWagentypAName"},
    {4, Float, "SpezialWagentypAVersatzWarten"},
    {8, Float, "SpezialWagentypAVersatzEinhaken"},
    {12, Float, "SpezialWagentypABergaufGeschw"},
    {16, Float, "SpezialWagentypABergabGeschw"},
    {20, OptionalText, "SpezialWagentypBName"},
    {24, Float, ""},
    {28, Float, ""},
    {32, Float, ""},
    {36, Float, ""},
    {40, OptionalText, "Stationstyp"},
    {44, Signed, "StationshoeheueberGleis"},
    {48, Signed, "BaunuraufWasserFlag"},
    {52, Unsigned, ""},
    {56, Signed, "BahnstartPreset"},
    {60, Signed, "BahnstartMoeglichkeiten"},
    {64, Unsigned, "BlockaufteilungsFlag"},
});

// Speeds, running costs and building costs: base offsets 164 …, head A offsets 84 ….
inline constexpr auto kOperation = structureLayout(124, {
    {0, Float, "InAusStationRollgeschw"},
    {4, Float, ""},
    {8, Float, "StartgeschwPreset"},
    {12, Float, ""},
    {16, Float, "LiftkettengeschwPreset"},
    {20, Float, "LiftkettenEinrastung"},
    {24, Float, ""},
    {28, Float, ""},
    {32, Float, ""},
    {36, Float, ""},
    {40, Float, "KonstantgeschwPreset"},
    {44, Float, "KonstantgeschwMin"},
    {48, Float, "KonstantgeschwMax"},
    {52, Float, "KonstantgeschwStep"},
    {56, Float, "BergaufabAbweichung"},
    {60, Unsigned, ""},
    {64, Unsigned, ""},
    {68, Unsigned, ""},
    {72, Unsigned, ""},
    {76, Unsigned, ""},
    {80, Signed, "BetriebskostenproZug"},
    {84, Signed, "BetriebskostenproWagen"},
    {88, Signed, "BetriebskostenproStation"},
    {92, Unsigned, "WagenRotationswinkelFlag"},
    {96, Float, "TowerRideSpitzenDauer"},
    {100, Float, "TowerRideSpitzenAbstand"},
    {104, Signed, "SchleifenUnzulaessigFlag"},
    {108, Unsigned, ""},
    {112, Unsigned, "BahnkostenVorschau / 75"},
    {116, Unsigned, ""},
    {120, Signed, "BaukostenHoehe4H"},
});

// Special track sections, lift and launch speeds, the fixed splines: base offsets 292 …, head A
// offsets 212 ….
inline constexpr auto kSectionsAndSplines = structureLayout(88, {
    {0, OptionalReference, "SpezialTrackSectionNameBEnde"},
    {4, OptionalReference, "SpezialTrackSectionNameBMitte"},
    {8, OptionalReference, "SpezialTrackSectionNameAEnde"},
    {12, OptionalReference, "SpezialTrackSectionNameAMitte"},
    {16, Signed, "AutoFertigstellungFlag"},
    {20, Signed, "AnjederStelleabbaubarFlag"},
    {24, Signed, "BetriebsmodusanzeigenFlag"},
    {28, Float, "LiftkettengeschwMin"},
    {32, Float, "LiftkettengeschwMax"},
    {36, Float, "LiftkettengeschwStep"},
    {40, Unsigned, "BahnkostenVorschau"},
    {44, Unsigned, "TrackSectionName count"},
    {48, Pointer, "track sections"},
    {52, Float, "StartgeschwMin"},
    {56, Float, "StartgeschwMax"},
    {60, Float, "StartgeschwStep"},
    {64, Reference, "track spline"},
    {68, Reference, "big track spline"},
    {72, Reference, "car spline"},
    {76, Reference, "swinging car spline"},
    {80, Float, "LichtraumprofilHoehe"},
    {84, Float, ""},
});

// ---- the base layout ----

inline constexpr uint32_t kBaseHeaderSize = 380;
inline constexpr uint32_t kBaseCarsAndStation = 96;
inline constexpr uint32_t kBaseOperation = 164;
inline constexpr uint32_t kBaseSectionsAndSplines = 292;

inline constexpr auto kBaseCategory = structureLayout(4, {{0, Unsigned, "BahnKategorie"}});
inline constexpr auto kBaseLists = structureLayout(96, {
    {56, Signed, "PeepAttraktivitaet"},
    {60, Unsigned, ""},
    {64, Pointer, "rating table"},
    {68, Signed, "RundenanzahlMin"},
    {72, Signed, "RundenanzahlMax"},
    {76, Signed, "EintrittspreisPreset"},
    {80, Unsigned, "TrackSectionName count"},
    {84, Pointer, "track section references"},
    {88, Unsigned, "WagentypName count"},
    {92, Pointer, "car types"},
});
inline constexpr auto kBaseTrackPath = structureLayout(292, {{288, Text, "TrackPath"}});

inline constexpr auto kBaseHeader =
    joined(kBaseHeaderSize, kBaseCategory, kIdentity, kBaseLists, placedAt(kBaseCarsAndStation, kCarsAndStation),
           placedAt(kBaseOperation, kOperation), kBaseTrackPath,
           placedAt(kBaseSectionsAndSplines, kSectionsAndSplines));

// ---- the add-on layout ----

inline constexpr uint32_t kHeadASize = 444;
inline constexpr uint32_t kPieceSize = 68;  // pieces B and C
inline constexpr uint32_t kHeadACarsAndStation = 16;
inline constexpr uint32_t kHeadAOperation = 84;
inline constexpr uint32_t kHeadASectionsAndSplines = 212;
inline constexpr uint32_t kAddOnLayoutMark = 0xFFFFFFFF;  // word 0 of head A

inline constexpr auto kHeadAStart = structureLayout(16, {
    {0, Flags, "layout mark"},
    {4, Pointer, "track section references"},
    {8, Unsigned, "WagentypName count"},
    {12, Pointer, "car types"},
});
inline constexpr auto kHeadAMiddle = structureLayout(212, {{208, Unsigned, ""}});
inline constexpr auto kHeadAEnd = structureLayout(kHeadASize, {
    {300, Pointer, "piece B"},
    {304, Unsigned, "TrackSectionName count"},
    {308, Unsigned, ""},
    {312, Unsigned, ""},
    {316, Unsigned, ""},
    {320, Unsigned, ""},
    {324, Float, ""},
    {328, Unsigned, ""},
    {332, Unsigned, ""},
    {336, Unsigned, ""},
    {340, Unsigned, ""},
    {344, Unsigned, ""},
    {348, Signed, ""},
    {352, Float, ""},
    {356, Float, ""},
    {360, Unsigned, "track type count"},
    {364, Pointer, "track paths"},
    {368, Float, ""},
    {372, Float, ""},
    {376, Unsigned, ""},
    {380, Signed, ""},
    {384, Unsigned, ""},
    {388, Unsigned, ""},
    {392, Float, "WaterSectionKonstantgeschw"},
    {396, Float, "WaterSectionBeschleunigung"},
    {400, Float, "WaterSectionAbbremsung"},
    {404, Float, ""},
    {408, Unsigned, ""},
    {412, Unsigned, ""},
    {416, Signed, "VierAchsenRotationswinkelFlag"},
    {420, Signed, "VorRueckFreiRotationFlag"},
    {424, Signed, "VertikalInversionswechselFlag"},
    {428, Unsigned, ""},
    {432, Signed, "ZuganzahlPreset"},
    {436, Signed, "StationenSyncFlag"},
    {440, Text, "WagentypName 1"},
});

inline constexpr auto kHeadA =
    joined(kHeadASize, kHeadAStart, placedAt(kHeadACarsAndStation, kCarsAndStation),
           placedAt(kHeadAOperation, kOperation), kHeadAMiddle,
           placedAt(kHeadASectionsAndSplines, kSectionsAndSplines), kHeadAEnd);

inline constexpr auto kPieceB = structureLayout(kPieceSize, {
    {0, Signed, ""},
    {4, Unsigned, ""},
    {8, Pointer, "rating table"},
    {12, Signed, "RundenanzahlMin"},
    {16, Signed, "RundenanzahlMax"},
    {20, Signed, "EintrittspreisPreset"},
    {24, Pointer, "piece C"},
    {28, Signed, "PeepAttraktivitaet"},
    {32, Unsigned, ""},
    {36, Unsigned, ""},
    {40, Unsigned, ""},
    {44, Unsigned, ""},
    {48, Signed, ""},
    {52, Signed, ""},
    {56, Signed, ""},
    {60, Unsigned, ""},
    {64, Unsigned, ""},
});

inline constexpr auto kPieceCCategory = structureLayout(4, {{0, Unsigned, "BahnKategorie + 768"}});
inline constexpr auto kPieceCEnd =
    structureLayout(kPieceSize, {{56, Unsigned, ""}, {60, Unsigned, ""}, {64, Unsigned, ""}});
inline constexpr auto kPieceC = joined(kPieceSize, kPieceCCategory, kIdentity, kPieceCEnd);

// ---- the lists the TrackedRide points to ----

inline constexpr uint32_t kTrackSectionEntrySize = 8;  // TrackSectionName string, TrackSectionKosten

// The RatingTable: 30 pointers and a final 0, then the 30 records they point to: three head
// records, 25 rating records of 24 bytes, two tail records.
inline constexpr int kRatingRecordCount = 30;
inline constexpr uint32_t kRatingPointerWords = kRatingRecordCount + 1;
inline constexpr std::array<uint32_t, kRatingRecordCount> kRatingRecordSizes = [] {
    std::array<uint32_t, kRatingRecordCount> sizes{};
    sizes[0] = 16;
    sizes[1] = 12;
    sizes[2] = 4;
    for (int i = 3; i < 28; ++i) sizes[i] = 24;
    sizes[28] = 4;
    sizes[29] = 12;
    return sizes;
}();
inline constexpr uint32_t kRatingTableSize = [] {
    uint32_t size = 4 * kRatingPointerWords;
    for (uint32_t s : kRatingRecordSizes) size += s;
    return size;
}();
static_assert(kRatingTableSize == 772);

inline constexpr auto kRatingRecord = structureLayout(24, {
    {0, Unsigned, "kind"},
    {4, Float, "excitement"},
    {8, Float, "intensity"},
    {12, Float, "nausea"},
    {16, Unsigned, "rating number"},
    {20, Float, "factor"},
});

static_assert(isWellFormed(kBaseHeader) && isWellFormed(kHeadA) && isWellFormed(kPieceB) && isWellFormed(kPieceC) &&
              isWellFormed(kRatingRecord));

}  // namespace zw::trackedRide
