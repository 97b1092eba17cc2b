#include "GuiFixture.h"

#include <wx/notebook.h>
#include <wx/textctrl.h>
#include <wx/toplevel.h>

#include "gui/WxText.h"

namespace zw::test {

namespace fs = std::filesystem;

void GuiTest::start() {
    if (writeOptions) {
        writeBytes(game.root() / "Zorbaltwerk_Options.txt", "'" + language + "'\r\n'" + game.gamePath().string() +
                                                                "'\r\n'AddOns 0'\r\n'" + overwrite +
                                                                "'\r\n'HiddenSettings 0'\r\n");
    }
    const fs::path examples = fs::path(std::getenv("ZW_SOURCE_DIR")) / "examples";
    fs::copy_file(examples / "CTR_BahnDaten_Beispielbahn.txt", exampleRide());
    fs::copy_file(examples / "CTR_WagenDaten_Beispielzug.txt", exampleCar());
    program = std::make_unique<gui::Program>(dialogs, registry, game.root(), fs::path());
}

wxWindow* control(wxWindow* parent, const std::string& name) {
    wxWindow* found = wxWindow::FindWindowByName(wxString::FromUTF8(name), parent);
    EXPECT_NE(found, nullptr) << "no control " << name;
    return found;
}

void click(wxWindow* parent, const std::string& buttonName) {
    wxWindow* button = control(parent, buttonName);
    if (!button) return;
    ASSERT_TRUE(button->IsEnabled()) << buttonName << " is disabled: a user could not click it";
    wxCommandEvent event(wxEVT_BUTTON, button->GetId());
    event.SetEventObject(button);
    // As the toolkit delivers it: an exception that escapes the handler goes to the application.
    button->GetEventHandler()->SafelyProcessEvent(event);
}

std::string labelOf(wxWindow* window) {
    if (auto* topLevel = dynamic_cast<wxTopLevelWindow*>(window)) return gui::fromWx(topLevel->GetTitle());
    if (auto* edit = dynamic_cast<wxTextCtrl*>(window)) return gui::fromWx(edit->GetValue());
    if (auto* pages = dynamic_cast<wxNotebook*>(window->GetParent())) {
        const int page = pages->FindPage(window);
        if (page != wxNOT_FOUND) return gui::fromWx(pages->GetPageText(page));
    }
    return gui::fromWx(window->GetLabel());
}

}  // namespace zw::test
