#include "builders/CarBuilder.h"

#include <map>
#include <optional>
#include <vector>
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

// The model pairs of one build, each read and checked once however many roles name it (by the same
// name, as written in the car data), so a model named twice is re-emitted twice from one reading.
class ModelsOfTheBuild {
public:
    ModelsOfTheBuild(const CarData& car, Dialogs& dialogs, Language language)
        : car_(car), dialogs_(dialogs), language_(language) {}

    // The model read with the car checks and its structures checked, or nullptr after a message.
    const ModelPair* get(const std::string& modelName) {
        if (const auto known = models_.find(modelName); known != models_.end()) return &known->second;
        std::optional<ModelPair> model = readCarModelPair(car_.CarFolder, modelName, dialogs_, language_);
        if (!model || !checkModelStructures(*model, modelName, dialogs_, language_)) return nullptr;
        return &models_.emplace(modelName, std::move(*model)).first->second;
    }

private:
    const CarData& car_;
    Dialogs& dialogs_;
    Language language_;
    std::map<std::string, ModelPair> models_;
};

// Step 7 for one naming of a model: re-emitted from its one reading.
bool emitModel(const std::string& modelName, ModelsOfTheBuild& models, OvlWriter& writer,
               Dialogs& dialogs, Language language, const CarBuildSteps& steps) {
    const ModelPair* model = models.get(modelName);
    if (model == nullptr) return false;
    try {
        return steps.reEmitModel(writer, *model, modelName, dialogs, language);
    } catch (const BinaryReadError& fault) {
        // An address inside the model that leads outside it.
        showModelPairFault(fault, dialogs, language);
        return false;
    }
}

// Step 7: for each role in order, part A then part B, the model it names. The part files refer to
// the models' data, so `models` is kept until the pair has been assembled.
bool emitModels(const CarData& car, ModelsOfTheBuild& models, OvlWriter& writer, Dialogs& dialogs, Language language,
                const CarBuildSteps& steps) {
    std::vector<const std::string*> namings;
    for (CarRole role : kCarRoles) {
        const CarRoleData& r = car.role(role);
        for (const std::string* modelName : {&r.ModelNamePartA, &r.ModelNamePartB}) {
            if (!modelName->empty()) namings.push_back(modelName);
        }
    }
    for (const std::string* modelName : namings) {
        if (!emitModel(*modelName, models, writer, dialogs, language, steps)) return false;
    }
    return true;
}

// Steps 3 to 10, into an output folder that is ready: true when the pair was written.
bool assembleCarPair(const CarData& car, const PairFiles& files, const Settings& settings,
                     OvlWriter& writer, Dialogs& dialogs, const CarBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    writer.beginPair(dialogs, language, car.CarObjectName);
    writer.startBlock(OvlPart::UniqueStructures);

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

    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    ModelsOfTheBuild models(car, dialogs, language);
    if (!emitModels(car, models, writer, dialogs, language, steps)) return false;

    OvlPairContents contents;
    contents.loaderTypes = carLoaderTypeList();
    contents.uniqueReferences = carUniqueReferences(car);
    return assemblePair(writer, contents, files.common, files.unique, dialogs, language);
}

}  // namespace

PairFiles carPairFiles(const CarData& car) { return pairFilesIn(car.CarFolder, car.CarObjectName); }
std::filesystem::path carOutputFolder(const CarData& car) { return carPairFiles(car).folder; }
std::filesystem::path carCommonFile(const CarData& car) { return carPairFiles(car).common; }
std::filesystem::path carUniqueFile(const CarData& car) { return carPairFiles(car).unique; }

bool buildCarPair(const CarData& car, const Settings& settings,
                  OvlWriter& writer, Dialogs& dialogs, const CarBuildSteps& steps) {
    const Language language = languageOf(settings.UseEnglish);
    const PairFiles files = carPairFiles(car);
    BuildOutputFolder output(files);
    if (!output.prepare(PairKind::Car, settings.OverwriteWithoutPrompt, dialogs, language)) {
        return false;
    }
    return output.runBuild([&] { return assembleCarPair(car, files, settings, writer, dialogs, steps); }, dialogs,
                           language);
}

}  // namespace zw
