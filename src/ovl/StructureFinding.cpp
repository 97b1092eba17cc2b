#include "ovl/StructureFinding.h"

#include <algorithm>

#include "base/Encoding.h"

namespace zw {

std::string structureFindingLine(const StructureFinding& finding, Language language) {
    std::string line = cp1252ToUtf8(finding.file) + ": ";
    if (finding.severity == StructureSeverity::Note) line += message("checkNotePrefix", language);
    if (!finding.structure.empty()) {
        line += message("structureFindingAt", language,
                        {finding.structure, std::to_string(finding.address), std::to_string(finding.offset),
                         finding.field, finding.value});
    }
    return line + messageWithArgs(finding.reason, language, finding.reasonArgs);
}

bool hasStructureErrors(const std::vector<StructureFinding>& findings) {
    return std::any_of(findings.begin(), findings.end(),
                       [](const StructureFinding& f) { return f.severity == StructureSeverity::Error; });
}

}  // namespace zw
