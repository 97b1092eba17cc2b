#include <gtest/gtest.h>

#include "AssistantFixture.h"
#include "assistant/CheckInput.h"
#include "base/Encoding.h"
#include "base/Messages.h"

namespace zw {
namespace {

using test::AssistantTest;
using test::indexOfItem;
using Items = std::vector<std::string>;

TEST(AssistantNewRide, StartsWithTheNewRideValues) {
    AssistantTest t;
    const RideAssistant& f = t.form;
    EXPECT_EQ(t.host.restarts, 0);  // creating the window leaves the main window alone
    EXPECT_EQ(f.txtBahnName.Text, "Mein CTR");
    EXPECT_EQ(f.txtBahnBeschreibung.Text, "Mein eigener CTR");
    EXPECT_EQ(f.lstIcons.Text, "CTR");
    EXPECT_EQ(f.lstKategorie.selectedText(), "Achterbahnen Stahl");
    EXPECT_EQ(f.lstSelWagen.Items, Items{"6PeepWoodenRC"});
    EXPECT_EQ(indexOfItem(f.txtWagentypen.Items, "6PeepWoodenRC"), -1);
    EXPECT_EQ(f.lstSelSektionen.Items, (Items{"stationmiddle", "straight"}));
    EXPECT_EQ(f.lstStreckensektionskosten.Items, (Items{"10", "10"}));
    EXPECT_EQ(f.lstStationstyp.selectedText(), "Standard");
    EXPECT_EQ(f.lstStationstyp.ItemIndex, 12);
    EXPECT_EQ(f.lstStreckentypen.ItemIndex, 0);
    std::vector<bool> starts(16, false);
    starts[0] = starts[11] = true;
    EXPECT_EQ(f.lstBahnStartArt.Checked, starts);
    std::vector<bool> preset(16, false);
    preset[0] = true;
    EXPECT_EQ(f.lstPreStart.Checked, preset);
    EXPECT_EQ(f.txtBauKostenHoehe.Text, "16,000");
    EXPECT_EQ(f.txtLichtraumProfilhoehe.Text, "1,900");
    EXPECT_EQ(f.txtZugAnzahl.Text, "-1");
    EXPECT_TRUE(f.txtGeschlosseneStrecke.Checked);
    EXPECT_TRUE(f.txtAmpelTestphase.Checked);
    EXPECT_FALSE(f.txtBlockmodus.Checked);
    EXPECT_EQ(f.lstGeschwindigkeitsEinheit.ItemIndex, 0);
    EXPECT_EQ(f.txtMinStartgeschwindigkeit.Text, "3,000");
    EXPECT_EQ(f.txtKostenVorschau.Text, "2500,000");
    EXPECT_EQ(f.txtKostenBasis.Text, "49,600");
    EXPECT_EQ(f.txtWasserBremsFaktor.Text, "30000,000");
    EXPECT_EQ(f.txtAttraktionsAttraktivitaet.Text, "60");
    EXPECT_EQ(f.lblTopLength.Text, "0,010");
    EXPECT_EQ(f.lblTopTime.Text, "");
    EXPECT_EQ(f.lblSpezialWagenEinhakpositionA.Text, "0,000");
    EXPECT_EQ(f.lstBasisErr.Text, "3,398");
    EXPECT_EQ(f.lstVGKraefteErr.Text, "1,199");
}

TEST(AssistantNewRide, DefaultRatingSets) {
    AssistantTest t;
    t.form.onThemedRidePreset();
    EXPECT_EQ(t.form.lstBasisErr.Text, "2,000");
    EXPECT_EQ(t.form.lstBasisInt.Text, "0,400");
    EXPECT_EQ(t.form.lstSzenerieEinflussErr.Text, "2,500");
    EXPECT_EQ(t.form.lstSGKraefteUeb.Text, "0,700");
    EXPECT_EQ(t.form.lstVGKraefteErr.Text, "0,300");
    EXPECT_EQ(t.form.lstDGeschwinigkeitInt.Text, "0,066");
    t.form.onRollerCoasterPreset();
    EXPECT_EQ(t.form.lstBasisErr.Text, "3,398");
    EXPECT_EQ(t.form.lstSGKraefteUeb.Text, "4,000");
    EXPECT_EQ(t.form.lstVGKraefteInt.Text, "3,000");
}

TEST(AssistantLists, CarsMoveBothWaysAndRightClickReturnsAll) {
    AssistantTest t;
    auto& f = t.form;
    const size_t available = f.txtWagentypen.Items.size();
    f.txtWagentypen.ItemIndex = indexOfItem(f.txtWagentypen.Items, "WildMouse");
    f.onCarTypeChosen();
    EXPECT_EQ(f.lstSelWagen.Items, (Items{"6PeepWoodenRC", "WildMouse"}));
    EXPECT_EQ(f.txtWagentypen.Items.size(), available - 1);
    f.lstSelWagen.ItemIndex = 0;
    f.onChosenCarTypeRemoved();
    EXPECT_EQ(f.lstSelWagen.Items, Items{"WildMouse"});
    EXPECT_EQ(f.txtWagentypen.Items.back(), "6PeepWoodenRC");  // appended at the end
    f.txtWagentypen.ItemIndex = -1;
    f.onCarTypeChosen();  // nothing selected: nothing moves
    EXPECT_EQ(f.lstSelWagen.Items.size(), 1u);
    f.onChosenCarTypesMouseUp(false);
    EXPECT_EQ(f.lstSelWagen.Items.size(), 1u);
    f.onChosenCarTypesMouseUp(true);
    EXPECT_TRUE(f.lstSelWagen.Items.empty());
    EXPECT_EQ(f.txtWagentypen.Items.size(), available + 1);
}

TEST(AssistantLists, SectionsMoveWithTheirCostsKeptInStep) {
    AssistantTest t;
    auto& f = t.form;
    f.txtStreckensektionen.ItemIndex = indexOfItem(f.txtStreckensektionen.Items, "T1Loop");
    f.onTrackSectionChosen();
    EXPECT_EQ(f.lstSelSektionen.Items, (Items{"stationmiddle", "straight", "T1Loop"}));
    EXPECT_EQ(f.lstStreckensektionskosten.Items, (Items{"10", "10", "10"}));
    EXPECT_EQ(indexOfItem(f.txtStreckensektionen.Items, "T1Loop"), -1);

    f.lstStreckensektionskosten.Items[2] = "7,5";
    f.lstSelSektionen.ItemIndex = 1;
    f.onChosenSectionSelected();
    EXPECT_EQ(f.lstStreckensektionskosten.ItemIndex, 1);
    f.onChosenSectionRemoved();  // "straight" goes back and its cost with it
    EXPECT_EQ(f.lstSelSektionen.Items, (Items{"stationmiddle", "T1Loop"}));
    EXPECT_EQ(f.lstStreckensektionskosten.Items, (Items{"10", "7,5"}));
    EXPECT_NE(indexOfItem(f.txtStreckensektionen.Items, "straight"), -1);
    Items sorted = f.txtStreckensektionen.Items;  // back at its alphabetical place
    sortTrackSectionNames(sorted);
    EXPECT_EQ(f.txtStreckensektionen.Items, sorted);

    f.lstStreckensektionskosten.ItemIndex = 1;
    f.onSectionCostSelected();
    EXPECT_EQ(f.lstSelSektionen.ItemIndex, 1);
    t.dialogs.textAnswers = {std::string("12,5"), std::nullopt};
    f.onSectionCostRemoved();
    EXPECT_EQ(f.lstStreckensektionskosten.Items[1], "12,5");
    f.onSectionCostRemoved();  // cancelled: the cost stays
    EXPECT_EQ(f.lstStreckensektionskosten.Items[1], "12,5");
    EXPECT_EQ(t.inputBoxes(), (Items{"Neuer Wert", "Neuer Wert"}));

    f.onChosenSectionsMouseUp(true);
    EXPECT_TRUE(f.lstSelSektionen.Items.empty());
    EXPECT_TRUE(f.lstStreckensektionskosten.Items.empty());
    EXPECT_NE(indexOfItem(f.txtStreckensektionen.Items, "T1Loop"), -1);
}

TEST(AssistantLists, TrackMenuTwiceAddsEachSectionOnce) {
    AssistantTest t;
    auto& f = t.form;
    ASSERT_EQ(f.trackTypeMenu[0].trackType, "Track1");
    EXPECT_EQ(f.TrackListe.Items[0], "Track1");
    EXPECT_EQ(f.TrackListe.Items[4], "Track2");
    f.onChosenSectionsMouseUp(true);
    f.chooseTrackType(0);
    EXPECT_EQ(f.lstSelSektionen.Items, (Items{"T1Start", "T1Loop", "T1End"}));  // the type's last section too
    f.chooseTrackType(0);
    EXPECT_EQ(f.lstSelSektionen.Items.size(), 3u);
    EXPECT_EQ(f.lstStreckensektionskosten.Items, (Items{"10", "10", "10"}));
    f.chooseTrackType(1);
    EXPECT_EQ(f.lstSelSektionen.Items, (Items{"T1Start", "T1Loop", "T1End", "T2Curve", "straight"}));
    EXPECT_TRUE(t.dialogs.log.empty());
    t.host.game = "D:/RCT3";
    f.chooseTrackType(2);  // Track3: no sections known, which the message says
    EXPECT_EQ(t.dialogs.messages(), Items{message("assistantNoTrackSections", Language::German,
                                                  {"Track3", pathForMessage("D:/RCT3")})});
    t.host.english = true;
    f.chooseTrackType(2);
    EXPECT_EQ(t.dialogs.messages().back(),
              "No track section of the track type Track3 is known: neither the assistant's lists nor the RCT3 "
              "folder D:/RCT3 name one (the file Track3.common.ovl was looked for there).");
    f.chooseTrackType(999);
    EXPECT_EQ(f.lstSelSektionen.Items.size(), 5u);
    f.selectTrackSections(3, 100000);  // positions past the end are skipped
}

TEST(AssistantLists, PastingThreeWordsMovesTheTwoAvailableSections) {
    AssistantTest t;
    auto& f = t.form;
    t.dialogs.clipboard = "T2Curve NoSuchSection T1End";
    f.onInsertTrackSections();
    EXPECT_EQ(f.lstSelSektionen.Items, (Items{"stationmiddle", "straight", "T2Curve", "T1End"}));
    EXPECT_EQ(f.lstStreckensektionskosten.Items.size(), 4u);
    f.addSections("straight, T1Loop\r\nOther");  // a copied data file line: commas and line breaks separate too
    EXPECT_EQ(f.lstSelSektionen.Items,
              (Items{"stationmiddle", "straight", "T2Curve", "T1End", "T1Loop", "Other"}));
    f.addSections("t1start");  // names are matched exactly
    EXPECT_EQ(f.lstSelSektionen.Items.size(), 6u);
    f.addSections("");
    EXPECT_EQ(f.lstStreckensektionskosten.Items.size(), 6u);
}

TEST(AssistantLists, AdditionalTrackTypesSortedAsTextAtMostTen) {
    AssistantTest t;
    auto& f = t.form;
    EXPECT_EQ(f.lstZusatzTrackListe.Items[0], "Track1");
    EXPECT_EQ(f.lstZusatzTrackListe.Items[1], "Track10");
    EXPECT_EQ(f.lstZusatzTrackListe.Items[2], "Track11");
    for (int i = 0; i < 12; ++i) {
        f.lstZusatzTrackListe.ItemIndex = 0;
        f.onExtraTrackTypeChosen();
    }
    EXPECT_EQ(f.SelZusatzTrackListe.Items.size(), 10u);
    EXPECT_EQ(f.SelZusatzTrackListe.Items[0], "Track1");
    f.SelZusatzTrackListe.ItemIndex = 1;
    f.onChosenExtraTrackTypeRemoved();
    EXPECT_EQ(f.lstZusatzTrackListe.Items[0], "Track10");
    f.onChosenExtraTrackTypesMouseUp(true);
    EXPECT_TRUE(f.SelZusatzTrackListe.Items.empty());
    EXPECT_EQ(f.lstZusatzTrackListe.Items.size(), 75u);
    EXPECT_EQ(f.lstZusatzTrackListe.Items[0], "Track1");
}

TEST(AssistantLists, StartOptionChecksAndResets) {
    AssistantTest t;
    auto& f = t.form;
    f.onPreStartModeTicked(4);
    f.onPreStartModeTicked(7);
    EXPECT_EQ(std::count(f.lstPreStart.Checked.begin(), f.lstPreStart.Checked.end(), true), 1);
    EXPECT_TRUE(f.lstPreStart.Checked[7]);
    f.onPreStartModesMouseUp(true);
    EXPECT_FALSE(f.lstPreStart.anyChecked());
    f.lstBahnStartArt.Checked[5] = true;
    f.onStartModesMouseUp(true);
    EXPECT_FALSE(f.lstBahnStartArt.anyChecked());
}

TEST(AssistantLists, ResetReturnsEverythingChosen) {
    AssistantTest t;
    auto& f = t.form;
    f.lstZusatzTrackListe.ItemIndex = 3;
    f.onExtraTrackTypeChosen();
    f.lstStreckentypen.ItemIndex = 5;
    f.resetRideLists();
    EXPECT_TRUE(f.lstSelWagen.Items.empty());
    EXPECT_TRUE(f.lstSelSektionen.Items.empty());
    EXPECT_TRUE(f.lstStreckensektionskosten.Items.empty());
    EXPECT_TRUE(f.SelZusatzTrackListe.Items.empty());
    EXPECT_EQ(f.lstStreckentypen.ItemIndex, 0);
    EXPECT_EQ(f.lstStationstyp.ItemIndex, -1);
    EXPECT_FALSE(f.lstBahnStartArt.anyChecked());
    EXPECT_FALSE(f.lstPreStart.anyChecked());
    EXPECT_EQ(f.txtWagentypen.Items.size(), 158u);
    EXPECT_NE(indexOfItem(f.txtStreckensektionen.Items, "stationmiddle"), -1);
}

TEST(AssistantLanguage, CaptionsAndItemsFollowTheLanguage) {
    AssistantTest t;
    auto& f = t.form;
    EXPECT_EQ(f.Captions.at("ToolButton1"), "Neue Bahn beginnen");
    EXPECT_EQ(f.Captions.at("txtAmpelTestphase"), "Ampelphase mit Testmodus");
    EXPECT_EQ(f.Captions.at("lblKettenSchrittweite"), "Schrittweite Liftkettengeschwindigkeit");
    f.lstKategorie.ItemIndex = 8;
    f.applyLanguage(true);
    EXPECT_EQ(f.Captions.at("ToolButton1"), "New Ride");
    EXPECT_EQ(f.Captions.at("lblTopTime.EditLabel"), "Top duration");
    EXPECT_EQ(f.Captions.at("btnAchterbahn"), "Apply default values for coaster rides");
    EXPECT_EQ(f.lstKategorie.selectedText(), "RollerCoasters Suspended");
    EXPECT_EQ(f.lstBahnStartArt.Items[1], "Powered Launch");
    EXPECT_EQ(f.lstPreStart.Items[13], "Aquarium");
    EXPECT_TRUE(f.lstBahnStartArt.Checked[11]);  // checks stay

    test::FakeAssistantHost host;
    host.english = true;
    host.addOns = true;
    test::ScriptedDialogs dialogs;
    RideAssistant english(host, dialogs, test::testLists());
    english.onCreate();
    EXPECT_EQ(english.Captions.at("TabUeber"), "About");
    EXPECT_EQ(english.Captions.at("lblKettenSchrittweite"), "lift chain speed step");
    EXPECT_EQ(english.Captions.at("txtNurWasser"), "build on water only");
    EXPECT_TRUE(english.chkAddOn.Checked);
}

// The model types and pastes in place of the selection, with the separator of the interface.
TEST(AssistantInput, KeysAndPastesReplaceTheSelectionWithTheLanguagesSeparator) {
    for (const bool english : {false, true}) {
        AssistantTest t;
        t.host.english = english;
        TEdit& field = t.form.txtLichtraumProfilhoehe;
        field = TEdit{"16,000", 0, 6};
        for (char key : {'-', '5'}) EXPECT_TRUE(t.form.onNumberFieldKey(field, key));
        EXPECT_EQ(field.Text, "-5");
        EXPECT_EQ(field.SelStart, 2u);
        EXPECT_FALSE(t.form.onNumberFieldKey(field, 'a'));
        EXPECT_TRUE(t.form.onNumberFieldKey(field, '.'));
        EXPECT_EQ(field.Text, english ? "-5." : "-5,");
        EXPECT_EQ(t.form.onNumberFieldKey(field, ','), false);  // a second separator, or none in English

        const struct {
            TEdit before;
            std::string clipboard;
            std::string german, english;
            size_t caret;
        } cases[] = {
            {{"", 0, 0}, "abc-12.3.4", "-12,34", "-12.34", 6},
            {{"100", 0, 3}, "abc-12.3.4", "-12,34", "-12.34", 6},
            {{"100", 3, 0}, "7", "1007", "1007", 4},
            {{"20", 2, 0}, ".5", "20,5", "20.5", 4},
            {{"", 0, 0}, "-12.75\r\n", "-12,75", "-12.75", 6},
            {{"8", 1, 0}, "abc\b", "8", "8", 1},
        };
        for (const auto& c : cases) {
            field = c.before;
            t.dialogs.clipboard = c.clipboard;
            t.form.PasteIntoNumberField(field);
            EXPECT_EQ(field.Text, english ? c.english : c.german) << c.clipboard;
            EXPECT_EQ(field.SelStart, c.caret) << c.clipboard;
        }
    }
    AssistantTest t;
    for (auto name : RideAssistant::numericFields()) EXPECT_NE(t.form.edit(name), nullptr) << name;
    for (auto name : RideAssistant::requiredFields()) EXPECT_NE(t.form.edit(name), nullptr) << name;
    // A field that only shows its value is no number field of the author's.
    for (auto name : RideAssistant::numericFields()) EXPECT_FALSE(RideAssistant::isShownOnly(name)) << name;
}

// The new ride's numbers and the opened file's show the interface's separator; the file is the same.
TEST(AssistantInput, NumbersShowTheSeparatorOfTheInterface) {
    AssistantTest t;
    t.host.english = true;
    t.form.onNewRide();
    EXPECT_EQ(t.form.txtBauKostenHoehe.Text, "16.000");
    EXPECT_EQ(t.form.txtKostenVorschau.Text, "2500.000");
    EXPECT_EQ(t.form.lstBasisErr.Text, "3.398");
    t.form.storeControlsIntoRide();
    EXPECT_EQ(t.host.ride.BaukostenHoehe4H, 1600);
    EXPECT_EQ(t.host.ride.BahnkostenVorschau, 250000);
    t.host.fileToRead = test::readerDefaultRide();
    t.form.onOpenRide();
    EXPECT_EQ(t.form.lstStreckensektionskosten.Items[0], "10.000");
    EXPECT_EQ(t.form.txtLichtraumProfilhoehe.Text, "0.900");
}

}  // namespace
}  // namespace zw
