#include "datafiles/RideDataRewrite.h"

#include <cmath>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "datafiles/Formatters.h"
#include "datafiles/RideDataHeader.h"

namespace zw {
namespace {

class RideFileWriter {
public:
    explicit RideFileWriter(bool english) : english_(english) {}

    void line(std::string_view german, std::string_view english, std::string_view value) {
        text_ += english_ ? english : german;
        text_ += value;
        text_ += "\r\n";
    }
    void raw(std::string_view line) {
        text_ += line;
        text_ += "\r\n";
    }
    void blank() { text_ += "\r\n"; }
    std::string& text() { return text_; }

private:
    bool english_;
    std::string text_;
};

std::string list(const std::vector<std::string>& entries) {
    std::string out;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i) out += ", ";
        out += entries[i];
    }
    return out;
}

std::string moneyList(const std::vector<int32_t>& amounts) {
    std::string out;
    for (size_t i = 0; i < amounts.size(); ++i) {
        if (i) out += ", ";
        out += formatMoney(amounts[i]);
    }
    return out;
}

std::string flagBit(uint32_t flags, uint32_t bit) { return (flags & bit) ? "1" : "0"; }
std::string integer(int32_t v) { return integerText(v); }
std::string decimal(double v) { return formatDecimal(v); }
std::string money(int32_t v) { return formatMoney(v); }

// The rating rows that are written, with the tabs after each of their three keys.
struct RatingLayout {
    size_t row;  // 0-based row of the rating table
    const char* germanTabs;
    const char* englishTabs;
};
constexpr RatingLayout kRatingLayout[] = {
    {0, "\t\t\t", "\t\t\t\t"}, {1, "\t\t\t", "\t\t\t"},  {2, "\t\t\t", "\t\t\t"},  {3, "\t\t\t", "\t\t\t"},
    {4, "\t\t\t", "\t\t\t"},   {10, "\t\t", "\t\t\t"},   {11, "\t\t", "\t\t\t"},   {12, "\t\t\t", "\t\t\t"},
    {22, "\t\t", "\t\t"},      {23, "\t\t", "\t\t"},     {24, "\t\t", "\t\t"},
};

}  // namespace

std::string rideDataFileContent(const RideData& r, bool english, bool addOnsEnabled) {
    RideFileWriter w(english);
    w.text() = rideDataHeader();

    w.line("BahnName\t\t\t", "RideName\t\t\t", r.BahnName);
    w.line("BahnDescription\t\t\t", "RideDescription\t\t\t", r.BahnDescription);
    w.line("BahnIcon\t\t\t", "RideIcon\t\t\t", r.BahnIcon);
    w.blank();
    w.line("BahnKategorie\t\t\t", "RideCategory\t\t\t", integer(r.BahnKategorie));
    w.blank();
    w.line("WagentypName\t\t\t", "CarTypeName\t\t\t", list(r.WagentypName));
    w.blank();
    w.line("TrackTyp\t\t\t", "TrackType\t\t\t", r.TrackTyp);
    w.line("TrackSectionName\t\t", "TrackSectionName\t\t", list(r.TrackSectionName));
    w.line("TrackSectionKosten\t\t", "TrackSectionCosts\t\t", moneyList(r.TrackSectionKosten));
    w.line("BaukostenHoehe4H\t\t", "CostsHeight4H\t\t\t", money(r.BaukostenHoehe4H));
    w.blank();
    w.line("Stationstyp\t\t\t", "StationType\t\t\t", r.Stationstyp);
    w.line("LichtraumprofilHoehe\t\t", "ClearanceHeight\t\t\t", decimal(r.LichtraumprofilHoehe));
    w.line("BauhoeheMax\t\t\t", "HeightMax\t\t\t", integer(r.BauhoeheMax));
    w.blank();
    w.line("BahnstartPreset\t\t\t", "StartPreset\t\t\t", integer(r.BahnstartPreset));
    w.line("BahnstartMoeglichkeiten\t\t", "StartOptions\t\t\t", integer(r.BahnstartMoeglichkeiten));
    w.line("KeineKinderFlag\t\t\t", "NoChildrenFlag\t\t\t", flagBit(r.RideFlags, kFlagNoChildren));
    w.line("KeineFliessendWassertexturFlag\t", "NoFlowingWaterTextureFlag\t",
           flagBit(r.RideFlags, kFlagNoFlowingWaterTexture));
    w.line("AmpelRotGruenFlag\t\t", "LightRedGreenFlag\t\t", flagBit(r.RideFlags, kFlagRedGreenLight));
    w.line("VolllastFlag\t\t\t", "FullLoadFlag\t\t\t", flagBit(r.RideFlags, kFlagFullLoad));
    w.line("BlockaufteilungsFlag\t\t", "BlockSectionFlag\t\t", integer(r.BlockaufteilungsFlag));
    w.line("RundenanzahlMin\t\t\t", "CircuitsMin\t\t\t", integer(r.RundenanzahlMin));
    w.line("RundenanzahlMax\t\t\t", "CircuitsMax\t\t\t", integer(r.RundenanzahlMax));
    w.line("AutoFertigstellungFlag\t\t", "AutocompleteFlag\t\t", integer(r.AutoFertigstellungFlag));
    w.line("WagenRotationswinkelFlag\t", "CarRotationFlag\t\t\t", integer(r.WagenRotationswinkelFlag));
    w.line("SchleifenUnzulaessigFlag\t", "NoCircuitsFlag\t\t\t", integer(r.SchleifenUnzulaessigFlag));
    w.line("AnjederStelleabbaubarFlag\t", "DestructionAnywhereFlag\t\t", integer(r.AnjederStelleabbaubarFlag));
    w.blank();
    w.line("InAusStationRollgeschw\t\t", "InOutOfStationRollSpeed\t\t", decimal(r.InAusStationRollgeschw));
    w.line("LiftkettengeschwMin\t\t", "LiftchainSpeedMin\t\t", decimal(r.LiftkettengeschwMin));
    w.line("LiftkettengeschwMax\t\t", "LiftchainSpeedMax\t\t", decimal(r.LiftkettengeschwMax));
    w.line("LiftkettengeschwPreset\t\t", "LiftchainSpeedPreset\t\t", decimal(r.LiftkettengeschwPreset));
    w.line("StartgeschwMin\t\t\t", "StartSpeedMin\t\t\t", decimal(r.StartgeschwMin));
    w.line("StartgeschwMax\t\t\t", "StartSpeedMax\t\t\t", decimal(r.StartgeschwMax));
    w.line("StartgeschwPreset\t\t", "StartSpeedPreset\t\t", decimal(r.StartgeschwPreset));
    w.line("KonstantgeschwFlag\t\t", "ConstantSpeedFlag\t\t", integer(r.KonstantgeschwFlag));
    w.line("KonstantgeschwMin\t\t", "ConstantSpeedMin\t\t", decimal(r.KonstantgeschwMin));
    w.line("KonstantgeschwMax\t\t", "ConstantSpeedMax\t\t", decimal(r.KonstantgeschwMax));
    w.line("KonstantgeschwPreset\t\t", "ConstantSpeedPreset\t\t", decimal(r.KonstantgeschwPreset));
    w.line("BergaufabAbweichung\t\t", "HillVariation\t\t\t", decimal(r.BergaufabAbweichung));
    w.blank();
    w.line("BahnkostenVorschau\t\t", "RideCostsPreview\t\t", money(r.BahnkostenVorschau));
    w.line("BetriebskostenBasis\t\t", "RunningCostsBase\t\t", money(r.BetriebskostenBasis));
    w.line("BetriebskostenproZug\t\t", "RunningCostsPerTrain\t\t", money(r.BetriebskostenproZug));
    w.line("BetriebskostenproWagen\t\t", "RunningCostsPerCar\t\t", money(r.BetriebskostenproWagen));
    w.line("BetriebskostenproStation\t", "RunningCostsPerStation\t\t", money(r.BetriebskostenproStation));
    w.blank();

    for (const auto& layout : kRatingLayout) {
        const RatingRow& row = kRatingRows[layout.row];
        const auto& values = r.RatingCoefficients[layout.row];
        const std::string german(row.germanStem), englishStem(row.englishStem);
        const std::string gt = layout.germanTabs, et = layout.englishTabs;
        w.line("Err" + german + gt, "Exc" + englishStem + et, decimal(values[Excitement]));
        w.line("Int" + german + gt, "Int" + englishStem + et, decimal(values[Intensity]));
        w.line("Ueb" + german + gt, "Nau" + englishStem + et, decimal(values[Nausea]));
    }
    w.blank();

    w.line("Zuverlaessigkeitsabnahme\t", "ReliabilityDecrease\t\t", decimal(r.Zuverlaessigkeitsabnahme));
    w.line("PeepAttraktivitaet\t\t", "PeepAttractivity\t\t", integer(r.PeepAttraktivitaet));
    w.blank();
    w.line("SpezialTrackSectionNameAMitte\t", "SpecialTrackSectionNameAMid\t", r.SpezialTrackSectionNameAMitte);
    w.line("SpezialTrackSectionNameAEnde\t", "SpecialTrackSectionNameAEnd\t", r.SpezialTrackSectionNameAEnde);
    w.line("SpezialTrackSectionNameBMitte\t", "SpecialTrackSectionNameBMid\t", r.SpezialTrackSectionNameBMitte);
    w.line("SpezialTrackSectionNameBEnde\t", "SpecialTrackSectionNameBEnd\t", r.SpezialTrackSectionNameBEnde);
    w.blank();
    w.line("TowerRideSpitzenDauer\t\t", "TowerRideTopDuration\t\t", decimal(r.TowerRideSpitzenDauer));
    w.line("TowerRideSpitzenAbstand\t\t", "TowerRideTopClearance\t\t", decimal(r.TowerRideSpitzenAbstand));
    w.line("PeepLoopSplineName\t\t", "PeepLoopSplineName\t\t", r.PeepLoopSplineName);
    w.line("PeepPathSplineName\t\t", "PeepPathSplineName\t\t", list(r.PeepPathSplineName));
    w.blank();
    w.line("SpezialWagentypAName\t\t", "SpecialCarTypeAName\t\t", r.SpezialWagentypAName);
    w.line("SpezialWagentypAVersatzWarten\t", "SpecialCarTypeAOffsetWait\t", decimal(r.SpezialWagentypAVersatzWarten));
    w.line("SpezialWagentypAVersatzEinhaken\t", "SpecialCarTypeAOffsetHitch\t",
           decimal(r.SpezialWagentypAVersatzEinhaken));
    w.line("SpezialWagentypABergaufGeschw\t", "SpecialCarTypeAUphillSpeed\t",
           decimal(r.SpezialWagentypABergaufGeschw));
    w.line("SpezialWagentypABergabGeschw\t", "SpecialCarTypeADownhillSpeed\t",
           decimal(r.SpezialWagentypABergabGeschw));
    w.line("SpezialWagentypBName\t\t", "SpecialCarTypeBName\t\t", r.SpezialWagentypBName);
    w.blank();

    // The unit line: exactly one of the three for the factors the reader gives.
    const double factorPercent = std::trunc(r.SpeedUnitFactor * 100.0);
    if (factorPercent >= 96 && factorPercent <= 104)
        w.line("DistanzGeschwEinheit\t\tSI [m/s]", "DistanceSpeedUnit\t\tSI [m/s]", "");
    if (factorPercent >= 21 && factorPercent <= 29)
        w.line("DistanzGeschwEinheit\t\tMetrisch [km/h]", "DistanceSpeedUnit\t\tMetric [km/h]", "");
    if (factorPercent >= 41 && factorPercent <= 49)
        w.line("DistanzGeschwEinheit\t\tEnglisch [mph]", "DistanceSpeedUnit\t\tImperial [mph]", "");

    if (addOnsEnabled) {
        const std::string rule = "// " + std::string(83, '-');
        w.blank();
        w.raw(rule);
        w.raw("// BahnDaten mit AddOns");
        w.raw(rule);
        w.blank();
        w.line("ZusatzTrackTyp\t\t\t", "AdditionalTrackType\t\t", list(r.ZusatzTrackTyp));
        w.blank();
        w.line("VorRueckFreiRotationFlag\t", "ForwardBackFreeRotationFlag\t", integer(r.VorRueckFreiRotationFlag));
        w.line("VierAchsenRotationswinkelFlag\t", "FourAxisRotationFlag\t\t", integer(r.VierAchsenRotationswinkelFlag));
        w.line("FahrtzwischenTrackSplinesFlag\t", "RidebetweenTrackSplinesFlag\t",
               flagBit(r.RideFlags, kFlagRideBetweenTrackSplines));
        w.line("VertikalInversionswechselFlag\t", "VerticalInversionChangeFlag\t",
               integer(r.VertikalInversionswechselFlag));
        w.line("ZuganzahlPreset\t\t\t", "TrainCountPreset\t\t", integer(r.ZuganzahlPreset));
        w.line("StationenSyncFlag\t\t", "StationsSyncFlag\t\t", integer(r.StationenSyncFlag));
        w.blank();
        w.line("WaterSectionKonstantgeschw\t", "WaterSectionConstantSpeed\t", decimal(r.WaterSectionKonstantgeschw));
        w.line("WaterSectionBeschleunigung\t", "WaterSectionAcceleration\t", decimal(r.WaterSectionBeschleunigung));
        w.line("WaterSectionAbbremsung\t\t", "WaterSectionDeceleration\t", decimal(r.WaterSectionAbbremsung));
    }
    return std::move(w.text());
}

std::filesystem::path rideDataRewriteTarget(const RideData& ride) {
    const std::string name = ride.RideObjectName.size() > 4 ? ride.RideObjectName.substr(4) : std::string();
    return ride.DataFileFolder / pathFromCp1252("CTR_BahnDaten_" + name + ".txt");
}

bool rewriteRideDataFile(const RideData& ride, const Settings& settings, Dialogs& dialogs) {
    const Language language = languageOf(settings.UseEnglish);
    const std::filesystem::path target = rideDataRewriteTarget(ride);
    std::error_code ignored;
    if (std::filesystem::exists(target, ignored) && !settings.OverwriteWithoutPrompt) {
        if (!dialogs.askYesNo(message("warningCaption", language), message("overwriteRideDataFile", language)))
            return false;
    }
    const std::string content = rideDataFileContent(ride, settings.UseEnglish, settings.AddOnsEnabled);
    if (const std::error_code error = writeFileAtomically(target, content)) {
        std::string shownName;
        try {
            shownName = pathToCp1252(target);
        } catch (const EncodingError&) {
            shownName = pathToCp1252(target.filename());
        }
        dialogs.showMessage(message("rideDataFileNotWritten", language, {shownName, error.message()}));
        return false;
    }
    return true;
}

}  // namespace zw
