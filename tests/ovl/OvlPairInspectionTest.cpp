#include <gtest/gtest.h>

#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"
#include "support/SampleOvlPair.h"

namespace zw {
namespace {

// File offsets of the sample pair's fields are given in SampleOvlPair.h.
void setWord(std::string& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes.at(offset + i) = static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct Inspect : ::testing::Test {
    OvlPairBytes pair = test::sampleOvlPair();
    std::vector<std::string> violations() {
        OvlPairReader reader(pair.common, "P.common.ovl", pair.unique, "P.unique.ovl");
        return inspectOvlPair(reader, Language::English).violations;
    }
};

TEST_F(Inspect, ReadsWhatTheWriterWrites) {
    OvlPairReader reader(pair.common, "P.common.ovl", pair.unique, "P.unique.ovl");
    EXPECT_EQ(reader.addressSpaceSize(), 169u);
    ASSERT_TRUE(reader.locate(157));
    EXPECT_EQ(reader.locate(157)->file, OvlFileKind::Unique);
    EXPECT_EQ(reader.locate(157)->fileOffset, 160u);
    EXPECT_EQ(reader.locate(31)->fileOffset, 139u);  // the second data block
    EXPECT_FALSE(reader.locate(169));
    EXPECT_EQ(reader.wordAt(97), 7u);
    EXPECT_FALSE(reader.wordAt(167));  // only two bytes left
    EXPECT_EQ(reader.stringAt(10), "beta:ab");
    EXPECT_FALSE(reader.stringAt(27));  // past the string table
    EXPECT_EQ(reader.addressSpaceBytes().substr(27, 6), "PIX1QQ");
    ASSERT_EQ(reader.common().extraData.size(), 1u);
    EXPECT_EQ(reader.common().data(reader.common().extraData[0]), "EX");
    ASSERT_EQ(reader.symbolReferences().size(), 1u);
    EXPECT_EQ(reader.symbolReferences()[0].slotAddress, 161u);
    EXPECT_EQ(reader.unique().header.references, std::vector<std::string>{"R1"});

    const OvlPairInspection inspection = inspectOvlPair(reader, Language::English);
    EXPECT_TRUE(inspection.violations.empty());
    for (const char* line : {"P.common.ovl\n", "magic FGRK, reserved 0, version 1, spare 0\n", "    1: FGDK Cd 2 cd\n",
                             "block counts: 3 0 2 0 1 0 0 0 0\n", "    type 0 block 3: 2 bytes at address 31\n",
                             "    1: beta:ab, structure 109, loader type 0 (Ab)\n",
                             "    1: type 0, structure 97, extra data 0, symbol 45 (zeta:ab), references 0\n",
                             "  relocations: 10\n", "  extra data: 2 bytes\n", "    R1\n",
                             "    1: Alpha:cd, structure 157, loader type 1 (Cd)\n",
                             "  symbol references: 1\n    1: slot 161 -> zeta:ab, loader 125\n", "  relocations: 9\n",
                             "address space: 169 bytes\n"}) {
        EXPECT_NE(inspection.listing.find(line), std::string::npos) << line << inspection.listing;
    }
}

TEST_F(Inspect, RejectsRelocationsThatLeadOutside) {
    setWord(pair.common, 237 + 4 * 9, 10000);  // relocation 10
    setWord(pair.common, 237, 157);            // relocation 1: a slot of the .unique file
    setWord(pair.unique, 176 + 4 * 8, 167);    // relocation 9: only 2 bytes of a block left
    EXPECT_EQ(violations(), (std::vector<std::string>{
        "P.common.ovl: relocation 1 names the slot at address 157 in the other file.",
        "P.common.ovl: relocation 10 names the slot at address 10000, which does not lie wholly in one block of the address space.",
        "P.unique.ovl: relocation 9 names the slot at address 167, which does not lie wholly in one block of the address space."}));

    pair = test::sampleOvlPair();
    setWord(pair.common, 225, 169);  // the pointer at address 105 to one byte past the end
    EXPECT_EQ(violations(), std::vector<std::string>{
        "P.common.ovl: relocation 10: the slot at address 105 holds 169, outside the address space (169 bytes)."});
}

TEST_F(Inspect, RejectsUnsortedSymbolsAndLoadersThatLoseTheirSymbol) {
    setWord(pair.common, 145, 0);       // symbol 1 now named "zeta:ab"
    setWord(pair.common, 157, 10);      // symbol 2 now named "beta:ab"
    setWord(pair.common, 173 + 4, 109);  // loader 1's structure
    setWord(pair.common, 173 + 20 + 12, 46);  // loader 2's symbol field between two entries
    setWord(pair.unique, 120, 5);       // the unique loader's type
    EXPECT_EQ(violations(), (std::vector<std::string>{
        "P.common.ovl: the symbol table is not sorted: \"zeta:ab\" stands before \"beta:ab\".",
        "P.common.ovl: loader 1 names structure 109, but its symbol \"beta:ab\" names structure 97.",
        "P.common.ovl: loader 2: its symbol field 46 leads to no symbol entry of this file.",
        "P.unique.ovl: loader 1 has loader type 5, but the file lists only 2 loader types."}));
}

TEST_F(Inspect, RejectsReferencesWhoseSlotOrLoaderIsWrong) {
    setWord(pair.unique, 164, 7);  // the reference slot at address 161
    EXPECT_EQ(violations(), std::vector<std::string>{
        "P.unique.ovl: symbol reference 1 (\"zeta:ab\"): the slot at address 161 holds 7 instead of 0."});

    pair = test::sampleOvlPair();
    setWord(pair.unique, 136, 2);  // the loader's reference count
    EXPECT_EQ(violations(), std::vector<std::string>{"P.unique.ovl: loader 1 counts 2 symbol references, but 1 name it."});

    pair = test::sampleOvlPair();
    setWord(pair.unique, 152, 124);  // the reference's loader
    EXPECT_EQ(violations(), (std::vector<std::string>{
        "P.unique.ovl: loader 1 counts 1 symbol references, but 0 name it.",
        "P.unique.ovl: symbol reference 1 (\"zeta:ab\"): 124 is no loader entry of the .unique file."}));
}

TEST_F(Inspect, RejectsAWrongMagicOrVersionAndRefusesATruncatedFile) {
    setWord(pair.unique, 8, 2);
    EXPECT_EQ(violations(), std::vector<std::string>{"P.unique.ovl: version 2 instead of 1."});
    setWord(pair.unique, 8, 1);
    pair.common[3] = 'X';
    EXPECT_EQ(violations(), std::vector<std::string>{"P.common.ovl: does not start with FGRK."});
    pair.common[3] = 'K';

    pair.common.resize(200);  // inside the loader table
    try {
        violations();
        FAIL() << "a truncated file was read";
    } catch (const BinaryReadError& e) {
        EXPECT_EQ(e.source, "P.common.ovl");
    }
    // A relocation count that runs past the end is refused before anything is reserved for it;
    // a reader that needs only the blocks does not look at it.
    pair = test::sampleOvlPair();
    setWord(pair.unique, 172, 0xFFFFFFF0);
    EXPECT_THROW(violations(), BinaryReadError);
    const OvlFile blocksOnly = readOvlFile(pair.unique, "P.unique.ovl", OvlFileExtent::UpToBlocks);
    EXPECT_EQ(blocksOnly.blocks.size(), 4u);
    EXPECT_TRUE(blocksOnly.relocations.empty());
}

TEST(OvlPairPaths, AcceptsThePairNameOrEitherFile) {
    for (const char* given : {"dir/CTR_X", "dir/CTR_X.common.ovl", "dir/CTR_X.unique.ovl"}) {
        const OvlPairPaths paths = ovlPairPaths(given);
        EXPECT_EQ(paths.common, std::filesystem::path("dir/CTR_X.common.ovl")) << given;
        EXPECT_EQ(paths.unique, std::filesystem::path("dir/CTR_X.unique.ovl")) << given;
    }
    EXPECT_EQ(ovlPairPaths("a.b").common, std::filesystem::path("a.b.common.ovl"));
}

}  // namespace
}  // namespace zw
