#include "ovl/ModelReEmission.h"

#include "base/Report.h"
#include "ovl/ModelPair.h"
#include "ovl/ModelReading.h"
#include "ovl/ModelSplineCopy.h"
#include "ovl/ModelStructureReEmission.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

// The BoneAnim that the Importer adds to every model as a template; it is not copied.
constexpr std::string_view kAnimationTemplate = "AnimationTemplate:ban";

}  // namespace

bool reEmitModel(OvlWriter& writer, const ModelPair& model, const std::string& modelName, Report& report,
                 const ModelLoaderTypes& loaderTypes) {
    const ModelReading reading(model);
    try {
        for (const ModelSymbol& s : model.symbols()) {
            if (hasTag(s.name, ":svd")) {
                reEmitSceneryItemVisual(writer, reading, s.dataAddress, modelName + ":svd", loaderTypes.sceneryItemVisual);
            }
        }
        for (const ModelSymbol& s : model.symbols()) {
            if (hasTag(s.name, ":bsh")) reEmitBoneShape(writer, reading, s.dataAddress, s.name, loaderTypes.boneShape);
        }
        writer.startBlock(OvlPart::CommonStructures);
        for (const ModelSymbol& s : model.symbols()) {
            if (hasTag(s.name, ":ban") && s.name != kAnimationTemplate) {
                reEmitBoneAnim(writer, reading, s.dataAddress, s.name, loaderTypes.boneAnim);
            }
        }
        writer.startBlock(OvlPart::CommonStructures);
        for (const ModelSymbol& s : model.symbols()) {
            if (hasTag(s.name, ":ftx")) reEmitFlexiTexture(writer, reading, s.dataAddress, s.name, loaderTypes.flexiTexture);
        }
        writer.startBlock(OvlPart::CommonStructures);
        for (const ModelSymbol& s : model.symbols()) {
            if (hasTag(s.name, ":spl")) {
                writer.makeSymbolAndLoader(OvlFileKind::Common, s.name, loaderTypes.spline);
                copyModelSpline(writer, model, s.dataAddress, s.file);
            }
        }
    } catch (const ModelReEmissionStop& stop) {
        report.message(stop.id, {stop.first, stop.second});
        return false;
    } catch (const BinaryReadError& fault) {
        reportModelPairFault(fault, report);
        return false;
    }
    return true;
}

}  // namespace zw
