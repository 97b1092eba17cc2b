// The main window's ride build command.
#include "builders/RideBuilder.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

bool MainWindow::buildRidePair() {
    if (!goOnDespiteReadErrors(DataFileKind::Ride)) return false;
    const bool result =
        runCommand([this] { return zw::buildRidePair(state_, dialogs_); }, ButtonMoment::RideBuilt);
    if (result) setCommandStatus("statusBuilt", rideCommonFile(state_.ride));
    else clearCommandStatus();
    return result;
}

}  // namespace zw
