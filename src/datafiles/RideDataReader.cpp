#include "datafiles/RideDataReader.h"

#include <optional>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"
#include "datafiles/RideDataHeader.h"

namespace zw {
namespace {

using Names = std::initializer_list<std::string_view>;

// The lookups of one read: each takes the German name first, then its aliases.
class KeyReader {
public:
    explicit KeyReader(Lookups& lookups) : lookups_(lookups), found_(lookups.results()) {}

    std::vector<std::string> texts(Names names) {
        lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Text, names);
        return found_.FoundTexts;
    }
    std::string text(Names names, std::string_view fallback) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Text, names) == 0) return std::string(fallback);
        return found_.FoundTexts[0];
    }
    std::string textWithSpaces(Names names, std::string_view fallback) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::TextWithSpaces, names) == 0)
            return std::string(fallback);
        return found_.FoundTexts[0];
    }
    std::optional<int32_t> integer(Names names) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Integer, names) == 0) return std::nullopt;
        return found_.FoundInts[0];
    }
    int32_t integer(Names names, int32_t fallback) { return integer(names).value_or(fallback); }
    // 1 when the first integer is exactly 1, 0 for any other number.
    int32_t flag(Names names, int32_t fallback) {
        const auto value = integer(names);
        return value ? (*value == 1 ? 1 : 0) : fallback;
    }
    std::vector<double> decimals(Names names) {
        lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Decimal, names);
        return found_.FoundDecimals;
    }
    double decimal(Names names, double fallback) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Decimal, names) == 0) return fallback;
        return found_.FoundDecimals[0];
    }
    int32_t money(Names names, int32_t fallback) {
        if (lookups_.collectWithAliases(DataFileKind::Ride, ValueKind::Decimal, names) == 0) return fallback;
        return toHundredths(found_.FoundDecimals[0]);
    }

private:
    Lookups& lookups_;
    const LookupResults& found_;
};

// An unknown unit counts as SI.
double speedUnitFactorOf(const std::string& unit) {
    for (const SpeedUnitName& known : speedUnitNames())
        if (known.name == unit) return known.factor;
    return 1.0;
}

bool beginsWithTrackCtr(const std::string& text) { return text.rfind("TrackCTR", 0) == 0; }

}  // namespace

const std::array<RatingRow, kRatingRowCount> kRatingRows = {{
    {"Basis", "Base", true, 3.0, 2.0, 1.5},
    {"Rundenanzahl", "CircuitCount", true, 0.0, 0.0, 0.0},
    {"Wagenanzahl", "CarCount", true, 0.3, 0.0, 0.0},
    {"Fahrtzeit", "RideTime", true, 0.01, 0.0, 0.0},
    {"SzenerieMax", "SceneryMax", true, 0.5, 0.0, 0.0},
    {"Zuganzahl", "", false, 0, 0, 0},
    {"WagentypRangfolge", "", false, 0, 0, 0},
    {"Startgeschw", "", false, 0, 0, 0},
    {"langsameLiftkette", "", false, 0, 0, 0},
    {"Liftkettengeschw", "", false, 0, 0, 0},
    {"Hoechstgeschw", "MaximumSpeed", true, 0.01, 0.02, 0.01},
    {"Durchschnittsgeschw", "AverageSpeed", true, 0.05, 0.05, 0.0},
    {"Fahrtlaenge", "RideLength", true, 0.01, 0.0, 0.0},
    {"MaxposvertGKraft", "", false, 0, 0, 0},
    {"MaxnegvertGKraft", "", false, 0, 0, 0},
    {"MaxseitlGKraft", "", false, 0, 0, 0},
    {"GesamtzeitinLuft", "", false, 0, 0, 0},
    {"GefaelleAnzahl", "", false, 0, 0, 0},
    {"HoechsteFallhoehe", "", false, 0, 0, 0},
    {"InversionenAnzahl", "", false, 0, 0, 0},
    {"Tunnellaenge", "", false, 0, 0, 0},
    {"Terraforming", "", false, 0, 0, 0},
    {"SzenerieEinfluss", "SceneryInfluence", true, 4.0, 0.0, 0.0},
    {"mittlereseitlGKraft", "AverageHorizGForce", true, 2.0, 2.0, 4.0},
    {"mittlerevertGKraft", "AverageVertGForce", true, 1.5, 3.0, 1.5},
}};

RideData rideDataFromKeys(Lookups& lookups, const std::filesystem::path& file) {
    KeyReader keys(lookups);
    RideData r;

    // Names from the path. The file name is "CTR_BahnDaten_" + name part + ".txt".
    r.DataFileFolder = file.parent_path();
    const std::string fileName = pathToCp1252(file.filename());
    const std::string namePart = fileName.size() > 18 ? fileName.substr(14, fileName.size() - 18) : std::string();
    r.RideObjectName = namePart.empty() ? "CTR_Unbenannt" : "CTR_" + namePart;

    // The unit first: the speed defaults depend on it.
    r.SpeedUnitFactor = speedUnitFactorOf(keys.text({"DistanzGeschwEinheit", "DistanceSpeedUnit"}, ""));
    const double f = r.SpeedUnitFactor;
    r.RideFlags = kFlagAlwaysSet;

    r.BahnName = keys.textWithSpaces({"BahnName", "RideName"}, "CTR Unbenannt");
    r.BahnDescription = keys.textWithSpaces({"BahnDescription", "RideDescription"}, "CTR Description");
    r.BahnIcon = keys.text({"BahnIcon", "RideIcon"}, "CTR");
    r.BahnKategorie = keys.integer({"BahnKategorie", "RideCategory"}, 3);
    r.WagentypName = keys.texts({"WagentypName", "CarTypeName"});
    if (r.WagentypName.empty()) r.WagentypName = {"JuniorLadybird", "WildMouse", "LIMCoaster"};
    r.TrackTyp = keys.text({"TrackTyp", "TrackType"}, "Track8");
    r.TrackSectionName = keys.texts({"TrackSectionName"});
    if (r.TrackSectionName.empty()) r.TrackSectionName = {"Stationmiddle", "Straight", "Medcurve"};
    // One cost per section: extra costs are ignored, sections without one cost 10.00.
    const std::vector<double> costs = keys.decimals({"TrackSectionKosten", "TrackSectionCosts"});
    for (size_t j = 0; j < r.TrackSectionName.size(); ++j)
        r.TrackSectionKosten.push_back(j < costs.size() ? toHundredths(costs[j]) : 1000);
    r.BaukostenHoehe4H = keys.money({"BaukostenHoehe4H", "CostsHeight4H"}, 1600);
    r.Stationstyp = keys.text({"Stationstyp", "StationType"}, "standard");
    r.LichtraumprofilHoehe = keys.decimal({"LichtraumprofilHoehe", "ClearanceHeight"}, 0.9);
    r.BauhoeheMax = keys.integer({"BauhoeheMax", "HeightMax"}, 100);
    r.BahnstartPreset = keys.integer({"BahnstartPreset", "StartPreset"}, 0);
    r.BahnstartMoeglichkeiten = keys.integer({"BahnstartMoeglichkeiten", "StartOptions"}, 3);
    if (keys.flag({"KeineKinderFlag", "NoChildrenFlag", "NoChildsFlag"}, 0)) r.RideFlags += kFlagNoChildren;
    if (keys.flag({"KeineFliessendWassertexturFlag", "NoFlowingWaterTextureFlag"}, 0))
        r.RideFlags += kFlagNoFlowingWaterTexture;
    if (keys.flag({"AmpelRotGruenFlag", "LightRedGreenFlag"}, 0)) r.RideFlags += kFlagRedGreenLight;
    if (keys.flag({"VolllastFlag", "FullLoadFlag"}, 0)) r.RideFlags += kFlagFullLoad;
    r.BlockaufteilungsFlag = keys.flag({"BlockaufteilungsFlag", "BlockSectionFlag"}, 1);
    r.RundenanzahlMin = keys.integer({"RundenanzahlMin", "CircuitsMin"}, 1);
    r.RundenanzahlMax = keys.integer({"RundenanzahlMax", "CircuitsMax"}, 10);
    r.AutoFertigstellungFlag = keys.flag({"AutoFertigstellungFlag", "AutocompleteFlag"}, 0);
    r.WagenRotationswinkelFlag = keys.flag({"WagenRotationswinkelFlag", "CarRotationFlag"}, 0);
    r.SchleifenUnzulaessigFlag = keys.flag({"SchleifenUnzulaessigFlag", "NoCircuitsFlag"}, 0);
    r.AnjederStelleabbaubarFlag = keys.flag({"AnjederStelleabbaubarFlag", "DestructionAnywhereFlag"}, 1);

    // Speed defaults are metres per second expressed in the file's unit.
    r.InAusStationRollgeschw = keys.decimal({"InAusStationRollgeschw", "InOutOfStationRollSpeed"}, 8 / f);
    r.LiftkettengeschwMin = keys.decimal({"LiftkettengeschwMin", "LiftchainSpeedMin"}, 1 / f);
    r.LiftkettengeschwMax = keys.decimal({"LiftkettengeschwMax", "LiftchainSpeedMax"}, 25 / f);
    r.LiftkettengeschwPreset = keys.decimal({"LiftkettengeschwPreset", "LiftchainSpeedPreset"}, 4 / f);
    r.StartgeschwMin = keys.decimal({"StartgeschwMin", "StartSpeedMin"}, 1 / f);
    r.StartgeschwMax = keys.decimal({"StartgeschwMax", "StartSpeedMax"}, 50 / f);
    r.StartgeschwPreset = keys.decimal({"StartgeschwPreset", "StartSpeedPreset"}, 20 / f);
    r.KonstantgeschwFlag = keys.flag({"KonstantgeschwFlag", "ConstantSpeedFlag"}, 0);
    r.KonstantgeschwMin = keys.decimal({"KonstantgeschwMin", "ConstantSpeedMin"}, 1 / f);
    r.KonstantgeschwMax = keys.decimal({"KonstantgeschwMax", "ConstantSpeedMax"}, 25 / f);
    r.KonstantgeschwPreset = keys.decimal({"KonstantgeschwPreset", "ConstantSpeedPreset"}, 5 / f);
    r.BergaufabAbweichung = keys.decimal({"BergaufabAbweichung", "HillVariation"}, 1.0);

    r.BahnkostenVorschau = keys.money({"BahnkostenVorschau", "RideCostsPreview"}, 250000);
    r.BetriebskostenBasis = keys.money({"BetriebskostenBasis", "RunningCostsBase"}, 4960);
    r.BetriebskostenproZug = keys.money({"BetriebskostenproZug", "RunningCostsPerTrain"}, 1100);
    r.BetriebskostenproWagen = keys.money({"BetriebskostenproWagen", "RunningCostsPerCar"}, 300);
    r.BetriebskostenproStation = keys.money({"BetriebskostenproStation", "RunningCostsPerStation"}, 1000);

    for (size_t row = 0; row < kRatingRowCount; ++row) {
        const RatingRow& rating = kRatingRows[row];
        auto& coefficients = r.RatingCoefficients[row];
        coefficients = {0.0, 0.0, 0.0, 1.0};
        if (!rating.read) continue;
        const std::string german(rating.germanStem), english(rating.englishStem);
        coefficients[Excitement] = keys.decimal({"Err" + german, "Exc" + english}, rating.excitement);
        coefficients[Intensity] = keys.decimal({"Int" + german, "Int" + english}, rating.intensity);
        coefficients[Nausea] = keys.decimal({"Ueb" + german, "Nau" + english}, rating.nausea);
    }

    r.Zuverlaessigkeitsabnahme = keys.decimal({"Zuverlaessigkeitsabnahme", "ReliabilityDecrease"}, 10.0);
    r.PeepAttraktivitaet = keys.integer({"PeepAttraktivitaet", "PeepAttractivity"}, 60);
    r.SpezialTrackSectionNameAMitte = keys.text({"SpezialTrackSectionNameAMitte", "SpecialTrackSectionNameAMid"}, "");
    r.SpezialTrackSectionNameAEnde = keys.text({"SpezialTrackSectionNameAEnde", "SpecialTrackSectionNameAEnd"}, "");
    r.SpezialTrackSectionNameBMitte = keys.text({"SpezialTrackSectionNameBMitte", "SpecialTrackSectionNameBMid"}, "");
    r.SpezialTrackSectionNameBEnde = keys.text({"SpezialTrackSectionNameBEnde", "SpecialTrackSectionNameBEnd"}, "");
    r.TowerRideSpitzenDauer = keys.decimal({"TowerRideSpitzenDauer", "TowerRideTopDuration"}, 0.0);
    r.TowerRideSpitzenAbstand = keys.decimal({"TowerRideSpitzenAbstand", "TowerRideTopClearance"}, 0.01);
    r.PeepLoopSplineName = keys.text({"PeepLoopSplineName"}, "");
    r.PeepPathSplineName = keys.texts({"PeepPathSplineName"});
    r.SpezialWagentypAName = keys.text({"SpezialWagentypAName", "SpecialCarTypeAName"}, "");
    r.SpezialWagentypAVersatzWarten = keys.decimal({"SpezialWagentypAVersatzWarten", "SpecialCarTypeAOffsetWait"}, 0.0);
    r.SpezialWagentypAVersatzEinhaken =
        keys.decimal({"SpezialWagentypAVersatzEinhaken", "SpecialCarTypeAOffsetHitch"}, 0.0);
    r.SpezialWagentypABergaufGeschw =
        keys.decimal({"SpezialWagentypABergaufGeschw", "SpecialCarTypeAUphillSpeed"}, 0.0);
    r.SpezialWagentypABergabGeschw =
        keys.decimal({"SpezialWagentypABergabGeschw", "SpecialCarTypeADownhillSpeed"}, 0.0);
    r.SpezialWagentypBName = keys.text({"SpezialWagentypBName", "SpecialCarTypeBName"}, "");

    // Additional track types: none for a CTR track type; otherwise the first ten found, without
    // the CTR track types among them.
    if (!beginsWithTrackCtr(r.TrackTyp)) {
        std::vector<std::string> found = keys.texts({"ZusatzTrackTyp", "AdditionalTrackType"});
        if (found.size() > kZusatzTrackTypLimit) found.resize(kZusatzTrackTypLimit);
        for (auto& type : found)
            if (!beginsWithTrackCtr(type)) r.ZusatzTrackTyp.push_back(std::move(type));
    }
    r.VorRueckFreiRotationFlag = keys.flag({"VorRueckFreiRotationFlag", "ForwardBackFreeRotationFlag"}, 0);
    r.VierAchsenRotationswinkelFlag = keys.flag({"VierAchsenRotationswinkelFlag", "FourAxisRotationFlag"}, 0);
    if (keys.flag({"FahrtzwischenTrackSplinesFlag", "RidebetweenTrackSplinesFlag"}, 0))
        r.RideFlags += kFlagRideBetweenTrackSplines;
    r.VertikalInversionswechselFlag = keys.flag({"VertikalInversionswechselFlag", "VerticalInversionChangeFlag"}, 0);
    r.ZuganzahlPreset = keys.integer({"ZuganzahlPreset", "TrainCountPreset"}, -1);
    r.StationenSyncFlag = keys.flag({"StationenSyncFlag", "StationsSyncFlag"}, 0);
    r.WaterSectionKonstantgeschw = keys.decimal({"WaterSectionKonstantgeschw", "WaterSectionConstantSpeed"}, 1.9);
    r.WaterSectionBeschleunigung = keys.decimal({"WaterSectionBeschleunigung", "WaterSectionAcceleration"}, 200.0);
    r.WaterSectionAbbremsung = keys.decimal({"WaterSectionAbbremsung", "WaterSectionDeceleration"}, 3000.0);

    // Fixed fields.
    r.StationshoeheueberGleis = 0;
    r.BaunuraufWasserFlag = 0;
    r.BetriebsmodusanzeigenFlag = -1;
    r.LiftkettengeschwStep = 0.1 / f;
    r.StartgeschwStep = 0.1 / f;
    r.KonstantgeschwStep = 0.1 / f;
    r.LiftkettenEinrastung = 30000.0;
    r.EintrittspreisPreset = 100;
    r.TowerRideUnknown1 = 0;
    r.TowerRideUnknown2 = 0;
    r.Unknowns = 0;
    return r;
}

bool readRideDataFile(const std::filesystem::path& file, LoadedDataFiles& files, LookupResults& results,
                     RideData& ride, Dialogs& dialogs, Language language) {
    auto show = [&](std::string_view id) { dialogs.showMessage(message(id, language)); };

    // A name that the Windows code page cannot hold cannot become an object name: such a file is
    // treated as one that cannot be opened.
    std::optional<std::string> bytes;
    try {
        (void)pathToCp1252(file.filename());
        bytes = readWholeFile(file);
    } catch (const EncodingError&) {
        bytes.reset();
    }
    if (!bytes) {
        show("101");
        return false;
    }
    files.RideFileText = makeDataFileText(*bytes);
    switch (checkHeader(files.RideFileText, bytes->size(), acceptedRideHeaderSums())) {
        case HeaderCheckResult::TooShort: show("121"); return false;
        case HeaderCheckResult::NotAccepted: show("122"); return false;
        case HeaderCheckResult::Accepted: break;
    }
    if (!buildLineIndex(files.RideFileText, bytes->size(), files.Lines)) {
        show("116");
        return false;
    }
    Lookups lookups(files, results, dialogs, language);
    ride = rideDataFromKeys(lookups, file);
    return true;
}

}  // namespace zw
