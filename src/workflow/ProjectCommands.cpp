#include "workflow/ProjectCommands.h"

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "builders/CarBuilder.h"
#include "builders/RideBuilder.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "workflow/DataFileChecking.h"
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
    return showAndTake(dialogs, languageOf(state.settings.UseEnglish),
                       readRideDataFile(file, state.dataFiles, state.lookupResults), state.ride);
}

bool rewriteRideFile(const ProjectState& state, Dialogs& dialogs) {
    return runAsking(dialogs, languageOf(state.settings.UseEnglish), [&](const Answers& answers) {
        return rewriteRideDataFile(state.ride, state.settings, answers);
    }).value.has_value();
}

bool readCarDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& path) {
    return showAndTake(dialogs, languageOf(state.settings.UseEnglish),
                       readCarDataFile(path, state.dataFiles, state.lookupResults, state.settings), state.car);
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

std::vector<DataFileFinding> showReadFindings(DataFileKind kind, const ProjectState& state,
                                              const std::filesystem::path& file,
                                              const std::filesystem::path& executableFolder, Dialogs& dialogs) {
    std::vector<DataFileFinding> findings = checkReadDataFile(kind, state, executableFolder);
    if (!findings.empty()) {
        dialogs.showMessage(
            findingsMessage(displayName(file.filename()), findings, languageOf(state.settings.UseEnglish)));
    }
    return findings;
}

bool goOnDespiteReadErrors(std::size_t errors, Language language, Dialogs& dialogs) {
    if (errors == 0) return true;
    const std::string question = errors == 1 ? message("readErrorGoOn", language)
                                             : message("readErrorsGoOn", language, {std::to_string(errors)});
    return dialogs.askYesNoDefaultNo(message("warningCaption", language), question);
}

InstallOutcome installBuiltPairOf(CtrKind kind, const ProjectState& state, Dialogs& dialogs) {
    const bool car = kind == CtrKind::Car;
    const std::filesystem::path& dataFileFolder = car ? state.car.CarFolder : state.ride.DataFileFolder;
    const std::string& objectName = car ? state.car.CarObjectName : state.ride.RideObjectName;
    const InstallSettings settings = installSettingsOf(state.settings);
    return *runAsking(dialogs, settings.language, [&](const Answers& answers) {
                return installBuiltPair(kind, settings, dataFileFolder / pathFromCp1252(objectName), objectName,
                                        answers);
            }).value;
}

}  // namespace zw
