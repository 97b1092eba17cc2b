// The main window's car build command.
#include "app/MainWindow.h"
#include "builders/CarBuilder.h"

namespace zw {

int MainWindow::WagenOVLsErstellenButtonClick() {
    return runCommand([this] { return WagenOVLsErstellenAuslagerung(state_, dialogs_); }, ButtonMoment::CarBuilt);
}

}  // namespace zw
