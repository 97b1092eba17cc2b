#include "gui/ZorbaltwerkApp.h"

#include <wx/dialog.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include <iostream>

#include "base/ConsoleDialogs.h"
#include "base/SystemRegistry.h"
#include "gui/InstallDialog.h"
#include "gui/MainFrame.h"
#include "gui/OptionsDialog.h"
#include "gui/Program.h"
#include "gui/Screenshot.h"
#include "gui/WxDialogs.h"
#include "gui/WxText.h"
#include "workflow/InstallWindow.h"
#include "workflow/MainWindow.h"

namespace zw::gui {

ZorbaltwerkApp::ZorbaltwerkApp() = default;
ZorbaltwerkApp::~ZorbaltwerkApp() = default;

bool ZorbaltwerkApp::OnInit() {
    SetAppName("Zorbaltwerk");
    SetAppDisplayName("Zorbaltwerk");
    if (argc == 4 && argv[1] == "--screenshot") return screenshot(argv[2], argv[3]);
    if (argc > 1) {
        std::cerr << "usage: zorbaltwerk\n";
        return false;
    }
    dialogs_ = std::make_unique<WxDialogs>();
    start(*dialogs_);
    program_->mainWindow()->Show();
    return true;
}

int ZorbaltwerkApp::OnRun() { return screenshotOnly_ ? exitCode_ : wxApp::OnRun(); }

int ZorbaltwerkApp::OnExit() {
    program_.reset();
    return wxApp::OnExit();
}

bool ZorbaltwerkApp::OnExceptionInMainLoop() {
    const bool english = program_ && program_->mainModel().state().settings.UseEnglish;
    showExceptionBox(std::current_exception(), languageOf(english));
    return true;
}

void ZorbaltwerkApp::start(Dialogs& dialogs) {
    registry_ = makeSystemRegistry();
    const wxFileName executable(wxStandardPaths::Get().GetExecutablePath());
    program_ = std::make_unique<Program>(dialogs, *registry_, std::filesystem::current_path(),
                                         pathFromWx(executable.GetPath()));
    SetTopWindow(program_->mainWindow());
}

bool ZorbaltwerkApp::screenshot(const wxString& window, const wxString& file) {
    consoleDialogs_ = std::make_unique<ConsoleDialogs>(std::cerr, nullptr);
    start(*consoleDialogs_);
    wxWindow* shown = nullptr;
    if (window == "main") {
        shown = program_->mainWindow();
    } else if (window == "options") {
        shown = program_->optionsWindow();
    } else if (window == "install") {
        program_->installModel().FormActivate();
        program_->installWindow()->refreshFromModel();
        shown = program_->installWindow();
    } else if (window == "assistant") {
        shown = program_->assistantWindow();
    }
    if (!shown) {
        std::cerr << "no window " << window.utf8_string() << " to show\n";
        exitCode_ = 1;
    } else if (!saveScreenshot(shown, file)) {
        std::cerr << "could not save " << file.utf8_string() << "\n";
        exitCode_ = 1;
    }
    program_.reset();
    screenshotOnly_ = true;
    return true;
}

}  // namespace zw::gui
