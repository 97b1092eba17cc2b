#pragma once
// A finding of the structure checks: one line naming the file, the structure (its kind, symbol and
// record), the field's offset, name and value, and what is wrong with it.
//
// An error is what makes the game read outside the pair, outside a block or past the end of a text,
// or file a structure under a loader of another kind; a note is an implausible value that the game
// reads without harm to the rest of the pair.

#include <cstdint>
#include <string>
#include <vector>

#include "base/Messages.h"

namespace zw {

enum class StructureSeverity { Error, Note };

struct StructureFinding {
    StructureSeverity severity = StructureSeverity::Error;
    // About the pair's loader tables, not about a structure's content: a car build makes the
    // loaders of a model anew, so there it only warns.
    bool aboutLoaderTables = false;
    std::string file;       // the file whose tables list the structure (Windows-1252)
    std::string structure;  // e.g. BoneShape "BobShape1:bsh" mesh 2 (Windows-1252); empty for the file's tables
    uint32_t address = 0;   // of the structure or record
    uint32_t offset = 0;    // of the field within it
    std::string field;
    std::string value;      // as the listing shows it (Windows-1252)
    MessageId reason;       // what is wrong
    std::vector<std::string> reasonArgs;  // Windows-1252
};

// "<file>: <structure> at address <a>, offset <o> (<field>) = <value>: <reason>", with "note: "
// after the file for a note; "<file>: <reason>" for a finding about the file's tables.
std::string structureFindingLine(const StructureFinding& finding, Language language);

bool hasStructureErrors(const std::vector<StructureFinding>& findings);

}  // namespace zw
