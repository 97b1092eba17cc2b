#pragma once
// Reading back what was emitted into an OVL writer, for tests that check structures field by field:
// plain words, pointer slots (with their relocation), string slots, symbol reference slots, and the
// symbol, loader and symbol-reference entries of the pair under construction.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <optional>
#include <string>
#include <vector>

#include "ovl/OvlWriter.h"

namespace zw::test {

// The word a float is written as.
inline uint32_t floatBits(float value) { return std::bit_cast<uint32_t>(value); }

struct OvlWriterProbe {
    const OvlWriter& writer;

    uint32_t word(OvlPart part, uint32_t position) const { return writer.partFile(part).wordAt(position); }
    std::string bytes(OvlPart part, uint32_t position, size_t count) const {
        return writer.partFile(part).bytes().substr(position, count);
    }
    bool relocated(OvlPart part, uint32_t position) const {
        const auto& r = writer.partFile(part).relocations();
        return std::find(r.begin(), r.end(), position) != r.end();
    }

    // The target of the pointer slot at `position`; the slot must be a recorded relocation.
    OvlPointer pointer(OvlPart part, uint32_t position) const {
        EXPECT_TRUE(relocated(part, position)) << "no relocation at " << position << " of part file " << partNumber(part);
        const uint32_t number = word(part, position);
        if (number == 0 || number > writer.pointers().size()) {
            ADD_FAILURE() << "no pointer number at " << position << " of part file " << partNumber(part);
            return {};
        }
        return writer.pointers()[number - 1];
    }
    // True when the slot at `position` points to (targetPart, targetOffset).
    bool pointsTo(OvlPart part, uint32_t position, OvlPart targetPart, uint32_t targetOffset) const {
        const OvlPointer p = pointer(part, position);
        return p.targetPart == targetPart && p.targetOffset == targetOffset;
    }

    // The name a string slot points to.
    std::string string(OvlPart part, uint32_t position) const {
        const OvlPointer p = pointer(part, position);
        EXPECT_EQ(p.targetPart, OvlPart::StringTable);
        return std::string(writer.stringTable().text().c_str() + p.targetOffset);
    }

    struct Reference {
        uint32_t entry = 0;  // position in part file 8
        std::string name;
        OvlPointer loader;
    };
    // The symbol references whose slot is (part, position), in recording order.
    std::vector<Reference> referencesAt(OvlPart part, uint32_t position) const {
        std::vector<Reference> found;
        for (uint32_t e = 0; e + 12 <= writer.end(OvlPart::SymbolReferences); e += 12) {
            const OvlPointer slot = pointer(OvlPart::SymbolReferences, e);
            if (slot.targetPart != part || slot.targetOffset != position) continue;
            found.push_back({e, string(OvlPart::SymbolReferences, e + 4), pointer(OvlPart::SymbolReferences, e + 8)});
        }
        return found;
    }
    // The name of the one reference made for the slot (which must hold 0), or "" with a failure.
    std::string reference(OvlPart part, uint32_t position) const {
        EXPECT_EQ(word(part, position), 0u) << "reference slot " << position << " of part file " << partNumber(part);
        EXPECT_FALSE(relocated(part, position)) << "reference slot " << position << " is relocated";
        const std::vector<Reference> refs = referencesAt(part, position);
        if (refs.size() != 1) {
            ADD_FAILURE() << refs.size() << " references at " << position << " of part file " << partNumber(part);
            return "";
        }
        return refs[0].name;
    }

    struct Symbol {
        std::string name;
        OvlPointer structure;
        uint32_t third = 0;
        uint32_t position = 0;
    };
    // The symbol entries of part file 3 (common) or 6 (unique), in writing order.
    std::vector<Symbol> symbols(OvlPart part) const {
        std::vector<Symbol> out;
        for (uint32_t e = 0; e + 12 <= writer.end(part); e += 12) {
            out.push_back({string(part, e), pointer(part, e + 4), word(part, e + 8), e});
        }
        return out;
    }
    struct Loader {
        uint32_t type = 0;
        OvlPointer structure;
        uint32_t extraData = 0;
        OvlPointer symbol;
        uint32_t references = 0;
        uint32_t position = 0;
    };
    // The loader entries of part file 4 (common) or 7 (unique), in writing order.
    std::vector<Loader> loaders(OvlPart part) const {
        std::vector<Loader> out;
        for (uint32_t e = 0; e + 20 <= writer.end(part); e += 20) {
            out.push_back({word(part, e), pointer(part, e + 4), word(part, e + 8), pointer(part, e + 12),
                           word(part, e + 16), e});
        }
        return out;
    }
};

}  // namespace zw::test
