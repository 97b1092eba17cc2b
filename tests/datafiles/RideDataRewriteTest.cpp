#include <gtest/gtest.h>

#include <cmath>

#include "RideFiles.h"
#include "base/SafeFile.h"
#include "datafiles/RideDataRewrite.h"
#include "support/FakeRegistry.h"
#include "workflow/MainWindow.h"

namespace zw {
namespace {

using test::rideHeader;
using test::RideFixture;
using Strings = std::vector<std::string>;

// Lines joined with CR LF, each line ended by one.
std::string lines(std::initializer_list<std::string_view> all) {
    std::string out;
    for (auto line : all) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// A header-only file rewritten in German, written out from the line table and the defaults.
const std::string kGermanDefaults = lines({
    "BahnName\t\t\tCTR Unbenannt",
    "BahnDescription\t\t\tCTR Description",
    "BahnIcon\t\t\tCTR",
    "",
    "BahnKategorie\t\t\t3",
    "",
    "WagentypName\t\t\tJuniorLadybird, WildMouse, LIMCoaster",
    "",
    "TrackTyp\t\t\tTrack8",
    "TrackSectionName\t\tStationmiddle, Straight, Medcurve",
    "TrackSectionKosten\t\t10.00, 10.00, 10.00",
    "BaukostenHoehe4H\t\t16.00",
    "",
    "Stationstyp\t\t\tstandard",
    "LichtraumprofilHoehe\t\t0.900",
    "BauhoeheMax\t\t\t100",
    "",
    "BahnstartPreset\t\t\t0",
    "BahnstartMoeglichkeiten\t\t3",
    "KeineKinderFlag\t\t\t0",
    "KeineFliessendWassertexturFlag\t0",
    "AmpelRotGruenFlag\t\t0",
    "VolllastFlag\t\t\t0",
    "BlockaufteilungsFlag\t\t1",
    "RundenanzahlMin\t\t\t1",
    "RundenanzahlMax\t\t\t10",
    "AutoFertigstellungFlag\t\t0",
    "WagenRotationswinkelFlag\t0",
    "SchleifenUnzulaessigFlag\t0",
    "AnjederStelleabbaubarFlag\t1",
    "",
    "InAusStationRollgeschw\t\t8.000",
    "LiftkettengeschwMin\t\t1.000",
    "LiftkettengeschwMax\t\t25.000",
    "LiftkettengeschwPreset\t\t4.000",
    "StartgeschwMin\t\t\t1.000",
    "StartgeschwMax\t\t\t50.000",
    "StartgeschwPreset\t\t20.000",
    "KonstantgeschwFlag\t\t0",
    "KonstantgeschwMin\t\t1.000",
    "KonstantgeschwMax\t\t25.000",
    "KonstantgeschwPreset\t\t5.000",
    "BergaufabAbweichung\t\t1.000",
    "",
    "BahnkostenVorschau\t\t2500.00",
    "BetriebskostenBasis\t\t49.60",
    "BetriebskostenproZug\t\t11.00",
    "BetriebskostenproWagen\t\t3.00",
    "BetriebskostenproStation\t10.00",
    "",
    "ErrBasis\t\t\t3.000",
    "IntBasis\t\t\t2.000",
    "UebBasis\t\t\t1.500",
    "ErrRundenanzahl\t\t\t0.000",
    "IntRundenanzahl\t\t\t0.000",
    "UebRundenanzahl\t\t\t0.000",
    "ErrWagenanzahl\t\t\t0.300",
    "IntWagenanzahl\t\t\t0.000",
    "UebWagenanzahl\t\t\t0.000",
    "ErrFahrtzeit\t\t\t0.010",
    "IntFahrtzeit\t\t\t0.000",
    "UebFahrtzeit\t\t\t0.000",
    "ErrSzenerieMax\t\t\t0.500",
    "IntSzenerieMax\t\t\t0.000",
    "UebSzenerieMax\t\t\t0.000",
    "ErrHoechstgeschw\t\t0.010",
    "IntHoechstgeschw\t\t0.020",
    "UebHoechstgeschw\t\t0.010",
    "ErrDurchschnittsgeschw\t\t0.050",
    "IntDurchschnittsgeschw\t\t0.050",
    "UebDurchschnittsgeschw\t\t0.000",
    "ErrFahrtlaenge\t\t\t0.010",
    "IntFahrtlaenge\t\t\t0.000",
    "UebFahrtlaenge\t\t\t0.000",
    "ErrSzenerieEinfluss\t\t4.000",
    "IntSzenerieEinfluss\t\t0.000",
    "UebSzenerieEinfluss\t\t0.000",
    "ErrmittlereseitlGKraft\t\t2.000",
    "IntmittlereseitlGKraft\t\t2.000",
    "UebmittlereseitlGKraft\t\t4.000",
    "ErrmittlerevertGKraft\t\t1.500",
    "IntmittlerevertGKraft\t\t3.000",
    "UebmittlerevertGKraft\t\t1.500",
    "",
    "Zuverlaessigkeitsabnahme\t10.000",
    "PeepAttraktivitaet\t\t60",
    "",
    "SpezialTrackSectionNameAMitte\t",
    "SpezialTrackSectionNameAEnde\t",
    "SpezialTrackSectionNameBMitte\t",
    "SpezialTrackSectionNameBEnde\t",
    "",
    "TowerRideSpitzenDauer\t\t0.000",
    "TowerRideSpitzenAbstand\t\t0.010",
    "PeepLoopSplineName\t\t",
    "PeepPathSplineName\t\t",
    "",
    "SpezialWagentypAName\t\t",
    "SpezialWagentypAVersatzWarten\t0.000",
    "SpezialWagentypAVersatzEinhaken\t0.000",
    "SpezialWagentypABergaufGeschw\t0.000",
    "SpezialWagentypABergabGeschw\t0.000",
    "SpezialWagentypBName\t\t",
    "",
    "DistanzGeschwEinheit\t\tSI [m/s]",
});

// The same in English with the add-on block.
const std::string kEnglishDefaultsWithAddOns = lines({
    "RideName\t\t\tCTR Unbenannt",
    "RideDescription\t\t\tCTR Description",
    "RideIcon\t\t\tCTR",
    "",
    "RideCategory\t\t\t3",
    "",
    "CarTypeName\t\t\tJuniorLadybird, WildMouse, LIMCoaster",
    "",
    "TrackType\t\t\tTrack8",
    "TrackSectionName\t\tStationmiddle, Straight, Medcurve",
    "TrackSectionCosts\t\t10.00, 10.00, 10.00",
    "CostsHeight4H\t\t\t16.00",
    "",
    "StationType\t\t\tstandard",
    "ClearanceHeight\t\t\t0.900",
    "HeightMax\t\t\t100",
    "",
    "StartPreset\t\t\t0",
    "StartOptions\t\t\t3",
    "NoChildrenFlag\t\t\t0",
    "NoFlowingWaterTextureFlag\t0",
    "LightRedGreenFlag\t\t0",
    "FullLoadFlag\t\t\t0",
    "BlockSectionFlag\t\t1",
    "CircuitsMin\t\t\t1",
    "CircuitsMax\t\t\t10",
    "AutocompleteFlag\t\t0",
    "CarRotationFlag\t\t\t0",
    "NoCircuitsFlag\t\t\t0",
    "DestructionAnywhereFlag\t\t1",
    "",
    "InOutOfStationRollSpeed\t\t8.000",
    "LiftchainSpeedMin\t\t1.000",
    "LiftchainSpeedMax\t\t25.000",
    "LiftchainSpeedPreset\t\t4.000",
    "StartSpeedMin\t\t\t1.000",
    "StartSpeedMax\t\t\t50.000",
    "StartSpeedPreset\t\t20.000",
    "ConstantSpeedFlag\t\t0",
    "ConstantSpeedMin\t\t1.000",
    "ConstantSpeedMax\t\t25.000",
    "ConstantSpeedPreset\t\t5.000",
    "HillVariation\t\t\t1.000",
    "",
    "RideCostsPreview\t\t2500.00",
    "RunningCostsBase\t\t49.60",
    "RunningCostsPerTrain\t\t11.00",
    "RunningCostsPerCar\t\t3.00",
    "RunningCostsPerStation\t\t10.00",
    "",
    "ExcBase\t\t\t\t3.000",
    "IntBase\t\t\t\t2.000",
    "NauBase\t\t\t\t1.500",
    "ExcCircuitCount\t\t\t0.000",
    "IntCircuitCount\t\t\t0.000",
    "NauCircuitCount\t\t\t0.000",
    "ExcCarCount\t\t\t0.300",
    "IntCarCount\t\t\t0.000",
    "NauCarCount\t\t\t0.000",
    "ExcRideTime\t\t\t0.010",
    "IntRideTime\t\t\t0.000",
    "NauRideTime\t\t\t0.000",
    "ExcSceneryMax\t\t\t0.500",
    "IntSceneryMax\t\t\t0.000",
    "NauSceneryMax\t\t\t0.000",
    "ExcMaximumSpeed\t\t\t0.010",
    "IntMaximumSpeed\t\t\t0.020",
    "NauMaximumSpeed\t\t\t0.010",
    "ExcAverageSpeed\t\t\t0.050",
    "IntAverageSpeed\t\t\t0.050",
    "NauAverageSpeed\t\t\t0.000",
    "ExcRideLength\t\t\t0.010",
    "IntRideLength\t\t\t0.000",
    "NauRideLength\t\t\t0.000",
    "ExcSceneryInfluence\t\t4.000",
    "IntSceneryInfluence\t\t0.000",
    "NauSceneryInfluence\t\t0.000",
    "ExcAverageHorizGForce\t\t2.000",
    "IntAverageHorizGForce\t\t2.000",
    "NauAverageHorizGForce\t\t4.000",
    "ExcAverageVertGForce\t\t1.500",
    "IntAverageVertGForce\t\t3.000",
    "NauAverageVertGForce\t\t1.500",
    "",
    "ReliabilityDecrease\t\t10.000",
    "PeepAttractivity\t\t60",
    "",
    "SpecialTrackSectionNameAMid\t",
    "SpecialTrackSectionNameAEnd\t",
    "SpecialTrackSectionNameBMid\t",
    "SpecialTrackSectionNameBEnd\t",
    "",
    "TowerRideTopDuration\t\t0.000",
    "TowerRideTopClearance\t\t0.010",
    "PeepLoopSplineName\t\t",
    "PeepPathSplineName\t\t",
    "",
    "SpecialCarTypeAName\t\t",
    "SpecialCarTypeAOffsetWait\t0.000",
    "SpecialCarTypeAOffsetHitch\t0.000",
    "SpecialCarTypeAUphillSpeed\t0.000",
    "SpecialCarTypeADownhillSpeed\t0.000",
    "SpecialCarTypeBName\t\t",
    "",
    "DistanceSpeedUnit\t\tSI [m/s]",
    "",
    "// -----------------------------------------------------------------------------------",
    "// BahnDaten mit AddOns",
    "// -----------------------------------------------------------------------------------",
    "",
    "AdditionalTrackType\t\t",
    "",
    "ForwardBackFreeRotationFlag\t0",
    "FourAxisRotationFlag\t\t0",
    "RidebetweenTrackSplinesFlag\t0",
    "VerticalInversionChangeFlag\t0",
    "TrainCountPreset\t\t-1",
    "StationsSyncFlag\t\t0",
    "",
    "WaterSectionConstantSpeed\t1.900",
    "WaterSectionAcceleration\t200.000",
    "WaterSectionDeceleration\t3000.000",
});

struct RideRewrite : ::testing::Test, RideFixture {
    std::string fileText(const std::filesystem::path& path) { return readWholeFile(path).value(); }

    // Reads `path`, rewrites it with the given settings and returns the rewritten file.
    std::string readAndRewrite(const std::filesystem::path& path, bool english, bool addOns) {
        EXPECT_EQ(read(path), 1);
        Settings settings;
        settings.UseEnglish = english;
        settings.AddOnsEnabled = addOns;
        settings.OverwriteWithoutPrompt = true;
        EXPECT_EQ(rewrite(settings), 1);
        return fileText(path);
    }
};

TEST_F(RideRewrite, HeaderOnlyFileRewritesToTheDocumentedLinesInGerman) {
    EXPECT_EQ(readAndRewrite(write(""), false, false), rideHeader() + kGermanDefaults);
}

TEST_F(RideRewrite, EnglishWithAddOnsKeepsTheGermanHeaderAndAddOnComment) {
    EXPECT_EQ(readAndRewrite(write(""), true, true), rideHeader() + kEnglishDefaultsWithAddOns);
}

TEST_F(RideRewrite, AddOnKeysAreDroppedWhenAddOnsAreOff) {
    const std::string text = readAndRewrite(
        write("ZusatzTrackTyp\tTrack1 Track2\r\nFahrtzwischenTrackSplinesFlag\t1\r\nZuganzahlPreset\t3\r\n"), false,
        false);
    EXPECT_EQ(text.find("ZusatzTrackTyp"), std::string::npos);
    EXPECT_EQ(text.find("Zuganzahl"), std::string::npos);
    EXPECT_TRUE(text.ends_with("DistanzGeschwEinheit\t\tSI [m/s]\r\n"));

    const std::string on = readAndRewrite(
        write("ZusatzTrackTyp\tTrack1 Track2\r\nFahrtzwischenTrackSplinesFlag\t1\r\nZuganzahlPreset\t3\r\n"), false,
        true);
    EXPECT_NE(on.find("\r\nZusatzTrackTyp\t\t\tTrack1, Track2\r\n\r\n"), std::string::npos);
    EXPECT_NE(on.find("\r\nFahrtzwischenTrackSplinesFlag\t1\r\n"), std::string::npos);
    EXPECT_NE(on.find("\r\nZuganzahlPreset\t\t\t3\r\n"), std::string::npos);
    EXPECT_TRUE(on.ends_with("WaterSectionAbbremsung\t\t3000.000\r\n"));
}

TEST_F(RideRewrite, MetricSpeedDefaultsKeepTheirThousandthsOnEveryRewrite) {
    const auto path = write("DistanzGeschwEinheit\tkm/h\r\n");
    const std::string first = readAndRewrite(path, false, false);
    EXPECT_NE(first.find("\r\nStartgeschwMax\t\t\t179.999\r\n"), std::string::npos);
    EXPECT_TRUE(first.ends_with("\r\n\r\nDistanzGeschwEinheit\t\tMetrisch [km/h]\r\n"));
    const std::string second = readAndRewrite(path, false, false);
    EXPECT_EQ(second, first);
    EXPECT_EQ(state.ride.SpeedUnitFactor, 0.277778);

    const std::string imperial = readAndRewrite(write("DistanceSpeedUnit\tmph\r\n"), true, false);
    EXPECT_TRUE(imperial.ends_with("\r\nDistanceSpeedUnit\t\tImperial [mph]\r\n"));
}

TEST_F(RideRewrite, ValuesInTheProgramsFormats) {
    const std::string text = readAndRewrite(
        write("BahnName\tMy Ride, Deluxe\r\nTrackSectionName\tA B\r\nTrackSectionKosten\t0.05 12.345\r\n"
              "BauhoeheMax\t-20\r\nLichtraumprofilHoehe\t1.235\r\nKeineKinderFlag\t1\r\nVolllastFlag\t1\r\n"
              "PeepPathSplineName\tP1\tP2\r\nBetriebskostenBasis\t-1\r\n"),
        false, false);
    EXPECT_NE(text.find("\r\nBahnName\t\t\tMy Ride, Deluxe\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nTrackSectionKosten\t\t0.05, 12.34\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nBauhoeheMax\t\t\t-20\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nLichtraumprofilHoehe\t\t1.235\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nKeineKinderFlag\t\t\t1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nVolllastFlag\t\t\t1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nPeepPathSplineName\t\tP1, P2\r\n"), std::string::npos);
    // Amounts are written unsigned, and read back to the same amount.
    EXPECT_NE(text.find("\r\nBetriebskostenBasis\t\t42949671.96\r\n"), std::string::npos);
    ASSERT_EQ(read(folder / "CTR_BahnDaten_Zipper.txt"), 1);
    EXPECT_EQ(state.ride.BetriebskostenBasis, -100);
}

// Every field of a file that names nearly every key, in either language, reads back the same: a
// decimal read from the file exactly, a default with more than three decimals (a speed in km/h)
// truncated to three.
const std::string kFullRide =
    "DistanzGeschwEinheit\tMetrisch\r\nBahnName\tZipper Deluxe\r\nBahnDescription\tA fast, wild ride\r\n"
    "BahnIcon\tZipperIcon\r\nBahnKategorie\t2\r\nWagentypName\tCarA, CarB\r\nTrackTyp\tTrack4\r\n"
    "TrackSectionName\tS1 S2 S3 S4\r\nTrackSectionKosten\t1.5 2.25 0.58\r\nBaukostenHoehe4H\t17.99\r\n"
    "Stationstyp\tcastle\r\nLichtraumprofilHoehe\t1.235\r\nBauhoeheMax\t64\r\nBahnstartPreset\t1\r\n"
    "BahnstartMoeglichkeiten\t7\r\nKeineKinderFlag\t1\r\nKeineFliessendWassertexturFlag\t1\r\n"
    "AmpelRotGruenFlag\t1\r\nVolllastFlag\t0\r\nBlockaufteilungsFlag\t0\r\nRundenanzahlMin\t2\r\n"
    "RundenanzahlMax\t4\r\nAutoFertigstellungFlag\t1\r\nWagenRotationswinkelFlag\t1\r\n"
    "SchleifenUnzulaessigFlag\t1\r\nAnjederStelleabbaubarFlag\t0\r\nInAusStationRollgeschw\t10.5\r\n"
    "LiftkettengeschwMin\t2\r\nLiftkettengeschwMax\t30.125\r\nStartgeschwPreset\t33.3\r\n"
    "KonstantgeschwFlag\t1\r\nKonstantgeschwPreset\t7.77\r\nBergaufabAbweichung\t0.75\r\n"
    "BahnkostenVorschau\t3000\r\nBetriebskostenBasis\t51.1\r\nBetriebskostenproZug\t0.01\r\n"
    "ErrBasis\t3.5\r\nNauAverageVertGForce\t2.2\r\nIntFahrtlaenge\t0.123\r\nZuverlaessigkeitsabnahme\t8.5\r\n"
    "PeepAttraktivitaet\t75\r\nSpezialTrackSectionNameAMitte\tSpA\r\nSpezialTrackSectionNameBEnde\tSpB\r\n"
    "TowerRideSpitzenDauer\t2.5\r\nTowerRideSpitzenAbstand\t0.05\r\nPeepLoopSplineName\tLoop1\r\n"
    "PeepPathSplineName\tPath1 Path2\r\nSpezialWagentypAName\tSpecialA\r\nSpezialWagentypAVersatzWarten\t1.1\r\n"
    "SpezialWagentypAVersatzEinhaken\t-0.4\r\nSpezialWagentypABergaufGeschw\t3\r\n"
    "SpezialWagentypABergabGeschw\t4.999\r\nSpezialWagentypBName\tSpecialB\r\nZusatzTrackTyp\tTrack1 Track2\r\n"
    "VorRueckFreiRotationFlag\t1\r\nVierAchsenRotationswinkelFlag\t1\r\nFahrtzwischenTrackSplinesFlag\t1\r\n"
    "VertikalInversionswechselFlag\t1\r\nZuganzahlPreset\t2\r\nStationenSyncFlag\t1\r\n"
    "WaterSectionKonstantgeschw\t2.1\r\nWaterSectionBeschleunigung\t150\r\nWaterSectionAbbremsung\t2500.5\r\n";

void expectSameWithinAThousandth(RideData before, RideData after) {
    auto decimals = [](RideData& r) {
        std::vector<double*> all = {&r.LichtraumprofilHoehe, &r.InAusStationRollgeschw, &r.LiftkettengeschwMin,
                                    &r.LiftkettengeschwMax, &r.LiftkettengeschwPreset, &r.StartgeschwMin,
                                    &r.StartgeschwMax, &r.StartgeschwPreset, &r.KonstantgeschwMin,
                                    &r.KonstantgeschwMax, &r.KonstantgeschwPreset, &r.BergaufabAbweichung,
                                    &r.Zuverlaessigkeitsabnahme, &r.TowerRideSpitzenDauer,
                                    &r.TowerRideSpitzenAbstand, &r.SpezialWagentypAVersatzWarten,
                                    &r.SpezialWagentypAVersatzEinhaken, &r.SpezialWagentypABergaufGeschw,
                                    &r.SpezialWagentypABergabGeschw, &r.WaterSectionKonstantgeschw,
                                    &r.WaterSectionBeschleunigung, &r.WaterSectionAbbremsung};
        for (auto& row : r.RatingCoefficients)
            for (auto& v : row) all.push_back(&v);
        return all;
    };
    auto b = decimals(before), a = decimals(after);
    for (size_t i = 0; i < b.size(); ++i) {
        EXPECT_LE(*a[i], *b[i] + 1e-9) << i;
        EXPECT_GE(*a[i], *b[i] - 0.001 - 1e-9) << i;
        *a[i] = *b[i];
    }
    EXPECT_EQ(after, before);
}

TEST_F(RideRewrite, AFileReadAndRewrittenReadsBackToTheSameFields) {
    for (bool english : {false, true}) {
        const auto path = write(kFullRide);
        ASSERT_EQ(read(path), 1);
        const RideData original = state.ride;
        EXPECT_EQ(original.RideFlags, 2u + 1u + 4u + 16u + 2048u);
        EXPECT_EQ(original.TrackSectionKosten, (std::vector<int32_t>{150, 225, 58, 1000}));
        readAndRewrite(path, english, true);
        ASSERT_EQ(read(path), 1);
        expectSameWithinAThousandth(original, state.ride);
        EXPECT_EQ(state.ride.LichtraumprofilHoehe, original.LichtraumprofilHoehe);
        EXPECT_TRUE(dialogs.log.empty());
    }
}

TEST_F(RideRewrite, TargetPathFromFolderAndObjectName) {
    ASSERT_EQ(read(write("", "CTR_BahnDaten_.txt")), 1);
    EXPECT_EQ(rideDataRewriteTarget(state.ride), folder / "CTR_BahnDaten_Unbenannt.txt");
    ASSERT_EQ(read(write("")), 1);
    EXPECT_EQ(rideDataRewriteTarget(state.ride), folder / "CTR_BahnDaten_Zipper.txt");
}

TEST_F(RideRewrite, OverwriteQuestionDeclinedLeavesTheFileAsItWas) {
    const auto path = write("BahnName\tOriginal\r\nUnknownKey\t1\r\n");
    const std::string original = fileText(path);
    ASSERT_EQ(read(path), 1);
    Settings settings;
    dialogs.yesNoAnswers = {false};
    EXPECT_EQ(rewrite(settings), 0);
    EXPECT_EQ(fileText(path), original);
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].caption, "Warnung");
    EXPECT_EQ(dialogs.log[0].text,
              "Die BahnDaten.txt-Datei wird neu geschrieben: Werte, die nicht wie geschrieben gelesen werden konnten, "
              "werden durch die gelesenen ersetzt, unbekannte Schlüsselwörter und Kommentare fallen weg. Fortsetzen?");

    settings.UseEnglish = true;
    dialogs.yesNoAnswers = {true};
    EXPECT_EQ(rewrite(settings), 1);
    EXPECT_EQ(dialogs.log[1].caption, "Warning");
    EXPECT_EQ(dialogs.log[1].text,
              "The file is written anew: values that could not be read as written are replaced by the values read, and "
              "unknown keys and comments are dropped. Continue?");
    EXPECT_EQ(fileText(path).find("UnknownKey"), std::string::npos);

    // No question for a new file.
    std::filesystem::remove(path);
    dialogs.log.clear();
    EXPECT_EQ(rewrite(settings), 1);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(RideRewrite, AFailedWriteIsReportedAndLeavesTheFileAsItWas) {
    const auto path = write("BahnName\tOriginal\r\n");
    ASSERT_EQ(read(path), 1);
    state.ride.DataFileFolder = folder / "gone";
    Settings settings;
    settings.UseEnglish = true;
    EXPECT_EQ(rewrite(settings), 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].starts_with("The CTR_BahnDaten file "));
    EXPECT_NE(dialogs.messages()[0].find("CTR_BahnDaten_Zipper.txt"), std::string::npos);

    // The target is in the way as a folder: the question is asked, and nothing is replaced.
    state.ride.DataFileFolder = folder.path();
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    test::writeBytes(path / "inside.txt", "x");
    dialogs.yesNoAnswers = {true};
    EXPECT_EQ(rewrite(settings), 0);
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(dialogs.messages().size(), 2u);
}

TEST_F(RideRewrite, MainWindowButtonsFollowTheResults) {
    test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                     "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    test::FakeRegistry registry;
    MainWindow window(dialogs, registry, folder.path());
    dialogs.filesToOpen.push_back(write("BahnName\tWindow\r\n"));
    EXPECT_EQ(window.readRideFile(), 1);
    EXPECT_EQ(window.state().ride.BahnName, "Window");
    EXPECT_FALSE(window.enabled(Command::ReadRideFile));
    EXPECT_TRUE(window.enabled(Command::RewriteRideFile));

    dialogs.yesNoAnswers = {false};
    EXPECT_EQ(window.rewriteRideFile(), 0);
    EXPECT_TRUE(window.enabled(Command::RewriteRideFile));
    dialogs.yesNoAnswers = {true};
    EXPECT_EQ(window.rewriteRideFile(), 1);
    EXPECT_FALSE(window.enabled(Command::RewriteRideFile));
}

}  // namespace
}  // namespace zw
