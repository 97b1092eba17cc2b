// The car build's steps that other parts of the program contribute: the model re-emission, with the
// car pair's loader types.
#include "base/Report.h"
#include "builders/CarBuilder.h"
#include "builders/CarPairLayout.h"
#include "ovl/ModelPair.h"
#include "ovl/ModelReEmission.h"
#include "ovl/OvlWriter.h"

namespace zw {

CarBuildSteps defaultCarBuildSteps() {
    CarBuildSteps steps;
    steps.reEmitModel = [](OvlWriter& writer, const ModelPair& model, const std::string& modelName, Report& report) {
        ModelLoaderTypes types;
        types.boneAnim = carLoaderType::BoneAnim;
        types.boneShape = carLoaderType::BoneShape;
        types.flexiTexture = carLoaderType::FlexiTexture;
        types.spline = carLoaderType::Spline;
        types.sceneryItemVisual = carLoaderType::SceneryItemVisual;
        return reEmitModel(writer, model, modelName, report, types);
    };
    return steps;
}

}  // namespace zw
