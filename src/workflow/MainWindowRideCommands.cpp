// The main window's ride data file commands.
#include "base/Dialogs.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

bool MainWindow::readRideFile() {
    return runCommand(
        [this] {
            const auto file = dialogs_.chooseFileToOpen(kRideDataFileFilter, state_.StartFolder);
            if (!file || !acceptsDataFileName(*file, DataFileKind::Ride)) return false;
            if (!readRideDataFile(state_, dialogs_, *file)) return false;
            afterRead(DataFileKind::Ride, *file, state_.ride.RideObjectName);
            return true;
        },
        ButtonMoment::RideRead);
}

bool MainWindow::rewriteRideFile() {
    if (!goOnDespiteReadErrors(DataFileKind::Ride)) return false;
    const bool result = runCommand([this] { return zw::rewriteRideFile(state_, dialogs_); },
                                   ButtonMoment::RideRewritten);
    if (result) setCommandStatus("statusRewritten", rideDataRewriteTarget(state_.ride));
    else clearCommandStatus();
    return result;
}

}  // namespace zw
