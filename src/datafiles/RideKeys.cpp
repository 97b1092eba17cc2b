// The keys of a ride data file, in the order the ride reader looks them up.
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"
#include "datafiles/RideData.h"

namespace zw {
namespace {

DataFileKey key(std::vector<std::string> names, KeyValues values, std::string defaultText,
                KnownList list = KnownList::None) {
    DataFileKey k = dataFileKey(std::move(names), values, std::move(defaultText));
    k.list = list;
    return k;
}

DataFileKey speed(std::vector<std::string> names, double metresPerSecond) {
    DataFileKey k = key(std::move(names), KeyValues::Speed, "");
    k.speedDefault = metresPerSecond;
    return k;
}

DataFileKey addOn(DataFileKey k) {
    k.use = KeyUse::AddOn;
    return k;
}

std::string decimal(double v) { return formatDecimal(v); }
std::string money(int32_t hundredths) { return formatMoney(hundredths); }

std::vector<DataFileKey> makeRideKeys() {
    using V = KeyValues;
    std::vector<DataFileKey> keys = {
        key({"DistanzGeschwEinheit", "DistanceSpeedUnit"}, V::SpeedUnit, "SI"),
        key({"BahnName", "RideName"}, V::TextWithSpaces, "CTR Unbenannt"),
        key({"BahnDescription", "RideDescription"}, V::TextWithSpaces, "CTR Description"),
        key({"BahnIcon", "RideIcon"}, V::Text, "CTR", KnownList::Icons),
        key({"BahnKategorie", "RideCategory"}, V::Integer, "3"),
        key({"WagentypName", "CarTypeName"}, V::TextList, "JuniorLadybird, WildMouse, LIMCoaster", KnownList::CarTypes),
        key({"TrackTyp", "TrackType"}, V::Text, "Track8"),
        key({"TrackSectionName"}, V::TextList, "Stationmiddle, Straight, Medcurve", KnownList::TrackSections),
        key({"TrackSectionKosten", "TrackSectionCosts"}, V::MoneyList, money(1000)),
        key({"BaukostenHoehe4H", "CostsHeight4H"}, V::Money, money(1600)),
        key({"Stationstyp", "StationType"}, V::Text, "standard", KnownList::Stations),
        key({"LichtraumprofilHoehe", "ClearanceHeight"}, V::Decimal, decimal(0.9)),
        key({"BauhoeheMax", "HeightMax"}, V::Integer, "100"),
        key({"BahnstartPreset", "StartPreset"}, V::Integer, "0"),
        key({"BahnstartMoeglichkeiten", "StartOptions"}, V::Integer, "3"),
        key({"KeineKinderFlag", "NoChildrenFlag", "NoChildsFlag"}, V::Flag, "0"),
        key({"KeineFliessendWassertexturFlag", "NoFlowingWaterTextureFlag"}, V::Flag, "0"),
        key({"AmpelRotGruenFlag", "LightRedGreenFlag"}, V::Flag, "0"),
        key({"VolllastFlag", "FullLoadFlag"}, V::Flag, "0"),
        key({"BlockaufteilungsFlag", "BlockSectionFlag"}, V::Flag, "1"),
        key({"RundenanzahlMin", "CircuitsMin"}, V::Integer, "1"),
        key({"RundenanzahlMax", "CircuitsMax"}, V::Integer, "10"),
        key({"AutoFertigstellungFlag", "AutocompleteFlag"}, V::Flag, "0"),
        key({"WagenRotationswinkelFlag", "CarRotationFlag"}, V::Flag, "0"),
        key({"SchleifenUnzulaessigFlag", "NoCircuitsFlag"}, V::Flag, "0"),
        key({"AnjederStelleabbaubarFlag", "DestructionAnywhereFlag"}, V::Flag, "1"),
        speed({"InAusStationRollgeschw", "InOutOfStationRollSpeed"}, 8),
        speed({"LiftkettengeschwMin", "LiftchainSpeedMin"}, 1),
        speed({"LiftkettengeschwMax", "LiftchainSpeedMax"}, 25),
        speed({"LiftkettengeschwPreset", "LiftchainSpeedPreset"}, 4),
        speed({"StartgeschwMin", "StartSpeedMin"}, 1),
        speed({"StartgeschwMax", "StartSpeedMax"}, 50),
        speed({"StartgeschwPreset", "StartSpeedPreset"}, 20),
        key({"KonstantgeschwFlag", "ConstantSpeedFlag"}, V::Flag, "0"),
        speed({"KonstantgeschwMin", "ConstantSpeedMin"}, 1),
        speed({"KonstantgeschwMax", "ConstantSpeedMax"}, 25),
        speed({"KonstantgeschwPreset", "ConstantSpeedPreset"}, 5),
        key({"BergaufabAbweichung", "HillVariation"}, V::Decimal, decimal(1.0)),
        key({"BahnkostenVorschau", "RideCostsPreview"}, V::Money, money(250000)),
        key({"BetriebskostenBasis", "RunningCostsBase"}, V::Money, money(4960)),
        key({"BetriebskostenproZug", "RunningCostsPerTrain"}, V::Money, money(1100)),
        key({"BetriebskostenproWagen", "RunningCostsPerCar"}, V::Money, money(300)),
        key({"BetriebskostenproStation", "RunningCostsPerStation"}, V::Money, money(1000)),
    };
    for (const RatingRow& row : kRatingRows) {
        if (!row.read) continue;
        const std::string german(row.germanStem), english(row.englishStem);
        keys.push_back(key({"Err" + german, "Exc" + english}, V::Decimal, decimal(row.excitement)));
        keys.push_back(key({"Int" + german, "Int" + english}, V::Decimal, decimal(row.intensity)));
        keys.push_back(key({"Ueb" + german, "Nau" + english}, V::Decimal, decimal(row.nausea)));
    }
    const std::vector<DataFileKey> rest = {
        key({"Zuverlaessigkeitsabnahme", "ReliabilityDecrease"}, V::Decimal, decimal(10.0)),
        key({"PeepAttraktivitaet", "PeepAttractivity"}, V::Integer, "60"),
        key({"SpezialTrackSectionNameAMitte", "SpecialTrackSectionNameAMid"}, V::Text, ""),
        key({"SpezialTrackSectionNameAEnde", "SpecialTrackSectionNameAEnd"}, V::Text, ""),
        key({"SpezialTrackSectionNameBMitte", "SpecialTrackSectionNameBMid"}, V::Text, ""),
        key({"SpezialTrackSectionNameBEnde", "SpecialTrackSectionNameBEnd"}, V::Text, ""),
        key({"TowerRideSpitzenDauer", "TowerRideTopDuration"}, V::Decimal, decimal(0.0)),
        key({"TowerRideSpitzenAbstand", "TowerRideTopClearance"}, V::Decimal, decimal(0.01)),
        key({"PeepLoopSplineName"}, V::Text, ""),
        key({"PeepPathSplineName"}, V::TextList, ""),
        key({"SpezialWagentypAName", "SpecialCarTypeAName"}, V::Text, ""),
        key({"SpezialWagentypAVersatzWarten", "SpecialCarTypeAOffsetWait"}, V::Decimal, decimal(0.0)),
        key({"SpezialWagentypAVersatzEinhaken", "SpecialCarTypeAOffsetHitch"}, V::Decimal, decimal(0.0)),
        key({"SpezialWagentypABergaufGeschw", "SpecialCarTypeAUphillSpeed"}, V::Decimal, decimal(0.0)),
        key({"SpezialWagentypABergabGeschw", "SpecialCarTypeADownhillSpeed"}, V::Decimal, decimal(0.0)),
        key({"SpezialWagentypBName", "SpecialCarTypeBName"}, V::Text, ""),
        addOn(key({"ZusatzTrackTyp", "AdditionalTrackType"}, V::TextList, "")),
        addOn(key({"VorRueckFreiRotationFlag", "ForwardBackFreeRotationFlag"}, V::Flag, "0")),
        addOn(key({"VierAchsenRotationswinkelFlag", "FourAxisRotationFlag"}, V::Flag, "0")),
        addOn(key({"FahrtzwischenTrackSplinesFlag", "RidebetweenTrackSplinesFlag"}, V::Flag, "0")),
        addOn(key({"VertikalInversionswechselFlag", "VerticalInversionChangeFlag"}, V::Flag, "0")),
        addOn(key({"ZuganzahlPreset", "TrainCountPreset"}, V::Integer, "-1")),
        addOn(key({"StationenSyncFlag", "StationsSyncFlag"}, V::Flag, "0")),
        addOn(key({"WaterSectionKonstantgeschw", "WaterSectionConstantSpeed"}, V::Decimal, decimal(1.9))),
        addOn(key({"WaterSectionBeschleunigung", "WaterSectionAcceleration"}, V::Decimal, decimal(200.0))),
        addOn(key({"WaterSectionAbbremsung", "WaterSectionDeceleration"}, V::Decimal, decimal(3000.0))),
    };
    keys.insert(keys.end(), rest.begin(), rest.end());
    return keys;
}

}  // namespace

const std::vector<DataFileKey>& rideKeys() {
    static const std::vector<DataFileKey> keys = makeRideKeys();
    return keys;
}

}  // namespace zw
