#pragma once
// The car builder ("Wagen.ovls erstellen"): turns the car data record into the car pair
// <CarObjectName>.common.ovl / .unique.ovl in the folder <CarFolder><CarObjectName>.
//
// Build order:
//   1. the output folder, and the overwrite question when an earlier pair is there;
//   2. a new pair, and a block in part file 9 for the RideCars and the RideTrain;
//   3. the role checks (CarRoleChecks.h);
//   4. a RideCar for each role with a model of its own, FrontCar … LinkCar, each followed by its
//      seating list in a new block of part file 5 when the car has more than one seat (RideCar.h);
//   5. the RideTrain (RideTrain.h);
//   6. a new block in part file 9 and in part file 5, where the models go;
//   7. the models: for each role in order, part A then part B, the model pair named in the car data
//      is read from CarFolder with the car checks (ModelPairCarChecks.h), its structures checked
//      (ModelStructureCheck.h: faults stop the build, implausible values are a warning) and
//      re-emitted; a model named twice is read and checked once and re-emitted twice;
//   8. the assembly: the car LoaderTypeList, the include paths as the .unique header's references.
//
// Both output files are replaced together only after the whole pair was made; a build that stops
// leaves an earlier pair as it was.

#include <filesystem>
#include <functional>
#include <string>

#include "base/Messages.h"
#include "builders/BuildOutputFolder.h"

namespace zw {

class Dialogs;
class ModelPair;
class OvlWriter;
struct CarData;
struct Settings;

// Copies a model's structures into the pair under construction. Returns false when it stopped the
// build, its message shown.
using ModelReEmitter =
    std::function<bool(OvlWriter& writer, const ModelPair& model, const std::string& modelName, Dialogs& dialogs,
                       Language language)>;

struct CarBuildSteps {
    ModelReEmitter reEmitModel;  // must be set when the car data names a model
};

// The steps of this program.
CarBuildSteps defaultCarBuildSteps();

// The output folder and files of the car pair.
PairFiles carPairFiles(const CarData& car);
std::filesystem::path carOutputFolder(const CarData& car);
std::filesystem::path carCommonFile(const CarData& car);
std::filesystem::path carUniqueFile(const CarData& car);

// Builds the car pair. True when both output files were written, false when the build stopped (a
// refused overwrite, or a message shown).
bool buildCarPair(const CarData& car, const Settings& settings,
                  OvlWriter& writer, Dialogs& dialogs, const CarBuildSteps& steps = defaultCarBuildSteps());

}  // namespace zw
