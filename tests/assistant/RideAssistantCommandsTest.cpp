#include <gtest/gtest.h>

#include <cmath>

#include "AssistantFixture.h"

namespace zw {
namespace {

using test::AssistantTest;
using test::indexOfItem;
using Items = std::vector<std::string>;

const std::string kAddOnBox =
    "Achtung, die von Ihnen geladene Datei enthält AddOn Einstellungen! Die erstellten OVL's können nur mit RCT3 "
    "und den AddOns verwendet werden!";
const std::string kInputError =
    "Es wurde ein Fehler festgestellt! Bitte überprüfen Sie alle Eingaben, bevor Sie es erneut versuchen.";

// A ride as written by the assistant itself with the add-ons on: the new-ride water values.
RideData plainFileRide() {
    RideData ride = test::readerDefaultRide();
    ride.WaterSectionBeschleunigung = 2.0;
    ride.WaterSectionAbbremsung = 30000.0;
    return ride;
}

TEST(AssistantOpen, AddOnDetection) {
    struct Case {
        const char* what;
        void (*change)(RideData&);
        bool addOns;
    };
    const Case cases[] = {
        {"plain", [](RideData&) {}, false},
        {"reader's water defaults", [](RideData& r) { r.WaterSectionBeschleunigung = 200.0; r.WaterSectionAbbremsung = 3000.0; }, false},
        {"train count preset 2", [](RideData& r) { r.ZuganzahlPreset = 2; }, true},
        {"stations in sync", [](RideData& r) { r.StationenSyncFlag = 1; }, true},
        {"free rotation", [](RideData& r) { r.VorRueckFreiRotationFlag = 1; }, true},
        {"four axes", [](RideData& r) { r.VierAchsenRotationswinkelFlag = 1; }, true},
        {"vertical inversion", [](RideData& r) { r.VertikalInversionswechselFlag = 1; }, true},
        {"flag 2 is no add-on setting", [](RideData& r) { r.StationenSyncFlag = 2; }, false},
        {"water acceleration", [](RideData& r) { r.WaterSectionBeschleunigung = 3.0; }, true},
        {"water deceleration", [](RideData& r) { r.WaterSectionAbbremsung = 100.0; }, true},
        {"water speed", [](RideData& r) { r.WaterSectionKonstantgeschw = 2.0; }, true},
    };
    // The detection may switch the tick on; a file without add-on settings leaves it as it was. The
    // options are never touched.
    for (const auto& c : cases) {
        for (const bool options : {false, true}) {
            AssistantTest t;
            t.host.addOns = options;
            t.form.onNewRide();
            ASSERT_EQ(t.form.chkAddOn.Checked, options);
            RideData ride = plainFileRide();
            c.change(ride);
            t.host.fileToRead = ride;
            t.form.onOpenRide();
            EXPECT_EQ(t.form.chkAddOn.Checked, options || c.addOns) << c.what;
            EXPECT_EQ(t.host.addOns, options) << c.what;
            EXPECT_EQ(t.dialogs.messages(), c.addOns ? Items{kAddOnBox} : Items{}) << c.what;
        }
    }
}

// Save and build use the layout the tick shows, whatever the options say.
TEST(AssistantOpen, SaveAndBuildUseTheTicksLayout) {
    for (const bool tick : {false, true}) {
        AssistantTest t;
        t.host.addOns = !tick;
        t.form.chkAddOn.Checked = tick;
        t.dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_X.txt")};
        t.dialogs.textAnswers = {std::string("X")};
        t.form.onSaveRide();
        t.form.onBuildRide();
        EXPECT_EQ(t.host.layouts, (std::vector<bool>{tick, tick}));
        EXPECT_EQ(t.host.addOns, !tick);
    }
}

TEST(AssistantOpen, FailedReadKeepsTheControls) {
    AssistantTest t;
    t.form.txtBahnName.Text = "Kept";
    t.form.onOpenRide();
    EXPECT_EQ(t.host.reads, 1);
    EXPECT_EQ(t.form.txtBahnName.Text, "Kept");
    EXPECT_EQ(t.form.lstSelWagen.Items, Items{"6PeepWoodenRC"});
}

TEST(AssistantOpen, FillsTheControlsByTheInverseRules) {
    AssistantTest t;
    RideData ride = plainFileRide();
    ride.BahnKategorie = 16;
    ride.Stationstyp = "keine";
    ride.SpeedUnitFactor = 0.277778;
    ride.RideFlags = 2 + 1 + 16 + 2048;
    ride.BahnstartMoeglichkeiten = 1 + 4 + 1024;
    ride.BahnstartPreset = 2;
    ride.TrackSectionName = {"T1Loop", "UnknownSection"};
    ride.TrackSectionKosten = {1250, 5};
    ride.ZusatzTrackTyp = {"Track5", "Track12"};
    ride.TrackTyp = "TrackCTR_Custom";
    ride.entranceFeePreset = 100;
    ride.SchleifenUnzulaessigFlag = 1;
    ride.BahnName = "Gr\xFCn";
    t.host.fileToRead = ride;
    t.form.onOpenRide();
    const auto& f = t.form;
    EXPECT_EQ(f.lstKategorie.ItemIndex, 8);
    EXPECT_EQ(f.lstStationstyp.selectedText(), "none");
    EXPECT_EQ(f.lstGeschwindigkeitsEinheit.ItemIndex, 1);
    EXPECT_TRUE(f.txtKeineKinder.Checked);
    EXPECT_FALSE(f.txtAmpelTestphase.Checked);
    EXPECT_TRUE(f.txtStreckenVerlauf.Checked);
    EXPECT_FALSE(f.txtNurVolllast.Checked);
    EXPECT_FALSE(f.txtGeschlosseneStrecke.Checked);
    std::vector<bool> starts(16, false);
    starts[0] = starts[2] = starts[10] = true;
    EXPECT_EQ(f.lstBahnStartArt.Checked, starts);
    EXPECT_TRUE(f.lstPreStart.Checked[2]);
    EXPECT_EQ(f.lstSelWagen.Items, (Items{"JuniorLadybird", "WildMouse", "LIMCoaster"}));
    EXPECT_EQ(indexOfItem(f.txtWagentypen.Items, "WildMouse"), -1);
    EXPECT_EQ(f.lstSelSektionen.Items, (Items{"T1Loop", "UnknownSection"}));
    EXPECT_EQ(f.lstStreckensektionskosten.Items, (Items{"12,500", "0,050"}));
    EXPECT_EQ(f.SelZusatzTrackListe.Items, (Items{"Track5", "Track12"}));
    EXPECT_EQ(f.lstStreckentypen.selectedText(), "TrackCTR_Custom");
    EXPECT_EQ(f.txtEintrittspreis.Text, "1,000");
    EXPECT_EQ(f.txtKostenVorschau.Text, "2500,000");
    EXPECT_EQ(f.txtMaxStartgeschwindigkeit.Text, "50,000");
    EXPECT_EQ(f.lstBasisErr.Text, "3,000");
    EXPECT_EQ(f.txtWasserBremsFaktor.Text, "30000,000");
    EXPECT_EQ(f.txtBahnName.Text, "Gr\xC3\xBCn");
}

// Compares every field; decimals to the three places the controls show.
void expectSameRide(const RideData& a, const RideData& b) {
    RideData x = a, y = b;
    auto near = [](double& p, double& q) {
        EXPECT_NEAR(p, q, 0.0005);
        q = p;
    };
    for (auto field : {&RideData::LichtraumprofilHoehe, &RideData::InAusStationRollgeschw,
                       &RideData::LiftkettengeschwMin, &RideData::LiftkettengeschwMax,
                       &RideData::LiftkettengeschwPreset, &RideData::StartgeschwMin, &RideData::StartgeschwMax,
                       &RideData::StartgeschwPreset, &RideData::KonstantgeschwMin, &RideData::KonstantgeschwMax,
                       &RideData::KonstantgeschwPreset, &RideData::BergaufabAbweichung,
                       &RideData::Zuverlaessigkeitsabnahme, &RideData::TowerRideSpitzenDauer,
                       &RideData::TowerRideSpitzenAbstand, &RideData::SpezialWagentypAVersatzWarten,
                       &RideData::SpezialWagentypAVersatzEinhaken, &RideData::WaterSectionKonstantgeschw,
                       &RideData::WaterSectionBeschleunigung, &RideData::WaterSectionAbbremsung,
                       &RideData::liftChainSpeedStep, &RideData::launchSpeedStep, &RideData::constantSpeedStep,
                       &RideData::liftChainEngagement}) {
        near(x.*field, y.*field);
    }
    for (size_t r = 0; r < x.RatingCoefficients.size(); ++r)
        for (size_t c = 0; c < 4; ++c) near(x.RatingCoefficients[r][c], y.RatingCoefficients[r][c]);
    EXPECT_TRUE(x == y);
    EXPECT_EQ(x.BahnName, y.BahnName);
    EXPECT_EQ(x.WagentypName, y.WagentypName);
    EXPECT_EQ(x.TrackSectionName, y.TrackSectionName);
    EXPECT_EQ(x.TrackSectionKosten, y.TrackSectionKosten);
    EXPECT_EQ(x.RideFlags, y.RideFlags);
    EXPECT_EQ(x.PeepPathSplineName, y.PeepPathSplineName);
}

TEST(AssistantOpen, OpenThenStoreGivesTheFileFieldsBack) {
    AssistantTest t;
    RideData ride = plainFileRide();
    ride.BahnName = "Zipper Deluxe";
    ride.BahnIcon = "NotInTheList";
    ride.BahnKategorie = 17;
    ride.WagentypName = {"Tram", "Giga"};
    ride.TrackSectionName = {"T1Start", "straight", "Handmade"};
    ride.TrackSectionKosten = {29, 1250, 999999};
    ride.TrackTyp = "Track12";
    ride.ZusatzTrackTyp = {"Track3", "TrackBased05"};
    ride.Stationstyp = "Wooden";
    ride.SpeedUnitFactor = 0.44704;
    ride.LichtraumprofilHoehe = 1.235;
    ride.StartgeschwMax = 50 / 0.44704;
    ride.RideFlags = 2 + 4 + 128;
    ride.BahnstartMoeglichkeiten = 3;
    ride.BahnstartPreset = 1;
    ride.BlockaufteilungsFlag = 0;
    ride.AutoFertigstellungFlag = 1;
    ride.SchleifenUnzulaessigFlag = 1;
    ride.KonstantgeschwFlag = 1;
    ride.RatingCoefficients[23] = {1.111, -2.5, 0.004, 1.0};
    ride.PeepAttraktivitaet = 75;
    ride.SpezialTrackSectionNameAMitte = "TowerMid";
    ride.TowerRideSpitzenDauer = 3.5;
    ride.SpezialWagentypAName = "Gondola";
    ride.SpezialWagentypAVersatzWarten = 0.25;
    ride.PeepLoopSplineName = "LoopSpline";
    ride.PeepPathSplineName = {"PathA", "PathB"};
    ride.SpezialWagentypABergaufGeschw = 4.0;
    ride.SpezialWagentypABergabGeschw = -3.0;
    ride.ZuganzahlPreset = 3;
    ride.VierAchsenRotationswinkelFlag = 1;
    ride.WaterSectionBeschleunigung = 150.0;
    ride.liftChainSpeedStep = ride.launchSpeedStep = ride.constantSpeedStep = 0.1 / 0.44704;
    t.host.fileToRead = ride;
    t.form.onOpenRide();
    t.host.ride = RideData{};  // whatever the record held, storing must give the file's fields
    t.host.ride.DataFileFolder = ride.DataFileFolder;
    t.host.ride.RideObjectName = ride.RideObjectName;
    t.host.ride.PeepLoopSplineName = ride.PeepLoopSplineName;
    t.host.ride.PeepPathSplineName = ride.PeepPathSplineName;
    t.host.ride.SpezialWagentypABergaufGeschw = ride.SpezialWagentypABergaufGeschw;
    t.host.ride.SpezialWagentypABergabGeschw = ride.SpezialWagentypABergabGeschw;
    t.form.storeControlsIntoRide();
    expectSameRide(t.host.ride, ride);

    // Opened, stored, then a new ride: nothing of the file's values without controls is left over.
    t.form.onNewRide();
    t.form.storeControlsIntoRide();
    EXPECT_EQ(t.host.ride.PeepLoopSplineName, "");
    EXPECT_TRUE(t.host.ride.PeepPathSplineName.empty());
    EXPECT_EQ(t.host.ride.SpezialWagentypABergaufGeschw, 6.0);
}

TEST(AssistantSave, SaveDialogNamesFileAndFolderAndTheStatusSaysWhere) {
    AssistantTest t;
    RideData seen;
    t.host.onRewrite = [&] {
        seen = t.host.ride;
        return true;
    };
    t.dialogs.filesToSave = {std::filesystem::path("elsewhere") / "CTR_BahnDaten_Zipper.txt"};
    t.form.onSaveRide();
    EXPECT_EQ(t.host.rewrites, 1);
    EXPECT_EQ(seen.RideObjectName, "CTR_Zipper");
    const auto elsewhere = t.host.build / "elsewhere";  // chosen in the dialog, which started in the working folder
    EXPECT_EQ(seen.DataFileFolder, elsewhere);
    EXPECT_EQ(seen.BahnName, "Mein CTR");
    ASSERT_EQ(t.dialogs.log.size(), 1u);
    EXPECT_EQ(t.dialogs.log[0].kind, test::DialogEvent::Kind::SaveFile);
    EXPECT_EQ(t.dialogs.log[0].text, "build-folder");  // nothing opened or saved yet: the working folder
    EXPECT_EQ(t.dialogs.log[0].fileName, "CTR_BahnDaten_MeinEigenerCTR.txt");
    EXPECT_EQ(t.form.StatusText, "Gespeichert: " + (elsewhere / "CTR_BahnDaten_Zipper.txt").string());
    EXPECT_FALSE(t.form.hasUnsavedChanges());

    // The next save, open and build start from there.
    t.form.onSaveRide();  // cancelled
    EXPECT_EQ(t.host.rewrites, 1);
    EXPECT_EQ(t.dialogs.log.back().text, elsewhere.string());
    EXPECT_EQ(t.dialogs.log.back().fileName, "CTR_BahnDaten_Zipper.txt");
    t.form.onOpenRide();  // the read fails
    EXPECT_EQ(t.host.openFolders, std::vector<std::filesystem::path>{elsewhere});
    t.form.onBuildRide();  // cancelled
    EXPECT_EQ(t.inputBoxes(), Items{"Ordnername"});

    // A file named otherwise gives its stem; a name no file can have is refused.
    t.dialogs.filesToSave = {std::filesystem::path("Other.txt"), std::filesystem::path("CTR_BahnDaten_a:b.txt")};
    t.form.onSaveRide();
    EXPECT_EQ(seen.RideObjectName, "CTR_Other");
    t.form.onSaveRide();
    EXPECT_EQ(t.host.rewrites, 2);
    EXPECT_EQ(t.dialogs.messages().back(),
              "Der Name \"a:b\" kann nicht als Datei- oder Ordnername verwendet werden.");

    t.host.onRewrite = []() -> bool { throw std::runtime_error("disk full"); };
    t.dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_Zipper.txt")};
    t.form.onSaveRide();
    EXPECT_EQ(t.dialogs.messages().back(), "Die Bahn konnte nicht gespeichert werden: disk full");
}

TEST(AssistantSave, BuildOffersTheNameLastSavedOrOpened) {
    auto offered = [](AssistantTest& t) {
        for (auto it = t.dialogs.log.rbegin(); it != t.dialogs.log.rend(); ++it) {
            if (it->kind == test::DialogEvent::Kind::InputBox) return it->fileName;
        }
        return std::string();
    };
    AssistantTest t;
    t.form.onBuildRide();
    EXPECT_EQ(offered(t), "CTR_MeinEigenerCTR");
    t.dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_WalkCoaster.txt")};
    t.form.onSaveRide();
    t.form.onBuildRide();
    EXPECT_EQ(offered(t), "CTR_WalkCoaster");
    t.host.fileToRead = plainFileRide();  // CTR_Zipper
    t.form.onOpenRide();
    t.form.onBuildRide();
    EXPECT_EQ(offered(t), "CTR_Zipper");
}

// Closing, a new ride or another open with unsaved changes asks first: No drops them, Yes saves,
// and a save that does not complete keeps the window and the changes.
TEST(AssistantSave, UnsavedChangesAreOfferedForSaving) {
    AssistantTest t;
    t.form.onNewRide();
    EXPECT_TRUE(t.dialogs.questions().empty());  // nothing changed
    t.form.txtBahnName.Text = "Changed";
    t.form.onNewRide();  // No
    EXPECT_EQ(t.dialogs.questions().size(), 1u);
    EXPECT_EQ(t.form.txtBahnName.Text, "Mein CTR");

    t.form.lstSelWagen.ItemIndex = 0;  // selecting is no change
    t.form.lstBahnStartArt.Checked[3] = true;
    t.dialogs.yesNoAnswers = {true};  // Yes, then the save dialog is cancelled
    t.form.onCloseAssistant();
    EXPECT_EQ(t.dialogs.questions().size(), 2u);
    EXPECT_TRUE(t.form.Visible);
    EXPECT_TRUE(t.form.lstBahnStartArt.Checked[3]);

    t.dialogs.yesNoAnswers = {true};
    t.dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_Kept.txt")};
    t.form.onCloseAssistant();
    EXPECT_EQ(t.host.rewrites, 1);
    EXPECT_FALSE(t.form.Visible);

    t.form.txtMaxRunden.Text = "12";
    t.host.fileToRead = plainFileRide();
    t.form.onOpenRide();  // No
    EXPECT_EQ(t.dialogs.questions().size(), 4u);
    EXPECT_EQ(t.form.txtMaxRunden.Text, "10");
    EXPECT_FALSE(t.form.hasUnsavedChanges());
}

TEST(AssistantInput, InputBoxesAskInTheLanguageOfTheSettings) {
    for (const bool english : {false, true}) {
        AssistantTest t;
        t.host.english = english;
        t.form.onBuildRide();  // build, cancelled
        t.form.lstStreckensektionskosten.ItemIndex = 0;
        t.form.onSectionCostRemoved();
        Items asked;  // caption and prompt of each box
        for (const auto& e : t.dialogs.log) {
            if (e.kind == test::DialogEvent::Kind::InputBox) asked.insert(asked.end(), {e.caption, e.text});
        }
        const Items expected =
            english ? Items{"Folder name", "Please enter a name for the folder:", "New value",
                            "Please enter the section costs:"}
                    : Items{"Ordnername", "Geben Sie Bitte einen Namen für den Ordnernamen an:", "Neuer Wert",
                            "Bitte geben Sie die Sektionskosten ein:"};
        EXPECT_EQ(asked, expected);
    }
}

TEST(AssistantBuild, FolderNameRulesBuilderAndInstallWindow) {
    struct Case {
        const char* answer;
        const char* objectName;
    };
    for (auto [answer, objectName] : {Case{"Zipper", "CTR_Zipper"}, Case{"CTR_Zipper", "CTR_Zipper"},
                                      Case{"", "CTR_MeinEigenerCTR"}, Case{"ctr_x", "CTR_ctr_x"}}) {
        AssistantTest t;
        t.dialogs.textAnswers = {std::string(answer)};
        t.form.onBuildRide();
        EXPECT_EQ(t.host.ride.RideObjectName, objectName) << answer;
        EXPECT_EQ(t.host.ride.DataFileFolder, t.host.build);
        EXPECT_EQ(t.host.ride.BahnName, "Mein CTR");
        EXPECT_EQ(t.host.builds, 1);
        EXPECT_EQ(t.host.installWindows, 1);
        EXPECT_EQ(t.inputBoxes(), Items{"Ordnername"});
    }
    AssistantTest cancelled;
    cancelled.form.onBuildRide();
    EXPECT_EQ(cancelled.host.builds, 0);
    EXPECT_EQ(cancelled.host.installWindows, 0);

    // A build that stops (the builder has shown why) opens no install window.
    AssistantTest stopped;
    stopped.host.buildSucceeds = false;
    stopped.dialogs.textAnswers = {std::string("Zipper")};
    stopped.form.onBuildRide();
    EXPECT_EQ(stopped.host.builds, 1);
    EXPECT_EQ(stopped.host.installWindows, 0);
    EXPECT_EQ(stopped.form.StatusText, "");
}

TEST(AssistantErrorAnalyse, BlocksSaveAndBuildNamingEveryFieldAtFault) {
    struct Case {
        const char* what;
        void (*change)(RideAssistant&);
        const char* german;   // the lines naming the fields
        const char* english;
    };
    const Case cases[] = {
        {"no chosen car", [](RideAssistant& f) { f.onChosenCarTypesMouseUp(true); }, "\r\n- Wagentypen: nichts ausgewählt",
         "\r\n- Car types: nothing chosen"},
        {"description cleared", [](RideAssistant& f) { f.txtBahnBeschreibung.Text.clear(); },
         "\r\n- Bahnbeschreibung: leer", "\r\n- Ride description: empty"},
        {"two fields", [](RideAssistant& f) {
             f.txtWasserBremsFaktor.Text.clear();
             f.lstKategorie.ItemIndex = -1;
         },
         "\r\n- Bahnkategorie: nichts ausgewählt\r\n- Wasser Abbremsfaktor: leer",
         "\r\n- Ride category: nothing chosen\r\n- Water braking factor: empty"},
        {"no track type", [](RideAssistant& f) { f.lstStreckentypen.ItemIndex = -1; },
         "\r\n- Streckentyp: nichts ausgewählt", "\r\n- Track type: nothing chosen"},
        {"no section", [](RideAssistant& f) { f.onChosenSectionsMouseUp(true); },
         "\r\n- ausgewählte Sektionen: nichts ausgewählt", "\r\n- chosen sections: nothing chosen"},
        {"no station type", [](RideAssistant& f) { f.lstStationstyp.ItemIndex = -1; },
         "\r\n- Stationstyp: nichts ausgewählt", "\r\n- Station type: nothing chosen"},
        {"no start option", [](RideAssistant& f) { f.onStartModesMouseUp(true); },
         "\r\n- Bahnstartmöglichkeiten: nichts ausgewählt", "\r\n- Start options: nothing chosen"},
        {"no preset start", [](RideAssistant& f) { f.onPreStartModesMouseUp(true); },
         "\r\n- voreingestellter Bahnstart: nichts ausgewählt", "\r\n- Preset start option: nothing chosen"},
        {"a sign alone and a rating", [](RideAssistant& f) {
             f.txtMaxStartgeschwindigkeit.Text = "-";
             f.lstWagenInt.Text = "1,2,3";
         },
         "\r\n- max. Startgeschwindigkeit: \"-\" ist keine Zahl\r\n- Wagenanzahl / Intensitätswert: \"1,2,3\" ist keine Zahl",
         "\r\n- max launch speed: \"-\" is not a number\r\n- Car count / Intensity: \"1,2,3\" is not a number"},
        {"a cost", [](RideAssistant& f) { f.lstStreckensektionskosten.Items[1] = "zehn"; },
         "\r\n- Kosten: \"zehn\" ist keine Zahl", "\r\n- Costs: \"zehn\" is not a number"},
        {"a name no file holds", [](RideAssistant& f) { f.txtBahnName.Text = "Bahn \xE2\x9C\x93"; },
         "\r\n- Bahnname: enthält Zeichen, die eine BahnDaten-Datei nicht speichern kann",
         "\r\n- Ride name: holds characters that a ride data file cannot store"},
    };
    for (const auto& c : cases) {
        for (const bool english : {false, true}) {
            for (bool build : {false, true}) {
                AssistantTest t;
                t.host.english = english;
                t.form.applyLanguage(english);
                t.host.ride.BahnName = "untouched";
                c.change(t.form);
                t.dialogs.textAnswers = {std::string("Name")};
                t.dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_Name.txt")};
                build ? t.form.onBuildRide() : t.form.onSaveRide();
                const std::string expected =
                    (english ? "Nothing was saved or built. Please check these fields:"
                             : "Es wurde nichts gespeichert oder erstellt. Bitte prüfen Sie diese Felder:") +
                    std::string(english ? c.english : c.german);
                EXPECT_EQ(t.dialogs.messages(), Items{expected}) << c.what;
                EXPECT_EQ(t.dialogs.log.size(), 1u) << c.what;  // nothing asked
                EXPECT_EQ(t.host.rewrites + t.host.builds + t.host.installWindows, 0) << c.what;
                EXPECT_EQ(t.host.ride.BahnName, "untouched") << c.what;
            }
        }
    }
}

TEST(AssistantWindow, ClosingStartsANewRide) {
    AssistantTest t;
    t.form.txtBahnName.Text = "Changed";
    t.form.onCloseAssistant();
    EXPECT_FALSE(t.form.Visible);
    EXPECT_EQ(t.form.txtBahnName.Text, "Mein CTR");
    EXPECT_EQ(t.host.restarts, 1);  // the main window's restart comes with the new ride
    t.form.onNewRide();
    EXPECT_EQ(t.host.restarts, 2);
}

// The window titles itself in the language the settings choose when it is made.
TEST(AssistantLanguage, FollowsTheSettingsOfTheMoment) {
    test::AssistantTest t;
    EXPECT_EQ(t.form.language(), Language::German);
    t.host.english = true;
    EXPECT_EQ(t.form.language(), Language::English);
}

}  // namespace
}  // namespace zw
