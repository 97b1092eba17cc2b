// The main window's ride data file commands.
#include "base/Dialogs.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

int MainWindow::CTRBahnDatenLesenButtonClick() {
    return runCommand(
        [this] {
            const auto file = dialogs_.chooseFileToOpen(kRideDataFileFilter, state_.StartFolder);
            if (!file) return 0;
            if (readRideDataFile(*file, state_.dataFiles, state_.lookupResults, state_.ride, dialogs_,
                                 languageOf(state_.settings.UseEnglish)) != 1)
                return 0;
            afterRead(DataFileKind::Ride, *file, state_.ride.RideObjectName);
            return 1;
        },
        ButtonMoment::RideRead);
}

int MainWindow::CTRBahnDatenSchreibenButtonClick() {
    const int result = runCommand([this] { return CTRBahnDatenSchreibenAuslagerung(state_, dialogs_); },
                                  ButtonMoment::RideRewritten);
    if (result == 1) setCommandStatus("statusRewritten", rideDataRewriteTarget(state_.ride));
    else clearCommandStatus();
    return result;
}

}  // namespace zw
