// The main window's car build command.
#include "builders/CarBuilder.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

int MainWindow::WagenOVLsErstellenButtonClick() {
    const int result =
        runCommand([this] { return WagenOVLsErstellenAuslagerung(state_, dialogs_); }, ButtonMoment::CarBuilt);
    if (result == 1) setCommandStatus("statusBuilt", carCommonFile(state_.car));
    else clearCommandStatus();
    return result;
}

}  // namespace zw
