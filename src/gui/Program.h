#pragma once
// The desktop program as it starts: the main window's model (which loads the settings, showing the
// start-up messages), then the four windows in order: main window (MainFrame), options (OptionsDialog),
// install/uninstall (InstallDialog) and the ride data assistant (RideAssistant). The options, install/uninstall and
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
class RideAssistant;
}  // namespace zw

namespace zw::gui {

class MainFrame;
class OptionsDialog;
class InstallDialog;

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
    RideAssistant* assistantModel() { return assistant_.get(); }

    MainFrame* mainWindow() { return mainFrame_; }
    OptionsDialog* optionsWindow() { return optionsDialog_; }
    InstallDialog* installWindow() { return installDialog_; }
    wxDialog* assistantWindow() { return assistantWindow_; }

    // The modal windows, opened by the main window's buttons; each returns when its window closed.
    void showOptions();
    void showInstall();
    void showAssistant();
    // The car preview of the car data read last (modal).
    void showCarPreview();

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
    std::unique_ptr<RideAssistant> assistant_;
    std::string assistantGamePath_;  // the game folder the assistant's lists were completed from

    MainFrame* mainFrame_ = nullptr;  // until the user closes it
    OptionsDialog* optionsDialog_ = nullptr;  // children of the main window
    InstallDialog* installDialog_ = nullptr;
    wxDialog* assistantWindow_ = nullptr;
};

}  // namespace zw::gui
