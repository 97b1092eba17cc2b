// The keys of a ride data file, in the order the ride reader looks them up.
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"

namespace zw {
namespace {

using V = KeyValues;

DataFileKey entry(std::vector<std::string> names, KeyField field, KeyValues values) {
    DataFileKey k;
    k.englishName = names.size() > 1 ? names[1] : names[0];
    k.fieldName = names[0];  // the ride's fields are named like their German keys
    k.names = std::move(names);
    k.field = field;
    k.values = values;
    return k;
}

DataFileKey text(std::vector<std::string> names, KeyField field, KeyValues values, std::string defaultText,
                 KnownList list = KnownList::None) {
    DataFileKey k = entry(std::move(names), field, values);
    k.defaultText = std::move(defaultText);
    k.list = list;
    return k;
}

DataFileKey number(std::vector<std::string> names, KeyField field, KeyValues values, double defaultNumber) {
    DataFileKey k = entry(std::move(names), field, values);
    k.number = defaultNumber;
    switch (values) {
        case V::Decimal: k.defaultText = formatDecimal(defaultNumber); break;
        case V::Money:
        case V::MoneyList: k.defaultText = formatMoney(static_cast<int32_t>(defaultNumber)); break;
        case V::Speed: break;  // written in the file's unit
        default: k.defaultText = integerText(static_cast<int64_t>(defaultNumber)); break;
    }
    return k;
}

DataFileKey integer(std::vector<std::string> names, int32_t RideData::*field, double defaultNumber) {
    return number(std::move(names), field, V::Integer, defaultNumber);
}
DataFileKey flag(std::vector<std::string> names, KeyField field, double defaultNumber) {
    return number(std::move(names), field, V::Flag, defaultNumber);
}
DataFileKey decimal(std::vector<std::string> names, KeyField field, double defaultNumber) {
    return number(std::move(names), field, V::Decimal, defaultNumber);
}
DataFileKey money(std::vector<std::string> names, int32_t RideData::*field, double hundredths) {
    return number(std::move(names), field, V::Money, hundredths);
}
DataFileKey speed(std::vector<std::string> names, double RideData::*field, double metresPerSecond) {
    return number(std::move(names), field, V::Speed, metresPerSecond);
}

// The key opens a group of the rewrite.
DataFileKey opens(DataFileKey k) {
    k.group = GroupStart::Yes;
    return k;
}

DataFileKey addOn(DataFileKey k) {
    k.use = KeyUse::AddOn;
    return k;
}

std::vector<DataFileKey> makeRideKeys() {
    using R = RideData;
    std::vector<DataFileKey> keys = {
        // The unit first: the speed defaults depend on it. The rewrite writes it after the others.
        opens(text({"DistanzGeschwEinheit", "DistanceSpeedUnit"}, &R::SpeedUnitFactor, V::SpeedUnit, "SI")),
        text({"BahnName", "RideName"}, &R::BahnName, V::TextWithSpaces, "CTR Unbenannt"),
        text({"BahnDescription", "RideDescription"}, &R::BahnDescription, V::TextWithSpaces, "CTR Description"),
        text({"BahnIcon", "RideIcon"}, &R::BahnIcon, V::Text, "CTR", KnownList::Icons),
        opens(integer({"BahnKategorie", "RideCategory"}, &R::BahnKategorie, 3)),
        opens(text({"WagentypName", "CarTypeName"}, &R::WagentypName, V::TextList,
                   "JuniorLadybird, WildMouse, LIMCoaster", KnownList::CarTypes)),
        opens(text({"TrackTyp", "TrackType"}, &R::TrackTyp, V::Text, "Track8")),
        text({"TrackSectionName"}, &R::TrackSectionName, V::TextList, "Stationmiddle, Straight, Medcurve",
             KnownList::TrackSections),
        number({"TrackSectionKosten", "TrackSectionCosts"}, &R::TrackSectionKosten, V::MoneyList, 1000),
        money({"BaukostenHoehe4H", "CostsHeight4H"}, &R::BaukostenHoehe4H, 1600),
        opens(text({"Stationstyp", "StationType"}, &R::Stationstyp, V::Text, "standard", KnownList::Stations)),
        decimal({"LichtraumprofilHoehe", "ClearanceHeight"}, &R::LichtraumprofilHoehe, 0.9),
        integer({"BauhoeheMax", "HeightMax"}, &R::BauhoeheMax, 100),
        opens(integer({"BahnstartPreset", "StartPreset"}, &R::BahnstartPreset, 0)),
        integer({"BahnstartMoeglichkeiten", "StartOptions"}, &R::BahnstartMoeglichkeiten, 3),
        flag({"KeineKinderFlag", "NoChildrenFlag", "NoChildsFlag"}, RideFlagBit{kFlagNoChildren}, 0),
        flag({"KeineFliessendWassertexturFlag", "NoFlowingWaterTextureFlag"}, RideFlagBit{kFlagNoFlowingWaterTexture},
             0),
        flag({"AmpelRotGruenFlag", "LightRedGreenFlag"}, RideFlagBit{kFlagRedGreenLight}, 0),
        flag({"VolllastFlag", "FullLoadFlag"}, RideFlagBit{kFlagFullLoad}, 0),
        flag({"BlockaufteilungsFlag", "BlockSectionFlag"}, &R::BlockaufteilungsFlag, 1),
        integer({"RundenanzahlMin", "CircuitsMin"}, &R::RundenanzahlMin, 1),
        integer({"RundenanzahlMax", "CircuitsMax"}, &R::RundenanzahlMax, 10),
        flag({"AutoFertigstellungFlag", "AutocompleteFlag"}, &R::AutoFertigstellungFlag, 0),
        flag({"WagenRotationswinkelFlag", "CarRotationFlag"}, &R::WagenRotationswinkelFlag, 0),
        flag({"SchleifenUnzulaessigFlag", "NoCircuitsFlag"}, &R::SchleifenUnzulaessigFlag, 0),
        flag({"AnjederStelleabbaubarFlag", "DestructionAnywhereFlag"}, &R::AnjederStelleabbaubarFlag, 1),
        opens(speed({"InAusStationRollgeschw", "InOutOfStationRollSpeed"}, &R::InAusStationRollgeschw, 8)),
        speed({"LiftkettengeschwMin", "LiftchainSpeedMin"}, &R::LiftkettengeschwMin, 1),
        speed({"LiftkettengeschwMax", "LiftchainSpeedMax"}, &R::LiftkettengeschwMax, 25),
        speed({"LiftkettengeschwPreset", "LiftchainSpeedPreset"}, &R::LiftkettengeschwPreset, 4),
        speed({"StartgeschwMin", "StartSpeedMin"}, &R::StartgeschwMin, 1),
        speed({"StartgeschwMax", "StartSpeedMax"}, &R::StartgeschwMax, 50),
        speed({"StartgeschwPreset", "StartSpeedPreset"}, &R::StartgeschwPreset, 20),
        flag({"KonstantgeschwFlag", "ConstantSpeedFlag"}, &R::KonstantgeschwFlag, 0),
        speed({"KonstantgeschwMin", "ConstantSpeedMin"}, &R::KonstantgeschwMin, 1),
        speed({"KonstantgeschwMax", "ConstantSpeedMax"}, &R::KonstantgeschwMax, 25),
        speed({"KonstantgeschwPreset", "ConstantSpeedPreset"}, &R::KonstantgeschwPreset, 5),
        decimal({"BergaufabAbweichung", "HillVariation"}, &R::BergaufabAbweichung, 1.0),
        opens(money({"BahnkostenVorschau", "RideCostsPreview"}, &R::BahnkostenVorschau, 250000)),
        money({"BetriebskostenBasis", "RunningCostsBase"}, &R::BetriebskostenBasis, 4960),
        money({"BetriebskostenproZug", "RunningCostsPerTrain"}, &R::BetriebskostenproZug, 1100),
        money({"BetriebskostenproWagen", "RunningCostsPerCar"}, &R::BetriebskostenproWagen, 300),
        money({"BetriebskostenproStation", "RunningCostsPerStation"}, &R::BetriebskostenproStation, 1000),
    };
    bool firstRating = true;
    for (size_t row = 0; row < kRatingRowCount; ++row) {
        const RatingRow& rating = kRatingRows[row];
        if (!rating.read) continue;
        const std::string german(rating.germanStem), english(rating.englishStem);
        DataFileKey excitement = decimal({"Err" + german, "Exc" + english}, RatingCell{row, Excitement}, rating.excitement);
        if (firstRating) excitement = opens(std::move(excitement));
        firstRating = false;
        keys.push_back(std::move(excitement));
        keys.push_back(decimal({"Int" + german, "Int" + english}, RatingCell{row, Intensity}, rating.intensity));
        keys.push_back(decimal({"Ueb" + german, "Nau" + english}, RatingCell{row, Nausea}, rating.nausea));
    }
    const std::vector<DataFileKey> rest = {
        opens(decimal({"Zuverlaessigkeitsabnahme", "ReliabilityDecrease"}, &R::Zuverlaessigkeitsabnahme, 10.0)),
        integer({"PeepAttraktivitaet", "PeepAttractivity"}, &R::PeepAttraktivitaet, 60),
        opens(text({"SpezialTrackSectionNameAMitte", "SpecialTrackSectionNameAMid"}, &R::SpezialTrackSectionNameAMitte,
                   V::Text, "")),
        text({"SpezialTrackSectionNameAEnde", "SpecialTrackSectionNameAEnd"}, &R::SpezialTrackSectionNameAEnde, V::Text,
             ""),
        text({"SpezialTrackSectionNameBMitte", "SpecialTrackSectionNameBMid"}, &R::SpezialTrackSectionNameBMitte,
             V::Text, ""),
        text({"SpezialTrackSectionNameBEnde", "SpecialTrackSectionNameBEnd"}, &R::SpezialTrackSectionNameBEnde, V::Text,
             ""),
        opens(decimal({"TowerRideSpitzenDauer", "TowerRideTopDuration"}, &R::TowerRideSpitzenDauer, 0.0)),
        decimal({"TowerRideSpitzenAbstand", "TowerRideTopClearance"}, &R::TowerRideSpitzenAbstand, 0.01),
        text({"PeepLoopSplineName"}, &R::PeepLoopSplineName, V::Text, ""),
        text({"PeepPathSplineName"}, &R::PeepPathSplineName, V::TextList, ""),
        opens(text({"SpezialWagentypAName", "SpecialCarTypeAName"}, &R::SpezialWagentypAName, V::Text, "")),
        decimal({"SpezialWagentypAVersatzWarten", "SpecialCarTypeAOffsetWait"}, &R::SpezialWagentypAVersatzWarten, 0.0),
        decimal({"SpezialWagentypAVersatzEinhaken", "SpecialCarTypeAOffsetHitch"}, &R::SpezialWagentypAVersatzEinhaken,
                0.0),
        decimal({"SpezialWagentypABergaufGeschw", "SpecialCarTypeAUphillSpeed"}, &R::SpezialWagentypABergaufGeschw, 0.0),
        decimal({"SpezialWagentypABergabGeschw", "SpecialCarTypeADownhillSpeed"}, &R::SpezialWagentypABergabGeschw,
                0.0),
        text({"SpezialWagentypBName", "SpecialCarTypeBName"}, &R::SpezialWagentypBName, V::Text, ""),
        addOn(opens(text({"ZusatzTrackTyp", "AdditionalTrackType"}, &R::ZusatzTrackTyp, V::TextList, ""))),
        addOn(opens(flag({"VorRueckFreiRotationFlag", "ForwardBackFreeRotationFlag"}, &R::VorRueckFreiRotationFlag, 0))),
        addOn(flag({"VierAchsenRotationswinkelFlag", "FourAxisRotationFlag"}, &R::VierAchsenRotationswinkelFlag, 0)),
        addOn(flag({"FahrtzwischenTrackSplinesFlag", "RidebetweenTrackSplinesFlag"},
                   RideFlagBit{kFlagRideBetweenTrackSplines}, 0)),
        addOn(flag({"VertikalInversionswechselFlag", "VerticalInversionChangeFlag"}, &R::VertikalInversionswechselFlag,
                   0)),
        addOn(integer({"ZuganzahlPreset", "TrainCountPreset"}, &R::ZuganzahlPreset, -1)),
        addOn(flag({"StationenSyncFlag", "StationsSyncFlag"}, &R::StationenSyncFlag, 0)),
        addOn(opens(decimal({"WaterSectionKonstantgeschw", "WaterSectionConstantSpeed"}, &R::WaterSectionKonstantgeschw,
                            1.9))),
        addOn(decimal({"WaterSectionBeschleunigung", "WaterSectionAcceleration"}, &R::WaterSectionBeschleunigung, 200.0)),
        addOn(decimal({"WaterSectionAbbremsung", "WaterSectionDeceleration"}, &R::WaterSectionAbbremsung, 3000.0)),
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
