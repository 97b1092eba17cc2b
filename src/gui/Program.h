#pragma once
// The desktop program as it starts: the main window's model (which loads the settings, showing the
// start-up messages), then the four windows in order: main window (TForm1), options (TForm2),
// install/uninstall (TForm3) and the ride data assistant (TForm4). The options, install/uninstall and
// assistant windows are modal; the main window opens them through this object.

#include <filesystem>
#include <memory>
#include <string>

class wxDialog;

namespace zw {
class AssistantHost;
class Dialogs;
class InstallWindow;
class MainWindow;
class OptionsWindow;
class Registry;
class TForm4;
}  // namespace zw

namespace zw::gui {

class TForm1;
class TForm2;
class TForm3;

class Program {
public:
    // `startFolder` is the working folder (options file, Temp); `executableFolder` holds the
    // assistant's list files (data/assistant).
    Program(Dialogs& dialogs, Registry& registry, const std::filesystem::path& startFolder,
            std::filesystem::path executableFolder);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    MainWindow& mainModel() { return *main_; }
    OptionsWindow& optionsModel() { return *options_; }
    InstallWindow& installModel() { return *install_; }
    // The assistant's model; nullptr until its lists could be read.
    TForm4* assistantModel() { return assistant_.get(); }

    TForm1* mainWindow() { return form1_; }
    TForm2* optionsWindow() { return form2_; }
    TForm3* installWindow() { return form3_; }
    wxDialog* assistantWindow() { return form4_; }

    // The modal windows, opened by the main window's buttons; each returns when its window closed.
    void showOptions();
    void showInstall();
    void showAssistant();

private:
    // Reads the assistant's lists (completed from the game folder now configured) and makes its model
    // and window anew; false when the lists cannot be read (message shown).
    bool createAssistant();

    Dialogs& dialogs_;
    std::filesystem::path executableFolder_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<OptionsWindow> options_;
    std::unique_ptr<InstallWindow> install_;
    std::unique_ptr<AssistantHost> host_;
    std::unique_ptr<TForm4> assistant_;
    std::string assistantGamePath_;  // the game folder the assistant's lists were completed from

    TForm1* form1_ = nullptr;  // until the user closes it
    TForm2* form2_ = nullptr;  // children of the main window
    TForm3* form3_ = nullptr;
    wxDialog* form4_ = nullptr;
};

}  // namespace zw::gui
