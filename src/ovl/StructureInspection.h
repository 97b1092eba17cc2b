#pragma once
// The structure check of a pair: every structure whose kind is known is decoded field by field
// (StructureDecoders.h), and the loader tables are held against the symbols' tags: a symbol filed
// under a loader type of another tag is an error; a loader type whose tag some symbols carry but
// none of them is filed under is a note.
//
// A structure's kind is its loader type's; when its symbol's tag names another known kind, the
// structure is decoded as the tag says (that is what its maker meant, and what a car build copies).

#include <string>
#include <vector>

#include "base/Messages.h"
#include "ovl/StructureFinding.h"

namespace zw {

class ModelPair;
class OvlPairReader;
class StructureSpace;

struct StructureInspection {
    std::string listing;  // UTF-8, one line each
    std::vector<StructureFinding> findings;
};

StructureInspection inspectStructures(const StructureSpace& space);
StructureInspection inspectStructures(const OvlPairReader& pair);
// A model pair read for a car build (its symbol references read).
StructureInspection inspectStructures(const ModelPair& model);
// The findings alone, the listing left empty (a check of many pairs that shows no listing).
StructureInspection checkStructures(const StructureSpace& space);

}  // namespace zw
