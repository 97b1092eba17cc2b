#pragma once
// Reading back what a builder left in the OVL writer: words, pointer slots and symbols of the pair
// under construction, for tests that check structures word by word.

#include <gtest/gtest.h>

#include <bit>
#include <string>

#include "ovl/OvlWriter.h"

namespace zw::test {

inline uint32_t floatBits(float value) { return std::bit_cast<uint32_t>(value); }

struct WriterProbe {
    const OvlWriter& writer;

    uint32_t word(int part, uint32_t position) const { return writer.partFile(part).wordAt(position); }

    // The target of the pointer slot at `position` of `part`; the slot must be a recorded relocation.
    OvlPointer pointer(int part, uint32_t position) const {
        const auto& relocations = writer.partFile(part).relocations();
        EXPECT_NE(std::find(relocations.begin(), relocations.end(), position), relocations.end())
            << "no relocation at " << position << " of part " << part;
        const uint32_t number = word(part, position);
        if (number == 0 || number > writer.pointers().size()) {
            ADD_FAILURE() << "no pointer number at " << position;
            return {};
        }
        return writer.pointers()[number - 1];
    }

    // The name of the string slot at `position` of `part`.
    std::string string(int part, uint32_t position) const {
        const OvlPointer p = pointer(part, position);
        EXPECT_EQ(p.targetPart, part::StringTable);
        const std::string& text = writer.stringTable().text();
        return std::string(text.c_str() + p.targetOffset);
    }
};

}  // namespace zw::test
