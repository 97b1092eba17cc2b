#pragma once
// The program's windows started in a scripted working folder: an options file with the test's
// settings, the example data files in the author's folder, a game folder, scripted dialogs. Clicks
// are sent as the toolkit sends them, so they pass the windows' bindings.

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/window.h>

#include <memory>
#include <string>

#include "gui/InstallDialog.h"
#include "gui/MainFrame.h"
#include "gui/OptionsDialog.h"
#include "gui/Program.h"
#include "gui/WxText.h"
#include "support/FakeRegistry.h"
#include "support/GameFolderFixture.h"
#include "support/ScriptedDialogs.h"

namespace zw::test {

struct GuiTest : ::testing::Test {
    GameFolderFixture game;
    ScriptedDialogs dialogs;
    FakeRegistry registry;
    std::unique_ptr<gui::Program> program;

    // The options file's lines; start() writes them unless `writeOptions` was cleared.
    std::string language = "Deutsch";
    std::string overwrite = "Ueberschreiben 1";
    bool writeOptions = true;

    // Writes the options file, copies the example ride and car files into the author's folder and
    // starts the program in the working folder game.root().
    void start();

    std::filesystem::path exampleRide() const { return game.author() / "CTR_BahnDaten_Beispielbahn.txt"; }
    std::filesystem::path exampleCar() const { return game.author() / "CTR_WagenDaten_Beispielzug.txt"; }
};

// The control named `name` below `parent`; fails the test when there is none.
wxWindow* control(wxWindow* parent, const std::string& name);
template <class T>
T* control(wxWindow* parent, const std::string& name) {
    auto* typed = dynamic_cast<T*>(control(parent, name));
    EXPECT_NE(typed, nullptr) << name << " has another kind";
    return typed;
}

// Sends a button's click event, as pressing it does.
void click(wxWindow* parent, const std::string& buttonName);

// The UTF-8 text a control shows: a window's title, an edit's text, a tab's caption, else its label.
std::string labelOf(wxWindow* window);

}  // namespace zw::test
