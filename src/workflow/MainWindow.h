#pragma once
// The main window (MainFrame) without a toolkit: its sixteen command buttons' enabled states, its
// captions in both languages, and the workflow that decides which commands are offered when.
// The window classes of a front end show this model and forward their clicks to it.

#include <array>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/ProgramVersion.h"
#include "base/Settings.h"
#include "base/SystemLanguage.h"
#include "datafiles/DataFileCheck.h"
#include "install/GameFolders.h"
#include "install/InstallCommands.h"
#include "workflow/ProjectState.h"

namespace zw {

class Dialogs;
class Registry;

// The main window's commands, one per button, in the order of the button-state table's columns.
enum class Command {
    Restart,           // NeustartButton
    InstallUninstall,  // InstallDeinstallButton
    Options,           // OptionenButton
    RideAssistant,     // GUIfuerCTRBahnDatenButton
    ReadRideFile,      // CTRBahnDatenLesenButton
    RewriteRideFile,   // CTRBahnDatenSchreibenButton
    BuildRidePair,     // BahnOVLsErstellenButton
    InstallRidePair,   // BahnOVLsInstallierenButton
    ReadTrackFile,     // CTRSchienenDatenLesenButton
    RewriteTrackFile,  // CTRSchienenDatenSchreibenButton
    BuildTrackPair,    // SchienenOVLsErstellenButton
    InstallTrackPair,  // SchienenOVLsInstallierenButton
    ReadCarFile,       // CTRWagenDatenLesenButton
    RewriteCarFile,    // CTRWagenDatenSchreibenButton
    BuildCarPair,      // WagenOVLsErstellenButton
    InstallCarPair,    // WagenOVLsInstallierenButton
};
inline constexpr std::size_t kCommandCount = 16;

std::string_view buttonName(Command button);

// The moments at which the workflow changes the buttons, one per row of the button-state table.
enum class ButtonMoment {
    WindowCreated,          // initial state
    OptionsMissingOrWrong,  // at creation
    OptionsConfirmed,       // options window closed with OK
    RideRead,               // ride file read successfully
    RideRewritten,          // after success
    RideBuilt,              // after success
    RideInstalled,          // or its install folder could not be made
    CarRead,
    CarRewritten,
    CarBuilt,
    CarInstalled,           // or its install folder could not be made
    Restart,
};

// A control of the window with its caption in both languages (UTF-8).
struct ControlCaption {
    std::string_view name;
    std::string_view german;
    std::string_view english;
};

// Every captioned control of the main window: group boxes, labels and buttons.
std::span<const ControlCaption> mainWindowCaptions();


class MainWindow {
public:
    // Creation (onCreate): the folders from `startFolder`, the settings from its options file
    // (messages shown on `dialogs`), the captions in the loaded language, and the initial buttons.
    // Until the options are saved the texts are in `untilSaved`, the system's language.
    MainWindow(Dialogs& dialogs, Registry& registry, const std::filesystem::path& startFolder,
               Language untilSaved = systemLanguage());

    ProjectState& state() { return state_; }
    const ProjectState& state() const { return state_; }
    Dialogs& dialogs() { return dialogs_; }

    // How the options file was found at creation; Fine after the options window's OK.
    OptionsStatus optionsStatus() const { return optionsStatus_; }

    bool enabled(Command button) const { return enabled_[static_cast<std::size_t>(button)]; }
    // By control name; throws std::out_of_range for a name that is no button.
    bool enabled(std::string_view buttonName) const;

    // The caption a control shows (set once at creation in the language then in force);
    // throws std::out_of_range for an unknown control.
    std::string_view caption(std::string_view controlName) const;
    bool showsEnglishCaptions() const { return englishCaptions_; }

    void setEnabled(Command button, bool value) { enabled_[static_cast<std::size_t>(button)] = value; }

    // The car preview button ("WagenAnsehenButton", outside the button-state table): offered from a
    // car read until a ride read or restart.
    bool carPreviewOffered() const { return carPreviewOffered_; }

    // Changes the buttons as the table row of `moment` says (+ enable, - disable, blank keep).
    void applyMoment(ButtonMoment moment);

    // Restart: the restart buttons (the options are offered again), and the status line and read
    // errors forgotten.
    void restart();

    // Called when the options window was confirmed with OK.
    void optionsConfirmed();

    // The commands of the read, rewrite, build and install buttons, defined in their own files
    // (MainWindowRideCommands.cpp, MainWindowCar.cpp, ...). Each returns true when it completed its
    // work and false when it stopped (message shown) or was cancelled. The track buttons get none:
    // nothing enables them.

    // The ride data file commands (open dialog and read; canonical rewrite): the buttons change as
    // after a read or a rewrite.
    bool readRideFile();
    bool rewriteRideFile();

    // Runs `command` and applies `moment` when it completed its work.
    bool runCommand(const std::function<bool()>& command, ButtonMoment moment);

    // The car data file commands (MainWindowCar.cpp): read a file chosen in the open dialog, write
    // the car fields back. Each sets its buttons after a success and says whether it succeeded.
    bool readCarFile();
    bool rewriteCarFile();

    // The install commands (MainWindowInstall.cpp): the pair built last goes into the game folder.
    // The install button is withdrawn after the install and when its folder cannot be made; true when
    // the pair was installed.
    bool installRidePair();
    bool installCarPair();

    // "Bahn.ovls erstellen" (MainWindowRideBuild.cpp): builds the ride pair.
    bool buildRidePair();
    // "Wagen.ovls erstellen" (MainWindowCarBuild.cpp): builds the car pair.
    bool buildCarPair();

    // Where the program lies: the game's catalogue for the check after a read is read from there.
    void setExecutableFolder(std::filesystem::path folder) { executableFolder_ = std::move(folder); }

    // The findings of the check after the last successful read (shown in one message after it).
    const std::vector<DataFileFinding>& readFindings() const { return readFindings_; }

    // The status line under the buttons (UTF-8): the data file read last and its object name, and on
    // a second line the result of the last command with the path it wrote (its last two parts,
    // "…/CTR_X/CTR_X.common.ovl"); empty at the start and after restart.
    std::string statusText() const;

private:
    // After a successful read of `file`: the check, its findings in one message, the status line.
    void afterRead(DataFileKind kind, const std::filesystem::path& file, const std::string& objectName);
    // The last command's part of the status line: message `id` with the path, or nothing.
    void setCommandStatus(MessageId id, const std::filesystem::path& path);
    void clearCommandStatus() { statusCommand_.clear(); }
    // False, with the message, when `file` chosen in the open dialog is not named as a data file of `kind`.
    bool acceptsDataFileName(const std::filesystem::path& file, DataFileKind kind);
    // Before writing, building or installing from the file of `kind` read last: when its read found
    // errors, asks once whether to go on (No by default). True to go on.
    bool goOnDespiteReadErrors(DataFileKind kind);
    // Installs the pair of `kind` built last (installBuiltPairOf), then the buttons of `installed` and
    // "Installed into ..." after an install, nothing after one that failed.
    bool installPair(CtrKind kind, ButtonMoment installed);

    Dialogs& dialogs_;
    ProjectState state_;
    OptionsStatus optionsStatus_ = OptionsStatus::Fine;
    bool englishCaptions_ = false;
    std::array<bool, kCommandCount> enabled_{};
    bool carPreviewOffered_ = false;
    std::filesystem::path executableFolder_;
    std::vector<DataFileFinding> readFindings_;
    // The errors of the last read of each kind, and whether the author chose to go on with them.
    struct ReadErrors {
        std::size_t count = 0;
        bool accepted = false;
    };
    std::array<ReadErrors, 2> readErrors_{};
    std::string statusFile_;     // UTF-8
    std::string statusCommand_;  // UTF-8
};

}  // namespace zw
