// The main window's car data file commands.
#include "base/Dialogs.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

bool MainWindow::readCarFile() {
    const auto file = dialogs_.chooseFileToOpen(kCarDataFileFilter, state_.StartFolder);
    if (!file || !acceptsDataFileName(*file, DataFileKind::Car) || !readCarDataFile(state_, dialogs_, *file))
        return false;
    afterRead(DataFileKind::Car, *file, state_.car.CarObjectName);
    applyMoment(ButtonMoment::CarRead);
    return true;
}

bool MainWindow::rewriteCarFile() {
    if (!goOnDespiteReadErrors(DataFileKind::Car)) return false;
    if (!zw::rewriteCarFile(state_, dialogs_)) {
        clearCommandStatus();
        return false;
    }
    setCommandStatus("statusRewritten", carDataRewriteTarget(state_.car));
    applyMoment(ButtonMoment::CarRewritten);
    return true;
}

}  // namespace zw
