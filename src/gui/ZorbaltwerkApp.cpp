#include "gui/ZorbaltwerkApp.h"

#include <wx/dialog.h>
#include <wx/filename.h>
#include <wx/iconbndl.h>
#include <wx/notebook.h>
#include <wx/stdpaths.h>
#include <wx/utils.h>

#include <iostream>

#include "base/AppFolders.h"
#include "base/ConsoleDialogs.h"
#include "base/SystemRegistry.h"
#include "gui/CarPreviewDialog.h"
#include "gui/InstallDialog.h"
#include "gui/MainFrame.h"
#include "gui/OptionsDialog.h"
#include "gui/Program.h"
#include "gui/Screenshot.h"
#include "gui/WxDialogs.h"
#include "gui/WxText.h"
#include "workflow/InstallWindow.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw::gui {

ZorbaltwerkApp::ZorbaltwerkApp() = default;
ZorbaltwerkApp::~ZorbaltwerkApp() = default;

bool ZorbaltwerkApp::OnInit() {
    SetAppName("Zorbaltwerk");
    SetAppDisplayName("Zorbaltwerk");
    int first = 1;
    if (argc >= 3 && argv[1] == "--workdir") {
        workFolder_ = pathFromWx(argv[2]);
        first = 3;
    } else {
        workFolder_ = decideAppFolders(currentFolderFacts()).workFolder;
    }
    // A working folder that cannot be made shows up as the options file's write failure.
    std::error_code ignored;
    std::filesystem::create_directories(workFolder_, ignored);
    if (argc == first + 3 && argv[first] == "--screenshot") return screenshot(argv[first + 1], argv[first + 2]);
    if (argc > first) {
        std::cerr << "usage: zorbaltwerk [--workdir DIR]\n";
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
    program_ = std::make_unique<Program>(dialogs, *registry_, workFolder_, pathFromWx(executable.GetPath()));
#ifdef __WXMSW__
    // The program's icon (resource AAAA of zorbaltwerk.rc) in the main window's title bar and task bar.
    program_->mainWindow()->SetIcons(wxIconBundle(wxS("AAAA"), nullptr));
#endif
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
        program_->installModel().onActivate();
        program_->installWindow()->refreshFromModel();
        shown = program_->installWindow();
    } else if (window == "uninstall") {
        // The tab of installed rides, as a user opens it.
        program_->installModel().onActivate();
        program_->installModel().onTabChosen(InstallWindow::Tab::UninstallRide);
        program_->installWindow()->refreshFromModel();
        shown = program_->installWindow();
    } else if (window == "gamecheck") {
        program_->installModel().onActivate();
        program_->installWindow()->refreshFromModel();
        // Shown first, as a user opens the tab in the open window.
        program_->installWindow()->Show();
        wxYield();
        program_->installWindow()->checkGameFolder();
        shown = program_->installWindow();
    } else if (window == "assistant") {
        shown = program_->assistantWindow();
    } else if (window.StartsWith("assistant:")) {
        // "assistant:2": the assistant showing its page 2 (counted from 0).
        long page = 0;
        shown = program_->assistantWindow();
        auto* pages = shown ? dynamic_cast<wxNotebook*>(wxWindow::FindWindowByName("PageControl1", shown)) : nullptr;
        if (pages && window.AfterFirst(':').ToLong(&page) && page >= 0 && page < static_cast<long>(pages->GetPageCount())) {
            pages->SetSelection(static_cast<size_t>(page));
        } else {
            shown = nullptr;
        }
    } else if (window == "cars") {
        // The example car file of the working folder, read as the read button would.
        ProjectState& state = program_->mainModel().state();
        const std::filesystem::path file = workFolder_ / "Wagen" / "CTR_WagenDaten_Beispielzug.txt";
        if (readCarDataFile(state, *consoleDialogs_, file)) {
            const std::string title(program_->mainModel().caption("WagenAnsehenButton"));
            shown = new CarPreviewDialog(program_->mainWindow(), toWx(title), previewCars(state.car),
                                         languageOf(state.settings.UseEnglish));
        }
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
