// The main window's install commands: the ride or car pair built last is copied into the game folder.
#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "install/GameFolders.h"
#include "install/InstallCommands.h"
#include "workflow/MainWindow.h"

namespace zw {

namespace {

// Installed, or the folder cannot be made (the command cannot succeed until the options change):
// the install button is withdrawn. A declined question or a failed copy leave it for another try.
bool withdrawsInstallButton(InstallOutcome outcome) {
    return outcome == InstallOutcome::Installed || outcome == InstallOutcome::FolderNotCreated;
}

}  // namespace

void MainWindow::showInstallStatus(InstallOutcome outcome, CtrKind kind, const std::string& objectName) {
    if (outcome != InstallOutcome::Installed) {
        clearCommandStatus();
        return;
    }
    setCommandStatus("statusInstalled",
                     findPathOnDisk(gameFolderOf(kind, state_.settings.gameFolder()) / pathFromCp1252(objectName)).path);
}

bool MainWindow::installRidePair() {
    const RideData& ride = state_.ride;
    const InstallOutcome outcome =
        installBuiltPair(CtrKind::Ride, installSettingsOf(state_.settings), dialogs_,
                         ride.DataFileFolder / pathFromCp1252(ride.RideObjectName), ride.RideObjectName);
    if (withdrawsInstallButton(outcome)) applyMoment(ButtonMoment::RideInstalled);
    showInstallStatus(outcome, CtrKind::Ride, ride.RideObjectName);
    return outcome == InstallOutcome::Installed;
}

bool MainWindow::installCarPair() {
    const CarData& car = state_.car;
    const InstallOutcome outcome =
        installBuiltPair(CtrKind::Car, installSettingsOf(state_.settings), dialogs_,
                         car.CarFolder / pathFromCp1252(car.CarObjectName), car.CarObjectName);
    if (withdrawsInstallButton(outcome)) applyMoment(ButtonMoment::CarInstalled);
    showInstallStatus(outcome, CtrKind::Car, car.CarObjectName);
    return outcome == InstallOutcome::Installed;
}

}  // namespace zw
