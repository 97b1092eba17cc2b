#include <gtest/gtest.h>
#include <wx/checkbox.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "GuiFixture.h"
#include "base/Messages.h"
#include "workflow/OptionsWindow.h"

namespace zw::test {
namespace {

// Selects a radio button as a click does: the control changes, then its event goes out.
void choose(wxWindow* parent, const std::string& name) {
    auto* radio = control<wxRadioButton>(parent, name);
    if (!radio) return;
    radio->SetValue(true);
    wxCommandEvent event(wxEVT_RADIOBUTTON, radio->GetId());
    event.SetEventObject(radio);
    event.SetInt(1);
    radio->GetEventHandler()->ProcessEvent(event);
}

void expectCaptions(wxWindow* window, bool english) {
    for (const ControlCaption& caption : optionsWindowCaptions()) {
        wxWindow* shown = caption.name == "TForm2" ? window : control(window, std::string(caption.name));
        if (shown) {
            EXPECT_EQ(labelOf(shown), english ? caption.english : caption.german) << caption.name;
        }
    }
}

TEST_F(GuiTest, OptionsWindowShowsTheSettingsInTheLanguageOfTheOptionsFile) {
    start();
    wxWindow* window = program->optionsWindow();
    expectCaptions(window, false);
    EXPECT_TRUE(control<wxRadioButton>(window, "DeutschRadioButton")->GetValue());
    EXPECT_TRUE(control<wxRadioButton>(window, "ohneAddOnsRadioButton")->GetValue());
    EXPECT_TRUE(control<wxCheckBox>(window, "UeberschreibenCheckBox")->GetValue());
    EXPECT_FALSE(control(window, "HiddenSettingsCheckBox")->IsEnabled());
    EXPECT_EQ(labelOf(control(window, "RCT3PfadEdit")), game.gamePath().string());
}

TEST_F(GuiTest, OptionsWindowShowsEnglishCaptions) {
    language = "English";
    start();
    expectCaptions(program->optionsWindow(), true);
    EXPECT_TRUE(control<wxRadioButton>(program->optionsWindow(), "EnglischRadioButton")->GetValue());
}

TEST_F(GuiTest, OkayWritesTheChosenOptionsAndTheEditedGameFolder) {
    start();
    wxWindow* window = program->optionsWindow();
    choose(window, "EnglischRadioButton");
    choose(window, "mitAddOnsRadioButton");
    dialogs.yesNoAnswers = {true, true};  // the folder without RCT3.exe, the add-ons promise
    control<wxTextCtrl>(window, "RCT3PfadEdit")->SetValue("D:/Games/RCT3/");
    click(window, "OkayButton");

    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("restartForLanguageEnglish", Language::English)});
    ASSERT_EQ(dialogs.questions().size(), 2u);
    const Settings& settings = program->mainModel().state().settings;
    EXPECT_TRUE(settings.UseEnglish);
    EXPECT_TRUE(settings.AddOnsEnabled);
    EXPECT_EQ(settings.GamePath, normaliseGamePath("D:/Games/RCT3/"));
    // The edit shows the normalised folder, as the model holds it.
    EXPECT_EQ(labelOf(control(window, "RCT3PfadEdit")), normaliseGamePath("D:/Games/RCT3/"));
    EXPECT_EQ(fileContent(game.root() / "Zorbaltwerk_Options.txt"),
              "'English'\r\n'" + normaliseGamePath("D:/Games/RCT3/") +
                  "'\r\n'AddOns 1'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
    // Captions change only at the next start.
    EXPECT_EQ(labelOf(control(window, "SpracheGroupBox")), " Sprache ");
}

TEST_F(GuiTest, ADeclinedPromiseShowsWithoutAddOnsAgain) {
    start();
    wxWindow* window = program->optionsWindow();
    choose(window, "mitAddOnsRadioButton");
    click(window, "OkayButton");  // the script answers No
    EXPECT_TRUE(control<wxRadioButton>(window, "ohneAddOnsRadioButton")->GetValue());
    EXPECT_FALSE(control<wxRadioButton>(window, "mitAddOnsRadioButton")->GetValue());
    EXPECT_FALSE(program->mainModel().state().settings.AddOnsEnabled);
}

TEST_F(GuiTest, CancelShowsTheSettingsAgainAndSavesNothing) {
    start();
    wxWindow* window = program->optionsWindow();
    const std::string before = fileContent(game.root() / "Zorbaltwerk_Options.txt");
    choose(window, "EnglischRadioButton");
    control<wxCheckBox>(window, "UeberschreibenCheckBox")->SetValue(false);
    click(window, "CancelButton");
    EXPECT_TRUE(control<wxRadioButton>(window, "DeutschRadioButton")->GetValue());
    EXPECT_TRUE(control<wxCheckBox>(window, "UeberschreibenCheckBox")->GetValue());
    EXPECT_EQ(fileContent(game.root() / "Zorbaltwerk_Options.txt"), before);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(GuiTest, OkayAtTheFirstStartOffersTheMainWindowsCommands) {
    writeOptions = false;
    start();
    dialogs.log.clear();
    dialogs.yesNoAnswers = {true};  // the folder holds no RCT3.exe
    wxTheApp->CallAfter([&] { click(program->optionsWindow(), "OkayButton"); });
    click(program->mainWindow(), "OptionenButton");
    for (const char* name : {"CTRBahnDatenLesenButton", "CTRWagenDatenLesenButton", "InstallDeinstallButton",
                             "GUIfuerCTRBahnDatenButton"}) {
        EXPECT_TRUE(control(program->mainWindow(), name)->IsEnabled()) << name;
    }
    EXPECT_FALSE(control(program->mainWindow(), "CTRSchienenDatenLesenButton")->IsEnabled());
}

// A folder the 8-bit code page cannot hold is saved as typed: the options file becomes UTF-8.
TEST_F(GuiTest, AGameFolderBeyondTheCodePageIsSavedAsTyped) {
    start();
    wxWindow* window = program->optionsWindow();
    std::vector<std::string> boxes;
    struct Catcher : wxModalDialogHook {
        std::vector<std::string>& boxes;
        explicit Catcher(std::vector<std::string>& b) : boxes(b) { Register(); }
        ~Catcher() override { Unregister(); }
        int Enter(wxDialog* dialog) override {
            boxes.push_back(gui::fromWx(dialog->GetTitle()));
            return wxID_OK;
        }
        void Exit(wxDialog*) override {}
    } catcher(boxes);
    const std::string folder = "C:/Spiele/\xe9\x81\x8a\xe6\x88\xb2 \xd0\x98\xd0\xb3\xd1\x80\xd1\x8b";
    control<wxTextCtrl>(window, "RCT3PfadEdit")->SetValue(wxString::FromUTF8(folder));
    dialogs.yesNoAnswers = {true};  // the folder holds no RCT3.exe
    click(window, "OkayButton");
    EXPECT_EQ(boxes, std::vector<std::string>{});
    const std::string file = fileContent(game.root() / "Zorbaltwerk_Options.txt");
    EXPECT_TRUE(file.starts_with("\xEF\xBB\xBF'Deutsch'\r\n'" + normaliseGamePath(folder) + "'\r\n")) << file;
    EXPECT_EQ(program->mainModel().state().settings.GamePath, normaliseGamePath(folder));
}

}  // namespace
}  // namespace zw::test

namespace zw::test {
namespace {

TEST_F(GuiTest, AGameFolderWithAnApostropheIsRefusedAndTheWindowStaysUsable) {
    start();
    wxWindow* window = program->optionsWindow();
    const std::string before = fileContent(game.root() / "Zorbaltwerk_Options.txt");
    control<wxTextCtrl>(window, "RCT3PfadEdit")->SetValue("D:/O'Brien/RCT3");
    click(window, "OkayButton");
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("optionsGamePathApostrophe", Language::German,
                                                                   {normaliseGamePath("D:/O'Brien/RCT3")})});
    EXPECT_EQ(fileContent(game.root() / "Zorbaltwerk_Options.txt"), before);
    EXPECT_EQ(program->mainModel().state().settings.GamePath, game.gamePath().string());

    control<wxTextCtrl>(window, "RCT3PfadEdit")->SetValue("D:/OBrien/RCT3");
    dialogs.yesNoAnswers = {true};  // the folder holds no RCT3.exe
    click(window, "OkayButton");
    EXPECT_NE(fileContent(game.root() / "Zorbaltwerk_Options.txt").find(normaliseGamePath("D:/OBrien/RCT3")),
              std::string::npos);
}

}  // namespace
}  // namespace zw::test
