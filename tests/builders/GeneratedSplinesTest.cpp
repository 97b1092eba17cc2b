// The ride pair's generated splines, word by word from the field table.

#include <gtest/gtest.h>

#include <vector>

#include "base/Report.h"
#include "builders/GeneratedSplines.h"
#include "ovl/OvlWriter.h"
#include "support/OvlWriterProbe.h"

namespace zw {
namespace {

using test::floatBits;

TEST(GeneratedSplines, TwoCopiesOfTheFixedSplineWithSymbolsAndLoaders) {
    Report report;
    OvlWriter writer;
    writer.beginPair(report);
    writer.startBlock(OvlPart::CommonStructures);
    writer.into(OvlPart::CommonStructures).word(0xAAAAAAAA);  // an earlier block of part file 5
    makeGeneratedSplines(writer, 2);
    const test::OvlWriterProbe probe{writer};

    const OvlPartFile& structures = writer.partFile(OvlPart::CommonStructures);
    ASSERT_EQ(structures.blocks().size(), 2u);
    EXPECT_EQ(structures.blocks()[1].offset, 4u);
    EXPECT_EQ(structures.blocks()[1].size, 496u);

    // Node vectors and segment lengths as the table gives them.
    const std::vector<float> nodes = {0.25f, 0, 0.87f, -0.17f, 0, 0, 0, 0, -0.29f,   //
                                      0.25f, 0, 0, 0, 0, 0.29f, -0.17f, 0, 0,       //
                                      -0.26f, 0, 0, 0.17f, 0, 0, 0, 0, 0.29f,       //
                                      -0.26f, 0, 0.87f, 0, 0, -0.29f, 0.17f, 0, 0};
    for (uint32_t start : {4u, 252u}) {
        SCOPED_TRACE(start);
        EXPECT_EQ(probe.word(OvlPart::CommonStructures, start + 0), 4u);
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, start + 4).targetPart, OvlPart::CommonStructures);
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, start + 4).targetOffset, start + 32);
        EXPECT_EQ(probe.word(OvlPart::CommonStructures, start + 8), 1u);
        EXPECT_EQ(probe.word(OvlPart::CommonStructures, start + 12), floatBits(2.76f));
        EXPECT_EQ(probe.word(OvlPart::CommonStructures, start + 16), floatBits(0.36f));
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, start + 20).targetOffset, start + 176);
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, start + 24).targetOffset, start + 192);
        EXPECT_EQ(probe.word(OvlPart::CommonStructures, start + 28), 0u);
        for (uint32_t i = 0; i < nodes.size(); ++i) EXPECT_EQ(probe.word(OvlPart::CommonStructures, start + 32 + 4 * i), floatBits(nodes[i])) << i;
        const float lengths[] = {0.87f, 0.51f, 0.87f, 0.51f};
        for (uint32_t k = 0; k < 4; ++k) EXPECT_EQ(probe.word(OvlPart::CommonStructures, start + 176 + 4 * k), floatBits(lengths[k]));
        for (uint32_t k = 0; k < 4; ++k) {
            for (uint32_t b = 0; b < 14; ++b) {
                EXPECT_EQ(static_cast<uint8_t>(structures.bytes()[start + 192 + 14 * k + b]), 17 * (b + 1));
            }
        }
    }
    EXPECT_EQ(structures.bytes().size(), 500u);

    // Symbols "carcar:spl" then "tracktrack:spl", each with a loader of type 2.
    EXPECT_EQ(writer.partFile(OvlPart::CommonSymbols).end(), 24u);
    EXPECT_EQ(probe.string(OvlPart::CommonSymbols, 0), "carcar:spl");
    EXPECT_EQ(probe.pointer(OvlPart::CommonSymbols, 4).targetOffset, 4u);
    EXPECT_EQ(probe.word(OvlPart::CommonSymbols, 8), 1u);
    EXPECT_EQ(probe.string(OvlPart::CommonSymbols, 12), "tracktrack:spl");
    EXPECT_EQ(probe.pointer(OvlPart::CommonSymbols, 16).targetOffset, 252u);
    for (uint32_t loader : {0u, 20u}) {
        EXPECT_EQ(probe.word(OvlPart::CommonLoaders, loader), 2u);
        EXPECT_EQ(probe.pointer(OvlPart::CommonLoaders, loader + 4).targetOffset, loader == 0 ? 4u : 252u);
        EXPECT_EQ(probe.word(OvlPart::CommonLoaders, loader + 8), 0u);
        EXPECT_EQ(probe.pointer(OvlPart::CommonLoaders, loader + 12).targetPart, OvlPart::CommonSymbols);
        EXPECT_EQ(probe.pointer(OvlPart::CommonLoaders, loader + 12).targetOffset, loader == 0 ? 0u : 12u);
        EXPECT_EQ(probe.word(OvlPart::CommonLoaders, loader + 16), 0u);
    }
    EXPECT_TRUE(report.messages().empty());
}

}  // namespace
}  // namespace zw
