#include <gtest/gtest.h>
#include <wx/dialog.h>

#include <algorithm>
#include <cstdlib>

#include "GuiFixture.h"
#include "assistant/RideAssistant.h"
#include "base/Messages.h"
#include "base/Settings.h"
#include "base/SystemLanguage.h"
#include "workflow/MainWindow.h"

namespace zw::test {
namespace {

namespace fs = std::filesystem;

// Enabled buttons of the main window, by name, as the window shows them.
std::vector<std::string> enabledButtons(wxWindow* window) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const std::string name(buttonName(static_cast<Command>(i)));
        if (control(window, name)->IsEnabled()) names.push_back(name);
    }
    return names;
}

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Every captioned control carries its identifier as its name and shows its caption in `english` or
// German.
void expectCaptions(wxWindow* window, bool english) {
    EXPECT_EQ(labelOf(window), "Zorbaltwerk Version 0.85");
    for (const ControlCaption& caption : mainWindowCaptions()) {
        wxWindow* shown = control(window, std::string(caption.name));
        if (!shown) continue;
        std::string label = labelOf(shown);
        std::replace(label.begin(), label.end(), '\n', ' ');  // the long label is wrapped
        EXPECT_EQ(label, english ? caption.english : caption.german) << caption.name;
    }
}

TEST_F(GuiTest, MainWindowShowsGermanCaptionsAfterAGermanOptionsFile) {
    start();
    expectCaptions(program->mainWindow(), false);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(GuiTest, MainWindowShowsEnglishCaptionsAfterAnEnglishOptionsFile) {
    language = "English";
    start();
    expectCaptions(program->mainWindow(), true);
}

TEST_F(GuiTest, MainWindowHasAFixedSize) {
    start();
    gui::MainFrame* window = program->mainWindow();
    EXPECT_EQ(window->GetMinSize(), window->GetSize());
    EXPECT_EQ(window->GetMaxSize(), window->GetSize());
    EXPECT_FALSE(window->GetWindowStyleFlag() & wxRESIZE_BORDER);
    EXPECT_FALSE(window->GetWindowStyleFlag() & wxMAXIMIZE_BOX);
}

TEST_F(GuiTest, FirstStartOffersOnlyTheOptions) {
    writeOptions = false;
    start();
    ASSERT_FALSE(dialogs.messages().empty());
    EXPECT_EQ(dialogs.messages().front(), welcomeText(systemLanguage()));
    EXPECT_EQ(enabledButtons(program->mainWindow()), std::vector<std::string>{"OptionenButton"});
}

TEST_F(GuiTest, ARideIsReadRewrittenBuiltAndInstalledByClicks) {
    start();
    wxWindow* window = program->mainWindow();
    EXPECT_EQ(sorted(enabledButtons(window)),
              sorted({"InstallDeinstallButton", "OptionenButton", "GUIfuerCTRBahnDatenButton",
                      "CTRBahnDatenLesenButton", "CTRWagenDatenLesenButton"}));

    dialogs.filesToOpen.push_back(exampleRide());
    click(window, "CTRBahnDatenLesenButton");
    // The example's comments and add-on keys are notes of the check, shown in one message.
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(dialogs.messages()[0].starts_with("CTR_BahnDaten_Beispielbahn.txt wurde gelesen. Dabei fiel auf:\n"))
        << dialogs.messages()[0];
    dialogs.log.clear();
    EXPECT_EQ(labelOf(control(window, "StatusLabel")), "Gelesen: CTR_BahnDaten_Beispielbahn.txt (CTR_Beispielbahn)");
    EXPECT_EQ(program->mainModel().state().ride.RideObjectName, "CTR_Beispielbahn");
    EXPECT_EQ(sorted(enabledButtons(window)),
              sorted({"NeustartButton", "CTRBahnDatenSchreibenButton", "BahnOVLsErstellenButton"}));

    click(window, "CTRBahnDatenSchreibenButton");
    EXPECT_EQ(sorted(enabledButtons(window)), sorted({"NeustartButton", "BahnOVLsErstellenButton"}));

    click(window, "BahnOVLsErstellenButton");
    ASSERT_TRUE(dialogs.messages().empty()) << dialogs.messages().front();
    EXPECT_TRUE(fs::exists(game.author() / "CTR_Beispielbahn" / "CTR_Beispielbahn.common.ovl"));
    EXPECT_EQ(labelOf(control(window, "StatusLabel")), program->mainModel().statusText());
    EXPECT_TRUE(program->mainModel().statusText().ends_with("CTR_Beispielbahn.common.ovl"));
    EXPECT_EQ(sorted(enabledButtons(window)), sorted({"NeustartButton", "BahnOVLsInstallierenButton"}));

    click(window, "BahnOVLsInstallierenButton");
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "CTR_Beispielbahn" / "CTR_Beispielbahn.unique.ovl"));
    EXPECT_EQ(enabledButtons(window), std::vector<std::string>{"NeustartButton"});

    click(window, "NeustartButton");  // the options are offered again
    EXPECT_EQ(sorted(enabledButtons(window)),
              sorted({"InstallDeinstallButton", "OptionenButton", "GUIfuerCTRBahnDatenButton",
                      "CTRBahnDatenLesenButton", "CTRWagenDatenLesenButton"}));
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(labelOf(control(window, "StatusLabel")), "");
}

TEST_F(GuiTest, ACancelledOpenDialogChangesNoButton) {
    start();
    wxWindow* window = program->mainWindow();
    const auto before = enabledButtons(window);
    click(window, "CTRBahnDatenLesenButton");  // the script cancels the open dialog
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].kind, DialogEvent::Kind::OpenFile);
    EXPECT_EQ(dialogs.log[0].caption, "CTR_BahnDaten_*.txt|CTR_BahnDaten_*.txt");
    EXPECT_EQ(enabledButtons(window), before);
}

TEST_F(GuiTest, ACarFileIsReadRewrittenAndBuiltByClicks) {
    start();
    wxWindow* window = program->mainWindow();
    dialogs.filesToOpen.push_back(exampleCar());
    click(window, "CTRWagenDatenLesenButton");
    // The example names car models that are not beside it: what the read noticed names the key of
    // each, and the build stops with a message, the button staying for another try.
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("FrontCar_ModellnameTeilA: "), std::string::npos) << dialogs.messages()[0];
    EXPECT_EQ(sorted(enabledButtons(window)),
              sorted({"NeustartButton", "CTRWagenDatenSchreibenButton", "WagenOVLsErstellenButton"}));
    // The read found errors: writing asks once whether to go on; the build then asks no more.
    dialogs.yesNoAnswers.push_back(true);
    click(window, "CTRWagenDatenSchreibenButton");
    EXPECT_EQ(sorted(enabledButtons(window)), sorted({"NeustartButton", "WagenOVLsErstellenButton"}));
    click(window, "WagenOVLsErstellenButton");
    EXPECT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(sorted(enabledButtons(window)), sorted({"NeustartButton", "WagenOVLsErstellenButton"}));
}

// After a car read, "Wagen ansehen" opens the preview of the cars that the file names, drawn from the
// model pairs beside it; restart withdraws it.
TEST_F(GuiTest, TheCarPreviewIsOfferedAfterACarReadAndShowsItsCars) {
    for (const auto& entry : fs::directory_iterator(fs::path(std::getenv("ZW_SOURCE_DIR")) / "examples")) {
        if (entry.path().extension() == ".ovl") fs::copy_file(entry.path(), game.author() / entry.path().filename());
    }
    start();
    wxWindow* window = program->mainWindow();
    EXPECT_FALSE(control(window, "WagenAnsehenButton")->IsEnabled());
    dialogs.filesToOpen.push_back(exampleCar());
    click(window, "CTRWagenDatenLesenButton");
    ASSERT_TRUE(control(window, "WagenAnsehenButton")->IsEnabled());

    bool wasModal = false;
    std::string title;
    wxSize canvas;
    wxTheApp->CallAfter([&] {
        auto* preview = dynamic_cast<wxDialog*>(wxWindow::FindWindowByName("WagenVorschau"));
        ASSERT_NE(preview, nullptr);
        wasModal = preview->IsModal();
        title = labelOf(preview);
        wxWindow* picture = control(preview, "WagenBild");
        picture->Refresh();
        picture->Update();  // paints the three cars
        canvas = picture->GetClientSize();
        preview->EndModal(wxID_CANCEL);
    });
    click(window, "WagenAnsehenButton");
    EXPECT_TRUE(wasModal);
    EXPECT_EQ(title, "Wagen ansehen");
    EXPECT_GT(canvas.x, 300);
    EXPECT_TRUE(dialogs.messages().empty());

    click(window, "NeustartButton");
    EXPECT_FALSE(control(window, "WagenAnsehenButton")->IsEnabled());
}

TEST_F(GuiTest, TheOptionsButtonOpensTheOptionsWindowModally) {
    start();
    bool wasModal = false;
    // The modal window's own loop runs this; Cancel ends it.
    wxTheApp->CallAfter([&] {
        wasModal = program->optionsWindow()->IsModal();
        click(program->optionsWindow(), "CancelButton");
    });
    click(program->mainWindow(), "OptionenButton");
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(program->optionsWindow()->IsShown());
}

TEST_F(GuiTest, TheAssistantOpensModallyAndItsCloseBoxClosesIt) {
    start();
    wxWindow* window = program->mainWindow();
    ASSERT_NE(program->assistantWindow(), nullptr);
    bool wasModal = false;
    wxTheApp->CallAfter([&] {
        wasModal = program->assistantWindow()->IsModal();
        program->assistantWindow()->Close();  // the frame's close box
    });
    click(window, "GUIfuerCTRBahnDatenButton");
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(program->assistantWindow()->IsShown());
    EXPECT_FALSE(program->assistantModel()->Visible);
    // Closing ran the main window's restart; the main window shows the buttons of the start.
    EXPECT_FALSE(control(window, "NeustartButton")->IsEnabled());
    EXPECT_TRUE(control(window, "CTRBahnDatenLesenButton")->IsEnabled());
    EXPECT_TRUE(control(window, "OptionenButton")->IsEnabled());
}

}  // namespace
}  // namespace zw::test
