#include "workflow/MainWindow.h"

#include <stdexcept>
#include <system_error>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/Registry.h"
#include "datafiles/DataFileName.h"
#include "workflow/DataFileChecking.h"
#include "workflow/ProjectCommands.h"

namespace zw {
namespace {

constexpr std::array<std::string_view, kCommandCount> kButtonNames = {
    "NeustartButton",
    "InstallDeinstallButton",
    "OptionenButton",
    "GUIfuerCTRBahnDatenButton",
    "CTRBahnDatenLesenButton",
    "CTRBahnDatenSchreibenButton",
    "BahnOVLsErstellenButton",
    "BahnOVLsInstallierenButton",
    "CTRSchienenDatenLesenButton",
    "CTRSchienenDatenSchreibenButton",
    "SchienenOVLsErstellenButton",
    "SchienenOVLsInstallierenButton",
    "CTRWagenDatenLesenButton",
    "CTRWagenDatenSchreibenButton",
    "WagenOVLsErstellenButton",
    "WagenOVLsInstallierenButton",
};

// One row per moment, one column per button in the order of `Command`, grouped by four:
// general (restart, install/uninstall, options, assistant), rides, tracks, cars; each group read,
// rewrite, build, install. '+' enables, '-' disables, ' ' keeps. No row enables a track button.
// A read withdraws the options (a change would not reach the data read); restart offers them again.
constexpr std::string_view kMomentRows[] = {
    /* WindowCreated         */ "-+++" "+---" "----" "+---",
    /* OptionsMissingOrWrong */ " - -" "-   " "-   " "-   ",
    /* OptionsConfirmed      */ " + +" "+   " "    " "+   ",
    /* RideRead              */ "+---" "-++ " "-   " "-   ",
    /* RideRewritten         */ "    " " -  " "    " "    ",
    /* RideBuilt             */ "    " "  -+" "    " "    ",
    /* RideInstalled         */ "    " "   -" "    " "    ",
    /* CarRead               */ "+---" "-   " "-   " "-++ ",
    /* CarRewritten          */ "    " "    " "    " " -  ",
    /* CarBuilt              */ "    " "    " "    " "  -+",
    /* CarInstalled          */ "    " "    " "    " "   -",
    /* Restart               */ "-+++" "+---" "----" "+---",
};
static_assert(std::size(kMomentRows) == static_cast<std::size_t>(ButtonMoment::Restart) + 1);

constexpr ControlCaption kCaptions[] = {
    {"GroupBoxAllgemein", " Allgemein ", " General "},
    {"Label1Allgemein",
     "Zorbaltwerk erzeugt CustomTrackedRides fürs Spiel RCT3 von Atari/Frontier. Wie es geht, steht in der "
     "Anleitung (README.html), die dem Programm beiliegt.",
     "Zorbaltwerk creates CustomTrackedRides for Atari/Frontier video game RCT3. How to use it is described in the "
     "guide (README.html) that comes with the program."},
    {"NeustartButton", "Neustart", "Restart"},
    {"InstallDeinstallButton", "CTRs installieren/deinstallieren", "Install/Uninstall CTRs"},
    {"OptionenButton", "Optionen", "Options"},
    {"GroupBoxBahnen", " Bahnen ", " Rides "},
    {"CTRBahnDatenLesenButton", "CTR_BahnDaten.txt einlesen", "Read CTR_BahnDaten.txt"},
    {"CTRBahnDatenSchreibenButton", "CTR_BahnDaten.txt schreiben", "Write CTR_BahnDaten.txt"},
    {"BahnOVLsErstellenButton", "Bahn.ovls erstellen", "Create Ride.ovls"},
    {"BahnOVLsInstallierenButton", "Bahn.ovls in RCT3 installieren", "Install Ride.ovls in RCT3"},
    {"GroupBoxSchienen", " Schienen ", " Tracks "},
    {"CTRSchienenDatenLesenButton", "CTR_SchienenDaten.txt einlesen", "Read CTR_SchienenDaten.txt"},
    {"CTRSchienenDatenSchreibenButton", "CTR_SchienenDaten.txt schreiben", "Write CTR_SchienenDaten.txt"},
    {"SchienenOVLsErstellenButton", "Schienen.ovls erstellen", "Create Track.ovls"},
    {"SchienenOVLsInstallierenButton", "Schienen.ovls in RCT3 installieren", "Install Track.ovls in RCT3"},
    {"GroupBoxWagen", " Wagen ", " Cars "},
    {"CTRWagenDatenLesenButton", "CTR_WagenDaten.txt einlesen", "Read CTR_WagenDaten.txt"},
    {"CTRWagenDatenSchreibenButton", "CTR_WagenDaten.txt schreiben", "Write CTR_WagenDaten.txt"},
    {"WagenOVLsErstellenButton", "Wagen.ovls erstellen", "Create Car.ovls"},
    {"WagenOVLsInstallierenButton", "Wagen.ovls in RCT3 installieren", "Install Car.ovls in RCT3"},
    {"GUIfuerCTRBahnDatenButton", "GUI für CTR_BahnDaten", "GUI for CTR_BahnDaten"},
    {"VersionLabel", kVersionCaption, kVersionCaption},
    {"DankeLabel", "Danke an alle, die Zorbaltwerk getestet haben.", "Thanks to everyone who tested Zorbaltwerk."},
    {"AssistentCreditsLabel", "GUI für CTR_BahnDaten: Eingabeassistent für Bahndaten.",
     "GUI for CTR_BahnDaten: input assistant for ride data."},
    // The car preview: offered after a car data file was read.
    {"WagenAnsehenButton", "Wagen ansehen", "Show cars"},
};

}  // namespace

std::string_view buttonName(Command button) { return kButtonNames[static_cast<std::size_t>(button)]; }

std::span<const ControlCaption> mainWindowCaptions() { return kCaptions; }

MainWindow::MainWindow(Dialogs& dialogs, Registry& registry, const std::filesystem::path& startFolder,
                       Language untilSaved)
    : dialogs_(dialogs) {
    state_.StartFolder = startFolder;
    optionsStatus_ = loadSettings(state_.settings, state_.StartFolder, dialogs_, registry, untilSaved);
    englishCaptions_ = state_.settings.UseEnglish;
    applyMoment(ButtonMoment::WindowCreated);
    if (optionsStatus_ != OptionsStatus::Fine) applyMoment(ButtonMoment::OptionsMissingOrWrong);
}

bool MainWindow::enabled(std::string_view name) const {
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        if (kButtonNames[i] == name) return enabled_[i];
    }
    throw std::out_of_range("no button " + std::string(name));
}

std::string_view MainWindow::caption(std::string_view controlName) const {
    for (const auto& control : kCaptions) {
        if (control.name == controlName) return englishCaptions_ ? control.english : control.german;
    }
    throw std::out_of_range("no control " + std::string(controlName));
}

void MainWindow::applyMoment(ButtonMoment moment) {
    const std::string_view row = kMomentRows[static_cast<std::size_t>(moment)];
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        if (row[i] == '+') enabled_[i] = true;
        if (row[i] == '-') enabled_[i] = false;
    }
    // The car preview shows the cars of the car data read last, until a ride file is read or restart.
    if (moment == ButtonMoment::CarRead) carPreviewOffered_ = true;
    if (moment == ButtonMoment::RideRead || moment == ButtonMoment::Restart) carPreviewOffered_ = false;
}

void MainWindow::restart() {
    applyMoment(ButtonMoment::Restart);
    statusFile_.clear();
    statusCommand_.clear();
    readErrors_ = {};
}

void MainWindow::optionsConfirmed() {
    optionsStatus_ = OptionsStatus::Fine;
    applyMoment(ButtonMoment::OptionsConfirmed);
}

bool MainWindow::runCommand(const std::function<bool()>& command, ButtonMoment moment) {
    const bool result = command();
    if (result) applyMoment(moment);
    return result;
}

std::string MainWindow::statusText() const {
    if (statusCommand_.empty()) return statusFile_;
    if (statusFile_.empty()) return statusCommand_;
    return statusFile_ + "\n" + statusCommand_;
}

void MainWindow::afterRead(DataFileKind kind, const std::filesystem::path& file, const std::string& objectName) {
    const Language language = languageOf(state_.settings.UseEnglish);
    statusCommand_.clear();
    readFindings_ = showReadFindings(kind, state_, file, executableFolder_, dialogs_);
    const std::size_t errors = errorCount(readFindings_);
    readErrors_[static_cast<std::size_t>(kind)] = {errors, false};
    const DisplayName fileName = displayName(file.filename());
    if (errors == 0) statusFile_ = message("statusRead", language, {fileName, objectName});
    else if (errors == 1) statusFile_ = message("statusReadWithOneError", language, {fileName, objectName});
    else statusFile_ = message("statusReadWithErrors", language, {std::to_string(errors), fileName, objectName});
}

bool MainWindow::acceptsDataFileName(const std::filesystem::path& file, DataFileKind kind) {
    const std::string problem = dataFileNameProblem(file, kind, languageOf(state_.settings.UseEnglish));
    if (!problem.empty()) dialogs_.showMessage(problem);
    return problem.empty();
}

bool MainWindow::goOnDespiteReadErrors(DataFileKind kind) {
    ReadErrors& read = readErrors_[static_cast<std::size_t>(kind)];
    if (read.count == 0 || read.accepted) return true;
    read.accepted = zw::goOnDespiteReadErrors(read.count, languageOf(state_.settings.UseEnglish), dialogs_);
    if (!read.accepted) clearCommandStatus();
    return read.accepted;
}

void MainWindow::setCommandStatus(MessageId id, const std::filesystem::path& path) {
    // The path's last two parts after an ellipsis (U+2026), which the line has room for.
    std::filesystem::path shortened = path.parent_path().filename() / path.filename();
    const DisplayName shown = path.parent_path().has_parent_path()
                                  ? DisplayName{"\xE2\x80\xA6" + std::string(1, static_cast<char>(std::filesystem::path::preferred_separator)) +
                                                displayName(shortened).utf8}
                                  : displayName(path);
    statusCommand_ = message(id, languageOf(state_.settings.UseEnglish), {shown});
}

}  // namespace zw
