#include "RideBuildFixture.h"

#include "base/SafeFile.h"
#include "ovl/OvlPairInspection.h"

namespace zw::test {

ParsedRidePair RideBuildTest::built() const {
    const std::string common = *readWholeFile(rideCommonFile(ride));
    const std::string unique = *readWholeFile(rideUniqueFile(ride));
    const OvlPairInspection inspection =
        inspectOvlPair(OvlPairReader(common, "common", unique, "unique"), Language::English);
    EXPECT_TRUE(inspection.violations.empty()) << ::testing::PrintToString(inspection.violations);
    return parseRidePair(rideCommonFile(ride), rideUniqueFile(ride));
}

RideData distinctRide(const std::filesystem::path& folder) {
    RideData r;
    r.DataFileFolder = folder;
    r.RideObjectName = "CTR_Testbahn";
    r.SpeedUnitFactor = 0.5;
    r.RideFlags = 131;
    r.BahnName = "Zipper";
    r.BahnDescription = "Spins";
    r.BahnIcon = "Wooden";
    r.BahnKategorie = 7;
    r.WagentypName = {"JuniorLadybird", "WildMouse"};
    r.TrackTyp = "Track8";
    r.TrackSectionName = {"Stationmiddle", "Straight", "MedCurve\xC4"};
    r.TrackSectionKosten = {1000, 1250, 700};
    r.BaukostenHoehe4H = 1600;
    r.Stationstyp = "standard";
    r.LichtraumprofilHoehe = 0.9;
    r.BauhoeheMax = 77;
    r.BahnstartPreset = 2;
    r.BahnstartMoeglichkeiten = 5;
    r.BlockaufteilungsFlag = 1;
    r.RundenanzahlMin = 2;
    r.RundenanzahlMax = 9;
    r.AutoFertigstellungFlag = 1;
    r.WagenRotationswinkelFlag = 1;
    r.SchleifenUnzulaessigFlag = 1;
    r.AnjederStelleabbaubarFlag = 0;
    r.InAusStationRollgeschw = 16;
    r.LiftkettengeschwMin = 2;
    r.LiftkettengeschwMax = 50;
    r.LiftkettengeschwPreset = 8;
    r.StartgeschwMin = 4;
    r.StartgeschwMax = 100;
    r.StartgeschwPreset = 40;
    r.KonstantgeschwFlag = 1;
    r.KonstantgeschwMin = 6;
    r.KonstantgeschwMax = 60;
    r.KonstantgeschwPreset = 10;
    r.BergaufabAbweichung = 1.25;
    r.BahnkostenVorschau = 250000;
    r.BetriebskostenBasis = 4960;
    r.BetriebskostenproZug = 1100;
    r.BetriebskostenproWagen = 300;
    r.BetriebskostenproStation = 1001;
    for (size_t row = 0; row < r.RatingCoefficients.size(); ++row) {
        const double x = static_cast<double>(row);
        r.RatingCoefficients[row] = {x + 0.25, x + 0.5, x + 0.75, x + 1.0};
    }
    r.Zuverlaessigkeitsabnahme = 10.5;
    r.PeepAttraktivitaet = 61;
    r.TowerRideSpitzenDauer = 0.75;
    r.TowerRideSpitzenAbstand = 0.01;
    r.SpezialWagentypAName = "SpecialA";
    r.SpezialWagentypAVersatzWarten = 1.5;
    r.SpezialWagentypAVersatzEinhaken = 2.5;
    r.SpezialWagentypABergaufGeschw = 3.5;
    r.SpezialWagentypABergabGeschw = 4.5;
    r.ZusatzTrackTyp = {"Track1", "Track33b"};
    r.VorRueckFreiRotationFlag = 0;
    r.VierAchsenRotationswinkelFlag = 1;
    r.VertikalInversionswechselFlag = 1;
    r.ZuganzahlPreset = -1;
    r.StationenSyncFlag = 1;
    r.WaterSectionKonstantgeschw = 1.9;
    r.WaterSectionBeschleunigung = 200.0;
    r.WaterSectionAbbremsung = 3000.0;
    r.stationHeightAboveTrack = 13;
    r.buildOnWaterOnly = 1;
    r.showAllOperatingModes = -1;
    r.liftChainSpeedStep = 0.2;
    r.launchSpeedStep = 0.4;
    r.constantSpeedStep = 0.6;
    r.liftChainEngagement = 30000.0;
    r.entranceFeePreset = 150;
    r.TowerRideUnknown1 = 11;
    r.TowerRideUnknown2 = 12;
    return r;
}

}  // namespace zw::test
