#include <gtest/gtest.h>

#include "AssistantFixture.h"

namespace zw {
namespace {

using test::AssistantTest;

TEST(AssistantStore, FlagWordWithItsInvertedTrafficLight) {
    AssistantTest t;
    for (TCheckBox* box : {&t.form.txtKeineKinder, &t.form.txtFliessendesWasser, &t.form.txtAmpelTestphase,
                           &t.form.txtAnimFahrtEnde, &t.form.txtNurVolllast, &t.form.txtStreckenVerlauf}) {
        box->Checked = false;
    }
    t.form.storeControlsIntoRide();
    EXPECT_EQ(t.host.ride.RideFlags, 18u);
    t.form.txtAmpelTestphase.Checked = true;
    t.form.storeControlsIntoRide();
    EXPECT_EQ(t.host.ride.RideFlags, 2u);
    struct Case {
        TCheckBox* box;
        uint32_t value;
    };
    for (auto [box, value] : {Case{&t.form.txtKeineKinder, 1}, Case{&t.form.txtFliessendesWasser, 4},
                              Case{&t.form.txtNurVolllast, 128},
                              Case{&t.form.txtStreckenVerlauf, 2048}}) {
        box->Checked = true;
        t.form.storeControlsIntoRide();
        EXPECT_EQ(t.host.ride.RideFlags, 2u + value) << value;
        box->Checked = false;
    }
}

TEST(AssistantStore, CategoryItemsSevenToNineAreCategoriesFifteenToSeventeen) {
    AssistantTest t;
    const int32_t expected[10] = {0, 1, 2, 3, 4, 5, 6, 15, 16, 17};
    for (int item = 0; item < 10; ++item) {
        t.form.lstKategorie.ItemIndex = item;
        t.form.storeControlsIntoRide();
        EXPECT_EQ(t.host.ride.BahnKategorie, expected[item]) << item;
    }
}

TEST(AssistantStore, CommaDecimalsAndAmounts) {
    AssistantTest t;
    t.form.lstStreckensektionskosten.Items[0] = "12,5";
    t.form.lstStreckensektionskosten.Items[1] = "0,29";
    t.form.txtBauKostenHoehe.Text = "16,000";
    t.form.txtKostenVorschau.Text = "2500,000";
    t.form.txtLichtraumProfilhoehe.Text = "1,900";
    t.form.txtMinRunden.Text = "2,7";  // a number, stored as integer
    t.form.storeControlsIntoRide();
    const RideData& ride = t.host.ride;
    EXPECT_EQ(ride.TrackSectionName, (std::vector<std::string>{"stationmiddle", "straight"}));
    EXPECT_EQ(ride.TrackSectionKosten, (std::vector<int32_t>{1250, 29}));
    EXPECT_EQ(ride.BaukostenHoehe4H, 1600);
    EXPECT_EQ(ride.BahnkostenVorschau, 250000);
    EXPECT_EQ(ride.BetriebskostenBasis, 4960);
    EXPECT_DOUBLE_EQ(ride.LichtraumprofilHoehe, 1.9);
    EXPECT_EQ(ride.RundenanzahlMin, 2);
    EXPECT_EQ(ride.RundenanzahlMax, 10);
    EXPECT_EQ(ride.ZuganzahlPreset, -1);
}

TEST(AssistantStore, ChecksListsAndInvertedClosedCircuit) {
    AssistantTest t;
    auto& f = t.form;
    f.txtGeschlosseneStrecke.Checked = true;
    f.txtBlockmodus.Checked = true;
    f.txtAbrissMoeglichkeit.Checked = false;
    f.lstBahnStartArt.clearChecks();
    f.lstBahnStartArt.Checked[0] = f.lstBahnStartArt.Checked[3] = f.lstBahnStartArt.Checked[15] = true;
    f.lstPreStart.clearChecks();
    f.lstPreStart.Checked[2] = f.lstPreStart.Checked[5] = true;  // the last checked item counts
    f.lstIcons.Text = "WildMouseIcon";
    f.storeControlsIntoRide();
    const RideData& ride = t.host.ride;
    EXPECT_EQ(ride.SchleifenUnzulaessigFlag, 0);
    EXPECT_EQ(ride.BlockaufteilungsFlag, 1);
    EXPECT_EQ(ride.AnjederStelleabbaubarFlag, 0);
    EXPECT_EQ(ride.BahnstartMoeglichkeiten, 1 + 8 + 32768);
    EXPECT_EQ(ride.BahnstartPreset, 5);
    EXPECT_EQ(ride.BahnIcon, "WildMouseIcon");
    EXPECT_EQ(ride.WagentypName, (std::vector<std::string>{"6PeepWoodenRC"}));
    EXPECT_EQ(ride.TrackTyp, "Track1");
    EXPECT_EQ(ride.Stationstyp, "Standard");
    f.txtGeschlosseneStrecke.Checked = false;
    f.lstPreStart.clearChecks();
    f.storeControlsIntoRide();
    EXPECT_EQ(ride.SchleifenUnzulaessigFlag, 1);
    EXPECT_EQ(ride.BahnstartPreset, 0);
}

TEST(AssistantStore, SpeedUnitItemsAndValuesThatKeepTheirField) {
    AssistantTest t;
    const double factors[3] = {1.0, 0.277778, 0.44704};
    for (int item = 0; item < 3; ++item) {
        t.form.lstGeschwindigkeitsEinheit.ItemIndex = item;
        t.form.storeControlsIntoRide();
        EXPECT_EQ(t.host.ride.SpeedUnitFactor, factors[item]);
    }
    t.form.lstGeschwindigkeitsEinheit.ItemIndex = -1;
    t.form.storeControlsIntoRide();
    EXPECT_EQ(t.host.ride.SpeedUnitFactor, 0.44704);

}

// The controls of fields no data file holds only show what every read gives; storing gives those
// fields the same, so a ride built at once is the ride built from its saved file.
TEST(AssistantStore, FieldsWithoutKeysGetWhatAReadGives) {
    AssistantTest t;
    t.host.ride.showAllOperatingModes = 7;
    t.host.ride.entranceFeePreset = 250;
    t.host.ride.stationHeightAboveTrack = 3;
    t.host.ride.RideFlags = 32;
    t.form.txtEintrittspreis.Text = "9,000";
    t.form.txtNurWasser.Checked = true;
    t.form.txtAnimFahrtEnde.Checked = true;
    t.form.lstGeschwindigkeitsEinheit.ItemIndex = 1;
    t.form.storeControlsIntoRide();
    const RideData& ride = t.host.ride;
    EXPECT_EQ(ride.showAllOperatingModes, -1);
    EXPECT_EQ(ride.entranceFeePreset, 100);
    EXPECT_EQ(ride.stationHeightAboveTrack, 0);
    EXPECT_EQ(ride.buildOnWaterOnly, 0);
    EXPECT_EQ(ride.RideFlags & 32u, 0u);
    EXPECT_DOUBLE_EQ(ride.liftChainSpeedStep, 0.1 / 0.277778);
    // And the controls show them again.
    EXPECT_EQ(t.form.txtEintrittspreis.Text, "1,000");
    EXPECT_FALSE(t.form.txtNurWasser.Checked);
    EXPECT_EQ(t.form.txtKettenSchrittweite.Text, "0,360");
    for (const char* control : {"txtEintrittspreis", "txtHoeheUeberGleis", "txtNurWasser", "txtAlleModi",
                                "txtKettenSchrittweite", "txtLiftkettenEinrastung"}) {
        EXPECT_TRUE(RideAssistant::isShownOnly(control)) << control;
    }
    EXPECT_FALSE(RideAssistant::isShownOnly("txtBahnName"));
}

TEST(AssistantStore, RatingRowsWithAndWithoutControls) {
    AssistantTest t;
    t.host.ride.RatingCoefficients[5] = {9.0, 9.0, 9.0, 9.0};  // Zuganzahl: no controls
    t.form.lstBasisErr.Text = "1,25";
    t.form.lstVGKraefteUeb.Text = "-0,5";
    t.form.storeControlsIntoRide();
    const auto& r = t.host.ride.RatingCoefficients;
    EXPECT_EQ(r[0][0], 1.25);
    EXPECT_EQ(r[0][1], 0.5);
    EXPECT_EQ(r[0][2], 0.3);
    EXPECT_EQ(r[24][2], -0.5);
    EXPECT_EQ(r[22][0], 4.5);  // SzenerieEinfluss, coaster set
    EXPECT_EQ(r[11][1], 0.066);
    for (size_t row : {5u, 6u, 7u, 8u, 9u, 13u, 14u, 15u, 16u, 17u, 18u, 19u, 20u, 21u}) {
        EXPECT_EQ(r[row], (std::array<double, 4>{0.0, 0.0, 0.0, 1.0})) << row;
    }
    for (const auto& row : r) EXPECT_EQ(row[3], 1.0);
}

TEST(AssistantStore, FixedValuesForANewRideAndTheTowerTabOverwritingThem) {
    AssistantTest t;
    t.host.ride.PeepLoopSplineName = "OldLoop";
    t.host.ride.PeepPathSplineName = {"OldPath"};
    t.host.ride.SpezialWagentypABergaufGeschw = 1.0;
    t.form.storeControlsIntoRide();
    const RideData& ride = t.host.ride;
    EXPECT_EQ(ride.PeepLoopSplineName, "");
    EXPECT_TRUE(ride.PeepPathSplineName.empty());
    EXPECT_EQ(ride.SpezialWagentypABergaufGeschw, 6.0);
    EXPECT_EQ(ride.SpezialWagentypABergabGeschw, -10.0);
    EXPECT_EQ(ride.TowerRideSpitzenDauer, 0.0);  // lblTopTime is empty
    EXPECT_EQ(ride.TowerRideSpitzenAbstand, 0.01);
    EXPECT_EQ(ride.SpezialWagentypAName, "");

    t.form.lblTopTime.Text = "2,5";
    t.form.lblTopLength.Text = "";
    t.form.lblMidSection.Text = "TowerMid";
    t.form.lblSpezialWagenA.Text = "Gondola";
    t.form.lblSpezialWagenWartepositionA.Text = "1,5";
    t.form.storeControlsIntoRide();
    EXPECT_EQ(ride.TowerRideSpitzenDauer, 2.5);
    EXPECT_EQ(ride.TowerRideSpitzenAbstand, 0.01);
    EXPECT_EQ(ride.SpezialTrackSectionNameAMitte, "TowerMid");
    EXPECT_EQ(ride.SpezialWagentypAName, "Gondola");
    EXPECT_EQ(ride.SpezialWagentypAVersatzWarten, 1.5);
}

TEST(AssistantStore, TextThatIsNoNumberStoresNothing) {
    AssistantTest t;
    t.host.ride.BahnName = "Before";
    t.form.txtBahnName.Text = "After";
    t.form.txtMaxStartgeschwindigkeit.Text = "-";  // passes the error analysis
    try {
        t.form.storeControlsIntoRide();
        FAIL() << "a minus sign alone is no number";
    } catch (const AssistantInputError& e) {
        ASSERT_EQ(e.faults.size(), 1u);
        EXPECT_EQ(e.faults[0].control, "txtMaxStartgeschwindigkeit");
        EXPECT_EQ(e.faults[0].kind, InputFault::Kind::NotANumber);
    }
    EXPECT_EQ(t.host.ride.BahnName, "Before");

    t.form.txtMaxStartgeschwindigkeit.Text = "50";
    t.form.txtBahnName.Text = "Bahn \xE2\x9C\x93";  // a check mark: no Windows-1252 character
    EXPECT_THROW(t.form.storeControlsIntoRide(), AssistantInputError);
    t.form.txtBahnName.Text = "Gr\xC3\xBCn";  // ü
    t.form.storeControlsIntoRide();
    EXPECT_EQ(t.host.ride.BahnName, "Gr\xFCn");
}

}  // namespace
}  // namespace zw
