// The assistant window under a real display (Xvfb): its controls are found by name, show the
// model's texts in the language of the settings, and pass clicks, key presses and list moves to the
// model, which holds every rule.

#include <gtest/gtest.h>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cstdlib>
#include <memory>

#include "GuiFixture.h"
#include "assistant/AssistantFixture.h"
#include "assistant/LanguageData.h"
#include "assistant/RideAssistant.h"
#include "base/SafeFile.h"
#include "gui/AssistantFrame.h"
#include "gui/WxText.h"
#include "support/FakeRegistry.h"
#include "support/TempFolder.h"
#include "workflow/MainWindow.h"
#include "workflow/MainWindowAssistantHost.h"

namespace zw {
namespace {

using Items = std::vector<std::string>;

std::string text(const wxString& shown) { return gui::fromWx(shown); }

// The real main window and its assistant model in a working folder of their own, with the
// assistant's window over them.
struct AssistantWindow {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<MainWindowAssistantHost> host;
    std::unique_ptr<RideAssistant> model;
    wxDialog* window = nullptr;
    int installWindows = 0;

    explicit AssistantWindow(bool english = false) {
        test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                         std::string("'") + (english ? "English" : "Deutsch") +
                             "'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
        main = std::make_unique<MainWindow>(dialogs, registry, folder.path());
        host = std::make_unique<MainWindowAssistantHost>(*main, [this] { ++installWindows; });
        model = std::make_unique<RideAssistant>(*host, dialogs, test::testLists());
        model->onCreate();
        window = gui::createAssistantWindow(nullptr, *model, dialogs);
    }
    ~AssistantWindow() { window->Destroy(); }

    // The control named `name`, or nullptr when there is none of that kind.
    template <class Control = wxWindow>
    Control* find(const std::string& name) const {
        return dynamic_cast<Control*>(wxWindow::FindWindowByName(name, window));
    }
    wxTextCtrl* edit(const std::string& name) const { return find<wxTextCtrl>(name); }
    wxListBox* list(const std::string& name) const { return find<wxListBox>(name); }

    Items shownItems(const std::string& name) const {
        Items items;
        auto* control = list(name);
        for (unsigned i = 0; i < control->GetCount(); ++i) items.push_back(text(control->GetString(i)));
        return items;
    }

    // Delivers an event to a control as the toolkit does for a click.
    bool send(wxWindow* control, wxEvent& event) const {
        event.SetEventObject(control);
        return control->GetEventHandler()->ProcessEvent(event);
    }
    void click(const std::string& name) const { test::click(window, name); }
    void doubleClick(const std::string& name, int index) const {
        auto* control = list(name);
        control->SetSelection(index);
        wxCommandEvent event(wxEVT_LISTBOX_DCLICK, control->GetId());
        event.SetInt(index);
        send(control, event);
    }
    void rightButtonUp(const std::string& name) const {
        wxWindow* control = find(name);
        wxMouseEvent event(wxEVT_RIGHT_UP);
        send(control, event);
    }
    // Types `key` into a field; true when the key goes on to the field (an editing key), false when
    // the window typed it itself or dropped it.
    bool type(const std::string& name, wxChar key) const {
        auto* control = edit(name);
        wxKeyEvent event(wxEVT_CHAR);
        event.m_keyCode = key;
        event.m_uniChar = key;
        send(control, event);
        return event.GetSkipped();
    }
};

TEST(AssistantWindow, EveryControlOfTheModelCarriesItsName) {
    AssistantWindow w;
    EXPECT_EQ(w.window->GetName(), "TForm4");
#define ZW_EXPECT_KIND(control, kind) EXPECT_TRUE(w.find<kind>(#control)) << #control;
#define ZW_EXPECT_EDIT(control) ZW_EXPECT_KIND(control, wxTextCtrl)
#define ZW_EXPECT_CHECKBOX(control) ZW_EXPECT_KIND(control, wxCheckBox)
#define ZW_EXPECT_LIST(control) ZW_EXPECT_KIND(control, wxControlWithItems)
    ZW_RIDE_ASSISTANT_EDITS(ZW_EXPECT_EDIT)
    ZW_RIDE_ASSISTANT_CHECKBOXES(ZW_EXPECT_CHECKBOX)
    ZW_RIDE_ASSISTANT_LISTBOXES(ZW_EXPECT_LIST)
#undef ZW_EXPECT_EDIT
#undef ZW_EXPECT_CHECKBOX
#undef ZW_EXPECT_LIST
    EXPECT_TRUE(w.find<wxComboBox>("lstIcons"));
    EXPECT_TRUE(w.find<wxCheckListBox>("lstBahnStartArt"));
    EXPECT_TRUE(w.find<wxCheckListBox>("lstPreStart"));
    // Drop-downs are drop-downs, the catalogue is never seen.
    EXPECT_TRUE(w.find<wxChoice>("lstKategorie"));
    EXPECT_TRUE(w.find<wxChoice>("lstGeschwindigkeitsEinheit"));
    EXPECT_FALSE(w.find("TrackListe")->IsShown());
    // Every text of the language table has its control (list items aside).
    auto* pages = w.find<wxNotebook>("PageControl1");
    ASSERT_TRUE(pages);
    ASSERT_EQ(pages->GetPageCount(), 7u);
    for (const auto& entry : languageTable()) {
        const std::string target(entry.target);
        if (target.find('[') != std::string::npos) continue;
        EXPECT_TRUE(w.find(target)) << target;
    }
}

TEST(AssistantWindow, CaptionsFollowTheLanguageOfTheSettings) {
    struct Expected {
        bool english;
        const char *title, *newRide, *trackPage, *aboutPage, *editLabel, *checkBox, *group, *category3, *start0;
    };
    for (const Expected& e :
         {Expected{false, "GUI für CTR_BahnDaten", "Neue Bahn beginnen", "Streckentyp + Sektionen", "Über",
                   "Spitzendauer", "langsam fließende Wassertextur", "Geschwindigkeitseinstellungen",
                   "Achterbahnen Stahl", "kontinuierlicher Kreis"},
          Expected{true, "GUI for CTR_BahnDaten", "New Ride", "Tracks + Sections", "About", "Top duration",
                   "slowly flowing water texture", "Speed settings", "RollerCoasters Steel",
                   "Continuous circuit"}}) {
        AssistantWindow w(e.english);
        EXPECT_EQ(text(w.window->GetTitle()), e.title);
        EXPECT_EQ(text(w.find("ToolButton1")->GetLabel()), e.newRide);
        auto* pages = w.find<wxNotebook>("PageControl1");
        EXPECT_EQ(text(pages->GetPageText(1)), e.trackPage);
        EXPECT_EQ(text(pages->GetPageText(6)), e.aboutPage);
        EXPECT_EQ(text(w.find("lblTopTime.EditLabel")->GetLabel()), e.editLabel);
        EXPECT_EQ(text(w.find("txtFliessendesWasser")->GetLabel()), e.checkBox);
        EXPECT_EQ(text(w.find("GroupBoxGeschwindigkeit")->GetLabel()), e.group);
        EXPECT_EQ(text(w.find<wxChoice>("lstKategorie")->GetString(3)), e.category3);
        EXPECT_EQ(text(w.find<wxCheckListBox>("lstPreStart")->GetString(0)), e.start0);
        EXPECT_EQ(text(w.find<wxCheckListBox>("lstBahnStartArt")->GetString(11)), "ReverseCableLifthill");
        // The controls the table leaves without a caption have texts of their own.
        for (const auto& entry : uncaptionedControlTexts()) {
            EXPECT_EQ(text(w.find(std::string(entry.target))->GetLabel()), e.english ? entry.english : entry.german)
                << entry.target;
        }
    }
}

TEST(AssistantWindow, ShowsTheNewRideAndFixesItsSize) {
    AssistantWindow w;
    EXPECT_EQ(text(w.edit("txtBahnName")->GetValue()), "Mein CTR");
    EXPECT_EQ(text(w.edit("txtBauKostenHoehe")->GetValue()), "16,000");
    EXPECT_EQ(text(w.find<wxComboBox>("lstIcons")->GetValue()), "CTR");
    EXPECT_EQ(w.find<wxChoice>("lstKategorie")->GetSelection(), 3);
    EXPECT_EQ(w.shownItems("lstSelWagen"), Items{"6PeepWoodenRC"});
    EXPECT_EQ(w.shownItems("lstSelSektionen"), (Items{"stationmiddle", "straight"}));
    EXPECT_EQ(w.shownItems("lstStreckensektionskosten"), (Items{"10", "10"}));
    EXPECT_EQ(w.shownItems("txtWagentypen").size(), w.model->txtWagentypen.Items.size());
    EXPECT_EQ(text(w.list("lstStationstyp")->GetStringSelection()), "Standard");
    auto* starts = w.find<wxCheckListBox>("lstBahnStartArt");
    EXPECT_TRUE(starts->IsChecked(0));
    EXPECT_TRUE(starts->IsChecked(11));
    EXPECT_FALSE(starts->IsChecked(1));
    EXPECT_TRUE(w.find<wxCheckBox>("txtAmpelTestphase")->GetValue());
    EXPECT_FALSE(w.find<wxCheckBox>("txtBlockmodus")->GetValue());
    EXPECT_FALSE(w.window->HasFlag(wxRESIZE_BORDER));
    EXPECT_EQ(w.window->GetMinSize(), w.window->GetMaxSize());
}

TEST(AssistantWindow, NewRideButtonResetsWhatWasTyped) {
    AssistantWindow w;
    w.edit("txtBahnName")->ChangeValue("Getippt");
    w.find<wxCheckBox>("txtBlockmodus")->SetValue(true);
    w.doubleClick("txtWagentypen", 0);
    ASSERT_EQ(w.shownItems("lstSelWagen").size(), 2u);
    w.click("ToolButton1");
    EXPECT_EQ(text(w.edit("txtBahnName")->GetValue()), "Mein CTR");
    EXPECT_FALSE(w.find<wxCheckBox>("txtBlockmodus")->GetValue());
    EXPECT_EQ(w.shownItems("lstSelWagen"), Items{"6PeepWoodenRC"});
}

TEST(AssistantWindow, OpenFillsTheControlsFromTheExampleRide) {
    AssistantWindow w;
    const char* source = std::getenv("ZW_SOURCE_DIR");
    ASSERT_TRUE(source);
    const auto ride = w.folder / "CTR_BahnDaten_Beispielbahn.txt";
    std::filesystem::copy_file(std::filesystem::path(source) / "examples" / "CTR_BahnDaten_Beispielbahn.txt", ride);
    w.dialogs.filesToOpen = {ride};
    w.click("ToolButton2");
    EXPECT_EQ(text(w.edit("txtBahnName")->GetValue()), "Beispielbahn Deluxe");
    EXPECT_TRUE(w.find<wxCheckBox>("chkAddOn")->GetValue());  // the example presets two trains
    EXPECT_EQ(text(w.edit("txtZugAnzahl")->GetValue()), "2");
    EXPECT_EQ(w.shownItems("lstSelWagen"), w.model->lstSelWagen.Items);
    EXPECT_FALSE(w.model->lstSelWagen.Items.empty());
    EXPECT_EQ(w.shownItems("lstSelSektionen"), w.model->lstSelSektionen.Items);
    EXPECT_EQ(w.shownItems("lstStreckensektionskosten"), w.model->lstStreckensektionskosten.Items);
    EXPECT_EQ(w.shownItems("SelZusatzTrackListe"), (Items{"Track1", "Track4"}));
    ASSERT_EQ(w.dialogs.messages().size(), 1u);  // the add-on notice
    EXPECT_EQ(w.dialogs.messages()[0].rfind("Achtung, die von Ihnen geladene Datei enthält AddOn", 0), 0u);
}

TEST(AssistantWindow, SaveStoresWhatTheControlsShow) {
    AssistantWindow w;
    w.edit("txtBahnBeschreibung")->ChangeValue(wxString::FromUTF8("Über den Wolken"));
    w.find<wxCheckBox>("txtBlockmodus")->SetValue(true);
    w.find<wxChoice>("lstKategorie")->SetSelection(8);
    w.dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_Wolke.txt")};  // in the working folder
    w.click("ToolButton3");
    EXPECT_EQ(w.dialogs.messages(), Items{});
    EXPECT_EQ(text(w.find("lblStatus")->GetLabel()),
              "Gespeichert: " + (w.folder / "CTR_BahnDaten_Wolke.txt").string());
    const RideData& ride = w.main->state().ride;
    EXPECT_EQ(ride.BahnDescription, "\xDC" "ber den Wolken");  // Windows-1252
    EXPECT_EQ(ride.BlockaufteilungsFlag, 1);
    EXPECT_EQ(ride.BahnKategorie, 16);
    EXPECT_TRUE(std::filesystem::exists(w.folder / "CTR_BahnDaten_Wolke.txt"));
}

TEST(AssistantWindow, BuildMakesThePairAndOpensTheInstallWindow) {
    AssistantWindow w;
    w.dialogs.textAnswers = {std::string("Wolke")};
    w.click("ToolButton4");
    EXPECT_EQ(w.dialogs.messages(), Items{});
    EXPECT_TRUE(std::filesystem::exists(w.folder / "CTR_Wolke" / "CTR_Wolke.common.ovl"));
    EXPECT_TRUE(std::filesystem::exists(w.folder / "CTR_Wolke" / "CTR_Wolke.unique.ovl"));
    EXPECT_EQ(w.installWindows, 1);
}

TEST(AssistantWindow, NumericFieldsTakeWhatMakesANumberInPlaceOfTheSelection) {
    for (const bool english : {false, true}) {
        AssistantWindow w(english);
        auto* height = w.edit("txtMaxBauHoehe");
        auto typeAll = [&](const std::string& keys) {
            for (char key : keys) w.type("txtMaxBauHoehe", static_cast<wxChar>(key));
            return text(height->GetValue());
        };
        height->ChangeValue("");
        EXPECT_EQ(typeAll("abc-12.3.4"), english ? "-12.34" : "-12,34");
        EXPECT_EQ(height->GetInsertionPoint(), 6);
        height->ChangeValue(english ? "16.000" : "16,000");
        height->SetSelection(-1, -1);
        EXPECT_EQ(typeAll("-5"), "-5");
        height->ChangeValue("");
        EXPECT_FALSE(w.type("txtMaxBauHoehe", wxChar(0xE4)));  // ä
        EXPECT_TRUE(w.type("txtMaxBauHoehe", WXK_BACK));      // editing keys go to the field
        EXPECT_TRUE(w.type("txtMaxBauHoehe", WXK_DELETE));

        // The minus sign goes in front, wherever the caret stood, and only once.
        height->ChangeValue("35");
        height->SetInsertionPoint(1);
        w.type("txtMaxBauHoehe", '-');
        EXPECT_EQ(text(height->GetValue()), "-35");
        w.type("txtMaxBauHoehe", '-');
        EXPECT_EQ(text(height->GetValue()), "-35");

        // A paste goes through the same filter, in place of the selection.
        for (const char* selected : {"", "100"}) {
            height->ChangeValue(selected);
            height->SetSelection(-1, -1);
            w.dialogs.clipboard = "abc-12.3.4";
            wxClipboardTextEvent paste(wxEVT_TEXT_PASTE, height->GetId());
            w.send(height, paste);
            EXPECT_EQ(text(height->GetValue()), english ? "-12.34" : "-12,34");
            EXPECT_EQ(height->GetInsertionPoint(), 6);
        }

        // Every number field filters, a text field does not; numbers show the language's separator.
        w.edit("lstBasisErr")->ChangeValue("");
        w.type("lstBasisErr", 'x');
        EXPECT_EQ(text(w.edit("lstBasisErr")->GetValue()), "");
        EXPECT_TRUE(w.type("txtBahnName", 'x'));
        EXPECT_EQ(text(w.edit("txtBauKostenHoehe")->GetValue()), english ? "16.000" : "16,000");
    }
}

TEST(AssistantWindow, ShownOnlyControlsCannotBeEditedAndSayWhy) {
    AssistantWindow w(true);
    auto* fee = w.edit("txtEintrittspreis");
    EXPECT_FALSE(fee->IsEditable());
    EXPECT_EQ(text(fee->GetValue()), "1.000");
    ASSERT_TRUE(fee->GetToolTip());
    EXPECT_EQ(text(fee->GetToolTipText()),
              "Shown only: ride data files have no key for this value; every file read gives the value shown.");
    EXPECT_EQ(text(w.find("lblEintrittspreis")->GetToolTipText()), text(fee->GetToolTipText()));
    EXPECT_FALSE(w.find<wxCheckBox>("txtNurWasser")->IsEnabled());
    EXPECT_TRUE(w.edit("txtBahnName")->IsEditable());
    EXPECT_TRUE(w.find<wxCheckBox>("txtBlockmodus")->IsEnabled());
    EXPECT_TRUE(w.find("lblShownOnlyNoteAllgemein"));

    // The steps are shown in the unit chosen.
    auto* unit = w.find<wxChoice>("lstGeschwindigkeitsEinheit");
    unit->SetSelection(1);
    wxCommandEvent event(wxEVT_CHOICE, unit->GetId());
    event.SetInt(1);
    w.send(unit, event);
    EXPECT_EQ(text(w.edit("txtKettenSchrittweite")->GetValue()), "0.360");
}

TEST(AssistantWindow, ListMovesReachTheModel) {
    AssistantWindow w;
    const std::string car = w.model->txtWagentypen.Items[0];
    w.doubleClick("txtWagentypen", 0);
    EXPECT_EQ(w.model->lstSelWagen.Items, (Items{"6PeepWoodenRC", car}));
    EXPECT_EQ(w.shownItems("lstSelWagen"), w.model->lstSelWagen.Items);
    EXPECT_EQ(w.shownItems("txtWagentypen"), w.model->txtWagentypen.Items);

    w.doubleClick("lstSelWagen", 0);
    EXPECT_EQ(w.shownItems("lstSelWagen"), Items{car});

    // A section moves with its cost; a right click returns every chosen section.
    const int other = test::indexOfItem(w.model->txtStreckensektionen.Items, "Other");
    w.doubleClick("txtStreckensektionen", other);
    EXPECT_EQ(w.shownItems("lstSelSektionen"), (Items{"stationmiddle", "straight", "Other"}));
    EXPECT_EQ(w.shownItems("lstStreckensektionskosten"), (Items{"10", "10", "10"}));
    w.rightButtonUp("lstSelSektionen");
    EXPECT_TRUE(w.shownItems("lstSelSektionen").empty());
    EXPECT_TRUE(w.shownItems("lstStreckensektionskosten").empty());
    EXPECT_EQ(w.shownItems("txtStreckensektionen"), w.model->txtStreckensektionen.Items);

    w.doubleClick("lstZusatzTrackListe", 0);
    EXPECT_EQ(w.shownItems("SelZusatzTrackListe").size(), 1u);
    w.rightButtonUp("SelZusatzTrackListe");
    EXPECT_TRUE(w.model->SelZusatzTrackListe.Items.empty());
}

TEST(AssistantWindow, SelectingASectionSelectsItsCost) {
    AssistantWindow w;
    auto* sections = w.list("lstSelSektionen");
    sections->SetSelection(1);
    wxCommandEvent event(wxEVT_LISTBOX, sections->GetId());
    event.SetInt(1);
    w.send(sections, event);
    EXPECT_EQ(w.list("lstStreckensektionskosten")->GetSelection(), 1);

    w.dialogs.textAnswers = {std::string("12,5")};
    w.doubleClick("lstStreckensektionskosten", 1);
    EXPECT_EQ(w.shownItems("lstStreckensektionskosten"), (Items{"10", "12,5"}));
}

TEST(AssistantWindow, TrackMenuAndClipboardAddSections) {
    AssistantWindow w;
    w.rightButtonUp("lstSelSektionen");
    ASSERT_EQ(w.model->trackTypeMenu.at(0).trackType, "Track1");
    wxCommandEvent menu(wxEVT_MENU, gui::assistantTrackMenuId(0));
    w.send(w.window, menu);
    EXPECT_EQ(w.shownItems("lstSelSektionen"), (Items{"T1Start", "T1Loop", "T1End"}));
    w.send(w.window, menu);  // twice adds nothing more
    EXPECT_EQ(w.shownItems("lstSelSektionen").size(), 3u);

    w.dialogs.clipboard = "Other straight NoSuchSection";
    w.click("btnInsertTrackSections");
    EXPECT_EQ(w.shownItems("lstSelSektionen"), (Items{"T1Start", "T1Loop", "T1End", "Other", "straight"}));
    EXPECT_EQ(w.shownItems("lstStreckensektionskosten").size(), 5u);
}

TEST(AssistantWindow, StartOptionChecksAndResets) {
    AssistantWindow w;
    auto* preset = w.find<wxCheckListBox>("lstPreStart");
    preset->Check(4, true);  // the toolkit has checked the box when it reports the click
    wxCommandEvent event(wxEVT_CHECKLISTBOX, preset->GetId());
    event.SetInt(4);
    w.send(preset, event);
    for (unsigned i = 0; i < preset->GetCount(); ++i) EXPECT_EQ(preset->IsChecked(i), i == 4) << i;
    EXPECT_EQ(w.model->lstPreStart.Checked[4], true);

    w.rightButtonUp("lstBahnStartArt");
    EXPECT_FALSE(w.model->lstBahnStartArt.anyChecked());
    EXPECT_FALSE(w.find<wxCheckListBox>("lstBahnStartArt")->IsChecked(0));
}

TEST(AssistantWindow, RatingButtonsAndAddOnBox) {
    AssistantWindow w;
    w.click("btnThemenfahrt");
    EXPECT_EQ(text(w.edit("lstBasisErr")->GetValue()), "2,000");
    w.click("btnAchterbahn");
    EXPECT_EQ(text(w.edit("lstBasisErr")->GetValue()), "3,398");

    auto* addOn = w.find<wxCheckBox>("chkAddOn");
    addOn->SetValue(true);
    wxCommandEvent event(wxEVT_CHECKBOX, addOn->GetId());
    event.SetInt(1);
    w.send(addOn, event);
    // The tick is the assistant's own layout: the ride is saved with the add-on keys, the options stay.
    w.dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_Tick.txt")};
    w.click("ToolButton3");
    auto saved = readWholeFile(w.folder / "CTR_BahnDaten_Tick.txt");
    ASSERT_TRUE(saved);
    EXPECT_NE(saved->find("BahnDaten mit AddOns"), std::string::npos);
    EXPECT_FALSE(w.main->state().settings.AddOnsEnabled);
}

TEST(AssistantWindow, CloseButtonStartsANewRideAndHidesTheWindow) {
    AssistantWindow w;
    w.window->Show();
    w.edit("txtBahnName")->ChangeValue("Weg damit");
    w.click("ToolButton8");
    EXPECT_FALSE(w.model->Visible);
    EXPECT_FALSE(w.window->IsShown());
    EXPECT_EQ(w.model->txtBahnName.Text, "Mein CTR");
}

}  // namespace
}  // namespace zw
