// The main window's install commands: the ride or car pair built last is copied into the game folder.
#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "install/GameFolders.h"
#include "install/InstallCommands.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

namespace {

// Installed, or the folder cannot be made (the command cannot succeed until the options change):
// the install button is withdrawn. A declined question or a failed copy leave it for another try.
bool withdrawsInstallButton(InstallOutcome outcome) {
    return outcome == InstallOutcome::Installed || outcome == InstallOutcome::FolderNotCreated;
}

}  // namespace

bool MainWindow::installPair(CtrKind kind, ButtonMoment installed) {
    const InstallOutcome outcome = installBuiltPairOf(kind, state_, dialogs_);
    if (withdrawsInstallButton(outcome)) applyMoment(installed);
    if (outcome != InstallOutcome::Installed) {
        clearCommandStatus();
        return false;
    }
    const std::string& objectName = kind == CtrKind::Car ? state_.car.CarObjectName : state_.ride.RideObjectName;
    setCommandStatus("statusInstalled",
                     findPathOnDisk(gameFolderOf(kind, state_.settings.gameFolder()) / pathFromCp1252(objectName)).path);
    return true;
}

bool MainWindow::installRidePair() {
    if (!goOnDespiteReadErrors(DataFileKind::Ride)) return false;
    return installPair(CtrKind::Ride, ButtonMoment::RideInstalled);
}

bool MainWindow::installCarPair() {
    if (!goOnDespiteReadErrors(DataFileKind::Car)) return false;
    return installPair(CtrKind::Car, ButtonMoment::CarInstalled);
}

}  // namespace zw
