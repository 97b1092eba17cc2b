#include "workflow/InstallWindow.h"

#include <optional>
#include <stdexcept>

#include "base/AppFolders.h"
#include "base/Encoding.h"
#include "install/FolderLevelUp.h"
#include "install/InstallCommands.h"
#include "install/Uninstall.h"
#include "workflow/MainWindow.h"
#include "workflow/ReportShowing.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

struct ControlText {
    std::string_view control;
    std::string_view german;
    std::string_view english;
};

constexpr ControlText kControlTexts[] = {
    {"TForm3", "CTRs installieren/deinstallieren", "Install/Uninstall CTRs"},
    {"InstallOrdnerTab", "Install CTR-Ordner", "Install CTR-Folder"},
    {"DeinstallBahnTab", "Deinstall CTR-Bahn", "Uninstall CTR-Ride"},
    {"DeinstallSchienenTab", "Deinstall CTR-Schienen", "Uninstall CTR-Track"},
    {"DeinstallWagenTab", "Deinstall CTR-Wagen", "Uninstall CTR-Car"},
    {"Label1", "Bitte CTR-Ordner wählen:", "Please choose a folder:"},
    {"OrdnerInstallButton", "CTR-Ordner installieren", "Install CTR-Folder"},
    {"Label2", "In RCT3 vorhandene CTR-Bahnen:", "Existing CTR-Rides in RCT3:"},
    {"BahnDeinstallButton", "CTR-Bahn deinstallieren", "Uninstall CTR-Ride"},
    {"Label3", "In RCT3 vorhandene CTR-Schienen:", "Existing CTR-Tracks in RCT3:"},
    {"SchienenDeinstallButton", "CTR-Schienen deinstallieren", "Uninstall CTR-Track"},
    {"Label4", "In RCT3 vorhandene CTR-Wagen:", "Existing CTR-Cars in RCT3:"},
    {"WagenDeinstallButton", "CTR-Wagen deinstallieren", "Uninstall CTR-Car"},
    {"CloseButton", "Schließen", "Close"},
};

int modeOf(InstallWindow::Tab tab) {
    switch (tab) {
        case InstallWindow::Tab::InstallFolder: return 1;
        case InstallWindow::Tab::UninstallRide: return 2;
        case InstallWindow::Tab::UninstallTracks: return 3;
        case InstallWindow::Tab::UninstallCar: return 4;
    }
    return 1;
}

CtrKind kindOfMode(int mode) {
    return mode == 2 ? CtrKind::Ride : mode == 3 ? CtrKind::Track : CtrKind::Car;
}

std::string shownName(const fs::path& name) {
    const std::u8string text = name.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace

const std::vector<std::string_view>& InstallWindow::controlNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> v;
        for (const auto& t : kControlTexts) v.push_back(t.control);
        return v;
    }();
    return names;
}

InstallWindow::InstallWindow(Dialogs& dialogs, std::function<InstallSettings()> settings, fs::path startFolder)
    : gameFolderCheck(dialogs, settings, executableFolder()),
      dialogs_(dialogs),
      settings_(std::move(settings)),
      startFolder_(std::move(startFolder)) {
    const bool english = settings_().language == Language::English;
    for (const auto& t : kControlTexts) captions_.emplace_back(t.control, std::string(english ? t.english : t.german));
}

InstallWindow::InstallWindow(MainWindow& mainWindow)
    : InstallWindow(mainWindow.dialogs(), [&mainWindow] { return installSettingsOf(mainWindow.state().settings); },
                    mainWindow.state().StartFolder) {}

const std::string& InstallWindow::caption(std::string_view control) const {
    for (const auto& [name, text] : captions_) {
        if (name == control) return text;
    }
    throw std::out_of_range("no control " + std::string(control) + " in the install window");
}

void InstallWindow::onActivate() {
    ListBox.clear();
    entries_.clear();
    ItemIndex = -1;
    listedMode_ = 0;
    ActivePage = Tab::InstallFolder;
    BrowseFolder = withTrailingSeparator(startFolder_);
    refreshList(1);
}

void InstallWindow::onTabChosen(Tab newPage) {
    ActivePage = newPage;
    refreshList(modeOf(newPage));
}

void InstallWindow::onListItemClicked(int index) {
    ItemIndex = index >= 0 && index < static_cast<int>(ListBox.size()) ? index : -1;
}

void InstallWindow::refreshList(int mode) {
    const InstallSettings settings = settings_();
    std::vector<fs::path> names;
    fs::path folder;
    if (mode == 1) {
        folder = BrowseFolder;
        std::error_code error;
        names = listUndottedEntries(folder, error);
        if (error) {
            dialogs_.showMessage(message("730", settings.language, {displayName(folder)}));
            return;
        }
    } else {
        // An uninstall tab never keeps what another tab listed: without its objects it lists nothing.
        std::optional<ReportMessage> problem;
        auto installed = findInstalledObjects(kindOfMode(mode), settings.gamePath, problem);
        showReport(dialogs_, settings.language, installed.report);
        if (installed) {
            folder = std::move(installed.value->folder);
            names = std::move(installed.value->names);
        }
        ListNotice = problem ? problem->text(settings.language) : std::string();
    }
    if (mode == 1) ListNotice.clear();
    entries_.clear();
    ListBox.clear();
    ItemIndex = -1;
    if (mode == 1) {
        entries_.push_back({{}, true});
        ListBox.emplace_back(kLevelUpItem);
    }
    for (auto& name : names) {
        ListBox.push_back(shownName(name));
        entries_.push_back({std::move(name), false});
    }
    listedMode_ = mode;
    listedFolder_ = folder;
}

const InstallWindow::Entry* InstallWindow::selectedEntryListedFor(int mode) {
    if (ItemIndex < 0 || ItemIndex >= static_cast<int>(entries_.size())) return nullptr;
    if (listedMode_ != mode) {
        // The list still shows what another tab or folder listed; its names mean nothing here.
        dialogs_.showMessage(message("installListOutOfDate", settings_().language));
        return nullptr;
    }
    return &entries_[static_cast<size_t>(ItemIndex)];
}

void InstallWindow::onListItemDoubleClicked() {
    if (ActivePage != Tab::InstallFolder) return;
    const Entry* entry = selectedEntryListedFor(1);
    if (!entry) return;
    if (entry->levelUp) {
        BrowseFolder = folderOneLevelUp(BrowseFolder);
    } else {
        const fs::path candidate = withTrailingSeparator(listedFolder_ / entry->name);
        std::error_code error;
        const auto inside = listUndottedEntries(candidate, error);
        if (error) {
            dialogs_.showMessage(message("730", settings_().language, {displayName(candidate)}));
        } else if (!inside.empty()) {
            // A CTR folder holds only files with extensions: the user stays where it is listed.
            BrowseFolder = candidate;
        }
    }
    refreshList(1);
}

void InstallWindow::installFolder() {
    const Entry* entry = selectedEntryListedFor(1);
    if (!entry) return;
    const InstallSettings settings = settings_();
    if (entry->levelUp) {
        dialogs_.showMessage(message("731", settings.language));
        return;
    }
    runAsking(dialogs_, settings.language,
              [&](const Answers& answers) { return installCtrFolder(settings, listedFolder_, entry->name, answers); });
}

void InstallWindow::uninstallSelected(CtrKind kind, int mode) {
    const Entry* entry = selectedEntryListedFor(mode);
    if (!entry) return;
    const InstallSettings settings = settings_();
    const UninstallOutcome outcome = *runAsking(dialogs_, settings.language, [&](const Answers& answers) {
        return uninstallObject(kind, listedFolder_, entry->name, asksBeforeUninstalling(settings), answers);
    }).value;
    if (outcome == UninstallOutcome::Removed || outcome == UninstallOutcome::FolderKept ||
        outcome == UninstallOutcome::PartlyRemoved) {
        refreshList(mode);
    }
}

void InstallWindow::uninstallRide() { uninstallSelected(CtrKind::Ride, 2); }
void InstallWindow::uninstallTrackSet() { uninstallSelected(CtrKind::Track, 3); }
void InstallWindow::uninstallCar() { uninstallSelected(CtrKind::Car, 4); }

void InstallWindow::onCloseButton() { Closed = true; }

}  // namespace zw
