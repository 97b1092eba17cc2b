#include "workflow/ProjectCommands.h"

#include "base/Dialogs.h"
#include "builders/CarBuilder.h"
#include "builders/RideBuilder.h"
#include "datafiles/CarDataCommands.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "workflow/ProjectState.h"
#include "workflow/ReportShowing.h"

namespace zw {

bool chooseAndReadRideFile(ProjectState& state, Dialogs& dialogs) {
    return chooseAndReadRideFile(state, dialogs, state.StartFolder);
}

bool chooseAndReadRideFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& initialFolder) {
    const auto file = dialogs.chooseFileToOpen(kRideDataFileFilter, initialFolder);
    if (!file) return false;
    return readRideDataFile(*file, state.dataFiles, state.lookupResults, state.ride, dialogs,
                            languageOf(state.settings.UseEnglish));
}

bool rewriteRideFile(const ProjectState& state, Dialogs& dialogs) {
    return rewriteRideDataFile(state.ride, state.settings, dialogs);
}

bool readCarDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& path) {
    return readCarDataFile(path, state.dataFiles, state.lookupResults, state.car, state.settings, dialogs);
}

bool rewriteCarFile(const ProjectState& state, Dialogs& dialogs) {
    return rewriteCarDataFile(state.car, state.settings, dialogs);
}

bool buildRidePair(ProjectState& state, Dialogs& dialogs) {
    return bool(runAsking(dialogs, languageOf(state.settings.UseEnglish), [&](const Answers& answers) {
        return buildRidePair(state.ride, state.settings, state.ovlWriter, answers);
    }));
}

bool buildCarPair(ProjectState& state, Dialogs& dialogs) {
    return bool(runAsking(dialogs, languageOf(state.settings.UseEnglish), [&](const Answers& answers) {
        return buildCarPair(state.car, state.settings, state.ovlWriter, answers);
    }));
}

}  // namespace zw
