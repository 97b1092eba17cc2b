// The main window's ride data file commands.
#include "app/MainWindow.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"

namespace zw {

int MainWindow::CTRBahnDatenLesenButtonClick() {
    return runCommand([this] { return CTRBahnDatenLesenAuslagerung(state_, dialogs_); }, ButtonMoment::RideRead);
}

int MainWindow::CTRBahnDatenSchreibenButtonClick() {
    return runCommand([this] { return CTRBahnDatenSchreibenAuslagerung(state_, dialogs_); },
                      ButtonMoment::RideRewritten);
}

}  // namespace zw
