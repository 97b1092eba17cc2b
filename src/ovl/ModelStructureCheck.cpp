#include "ovl/ModelStructureCheck.h"

#include "base/Dialogs.h"
#include "ovl/StructureInspection.h"

namespace zw {
namespace {

// At most this many findings are listed in one message; the rest are counted.
constexpr size_t kShownFindings = 20;

std::string listed(std::string_view heading, std::string_view modelName, const std::vector<StructureFinding>& findings,
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

}  // namespace

bool checkModelStructures(const ModelPair& model, std::string_view modelName, Dialogs& dialogs, Language language) {
    const StructureInspection inspection = inspectStructures(model);
    std::vector<StructureFinding> stops, warnings;
    for (const StructureFinding& f : inspection.findings) {
        const bool stop = f.severity == StructureSeverity::Error && !f.aboutLoaderTables;
        (stop ? stops : warnings).push_back(f);
    }
    if (!stops.empty()) {
        dialogs.showMessage(listed("modelStructureStop", modelName, stops, language));
        return false;
    }
    if (!warnings.empty()) dialogs.showMessage(listed("modelStructureWarning", modelName, warnings, language));
    return true;
}

}  // namespace zw
