#pragma once
// The car builder ("Wagen.ovls erstellen"): turns the car data record into the car pair
// <CarObjectName>.common.ovl / .unique.ovl in the folder <CarFolder><CarObjectName>.
//
// Build order (PairBuild.h runs the steps shared with the ride build: 1, the pair of 3, the writing
// of 8):
//   1. the output folder, and the overwrite question when an earlier pair is there;
//   2. the checks before anything is written: the role checks (CarRoleChecks.h), then for each
//      role in order, part A then part B, the model pair named in the car data read from CarFolder
//      with the car checks (ModelPairCarChecks.h) and its structures checked (ModelStructureCheck.h:
//      faults stop the build, implausible values are a warning); a model named twice is read and
//      checked once; then the folder made;
//   3. a new pair, and a block in part file 9 for the RideCars and the RideTrain;
//   4. a RideCar for each role with a model of its own, FrontCar … LinkCar, each followed by its
//      seating list in a new block of part file 5 when the car has more than one seat (RideCar.h);
//   5. the RideTrain (RideTrain.h);
//   6. a new block in part file 9 and in part file 5, where the models go;
//   7. the models re-emitted in the same order, a model named twice twice;
//   8. the assembly: the car LoaderTypeList, the include paths as the .unique header's references.
//
// Both output files are replaced together only after the whole pair was made; a build that stops
// leaves an earlier pair as it was.

#include <filesystem>
#include <functional>
#include <string>

#include "base/Messages.h"
#include "base/Report.h"
#include "builders/BuildOutputFolder.h"

namespace zw {

class ModelPair;
class OvlWriter;
struct CarData;
struct Settings;

// Copies a model's structures into the pair under construction. Returns false when it stopped the
// build, its message in `report`.
using ModelReEmitter =
    std::function<bool(OvlWriter& writer, const ModelPair& model, const std::string& modelName, Report& report)>;

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

// Builds the car pair: its files when both were written; otherwise the report tells why (a message,
// or the overwrite question not yet answered Yes in `answers`).
Result<PairFiles> buildCarPair(const CarData& car, const Settings& settings, OvlWriter& writer,
                               const Answers& answers, const CarBuildSteps& steps = defaultCarBuildSteps());

}  // namespace zw
