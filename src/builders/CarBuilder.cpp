#include "builders/CarBuilder.h"

#include <optional>
#include <system_error>

#include "app/Dialogs.h"
#include "app/Encoding.h"
#include "app/ProjectState.h"
#include "app/Settings.h"
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

// Steps 3 to 10, into an output folder that is ready: 1 when the pair was written, else 0.
int buildCarPair(const CarData& car, const Settings& settings, const std::filesystem::path& TempFolder,
                 OvlWriter& writer, Dialogs& dialogs, const CarBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    if (!prepareBuildTempFolder(TempFolder, dialogs, language)) return 0;
    writer.beginPair(dialogs, language);
    writer.startBlock(part::UniqueStructures);

    if (const std::optional<CarRoleCheckFailure> failed = failedCarRoleCheck(car)) {
        if (failed->argument.empty()) {
            dialogs.showMessage(message(failed->messageId, language));
        } else {
            dialogs.showMessage(message(failed->messageId, language, {failed->argument}));
        }
        return 0;
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
            if (!emitModel(car, *modelName, writer, dialogs, language, steps)) return 0;
        }
    }

    OvlPairContents contents;
    contents.loaderTypes = carLoaderTypeList();
    contents.uniqueReferences = carUniqueReferences(car);
    if (!assemblePair(writer, contents, carCommonFile(car), carUniqueFile(car), dialogs, language,
                      {TempFolder / "_TempOVLHelp.ovl"})) {
        return 0;
    }
    // Only an empty folder is removed: whatever else stands in it is not the build's.
    std::error_code error;
    std::filesystem::remove(TempFolder, error);
    return 1;
}

}  // namespace

std::filesystem::path carOutputFolder(const CarData& car) { return car.CarFolder / pathFromCp1252(car.CarObjectName); }

std::filesystem::path carCommonFile(const CarData& car) {
    return carOutputFolder(car) / pathFromCp1252(car.CarObjectName + ".common.ovl");
}

std::filesystem::path carUniqueFile(const CarData& car) {
    return carOutputFolder(car) / pathFromCp1252(car.CarObjectName + ".unique.ovl");
}

int WagenOVLsErstellenAuslagerung(const CarData& car, const Settings& settings,
                                  const std::filesystem::path& TempFolder, OvlWriter& writer, Dialogs& dialogs,
                                  const CarBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    BuildOutputFolder output(carOutputFolder(car));
    if (!output.prepare(carCommonFile(car), carUniqueFile(car), settings.OverwriteWithoutPrompt, "overwriteCarOvls",
                        dialogs, language)) {
        return 0;
    }
    return output.runBuild([&] { return buildCarPair(car, settings, TempFolder, writer, dialogs, steps); }, dialogs,
                           language);
}

int WagenOVLsErstellenAuslagerung(ProjectState& state, Dialogs& dialogs) {
    return WagenOVLsErstellenAuslagerung(state.car, state.settings, state.TempFolder, state.ovlWriter, dialogs);
}

}  // namespace zw
