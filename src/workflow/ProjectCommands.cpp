#include "workflow/ProjectCommands.h"

#include "base/Dialogs.h"
#include "builders/CarBuilder.h"
#include "builders/RideBuilder.h"
#include "datafiles/CarDataCommands.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "workflow/ProjectState.h"

namespace zw {

int CTRBahnDatenLesenAuslagerung(ProjectState& state, Dialogs& dialogs) {
    const auto file = dialogs.chooseFileToOpen(kRideDataFileFilter, state.StartFolder);
    if (!file) return 0;
    return readRideDataFile(*file, state.dataFiles, state.lookupResults, state.ride, dialogs,
                            languageOf(state.settings.UseEnglish));
}

int CTRBahnDatenSchreibenAuslagerung(const ProjectState& state, Dialogs& dialogs) {
    return rewriteRideDataFile(state.ride, state.settings, dialogs);
}

bool readCarDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& path) {
    return readCarDataFile(path, state.dataFiles, state.lookupResults, state.car, state.settings, dialogs);
}

bool CTRWagenDatenSchreibenAuslagerung(const ProjectState& state, Dialogs& dialogs) {
    return rewriteCarDataFile(state.car, state.settings, dialogs);
}

int BahnOVLsErstellenAuslagerung(ProjectState& state, Dialogs& dialogs) {
    return BahnOVLsErstellenAuslagerung(state.ride, state.settings, state.TempFolder, state.ovlWriter, dialogs);
}

int WagenOVLsErstellenAuslagerung(ProjectState& state, Dialogs& dialogs) {
    return WagenOVLsErstellenAuslagerung(state.car, state.settings, state.TempFolder, state.ovlWriter, dialogs);
}

}  // namespace zw
