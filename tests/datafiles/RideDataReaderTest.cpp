#include <gtest/gtest.h>

#include "RideFiles.h"
#include "datafiles/HeaderCheck.h"
#include "datafiles/RideDataHeader.h"
#include "workflow/ProjectCommands.h"

namespace zw {
namespace {

using test::rideHeader;
using test::RideFixture;
using Strings = std::vector<std::string>;

TEST(RideHeader, IsTheHeaderRideAuthorsFilesBeginWithAndHasItsKnownSums) {
    EXPECT_EQ(rideDataHeader(), rideHeader());
    EXPECT_EQ(rideHeader().size(), 398u);
    const HeaderSums sums = headerSums(rideHeader());
    EXPECT_EQ(sums.full, 26102);
    EXPECT_EQ(sums.stride, 5016);
}

struct RideReader : ::testing::Test, RideFixture {};

TEST_F(RideReader, HeaderOnlyFileTakesEveryDefault) {
    ASSERT_EQ(read(write("")), 1);
    EXPECT_TRUE(dialogs.log.empty());
    const RideData& r = state.ride;
    EXPECT_EQ(r.RideObjectName, "CTR_Zipper");
    EXPECT_EQ(r.DataFileFolder, folder.path());
    EXPECT_EQ(r.SpeedUnitFactor, 1.0);
    EXPECT_EQ(r.RideFlags, 2u);
    EXPECT_EQ(r.BahnName, "CTR Unbenannt");
    EXPECT_EQ(r.BahnDescription, "CTR Description");
    EXPECT_EQ(r.BahnIcon, "CTR");
    EXPECT_EQ(r.BahnKategorie, 3);
    EXPECT_EQ(r.WagentypName, (Strings{"JuniorLadybird", "WildMouse", "LIMCoaster"}));
    EXPECT_EQ(r.TrackTyp, "Track8");
    EXPECT_EQ(r.TrackSectionName, (Strings{"Stationmiddle", "Straight", "Medcurve"}));
    EXPECT_EQ(r.TrackSectionKosten, (std::vector<int32_t>{1000, 1000, 1000}));
    EXPECT_EQ(r.BaukostenHoehe4H, 1600);
    EXPECT_EQ(r.Stationstyp, "standard");
    EXPECT_EQ(r.LichtraumprofilHoehe, 0.9);
    EXPECT_EQ(r.BauhoeheMax, 100);
    EXPECT_EQ(r.BahnstartPreset, 0);
    EXPECT_EQ(r.BahnstartMoeglichkeiten, 3);
    EXPECT_EQ(r.BlockaufteilungsFlag, 1);
    EXPECT_EQ(r.RundenanzahlMin, 1);
    EXPECT_EQ(r.RundenanzahlMax, 10);
    EXPECT_EQ(r.AutoFertigstellungFlag, 0);
    EXPECT_EQ(r.WagenRotationswinkelFlag, 0);
    EXPECT_EQ(r.SchleifenUnzulaessigFlag, 0);
    EXPECT_EQ(r.AnjederStelleabbaubarFlag, 1);
    EXPECT_EQ(r.InAusStationRollgeschw, 8.0);
    EXPECT_EQ(r.LiftkettengeschwMin, 1.0);
    EXPECT_EQ(r.LiftkettengeschwMax, 25.0);
    EXPECT_EQ(r.LiftkettengeschwPreset, 4.0);
    EXPECT_EQ(r.StartgeschwMin, 1.0);
    EXPECT_EQ(r.StartgeschwMax, 50.0);
    EXPECT_EQ(r.StartgeschwPreset, 20.0);
    EXPECT_EQ(r.KonstantgeschwFlag, 0);
    EXPECT_EQ(r.KonstantgeschwMin, 1.0);
    EXPECT_EQ(r.KonstantgeschwMax, 25.0);
    EXPECT_EQ(r.KonstantgeschwPreset, 5.0);
    EXPECT_EQ(r.BergaufabAbweichung, 1.0);
    EXPECT_EQ(r.BahnkostenVorschau, 250000);
    EXPECT_EQ(r.BetriebskostenBasis, 4960);
    EXPECT_EQ(r.BetriebskostenproZug, 1100);
    EXPECT_EQ(r.BetriebskostenproWagen, 300);
    EXPECT_EQ(r.BetriebskostenproStation, 1000);
    EXPECT_EQ(r.Zuverlaessigkeitsabnahme, 10.0);
    EXPECT_EQ(r.PeepAttraktivitaet, 60);
    EXPECT_EQ(r.SpezialTrackSectionNameAMitte, "");
    EXPECT_EQ(r.SpezialTrackSectionNameBEnde, "");
    EXPECT_EQ(r.TowerRideSpitzenDauer, 0.0);
    EXPECT_EQ(r.TowerRideSpitzenAbstand, 0.01);
    EXPECT_EQ(r.PeepLoopSplineName, "");
    EXPECT_TRUE(r.PeepPathSplineName.empty());
    EXPECT_EQ(r.SpezialWagentypAName, "");
    EXPECT_EQ(r.SpezialWagentypABergabGeschw, 0.0);
    EXPECT_TRUE(r.ZusatzTrackTyp.empty());
    EXPECT_EQ(r.VorRueckFreiRotationFlag, 0);
    EXPECT_EQ(r.VierAchsenRotationswinkelFlag, 0);
    EXPECT_EQ(r.VertikalInversionswechselFlag, 0);
    EXPECT_EQ(r.ZuganzahlPreset, -1);
    EXPECT_EQ(r.StationenSyncFlag, 0);
    EXPECT_EQ(r.WaterSectionKonstantgeschw, 1.9);
    EXPECT_EQ(r.WaterSectionBeschleunigung, 200.0);
    EXPECT_EQ(r.WaterSectionAbbremsung, 3000.0);
    // Fixed fields.
    EXPECT_EQ(r.showAllOperatingModes, -1);
    EXPECT_EQ(r.liftChainSpeedStep, 0.1);
    EXPECT_EQ(r.liftChainEngagement, 30000.0);
    EXPECT_EQ(r.entranceFeePreset, 100);
}

TEST_F(RideReader, RatingTableDefaultsFixedRowsAndFactors) {
    const RideData r = fields("");
    const std::array<double, 4> row1{3.0, 2.0, 1.5, 1.0}, row11{0.01, 0.02, 0.01, 1.0}, row24{2.0, 2.0, 4.0, 1.0},
        fixed{0.0, 0.0, 0.0, 1.0};
    EXPECT_EQ(r.RatingCoefficients[0], row1);
    EXPECT_EQ(r.RatingCoefficients[10], row11);
    EXPECT_EQ(r.RatingCoefficients[23], row24);
    for (size_t row : {5, 6, 7, 8, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21}) EXPECT_EQ(r.RatingCoefficients[row], fixed);

    // Fixed rows and factors are not read even when the file names them.
    const RideData read = fields("ErrZuganzahl\t5\r\nFaktorBasis\t2\r\nExcBase\t7.5\r\nIntBasis\t1\r\nNauBase\t9\r\n"
                                 "UebBasis\t0.25\r\nNauAverageVertGForce\t6\r\n");
    EXPECT_EQ(read.RatingCoefficients[5], fixed);
    EXPECT_EQ(read.RatingCoefficients[0], (std::array<double, 4>{7.5, 1.0, 0.25, 1.0}));
    EXPECT_EQ(read.RatingCoefficients[24][Nausea], 6.0);
}

TEST_F(RideReader, GermanNameFirstThenEnglishAliasThenSecondAlias) {
    EXPECT_EQ(fields("RideName\tMy Ride, Deluxe\r\nBahnName\tMeine Bahn\r\n").BahnName, "Meine Bahn");
    EXPECT_EQ(fields("RideName\tMy Ride, Deluxe\r\n").BahnName, "My Ride, Deluxe");
    EXPECT_EQ(fields("NoChildsFlag\t1\r\n").RideFlags, 3u);
    EXPECT_EQ(fields("NoChildsFlag\t1\r\nNoChildrenFlag\t0\r\n").RideFlags, 2u);
    EXPECT_EQ(fields("KeineKinderFlag\t0\r\nNoChildrenFlag\t1\r\n").RideFlags, 2u);
    EXPECT_EQ(fields("CarTypeName\tA, B\r\n").WagentypName, (Strings{"A", "B"}));
    EXPECT_EQ(fields("TrackSectionCosts\t5\r\n").TrackSectionKosten, (std::vector<int32_t>{500, 1000, 1000}));
    EXPECT_EQ(fields("RunningCostsPerCar\t2.5\r\n").BetriebskostenproWagen, 250);
    EXPECT_EQ(fields("WaterSectionDeceleration\t12\r\n").WaterSectionAbbremsung, 12.0);
}

TEST_F(RideReader, FlagKeys) {
    EXPECT_EQ(fields("KeineKinderFlag\t1\r\nVolllastFlag\t1\r\n").RideFlags, 131u);
    EXPECT_EQ(fields("KeineFliessendWassertexturFlag\t1\r\nAmpelRotGruenFlag\t1\r\n"
                     "FahrtzwischenTrackSplinesFlag\t1\r\n")
                  .RideFlags,
              2u + 4u + 16u + 2048u);
    EXPECT_EQ(fields("KeineKinderFlag\t2\r\nVolllastFlag\t-1\r\n").RideFlags, 2u);
    EXPECT_EQ(fields("BlockaufteilungsFlag\t0\r\n").BlockaufteilungsFlag, 0);
    EXPECT_EQ(fields("BlockaufteilungsFlag\t2\r\n").BlockaufteilungsFlag, 0);
    EXPECT_EQ(fields("BlockaufteilungsFlag\t1\r\n").BlockaufteilungsFlag, 1);
    EXPECT_EQ(fields("AnjederStelleabbaubarFlag\t7\r\n").AnjederStelleabbaubarFlag, 0);
    EXPECT_EQ(fields("StationsSyncFlag\t1\r\n").StationenSyncFlag, 1);
}

TEST_F(RideReader, SpeedUnitAndSpeedDefaults) {
    const RideData metric = fields("DistanzGeschwEinheit\tkm/h\r\n");
    EXPECT_EQ(metric.SpeedUnitFactor, 0.277778);
    EXPECT_EQ(metric.StartgeschwMax, 50 / 0.277778);
    EXPECT_EQ(metric.InAusStationRollgeschw, 8 / 0.277778);
    EXPECT_EQ(metric.launchSpeedStep, 0.1 / 0.277778);
    EXPECT_EQ(fields("DistanceSpeedUnit\tImperial\r\n").SpeedUnitFactor, 0.44704);
    EXPECT_EQ(fields("DistanzGeschwEinheit\tmph\r\n").SpeedUnitFactor, 0.44704);
    EXPECT_EQ(fields("DistanzGeschwEinheit\tMetrisch [km/h]\r\n").SpeedUnitFactor, 0.277778);
    EXPECT_EQ(fields("DistanzGeschwEinheit\tm/s\r\n").SpeedUnitFactor, 1.0);
    EXPECT_EQ(fields("DistanzGeschwEinheit\tkmh\r\nStartgeschwMax\t70\r\n").SpeedUnitFactor, 1.0);
    // Speeds are held as written, whatever the unit.
    EXPECT_EQ(fields("DistanzGeschwEinheit\tkm/h\r\nStartgeschwMax\t70\r\n").StartgeschwMax, 70.0);
}

TEST_F(RideReader, TrackSectionCostsOnePerSection) {
    EXPECT_EQ(fields("TrackSectionName\tA B C D\r\nTrackSectionKosten\t12.5, 7\r\n").TrackSectionKosten,
              (std::vector<int32_t>{1250, 700, 1000, 1000}));
    const RideData two = fields("TrackSectionName\tA\tB\r\nTrackSectionKosten\t1 2 3\r\n");
    EXPECT_EQ(two.TrackSectionName, (Strings{"A", "B"}));
    EXPECT_EQ(two.TrackSectionKosten, (std::vector<int32_t>{100, 200}));
    EXPECT_EQ(fields("TrackSectionKosten\t0.58\r\n").TrackSectionKosten[0], 58);
}

TEST_F(RideReader, AdditionalTrackTypes) {
    EXPECT_TRUE(fields("TrackTyp\tTrackCTR_Loop\r\nZusatzTrackTyp\tTrack1\r\n").ZusatzTrackTyp.empty());
    EXPECT_EQ(fields("TrackTyp\tTrack8\r\nZusatzTrackTyp\tTrack1, TrackCTR_X, Track2\r\n").ZusatzTrackTyp,
              (Strings{"Track1", "Track2"}));
    EXPECT_EQ(fields("AdditionalTrackType\tT1 T2 T3 T4 T5 T6 T7 T8 T9 T10 T11 T12\r\n").ZusatzTrackTyp,
              (Strings{"T1", "T2", "T3", "T4", "T5", "T6", "T7", "T8", "T9", "T10"}));
    // CTR types among the first ten are dropped, and no later type takes their place.
    EXPECT_EQ(fields("ZusatzTrackTyp\tTrackCTR1 T2 T3 T4 T5 T6 T7 T8 T9 T10 T11\r\n").ZusatzTrackTyp.size(), 9u);
    EXPECT_EQ(fields("TrackTyp\tTrackCT\r\nZusatzTrackTyp\tTrackCT\r\n").ZusatzTrackTyp, Strings{"TrackCT"});
}

TEST_F(RideReader, NamesFromThePath) {
    ASSERT_EQ(read(write("", "CTR_BahnDaten_.txt")), 1);
    EXPECT_EQ(state.ride.RideObjectName, "CTR_Unbenannt");
    ASSERT_EQ(read(write("", "CTR_BahnDaten_Wild Maus.txt")), 1);
    EXPECT_EQ(state.ride.RideObjectName, "CTR_Wild Maus");
    EXPECT_EQ(state.ride.DataFileFolder, folder.path());
}

TEST_F(RideReader, NothingOfAnEarlierRideSurvives) {
    const RideData defaults = fields("");
    fields("BahnName\tX\r\nDistanzGeschwEinheit\tmph\r\nKeineKinderFlag\t1\r\nZusatzTrackTyp\tT1\r\n"
           "PeepPathSplineName\tP\r\nTrackSectionName\tA B C D E\r\nErrBasis\t9\r\n");
    EXPECT_EQ(fields(""), defaults);
}

TEST_F(RideReader, LoadMessagesStopTheReadAndKeepTheEarlierRide) {
    const RideData earlier = fields("BahnName\tEarlier\r\n");
    std::string withH1Plus1 = rideHeader();
    withH1Plus1[2] += 1;  // not on the stride
    const std::string breaks5000 = [] {
        std::string s;
        for (int i = 0; i < 5000 - 6; ++i) s += "\r\n";
        return s;
    }();

    struct Case {
        std::string bytes;
        const char* german;
    };
    const Case cases[] = {
        {std::string(391, 'x'), "Fehler 121! Dateiinhalt entspricht nicht der CTR_BahnDaten Struktur."},
        {withH1Plus1 + "BahnName\tX\r\n",
         "Fehler 122! Dateiinhalt entspricht nicht der CTR_BahnDaten Struktur oder scheint zu einer anderen "
         "Zorbaltwerk-Version zu gehören."},
        {rideHeader() + breaks5000, "Fehler 116! CTR_BahnDaten Datei enthält mehr als 5000 Zeilen."},
    };
    for (const auto& c : cases) {
        const auto path = folder / "CTR_BahnDaten_Zipper.txt";
        test::writeBytes(path, c.bytes);
        dialogs.log.clear();
        EXPECT_EQ(read(path), 0);
        EXPECT_EQ(dialogs.messages(), Strings{c.german});
        EXPECT_EQ(state.ride, earlier);
    }
    dialogs.log.clear();
    EXPECT_EQ(read(folder / "CTR_BahnDaten_Missing.txt", Language::English), 0);
    EXPECT_EQ(dialogs.messages(), Strings{"Error 101! CTR_BahnDaten file cannot be opened."});

    // 4999 line breaks after the header's are within the limit.
    test::writeBytes(folder / "CTR_BahnDaten_Zipper.txt", rideHeader() + breaks5000.substr(2));
    EXPECT_EQ(read(folder / "CTR_BahnDaten_Zipper.txt"), 1);
}

TEST_F(RideReader, ANameTheWindowsCodePageCannotHoldIsAFileThatCannotBeOpened) {
#ifndef _WIN32
    const auto path = write("", "CTR_BahnDaten_\xE4\xB8\xAD.txt");  // a CJK character in UTF-8
    EXPECT_EQ(read(path, Language::English), 0);
    EXPECT_EQ(dialogs.messages(), Strings{"Error 101! CTR_BahnDaten file cannot be opened."});
#endif
}

TEST_F(RideReader, HeadersOfEarlierVersionsAreAccepted) {
    // Full sum H1 - 46 and stride sum H2 + 51.
    std::string earlier = rideHeader();
    ASSERT_EQ(earlier[6], '-');
    earlier[6] = static_cast<char>('-' + 51);  // on the stride
    earlier[7] = 0;                             // -45
    earlier[8] = 0;                             // -45
    earlier[9] = '-' - 7;
    test::writeBytes(folder / "CTR_BahnDaten_Old.txt", earlier + "BahnName\tOld\r\n");
    EXPECT_EQ(read(folder / "CTR_BahnDaten_Old.txt"), 1);
    EXPECT_EQ(state.ride.BahnName, "Old");

    // Stride sum H2 + 52 is refused.
    earlier[6] += 1;
    earlier[9] -= 1;
    test::writeBytes(folder / "CTR_BahnDaten_Old.txt", earlier);
    EXPECT_EQ(read(folder / "CTR_BahnDaten_Old.txt", Language::English), 0);
    EXPECT_EQ(dialogs.messages().back(),
              "Error 122! File content does not match the CTR_BahnDaten structure or it originates from another "
              "Zorbaltwerk version.");
}

TEST_F(RideReader, LookupMessagesDoNotStopTheRead) {
    ASSERT_EQ(read(write("BauhoeheMax\t$64\r\nBahnName\tStill\r\n")), 1);
    EXPECT_EQ(state.ride.BauhoeheMax, 100);
    EXPECT_EQ(state.ride.BahnName, "Still");
    EXPECT_EQ(dialogs.messages(), Strings{"Fehler 911! Hexadezimale Zahlenangabe noch nicht unterstützt."});
}

TEST_F(RideReader, OpenDialogWithFilterAndStartFolder) {
    state.StartFolder = folder.path();
    EXPECT_EQ(chooseAndReadRideFile(state, dialogs), 0);
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].caption, "CTR_BahnDaten_*.txt|CTR_BahnDaten_*.txt");
    EXPECT_EQ(dialogs.log[0].text, folder.path().string());

    dialogs.filesToOpen.push_back(write("BahnName\tPicked\r\n"));
    EXPECT_EQ(chooseAndReadRideFile(state, dialogs), 1);
    EXPECT_EQ(state.ride.BahnName, "Picked");
}

}  // namespace
}  // namespace zw
