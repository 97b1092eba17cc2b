// The main window's install commands: the ride or car pair built last is copied into the game folder.
#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "install/GameFolders.h"
#include "install/InstallCommands.h"
#include "workflow/MainWindow.h"
#include "workflow/ReportShowing.h"

namespace zw {

namespace {

// Installed, or the folder cannot be made (the command cannot succeed until the options change):
// the install button is withdrawn. A declined question or a failed copy leave it for another try.
bool withdrawsInstallButton(InstallOutcome outcome) {
    return outcome == InstallOutcome::Installed || outcome == InstallOutcome::FolderNotCreated;
}

}  // namespace

bool MainWindow::installPair(CtrKind kind, const std::filesystem::path& dataFileFolder, const std::string& objectName,
                             ButtonMoment installed) {
    const InstallSettings settings = installSettingsOf(state_.settings);
    const InstallOutcome outcome = *runAsking(dialogs_, settings.language, [&](const Answers& answers) {
        return installBuiltPair(kind, settings, dataFileFolder / pathFromCp1252(objectName), objectName, answers);
    }).value;
    if (withdrawsInstallButton(outcome)) applyMoment(installed);
    if (outcome != InstallOutcome::Installed) {
        clearCommandStatus();
        return false;
    }
    setCommandStatus("statusInstalled",
                     findPathOnDisk(gameFolderOf(kind, state_.settings.gameFolder()) / pathFromCp1252(objectName)).path);
    return true;
}

bool MainWindow::installRidePair() {
    if (!goOnDespiteReadErrors(DataFileKind::Ride)) return false;
    return installPair(CtrKind::Ride, state_.ride.DataFileFolder, state_.ride.RideObjectName,
                       ButtonMoment::RideInstalled);
}

bool MainWindow::installCarPair() {
    if (!goOnDespiteReadErrors(DataFileKind::Car)) return false;
    return installPair(CtrKind::Car, state_.car.CarFolder, state_.car.CarObjectName, ButtonMoment::CarInstalled);
}

}  // namespace zw
