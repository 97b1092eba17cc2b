#pragma once
// The fields of a ride data file CTR_BahnDaten_<name>.txt as the ride reader fills them. A
// single-valued key's field is named like its German key. Speeds are held in the file's unit
// (SpeedUnitFactor converts them to metres per second); money is held in hundredths.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// The rating table: 25 rows of excitement, intensity, nausea and factor.
struct RatingRow {
    std::string_view germanStem;
    std::string_view englishStem;  // empty for the fixed rows
    bool read;                     // false: fixed row, not in the file
    double excitement, intensity, nausea;  // defaults of the rows that are read
};
inline constexpr size_t kRatingRowCount = 25;
extern const std::array<RatingRow, kRatingRowCount> kRatingRows;

enum RatingColumn { Excitement = 0, Intensity = 1, Nausea = 2, Factor = 3 };

// RideFlags values.
inline constexpr uint32_t kFlagNoChildren = 1;
inline constexpr uint32_t kFlagAlwaysSet = 2;
inline constexpr uint32_t kFlagNoFlowingWaterTexture = 4;
inline constexpr uint32_t kFlagRedGreenLight = 16;
inline constexpr uint32_t kFlagFullLoad = 128;
inline constexpr uint32_t kFlagRideBetweenTrackSplines = 2048;

// The most additional track types a ride keeps.
inline constexpr size_t kExtraTrackTypeLimit = 10;

struct RideData {
    std::filesystem::path DataFileFolder;  // the folder of the file read
    std::string RideObjectName;            // "CTR_" + name part; Windows-1252
    double SpeedUnitFactor = 1.0;
    uint32_t RideFlags = 0;

    std::string BahnName;  // all texts: Windows-1252 bytes as read
    std::string BahnDescription;
    std::string BahnIcon;
    int32_t BahnKategorie = 0;
    std::vector<std::string> WagentypName;
    std::string TrackTyp;
    std::vector<std::string> TrackSectionName;
    std::vector<int32_t> TrackSectionKosten;  // one per track section, hundredths
    int32_t BaukostenHoehe4H = 0;             // hundredths
    std::string Stationstyp;
    double LichtraumprofilHoehe = 0;
    int32_t BauhoeheMax = 0;
    int32_t BahnstartPreset = 0;
    int32_t BahnstartMoeglichkeiten = 0;
    int32_t BlockaufteilungsFlag = 0;
    int32_t RundenanzahlMin = 0;
    int32_t RundenanzahlMax = 0;
    int32_t AutoFertigstellungFlag = 0;
    int32_t WagenRotationswinkelFlag = 0;
    int32_t SchleifenUnzulaessigFlag = 0;
    int32_t AnjederStelleabbaubarFlag = 0;

    // Speeds, in the file's unit.
    double InAusStationRollgeschw = 0;
    double LiftkettengeschwMin = 0;
    double LiftkettengeschwMax = 0;
    double LiftkettengeschwPreset = 0;
    double StartgeschwMin = 0;
    double StartgeschwMax = 0;
    double StartgeschwPreset = 0;
    int32_t KonstantgeschwFlag = 0;
    double KonstantgeschwMin = 0;
    double KonstantgeschwMax = 0;
    double KonstantgeschwPreset = 0;
    double BergaufabAbweichung = 0;

    // Money, hundredths.
    int32_t BahnkostenVorschau = 0;
    int32_t BetriebskostenBasis = 0;
    int32_t BetriebskostenproZug = 0;
    int32_t BetriebskostenproWagen = 0;
    int32_t BetriebskostenproStation = 0;

    // Row r (0-based) of the rating table; columns RatingColumn.
    std::array<std::array<double, 4>, kRatingRowCount> RatingCoefficients{};

    double Zuverlaessigkeitsabnahme = 0;
    int32_t PeepAttraktivitaet = 0;
    std::string SpezialTrackSectionNameAMitte;
    std::string SpezialTrackSectionNameAEnde;
    std::string SpezialTrackSectionNameBMitte;
    std::string SpezialTrackSectionNameBEnde;
    double TowerRideSpitzenDauer = 0;
    double TowerRideSpitzenAbstand = 0;
    std::string PeepLoopSplineName;
    std::vector<std::string> PeepPathSplineName;
    std::string SpezialWagentypAName;
    double SpezialWagentypAVersatzWarten = 0;
    double SpezialWagentypAVersatzEinhaken = 0;
    double SpezialWagentypABergaufGeschw = 0;
    double SpezialWagentypABergabGeschw = 0;
    std::string SpezialWagentypBName;

    // The add-on keys.
    std::vector<std::string> ZusatzTrackTyp;  // at most kExtraTrackTypeLimit, entry 0 first
    int32_t VorRueckFreiRotationFlag = 0;
    int32_t VierAchsenRotationswinkelFlag = 0;
    int32_t VertikalInversionswechselFlag = 0;
    int32_t ZuganzahlPreset = 0;
    int32_t StationenSyncFlag = 0;
    double WaterSectionKonstantgeschw = 0;
    double WaterSectionBeschleunigung = 0;
    double WaterSectionAbbremsung = 0;

    // Fixed fields: no key sets them, every read gives them these values, the rewrite omits them.
    int32_t stationHeightAboveTrack = 0;
    int32_t buildOnWaterOnly = 0;
    int32_t showAllOperatingModes = -1;
    double liftChainSpeedStep = 0;  // 0.1 / SpeedUnitFactor
    double launchSpeedStep = 0;
    double constantSpeedStep = 0;
    double liftChainEngagement = 30000.0;
    int32_t entranceFeePreset = 100;  // hundredths
    int32_t TowerRideUnknown1 = 0;
    int32_t TowerRideUnknown2 = 0;
    int32_t Unknowns = 0;

    bool operator==(const RideData&) const = default;
};

// The fields no key sets, as every read gives them (the steps in the ride's speed unit).
inline void setFieldsWithoutKeys(RideData& r) {
    const double f = r.SpeedUnitFactor;
    r.stationHeightAboveTrack = 0;
    r.buildOnWaterOnly = 0;
    r.showAllOperatingModes = -1;
    r.liftChainSpeedStep = 0.1 / f;
    r.launchSpeedStep = 0.1 / f;
    r.constantSpeedStep = 0.1 / f;
    r.liftChainEngagement = 30000.0;
    r.entranceFeePreset = 100;
    r.TowerRideUnknown1 = 0;
    r.TowerRideUnknown2 = 0;
    r.Unknowns = 0;
}

}  // namespace zw
