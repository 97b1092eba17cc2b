#include <gtest/gtest.h>

#include "base/SafeFile.h"
#include "ovl/OvlPairAssembly.h"
#include "ovl/OvlSymbolOrder.h"
#include "ovl/OvlWriter.h"
#include "support/GameFolderFixture.h"
#include "support/Reported.h"
#include "support/SampleOvlPair.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using namespace std::string_literals;

// Hand encoders for the expected bytes: little-endian words and shorts, short-prefixed texts.
std::string W(std::initializer_list<uint32_t> values) {
    std::string out;
    for (uint32_t v : values) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return out;
}
std::string T(const std::string& text) {
    return std::string{static_cast<char>(text.size() & 0xFF), static_cast<char>(text.size() >> 8)} + text;
}

uint32_t wordAt(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(bytes.at(at + i));
    return v;
}

// The relocation entries that end a file without extra data.
std::vector<uint32_t> trailingRelocations(const std::string& file, size_t count) {
    std::vector<uint32_t> out;
    const size_t start = file.size() - 4 * count;
    EXPECT_EQ(wordAt(file, start - 4), count);
    for (size_t i = 0; i < count; ++i) out.push_back(wordAt(file, start + 4 * i));
    return out;
}

struct OvlPairFixture : ::testing::Test {
    test::ScriptedDialogs dialogs;
    Report writerReport;
    OvlWriter w;
    OvlPairContents contents;
    void SetUp() override {
        w.beginPair(writerReport);
        contents.loaderTypes = {{"RCT3", "Ab", 1, "ab"}, {"FGDK", "Cd", 2, "cd"}};
    }
};

// The sample pair (see its maker): symbols stored out of name order, two blocks of common data,
// a unique structure with a shared string, a reference and a pointer to itself, a header reference
// and an extra-data entry.
TEST(OvlPairAssembly, AssemblesASmallPairByteForByte) {
    const OvlPairBytes pair = test::sampleOvlPair();

    // Part file lengths 27, 6, 24, 40, 16 | 12, 20, 12, 12: bases 0, 27, 33, 57, 97 | 113, 125, 145, 157.
    const std::string loaderTypes = W({2}) + T("RCT3") + T("Ab") + W({1}) + T("ab") + T("FGDK") + T("Cd") + W({2}) + T("cd");
    const std::string common =
        "FGRK"s + W({0, 1, 0}) + W({0}) + loaderTypes +  //
        W({3, 0, 2, 0, 1, 0, 0, 0, 0}) +                  // block counts
        W({27}) + "zeta:ab\0x\0beta:ab\0Alpha:cd\0"s +    // type 0: string table
        W({4}) + "PIX1" + W({2}) + "QQ" +                 // type 0: the two data blocks
        W({24}) + W({10, 109, 1, 0, 97, 1}) +             // type 2: symbols, "beta:ab" now first
        W({40}) + W({0, 97, 0, 45, 0, 0, 109, 0, 33, 0}) +  // loaders follow their symbols
        W({16}) + W({7, 8, 27, 9}) +                      // type 4: the structures
        W({10, 33, 37, 45, 49, 61, 69, 81, 89, 101, 105}) +  // relocations of part files 3, 4, 5
        W({2}) + "EX";                                     // extra data
    const std::string unique =
        "FGRK"s + W({0, 1, 1}) + T("R1") + W({0}) + loaderTypes +  //
        W({0, 0, 4, 0, 0, 0, 0, 0, 0}) +                            //
        W({12}) + W({18, 157, 1}) +                                  // symbol
        W({20}) + W({1, 157, 0, 113, 1}) +                           // loader, one reference
        W({12}) + W({161, 0, 125}) +                                 // the reference
        W({12}) + W({8, 0, 157}) +                                   // the structure
        W({9, 113, 117, 129, 137, 145, 149, 153, 157, 165});
    EXPECT_EQ(pair.common, common);
    EXPECT_EQ(pair.unique, unique);
}

TEST_F(OvlPairFixture, WithoutBuilderBlocksTheFilesHoldOnlyTheTables) {
    const OvlPairBytes pair = assemblePairBytes(w, contents);
    const size_t counts = 12 + 4 + 4 + 4 + (2 + 4 + 2 + 2 + 4 + 2 + 2) + (2 + 4 + 2 + 2 + 4 + 2 + 2);
    EXPECT_EQ(pair.common.substr(counts), W({1, 0, 2, 0, 0, 0, 0, 0, 0}) + W({0, 0, 0}) + W({0}));
    EXPECT_EQ(pair.unique.substr(counts), W({0, 0, 3, 0, 0, 0, 0, 0, 0}) + W({0, 0, 0}) + W({0}));
}

TEST_F(OvlPairFixture, AnEmptyBlockIsASizeWordAlone) {
    w.startBlock(OvlPart::UniqueStructures);
    w.startBlock(OvlPart::UniqueStructures);
    w.into(OvlPart::UniqueStructures).word(5);
    const OvlPairBytes pair = assemblePairBytes(w, contents);
    EXPECT_EQ(pair.unique.substr(pair.unique.size() - 64),
              W({0, 0, 5, 0, 0, 0, 0, 0, 0}) + W({0, 0, 0}) + W({0, 4, 5}) + W({0}));
}

TEST_F(OvlPairFixture, AddressesOfTheUniqueFileFollowTheWholeCommonFile) {
    // Common part files: the 4-byte name plus a 996-byte data block, 1000 bytes in all.
    w.startBlock(OvlPart::UniqueStructures);
    w.makeSymbolAndLoader(OvlFileKind::Unique, "U:x", 0);  // part files 6 and 7: 12 and 20 bytes
    w.startBlock(OvlPart::CommonData);
    w.into(OvlPart::CommonData).zeros(996);
    w.into(OvlPart::UniqueStructures).word(0).word(0).pointer(OvlPart::CommonData, 0);
    const OvlPairBytes pair = assemblePairBytes(w, contents);
    // symbol (base 1000): name, structure; loader (base 1012): structure, symbol; part file 9 (base 1032): p = 8.
    EXPECT_EQ(trailingRelocations(pair.unique, 5), (std::vector<uint32_t>{1000, 1004, 1016, 1024, 1040}));
    EXPECT_EQ(pair.unique.substr(pair.unique.size() - 4 * 6 - 12, 12), W({0, 0, 4}));  // the slot holds the address of part file 2
}

// Names in the order they are made, and the order a symbol table must end in.
std::vector<std::string> symbolNamesAfterAssembly(OvlWriter& w, const OvlPairContents& contents,
                                                  const std::vector<std::string>& names, bool shareAddress) {
    w.startBlock(OvlPart::UniqueStructures);
    for (const std::string& name : names) {
        w.makeSymbolAndLoader(OvlFileKind::Unique, name, 0);
        if (!shareAddress) w.into(OvlPart::UniqueStructures).word(0);
    }
    const OvlPairBytes pair = assemblePairBytes(w, contents);
    const std::string& u = pair.unique;
    const std::string& c = pair.common;
    // The headers take 60 bytes; then the block counts, then the blocks, each after its size word.
    EXPECT_EQ(u.substr(60, 36), W({0, 0, 4, 0, 0, 0, 0, 0, 0}));
    const size_t symbols = 60 + 36 + 4;
    const size_t loaders = symbols + 12 * names.size() + 4;
    const size_t stringTable = 60 + 36 + 4;
    const uint32_t symbolBase = wordAt(c, stringTable - 4);  // part files 2 … 5 are empty
    std::vector<std::string> sorted;
    for (size_t i = 0; i < names.size(); ++i) {
        const uint32_t nameAddress = wordAt(u, symbols + 12 * i);
        sorted.push_back(std::string(c.c_str() + stringTable + nameAddress));
        EXPECT_EQ(wordAt(u, symbols + 12 * i + 8), 1u);
        // Loader i was made with name i: its symbol field must lead to that name again.
        const uint32_t symbolAddress = wordAt(u, loaders + 20 * i + 12);
        const size_t entry = (symbolAddress - symbolBase) / 12;
        EXPECT_EQ(std::string(c.c_str() + stringTable + wordAt(u, symbols + 12 * entry)), names[i]);
        EXPECT_EQ(wordAt(u, symbols + 12 * entry + 4), wordAt(u, loaders + 20 * i + 4));
    }
    return sorted;
}

TEST_F(OvlPairFixture, SortsSymbolsByUpperCasedBytesAndLoadersFollow) {
    EXPECT_EQ(symbolNamesAfterAssembly(w, contents, {"b1:x", "a_:x", "AB:x", "A:x", "ab:x"}, false),
              (std::vector<std::string>{"A:x", "AB:x", "ab:x", "a_:x", "b1:x"}));
}

TEST_F(OvlPairFixture, SymbolsOfOneStructureKeepTheirOwnLoaders) {
    // All symbols name one structure; each loader must still lead to its own name.
    EXPECT_EQ(symbolNamesAfterAssembly(w, contents, {"z:x", "m:x", "a:x"}, true),
              (std::vector<std::string>{"a:x", "m:x", "z:x"}));
}

TEST_F(OvlPairFixture, ALoaderWithoutSymbolKeepsItsZeroWhenSymbolsMove) {
    w.startBlock(OvlPart::CommonStructures);
    w.makeSymbolAndLoader(OvlFileKind::Common, "z:x", 0);
    w.makeLoaderWithoutSymbol(OvlFileKind::Common, 1, true);  // the same structure
    w.makeSymbolAndLoader(OvlFileKind::Common, "a:x", 0);
    const OvlPairBytes pair = assemblePairBytes(w, contents);
    // String table "z:x\0a:x\0" (8 bytes); symbols at 8, loaders at 32, structures at 92.
    const std::string loaders = W({0, 92, 0, 20, 0}) + W({1, 92, 1, 0, 0}) + W({0, 92, 0, 8, 0});
    EXPECT_NE(pair.common.find(W({24}) + W({4, 92, 1, 0, 92, 1}) + W({60}) + loaders), std::string::npos);
}

TEST(OvlSymbolOrder, ComparesUpperCasedUnsignedBytes) {
    EXPECT_TRUE(symbolNameLess("A", "b"));
    EXPECT_FALSE(symbolNameLess("b", "A"));
    EXPECT_TRUE(symbolNameLess("AB", "a_"));
    EXPECT_TRUE(symbolNameLess("Z", "\xE4"));  // bytes above 127 count as unsigned
    EXPECT_TRUE(symbolNameLess("ab", "abc"));
    EXPECT_FALSE(symbolNameLess("abc", "ABC"));
    EXPECT_FALSE(symbolNameLess("ABC", "abc"));
    EXPECT_EQ(sortedSymbolOrder({"b", "B", "a", "b"}), (std::vector<size_t>{2, 0, 1, 3}));  // equal names keep order
}

TEST(OvlPartFile, CopiesBlocksInStepsOfAThousandBytes) {
    OvlPartFile file;
    file.reset(0);
    for (size_t size : {2500u, 1000u, 0u, 1001u}) {
        file.startBlock();
        file.append(std::string(size, 'x'));
    }
    auto steps = [&](size_t block) {
        std::vector<size_t> sizes;
        copyBlockInChunks(file, block, [&](std::string_view piece) { sizes.push_back(piece.size()); });
        return sizes;
    };
    EXPECT_EQ(steps(1), (std::vector<size_t>{1000, 1000, 500}));
    EXPECT_EQ(steps(2), (std::vector<size_t>{1000}));
    EXPECT_EQ(steps(3), (std::vector<size_t>{}));
    EXPECT_EQ(steps(4), (std::vector<size_t>{1000, 1}));
    EXPECT_THROW(steps(5), std::out_of_range);
}

TEST_F(OvlPairFixture, WritesBothFilesAndReportsAFileItCannotWrite) {
    test::TempFolder folder;
    w.startBlock(OvlPart::UniqueStructures);
    w.into(OvlPart::UniqueStructures).string("s");
    const OvlPairBytes expected = assemblePairBytes(w, contents);
    ASSERT_TRUE(test::reported(dialogs, Language::English, [&](Report& report) {
        return assemblePair(w, contents, folder / "P.common.ovl", folder / "P.unique.ovl", report);
    }));
    EXPECT_EQ(readWholeFile(folder / "P.common.ovl"), expected.common);
    EXPECT_EQ(readWholeFile(folder / "P.unique.ovl"), expected.unique);
    EXPECT_TRUE(w.pointers().empty());
    EXPECT_TRUE(dialogs.messages().empty());

    w.beginPair(writerReport);
    EXPECT_FALSE(test::reported(dialogs, Language::English, [&](Report& report) {
        return assemblePair(w, contents, folder / "missing" / "Q.common.ovl", folder / "missing" / "Q.unique.ovl",
                            report);
    }));
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].rfind("The file ", 0), 0u);
    EXPECT_NE(dialogs.messages()[0].find("Q.common.ovl could not be written"), std::string::npos);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// The unique file cannot follow (a folder stands in its place): the common file is set back to what
// it was, the earlier one or none, and the message says so; no staged file stays behind.
TEST_F(OvlPairFixture, AUniqueFileThatCannotFollowSetsTheCommonFileBack) {
    for (const bool earlierCommon : {true, false}) {
        test::TempFolder folder;
        const auto common = folder / "P.common.ovl", unique = folder / "P.unique.ovl";
        if (earlierCommon) test::writeBytes(common, "old common");
        test::writeBytes(unique / "in the way", "x");
        dialogs.log.clear();
        w.beginPair(writerReport);
        EXPECT_FALSE(test::reported(dialogs, Language::English,
                                    [&](Report& report) { return assemblePair(w, contents, common, unique, report); }));
        ASSERT_EQ(dialogs.messages().size(), 1u);
        const std::string shown = dialogs.messages()[0];
        EXPECT_EQ(shown.rfind("The file " + unique.string() + " could not be written (", 0), 0u) << shown;
        EXPECT_NE(shown.find("). " + common.string() + " was set back to what it was before, so no half-replaced "
                             "pair is left."),
                  std::string::npos)
            << shown;
        const std::vector<std::string> left =
            earlierCommon ? std::vector<std::string>{"P.common.ovl", "P.unique.ovl"} : std::vector<std::string>{"P.unique.ovl"};
        EXPECT_EQ(test::entryNames(folder.path()), left);
        if (earlierCommon) {
            EXPECT_EQ(readWholeFile(common), "old common");
        }
    }
}

}  // namespace
}  // namespace zw
