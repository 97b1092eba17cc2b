#include "builders/CarBuilder.h"

#include <optional>
#include <system_error>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "builders/BuildOutputFolder.h"
#include "builders/CarPairLayout.h"
#include "builders/CarRoleChecks.h"
#include "builders/RideCar.h"
#include "builders/RideTrain.h"
#include "datafiles/CarData.h"
#include "ovl/ModelPairCarChecks.h"
#include "ovl/ModelStructureCheck.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

// Step 7 for one model name: read with the car checks, its structures checked, then re-emitted.
bool emitModel(const CarData& car, const std::string& modelName, OvlWriter& writer, Dialogs& dialogs,
               Language language, const CarBuildSteps& steps) {
    const std::optional<ModelPair> model = readCarModelPair(car.CarFolder, modelName, dialogs, language);
    if (!model) return false;
    if (!checkModelStructures(*model, modelName, dialogs, language)) return false;
    try {
        return steps.reEmitModel(writer, *model, modelName, dialogs, language);
    } catch (const BinaryReadError& fault) {
        // An address inside the model that leads outside it.
        showModelPairFault(fault, dialogs, language);
        return false;
    }
}

// Steps 3 to 10, into an output folder that is ready: true when the pair was written.
bool assembleCarPair(const CarData& car, const PairFiles& files, const Settings& settings,
                     const std::filesystem::path& TempFolder,
                 OvlWriter& writer, Dialogs& dialogs, const CarBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    if (!prepareBuildTempFolder(TempFolder, dialogs, language)) return false;
    writer.beginPair(dialogs, language);
    writer.startBlock(part::UniqueStructures);

    if (const std::optional<CarRoleCheckFailure> failed = failedCarRoleCheck(car)) {
        if (failed->argument.empty()) {
            dialogs.showMessage(message(failed->messageId, language));
        } else {
            dialogs.showMessage(message(failed->messageId, language, {failed->argument}));
        }
        return false;
    }

    for (CarRole role : kCarRoles) {
        if (hasOwnRideCar(car.role(role))) writeRideCar(writer, car, role, settings.AddOnsEnabled);
    }
    writeRideTrain(writer, car);

    writer.startBlock(part::UniqueStructures);
    writer.startBlock(part::CommonStructures);
    for (CarRole role : kCarRoles) {
        const CarRoleData& r = car.role(role);
        for (const std::string* modelName : {&r.ModelNamePartA, &r.ModelNamePartB}) {
            if (modelName->empty()) continue;
            if (!emitModel(car, *modelName, writer, dialogs, language, steps)) return false;
        }
    }

    OvlPairContents contents;
    contents.loaderTypes = carLoaderTypeList();
    contents.uniqueReferences = carUniqueReferences(car);
    if (!assemblePair(writer, contents, files.common, files.unique, dialogs, language,
                      {TempFolder / "_TempOVLHelp.ovl"})) {
        return false;
    }
    // Only an empty folder is removed: whatever else stands in it is not the build's.
    removeFile(TempFolder);
    return true;
}

}  // namespace

PairFiles carPairFiles(const CarData& car) { return pairFilesIn(car.CarFolder, car.CarObjectName); }
std::filesystem::path carOutputFolder(const CarData& car) { return carPairFiles(car).folder; }
std::filesystem::path carCommonFile(const CarData& car) { return carPairFiles(car).common; }
std::filesystem::path carUniqueFile(const CarData& car) { return carPairFiles(car).unique; }

bool buildCarPair(const CarData& car, const Settings& settings, const std::filesystem::path& TempFolder,
                  OvlWriter& writer, Dialogs& dialogs, const CarBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    const PairFiles files = carPairFiles(car);
    BuildOutputFolder output(files);
    if (!output.prepare(settings.OverwriteWithoutPrompt, "overwriteCarOvls",
                        dialogs, language)) {
        return false;
    }
    return output.runBuild([&] { return assembleCarPair(car, files, settings, TempFolder, writer, dialogs, steps); }, dialogs,
                           language);
}

}  // namespace zw
