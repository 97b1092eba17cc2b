// The main window's ride build command.
#include "app/MainWindow.h"
#include "builders/RideBuilder.h"

namespace zw {

int MainWindow::BahnOVLsErstellenButtonClick() {
    return runCommand([this] { return BahnOVLsErstellenAuslagerung(state_, dialogs_); }, ButtonMoment::RideBuilt);
}

}  // namespace zw
