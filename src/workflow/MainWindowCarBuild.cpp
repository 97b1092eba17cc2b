// The main window's car build command.
#include "builders/CarBuilder.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

bool MainWindow::buildCarPair() {
    if (!goOnDespiteReadErrors(DataFileKind::Car)) return false;
    const bool result =
        runCommand([this] { return zw::buildCarPair(state_, dialogs_); }, ButtonMoment::CarBuilt);
    if (result) setCommandStatus("statusBuilt", carCommonFile(state_.car));
    else clearCommandStatus();
    return result;
}

}  // namespace zw
