#include "builders/CarBuilder.h"

#include <map>
#include <optional>
#include <vector>
#include <system_error>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "builders/BuildOutputFolder.h"
#include "builders/CarPairLayout.h"
#include "builders/CarRoleChecks.h"
#include "builders/PairBuild.h"
#include "builders/RideCar.h"
#include "builders/RideTrain.h"
#include "datafiles/CarData.h"
#include "ovl/ModelPairCarChecks.h"
#include "ovl/ModelStructureCheck.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

// The namings of models in build order: for each role, part A then part B.
std::vector<const std::string*> modelNamings(const CarData& car) {
    std::vector<const std::string*> namings;
    for (CarRole role : kCarRoles) {
        const CarRoleData& r = car.role(role);
        for (const std::string* modelName : {&r.ModelNamePartA, &r.ModelNamePartB}) {
            if (!modelName->empty()) namings.push_back(modelName);
        }
    }
    return namings;
}

// The model pairs of one build, each read and checked once however many roles name it (by the same
// name, as written in the car data), so a model named twice is re-emitted twice from one reading.
// The part files refer to the models' data, so they are kept until the pair has been assembled.
class ModelsOfTheBuild {
public:
    explicit ModelsOfTheBuild(const CarData& car) : car_(car) {}

    // Reads and checks every model the car names, before anything is written: false after a message.
    bool read(Report& report) {
        for (const std::string* modelName : modelNamings(car_)) {
            if (models_.count(*modelName) > 0) continue;
            std::optional<ModelPair> model = readCarModelPair(car_.CarFolder, *modelName, report);
            if (!model || !checkModelStructures(*model, *modelName, report)) return false;
            models_.emplace(*modelName, std::move(*model));
        }
        return true;
    }

    // Step 7: for each naming in order, the model re-emitted from its one reading.
    bool emit(OvlWriter& writer, Report& report, const CarBuildSteps& steps) const {
        for (const std::string* modelName : modelNamings(car_)) {
            try {
                if (!steps.reEmitModel(writer, models_.at(*modelName), *modelName, report)) return false;
            } catch (const BinaryReadError& fault) {
                // An address inside the model that leads outside it.
                reportModelPairFault(fault, report);
                return false;
            }
        }
        return true;
    }

private:
    const CarData& car_;
    std::map<std::string, ModelPair> models_;
};

// The checks before anything is written: the roles, then the models.
bool checkCar(const CarData& car, ModelsOfTheBuild& models, Report& report) {
    if (const std::optional<CarRoleCheckFailure> failed = failedCarRoleCheck(car)) {
        if (failed->argument.empty()) {
            report.message(failed->messageId);
        } else {
            report.message(failed->messageId, {failed->argument});
        }
        return false;
    }
    return models.read(report);
}

// Steps 3 to 8, into the begun pair: the pair's contents for the assembly.
std::optional<OvlPairContents> writeCarPair(const CarData& car, const ModelsOfTheBuild& models,
                                            const Settings& settings, OvlWriter& writer, Report& report,
                                            const CarBuildSteps& steps) {
    writer.startBlock(OvlPart::UniqueStructures);
    for (CarRole role : kCarRoles) {
        if (hasOwnRideCar(car.role(role))) writeRideCar(writer, car, role, settings.AddOnsEnabled);
    }
    writeRideTrain(writer, car);

    writer.startBlock(OvlPart::UniqueStructures);
    writer.startBlock(OvlPart::CommonStructures);
    if (!models.emit(writer, report, steps)) return std::nullopt;

    OvlPairContents contents;
    contents.loaderTypes = carLoaderTypeList();
    contents.uniqueReferences = carUniqueReferences(car);
    return contents;
}

}  // namespace

PairFiles carPairFiles(const CarData& car) { return pairFilesIn(car.CarFolder, car.CarObjectName); }
std::filesystem::path carOutputFolder(const CarData& car) { return carPairFiles(car).folder; }
std::filesystem::path carCommonFile(const CarData& car) { return carPairFiles(car).common; }
std::filesystem::path carUniqueFile(const CarData& car) { return carPairFiles(car).unique; }

Result<PairFiles> buildCarPair(const CarData& car, const Settings& settings, OvlWriter& writer,
                               const Answers& answers, const CarBuildSteps& steps) {
    ModelsOfTheBuild models(car);
    const PairBuild build{
        PairKind::Car, car.CarFolder, car.CarObjectName,
        [&](Report& report) { return checkCar(car, models, report); },
        [&](Report& report) { return writeCarPair(car, models, settings, writer, report, steps); }};
    return buildPair(build, settings, writer, answers);
}

}  // namespace zw
