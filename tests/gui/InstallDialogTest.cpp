#include <algorithm>
#include <set>
#include <gtest/gtest.h>
#include <wx/listbox.h>
#include <wx/notebook.h>

#include "GuiFixture.h"
#include "base/Encoding.h"
#include "base/Messages.h"
#include "workflow/InstallWindow.h"

namespace zw::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> items(wxWindow* window) {
    std::vector<std::string> shown;
    if (auto* list = control<wxListBox>(window, "ListBox")) {
        for (const wxString& item : list->GetStrings()) shown.push_back(gui::fromWx(item));
    }
    return shown;
}

// Selects list item `index` and double-clicks it, as the mouse does.
void doubleClick(wxWindow* window, int index) {
    auto* list = control<wxListBox>(window, "ListBox");
    list->SetSelection(index);
    wxCommandEvent event(wxEVT_LISTBOX_DCLICK, list->GetId());
    event.SetEventObject(list);
    event.SetInt(index);
    list->GetEventHandler()->ProcessEvent(event);
}

void select(wxWindow* window, int index) {
    auto* list = control<wxListBox>(window, "ListBox");
    list->SetSelection(index);
    wxCommandEvent event(wxEVT_LISTBOX, list->GetId());
    event.SetEventObject(list);
    event.SetInt(index);
    list->GetEventHandler()->ProcessEvent(event);
}

struct InstallGuiTest : GuiTest {
    gui::InstallDialog* window = nullptr;
    void open() {
        start();
        window = program->installWindow();
        // What opening the window does before it is shown.
        program->installModel().onActivate();
        program->installWindow()->refreshFromModel();
    }
};

TEST_F(InstallGuiTest, CaptionsInGermanAndTheFolderListOfTheWorkingFolder) {
    open();
    for (std::string_view name : InstallWindow::controlNames()) {
        if (name == "TForm3") continue;
        EXPECT_EQ(labelOf(control(window, std::string(name))), program->installModel().caption(name)) << name;
    }
    EXPECT_EQ(labelOf(window), "CTRs installieren/deinstallieren");
    auto* pages = control<wxNotebook>(window, "TabSheetKomplett");
    ASSERT_EQ(pages->GetPageCount(), 5u);
    EXPECT_EQ(gui::fromWx(pages->GetPageText(0)), "Install CTR-Ordner");
    EXPECT_EQ(gui::fromWx(pages->GetPageText(3)), "Deinstall CTR-Wagen");
    EXPECT_EQ(gui::fromWx(pages->GetPageText(4)), "Spielordner pr\xC3\xBC" "fen");
    EXPECT_EQ(pages->GetSelection(), 0);
    // The working folder holds the author's folder and the game folder (and the options file).
    const auto shown = items(window);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], ".. <DIRECTORY LEVEL UP>");
    EXPECT_EQ(std::set<std::string>(shown.begin() + 1, shown.end()), (std::set<std::string>{"Author", "RCT3"}));
}

TEST_F(InstallGuiTest, EnglishCaptions) {
    language = "English";
    open();
    EXPECT_EQ(labelOf(window), "Install/Uninstall CTRs");
    EXPECT_EQ(labelOf(control(window, "OrdnerInstallButton")), "Install CTR-Folder");
    EXPECT_EQ(gui::fromWx(control<wxNotebook>(window, "TabSheetKomplett")->GetPageText(1)), "Uninstall CTR-Ride");
}

TEST_F(InstallGuiTest, DoubleClicksBrowseAndTheButtonInstallsTheSelectedFolder) {
    game.makeRideFolder(game.author(), "CTR_Blitz");
    open();
    auto shown = items(window);
    const int author = static_cast<int>(std::find(shown.begin(), shown.end(), "Author") - shown.begin());
    doubleClick(window, author);
    EXPECT_EQ(items(window), (std::vector<std::string>{".. <DIRECTORY LEVEL UP>", "CTR_Blitz"}));
    doubleClick(window, 1);  // a CTR folder holds only files with extensions: the list stays
    EXPECT_EQ(items(window), (std::vector<std::string>{".. <DIRECTORY LEVEL UP>", "CTR_Blitz"}));

    select(window, 1);
    click(window, "OrdnerInstallButton");
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "CTR_Blitz" / "CTR_Blitz.common.ovl"));
    ASSERT_EQ(dialogs.messages().size(), 1u);  // the success message

    doubleClick(window, 0);
    EXPECT_EQ(items(window).size(), 3u);  // back in the working folder
}

TEST_F(InstallGuiTest, TheTabsListTheInstalledObjectsAndUninstall) {
    game.makeRideFolder(game.ridesFolder(), "CTR_Blitz");
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Gleis", {});
    game.makeCarFolder(game.carsFolder(), "CTR_Zug");
    open();
    auto* pages = control<wxNotebook>(window, "TabSheetKomplett");
    pages->SetSelection(1);  // as a click on the tab: the page-change event goes out
    EXPECT_EQ(items(window), std::vector<std::string>{"CTR_Blitz"});
    pages->SetSelection(2);
    EXPECT_EQ(items(window), std::vector<std::string>{"TrackCTR_Gleis"});
    pages->SetSelection(3);
    EXPECT_EQ(items(window), std::vector<std::string>{"CTR_Zug"});

    // Nothing selected: the button is disabled; a selection enables it.
    EXPECT_FALSE(control(window, "WagenDeinstallButton")->IsEnabled());
    select(window, 0);
    EXPECT_TRUE(control(window, "WagenDeinstallButton")->IsEnabled());
    click(window, "WagenDeinstallButton");  // overwriting without asking: no question
    EXPECT_FALSE(fs::exists(game.carsFolder() / "CTR_Zug"));
    EXPECT_TRUE(items(window).empty());
    EXPECT_FALSE(control(window, "WagenDeinstallButton")->IsEnabled());
    EXPECT_TRUE(dialogs.questions().empty());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"CTR_Zug wurde aus RCT3 entfernt (2 Dateien gelöscht)."});
}

TEST_F(InstallGuiTest, AMissingGameFolderIsSaidOnTheUninstallTabs) {
    fs::remove_all(game.gamePath());
    open();
    auto* pages = control<wxNotebook>(window, "TabSheetKomplett");
    const std::string notice = message("gameFolderMissing", Language::German, {pathForMessage(game.gamePath())});
    for (int page : {1, 3}) {
        pages->SetSelection(page);
        EXPECT_TRUE(items(window).empty());
        std::string shown = labelOf(control(window, page == 1 ? "DeinstallBahnTabNotice" : "DeinstallWagenTabNotice"));
        std::replace(shown.begin(), shown.end(), '\n', ' ');  // wrapped to the page
        EXPECT_EQ(shown, notice);
    }
    EXPECT_EQ(labelOf(control(window, "DeinstallBahnTabNotice")), "");  // only the open tab says it
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(InstallGuiTest, OpeningTheWindowStartsOnTheInstallTabAndCloseEndsIt) {
    open();
    control<wxNotebook>(window, "TabSheetKomplett")->SetSelection(2);
    bool wasModal = false;
    wxTheApp->CallAfter([&] {
        wasModal = window->IsModal();
        EXPECT_EQ(control<wxNotebook>(window, "TabSheetKomplett")->GetSelection(), 0);
        EXPECT_EQ(items(window).front(), ".. <DIRECTORY LEVEL UP>");
        click(window, "CloseButton");
    });
    click(program->mainWindow(), "InstallDeinstallButton");
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(window->IsShown());
}

}  // namespace
}  // namespace zw::test
