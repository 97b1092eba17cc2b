#include "ovl/ModelStructureCheck.h"

#include <vector>

#include "base/Report.h"
#include "ovl/ModelLayouts.h"
#include "ovl/ModelPair.h"
#include "ovl/StructureInspection.h"

namespace zw {
namespace {

// A copy holds the meshes without support; the game reads all of them.
constexpr uint32_t kShapeMeshes = model::kShape["meshes without support"];
constexpr uint32_t kShapeAllMeshes = model::kShape["mesh count"];
constexpr uint32_t kShapeBones = model::kShape["bone count"];
constexpr uint32_t kShapeHeaderSize = model::kShape.size;

// A BoneShape without meshes or bones stops the build with its own message (195, 196) before any
// other finding about the model, and so do two mesh counts that differ. False after the message.
struct ShapeCounts {
    const std::string* name;
    uint32_t meshes, allMeshes, bones;
};

// The counts of every BoneShape whose header lies in the model (the structure check names the others).
std::vector<ShapeCounts> shapeCounts(const ModelPair& model) {
    std::vector<ShapeCounts> out;
    for (const ModelSymbol& s : model.symbols()) {
        if (!hasTag(s.name, ":bsh") || uint64_t{s.dataAddress} + kShapeHeaderSize > model.helpData().size()) continue;
        out.push_back({&s.name, model.word(s.dataAddress + kShapeMeshes, s.file),
                       model.word(s.dataAddress + kShapeAllMeshes, s.file), model.word(s.dataAddress + kShapeBones, s.file)});
    }
    return out;
}

// A BoneShape without meshes or bones stops the build with its own message (195, 196) before any
// other finding about the model, and so do two mesh counts that differ. False after the message.
bool checkBoneShapeCounts(const ModelPair& model, std::string_view modelName, Report& report) {
    const std::vector<ShapeCounts> shapes = shapeCounts(model);
    for (const ShapeCounts& shape : shapes) {
        if (shape.meshes == 0 || shape.bones == 0) {
            report.message(shape.meshes == 0 ? MessageId("195") : MessageId("196"));
            return false;
        }
    }
    for (const ShapeCounts& shape : shapes) {
        if (shape.meshes != shape.allMeshes) {
            report.message("modelMeshCountsDiffer", {modelName, *shape.name, std::to_string(shape.meshes),
                                                      std::to_string(shape.allMeshes)});
            return false;
        }
    }
    return true;
}

// At most this many findings are listed in one message; the rest are counted.
constexpr size_t kShownFindings = 20;

std::string listed(MessageId heading, std::string_view modelName, const std::vector<StructureFinding>& findings,
                   Language language) {
    std::string text = message(heading, language, {modelName});
    for (size_t i = 0; i < findings.size() && i < kShownFindings; ++i) {
        text += "\r\n" + structureFindingLine(findings[i], language);
    }
    if (findings.size() > kShownFindings) {
        text += "\r\n" + message("checkFindingsMore", language, {std::to_string(findings.size() - kShownFindings)});
    }
    return text;
}

// The heading and the findings as one message, in the language it is shown in.
void reportListed(Report& report, MessageId heading, std::string_view modelName,
                  const std::vector<StructureFinding>& findings) {
    report.composed([heading, name = std::string(modelName), findings](Language language) {
        return listed(heading, name, findings, language);
    });
}

}  // namespace

bool checkModelStructures(const ModelPair& model, std::string_view modelName, Report& report) {
    if (!checkBoneShapeCounts(model, modelName, report)) return false;
    const StructureInspection inspection = inspectStructures(model);
    std::vector<StructureFinding> stops, warnings;
    for (const StructureFinding& f : inspection.findings) {
        const bool stop = f.severity == StructureSeverity::Error && !f.aboutLoaderTables;
        (stop ? stops : warnings).push_back(f);
    }
    if (!stops.empty()) {
        reportListed(report, "modelStructureStop", modelName, stops);
        return false;
    }
    if (!warnings.empty()) reportListed(report, "modelStructureWarning", modelName, warnings);
    return true;
}

}  // namespace zw
