// The main window's ride build command.
#include "builders/RideBuilder.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

int MainWindow::BahnOVLsErstellenButtonClick() {
    const int result =
        runCommand([this] { return BahnOVLsErstellenAuslagerung(state_, dialogs_); }, ButtonMoment::RideBuilt);
    if (result == 1) setCommandStatus("statusBuilt", rideCommonFile(state_.ride));
    else clearCommandStatus();
    return result;
}

}  // namespace zw
