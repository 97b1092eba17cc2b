#include "workflow/ProjectCommands.h"

#include "base/Dialogs.h"
#include "builders/CarBuilder.h"
#include "builders/RideBuilder.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
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
    return readRideDataFile(state, dialogs, *file);
}

bool readRideDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& file) {
    Result<RideData> read = readRideDataFile(file, state.dataFiles, state.lookupResults);
    showReport(dialogs, languageOf(state.settings.UseEnglish), read.report);
    if (!read) return false;
    state.ride = std::move(*read.value);
    return true;
}

bool rewriteRideFile(const ProjectState& state, Dialogs& dialogs) {
    return runAsking(dialogs, languageOf(state.settings.UseEnglish), [&](const Answers& answers) {
        return rewriteRideDataFile(state.ride, state.settings, answers);
    }).value.has_value();
}

bool readCarDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& path) {
    Result<CarData> read = readCarDataFile(path, state.dataFiles, state.lookupResults, state.settings);
    showReport(dialogs, languageOf(state.settings.UseEnglish), read.report);
    if (!read) return false;
    state.car = std::move(*read.value);
    return true;
}

bool rewriteCarFile(const ProjectState& state, Dialogs& dialogs) {
    return runAsking(dialogs, languageOf(state.settings.UseEnglish), [&](const Answers& answers) {
        return rewriteCarDataFile(state.car, state.settings, answers);
    }).value.has_value();
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
