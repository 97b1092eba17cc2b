// The desktop program: the application's title, the four windows, the message loop. An exception that
// escapes a command is shown in a box and the program goes on.
//
// A hidden switch makes the pictures of the documentation: `zorbaltwerk --screenshot WINDOW FILE`
// (WINDOW one of main, options, install, assistant) shows that window, saves it as a PNG file and
// ends; messages go to stderr instead of boxes, and questions are answered No.

#include <wx/app.h>
#include <wx/dialog.h>
#include <wx/filename.h>
#include <wx/stdpaths.h>

#include <iostream>
#include <memory>

#include "app/ConsoleDialogs.h"
#include "app/SystemRegistry.h"
#include "gui/InstallDialog.h"
#include "gui/MainFrame.h"
#include "gui/OptionsDialog.h"
#include "gui/Program.h"
#include "gui/Screenshot.h"
#include "gui/WxDialogs.h"
#include "gui/WxText.h"
#include "install/InstallWindow.h"

namespace zw::gui {

class ZorbaltwerkApp : public wxApp {
public:
    bool OnInit() override {
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

    int OnExit() override {
        program_.reset();
        return wxApp::OnExit();
    }

    bool OnExceptionInMainLoop() override {
        showExceptionBox(std::current_exception());
        return true;
    }

private:
    void start(Dialogs& dialogs) {
        registry_ = makeSystemRegistry();
        const wxFileName executable(wxStandardPaths::Get().GetExecutablePath());
        program_ = std::make_unique<Program>(dialogs, *registry_, std::filesystem::current_path(),
                                             pathFromWx(executable.GetPath()));
        SetTopWindow(program_->mainWindow());
    }

    bool screenshot(const wxString& window, const wxString& file) {
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

public:
    int OnRun() override { return screenshotOnly_ ? exitCode_ : wxApp::OnRun(); }

private:
    std::unique_ptr<WxDialogs> dialogs_;
    std::unique_ptr<ConsoleDialogs> consoleDialogs_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<Program> program_;
    bool screenshotOnly_ = false;
    int exitCode_ = 0;
};

}  // namespace zw::gui

wxIMPLEMENT_APP(zw::gui::ZorbaltwerkApp);
