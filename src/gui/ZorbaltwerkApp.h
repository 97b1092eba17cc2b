#pragma once
// The desktop program's application object: the application's title, the four windows, the message
// loop. An exception that escapes a command is shown in a box and the program goes on.
//
// A hidden switch makes the pictures of the documentation: `zorbaltwerk --screenshot WINDOW FILE`
// (WINDOW one of main, options, install, uninstall, gamecheck, assistant, cars) shows that window,
// saves it as a PNG file and ends; messages go to stderr instead of boxes, and questions are answered No.
// `--workdir DIR` first uses DIR as the working folder instead of the one the program decides
// (beside the program, or the per-user folder: app/AppFolders.h).

#include <wx/app.h>

#include <filesystem>
#include <memory>

namespace zw {
class ConsoleDialogs;
class Dialogs;
class Registry;
}  // namespace zw

namespace zw::gui {

class Program;
class WxDialogs;

class ZorbaltwerkApp : public wxApp {
public:
    ZorbaltwerkApp();
    ~ZorbaltwerkApp() override;

    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;
    // Shows the exception's text in a box; the program goes on.
    bool OnExceptionInMainLoop() override;

private:
    void start(Dialogs& dialogs);
    bool screenshot(const wxString& window, const wxString& file);

    std::unique_ptr<WxDialogs> dialogs_;
    std::unique_ptr<ConsoleDialogs> consoleDialogs_;
    std::unique_ptr<Registry> registry_;
    std::unique_ptr<Program> program_;
    std::filesystem::path workFolder_;
    bool screenshotOnly_ = false;
    int exitCode_ = 0;
};

}  // namespace zw::gui
