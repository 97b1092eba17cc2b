#pragma once
// The pair inspector: a listing of what an OVL pair holds, and a check of what makes it loadable.
//
// Listed: each file's header, references, loader types and block table; symbols (name, structure
// address, loader type), loaders, symbol references and the number of relocations.
// Checked: every relocation names a slot that lies wholly in one block of its own file and holds an
// address inside the address space; symbol tables are in name order; each loader's symbol entry
// names the loader's structure; symbol reference slots hold 0 and each loader counts the references
// that name it; loader types exist; the table blocks are there and hold whole entries. Then every
// structure whose kind is known is decoded and checked (StructureInspection.h): its errors join the
// violations, its notes are kept apart.

#include <string>
#include <vector>

#include "base/Messages.h"
#include "ovl/OvlPairReader.h"

namespace zw {

struct OvlPairInspection {
    std::string listing;                  // UTF-8, one item per line
    std::string structures;               // UTF-8: every structure field by field
    std::vector<std::string> violations;  // one message per violation, in the language asked for
    std::vector<std::string> notes;       // implausible values the game reads without harm
};

OvlPairInspection inspectOvlPair(const OvlPairReader& pair, Language language);
// The violations and notes alone, the listings left empty, for a caller that checks pair after pair:
// the structures are read where they lie in the pair's files (StructureSpace::inPlace), nothing copied.
OvlPairInspection checkOvlPair(const OvlPairReader& pair, Language language);

}  // namespace zw
