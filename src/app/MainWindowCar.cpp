// The main window's car data file commands.
#include "app/MainWindow.h"
#include "datafiles/CarDataCommands.h"

namespace zw {

bool MainWindow::CTRWagenDatenLesenButtonClick() {
    if (!CTRWagenDatenLesenAuslagerung(state_, dialogs_)) return false;
    applyMoment(ButtonMoment::CarRead);
    return true;
}

bool MainWindow::CTRWagenDatenSchreibenButtonClick() {
    if (!CTRWagenDatenSchreibenAuslagerung(state_, dialogs_)) return false;
    applyMoment(ButtonMoment::CarRewritten);
    return true;
}

}  // namespace zw
