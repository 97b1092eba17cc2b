#include <gtest/gtest.h>

#include "base/Report.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

using namespace std::string_literals;

std::string words(std::initializer_list<uint32_t> values) {
    std::string out;
    for (uint32_t v : values) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    return out;
}

struct OvlWriterFixture : ::testing::Test {
    Report report;
    OvlWriter w;
    void SetUp() override { w.beginPair(report, "CTR_Big"); }
    // The messages reported so far, as shown in English.
    std::vector<std::string> shown() const {
        std::vector<std::string> texts;
        for (const ReportMessage& m : report.messages()) texts.push_back(m.text(Language::English));
        return texts;
    }
};

TEST_F(OvlWriterFixture, BeginsWithOneEmptyBlockInTheTablePartFilesAndNoneInTheOthers) {
    for (int n = 1; n <= kOvlPartCount; ++n) {
        const bool builderBlocks = n == 2 || n == 5 || n == 9;
        EXPECT_EQ(w.partFile(partOfNumber(n)).blocks().size(), builderBlocks ? 0u : 1u) << "part file " << n;
        EXPECT_EQ(w.end(partOfNumber(n)), 0u);
    }
    EXPECT_THROW(w.into(OvlPart::UniqueStructures).word(1), std::logic_error);  // no block started yet
    EXPECT_THROW(w.startBlock(OvlPart::CommonSymbols), std::logic_error);
    EXPECT_THROW(w.into(partOfNumber(10)), std::out_of_range);
}

TEST_F(OvlWriterFixture, BlocksFollowOneAnotherAndGrowWithTheBytesWritten) {
    w.startBlock(OvlPart::CommonStructures);
    w.into(OvlPart::CommonStructures).word(1).shortWord(2).byte(3);
    w.startBlock(OvlPart::CommonStructures);  // an empty block
    w.startBlock(OvlPart::CommonStructures);
    w.into(OvlPart::CommonStructures).zeros(5);
    const auto& blocks = w.partFile(OvlPart::CommonStructures).blocks();
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].offset, 0u);
    EXPECT_EQ(blocks[0].size, 7u);
    EXPECT_EQ(blocks[1].offset, 7u);
    EXPECT_EQ(blocks[1].size, 0u);
    EXPECT_EQ(blocks[2].offset, 7u);
    EXPECT_EQ(blocks[2].size, 5u);
    EXPECT_EQ(w.end(OvlPart::CommonStructures), 12u);
    EXPECT_EQ(w.partFile(OvlPart::CommonStructures).bytes(), "\x01\0\0\0\x02\0\x03\0\0\0\0\0"s);
}

TEST_F(OvlWriterFixture, KeepsWritingIntoTheLastBlockBeyondTwoHundredFiftyBlocks) {
    for (int b = 0; b < 251; ++b) {
        w.startBlock(OvlPart::CommonData);
        w.into(OvlPart::CommonData).byte(static_cast<uint8_t>(b));
    }
    const auto& blocks = w.partFile(OvlPart::CommonData).blocks();
    ASSERT_EQ(blocks.size(), 250u);
    EXPECT_EQ(blocks.back().offset, 249u);
    EXPECT_EQ(blocks.back().size, 2u);
    EXPECT_EQ(w.end(OvlPart::CommonData), 251u);
}

TEST_F(OvlWriterFixture, FieldsRecordStringsPointersAndPlaceholders) {
    w.startBlock(OvlPart::UniqueStructures);
    OvlPartWriter s = w.into(OvlPart::UniqueStructures);
    s.floatWord(0.5).string("Car").string("Car").freshString("Car").pointer(OvlPart::CommonStructures, 40).signedWord(-2);
    EXPECT_EQ(w.partFile(OvlPart::UniqueStructures).bytes(), words({0x3F000000, 1, 2, 3, 4, 0xFFFFFFFE}));
    EXPECT_EQ(w.stringTable().text(), "Car\0Car\0"s);
    EXPECT_EQ(w.partFile(OvlPart::StringTable).bytes(), "Car\0Car\0"s);
    EXPECT_EQ(w.partFile(OvlPart::StringTable).blocks()[0].size, 8u);
    ASSERT_EQ(w.pointers().size(), 4u);
    EXPECT_EQ(w.pointers()[0].targetPart, OvlPart::StringTable);
    EXPECT_EQ(w.pointers()[0].targetOffset, 0u);
    EXPECT_EQ(w.pointers()[1].targetOffset, 0u);  // the same copy
    EXPECT_EQ(w.pointers()[2].targetOffset, 4u);  // a fresh copy
    EXPECT_EQ(w.pointers()[3].targetPart, OvlPart::CommonStructures);
    EXPECT_EQ(w.pointers()[3].targetOffset, 40u);
    EXPECT_EQ(w.partFile(OvlPart::UniqueStructures).relocations(), (std::vector<uint32_t>{4, 8, 12, 16}));
    // After a fresh copy the shared lookup points at the last copy.
    w.addSharedString("Car", OvlPart::UniqueStructures, 24);
    EXPECT_EQ(w.pointers()[4].targetOffset, 4u);
}

TEST_F(OvlWriterFixture, MakesSymbolLoaderAndReferenceEntries) {
    w.startBlock(OvlPart::UniqueStructures);
    w.into(OvlPart::UniqueStructures).word(0xAA);  // the structure starts at 4
    w.makeSymbolAndLoader(OvlFileKind::Unique, "Car:ric", 3);
    EXPECT_EQ(w.CurrentSymbolPosition(), 0u);
    EXPECT_EQ(w.CurrentLoaderPosition(), 0u);
    OvlPartWriter car = w.into(OvlPart::UniqueStructures);
    car.reference("Model:svd").reference("Model:svd");
    w.closeUniqueStructure();

    // Pointers 1 … 5: symbol name, symbol structure, loader structure, loader symbol.
    EXPECT_EQ(w.partFile(OvlPart::UniqueSymbols).bytes(), words({1, 2, 1}));
    EXPECT_EQ(w.partFile(OvlPart::UniqueLoaders).bytes(), words({3, 3, 0, 4, 2}));
    // Each reference: slot pointer, name, loader pointer.
    EXPECT_EQ(w.partFile(OvlPart::SymbolReferences).bytes(), words({5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(w.partFile(OvlPart::UniqueStructures).bytes(), words({0xAA, 0, 0}));
    EXPECT_EQ(w.stringTable().text(), "Car:ric\0Model:svd\0"s);
    EXPECT_EQ(w.LoaderSymbolRefCount(), 2u);
    const auto& p = w.pointers();
    ASSERT_EQ(p.size(), 10u);
    EXPECT_EQ(p[1].targetPart, OvlPart::UniqueStructures);
    EXPECT_EQ(p[1].targetOffset, 4u);
    EXPECT_EQ(p[3].targetPart, OvlPart::UniqueSymbols);
    EXPECT_EQ(p[4].targetPart, OvlPart::UniqueStructures);  // first slot
    EXPECT_EQ(p[4].targetOffset, 4u);
    EXPECT_EQ(p[5].targetOffset, 8u);  // the name, stored once
    EXPECT_EQ(p[8].targetOffset, 8u);
    EXPECT_EQ(p[7].targetOffset, 8u);  // second slot
    EXPECT_EQ(p[6].targetPart, OvlPart::UniqueLoaders);
    EXPECT_EQ(p[6].targetOffset, 0u);
    EXPECT_EQ(w.partFile(OvlPart::SymbolReferences).relocations(), (std::vector<uint32_t>{0, 4, 8, 12, 16, 20}));
    EXPECT_EQ(w.partFile(OvlPart::SymbolReferences).blocks()[0].size, 24u);
}

TEST_F(OvlWriterFixture, AReferenceBelongsToTheLastUniqueLoaderEvenAfterACommonOne) {
    EXPECT_THROW(w.addSymbolReference("X:svd", OvlPart::UniqueStructures, 0), std::logic_error);
    w.startBlock(OvlPart::UniqueStructures);
    w.startBlock(OvlPart::CommonStructures);
    w.makeSymbolAndLoader(OvlFileKind::Unique, "First:ric", 0);
    w.into(OvlPart::UniqueStructures).word(0);
    w.makeSymbolAndLoader(OvlFileKind::Unique, "Second:ric", 0);  // loader at 20 of part file 7
    w.makeSymbolAndLoader(OvlFileKind::Common, "Data:spl", 1);
    EXPECT_EQ(w.CurrentLoaderPosition(), 0u);  // of part file 4
    w.into(OvlPart::UniqueStructures).reference("Data:spl");
    EXPECT_EQ(w.pointers().back().targetPart, OvlPart::UniqueLoaders);
    EXPECT_EQ(w.pointers().back().targetOffset, 20u);
    w.closeUniqueStructure();
    EXPECT_EQ(w.partFile(OvlPart::UniqueLoaders).wordAt(36), 1u);
    EXPECT_EQ(w.partFile(OvlPart::UniqueLoaders).wordAt(16), 0u);
}

TEST_F(OvlWriterFixture, ALoaderWithoutSymbolHasAPlainZeroAndItsExtraDataMark) {
    w.startBlock(OvlPart::CommonStructures);
    w.into(OvlPart::CommonStructures).zeros(20);
    w.makeLoaderWithoutSymbol(OvlFileKind::Common, 0, true);
    EXPECT_EQ(w.partFile(OvlPart::CommonLoaders).bytes(), words({0, 1, 1, 0, 0}));
    EXPECT_EQ(w.partFile(OvlPart::CommonLoaders).relocations(), std::vector<uint32_t>{4});
    EXPECT_EQ(w.pointers()[0].targetOffset, 20u);
    EXPECT_EQ(w.end(OvlPart::CommonSymbols), 0u);
}

TEST_F(OvlWriterFixture, WarnsOnceAtTheSixThousandthRelocationOfOnePartFileAndStoresOn) {
    for (uint32_t i = 0; i < 5999; ++i) w.addPointer(OvlPart::CommonStructures, 0, 4 * i, OvlPart::CommonStructures);
    EXPECT_TRUE(shown().empty());
    w.addPointer(OvlPart::CommonStructures, 0, 4 * 5999, OvlPart::CommonStructures);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0], message("931", Language::English, {"CTR_Big.common.ovl"}));
    w.addPointer(OvlPart::CommonStructures, 0, 4 * 6000, OvlPart::CommonStructures);
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(w.partFile(OvlPart::CommonStructures).relocations().size(), 6001u);
    EXPECT_EQ(w.partFile(OvlPart::CommonStructures).relocations().back(), 24000u);

    // Relocations of other part files are counted apart; the 12000th pointer of the pair warns.
    for (uint32_t i = 0; i < 5998; ++i) w.addPointer(OvlPart::CommonStructures, 0, 4 * i, OvlPart::CommonData);
    EXPECT_EQ(shown().size(), 1u);
    EXPECT_EQ(w.pointers().size(), 11999u);
    w.addPointer(OvlPart::CommonStructures, 0, 0, OvlPart::UniqueStructures);
    ASSERT_EQ(shown().size(), 2u);
    EXPECT_EQ(shown()[1], message("932", Language::English, {"CTR_Big"}));
    w.addPointer(OvlPart::CommonStructures, 0, 4, OvlPart::UniqueStructures);
    EXPECT_EQ(shown().size(), 2u);
    EXPECT_EQ(w.pointers().size(), 12001u);

    // Part files 6 to 9 make up the .unique file.
    for (uint32_t i = 2; i < 6000; ++i) w.addPointer(OvlPart::CommonStructures, 0, 4 * i, OvlPart::UniqueStructures);
    ASSERT_EQ(shown().size(), 3u);
    EXPECT_EQ(shown()[2], message("931", Language::English, {"CTR_Big.unique.ovl"}));
}

TEST_F(OvlWriterFixture, BeginningAgainForgetsThePairBefore) {
    w.startBlock(OvlPart::UniqueStructures);
    w.into(OvlPart::UniqueStructures).string("Old");
    w.beginPair(report);
    EXPECT_TRUE(w.pointers().empty());
    EXPECT_TRUE(w.stringTable().text().empty());
    EXPECT_TRUE(w.partFile(OvlPart::UniqueStructures).blocks().empty());
    EXPECT_TRUE(w.partFile(OvlPart::UniqueStructures).relocations().empty());
    EXPECT_EQ(w.partFile(OvlPart::StringTable).blocks().size(), 1u);
    EXPECT_EQ(w.partFile(OvlPart::StringTable).blocks()[0].size, 0u);
}

// A structure's writer states where each field goes, counted from where it began in its part file
// (not from the part file's start); a field written one word off is a logic error.
TEST_F(OvlWriterFixture, AStructureWriterThatDriftsFromItsLayoutIsStopped) {
    w.startBlock(OvlPart::UniqueStructures);
    w.into(OvlPart::UniqueStructures).word(1).word(2);
    OvlPartWriter out = w.into(OvlPart::UniqueStructures);
    out.at(0).word(7).at(4).floatWord(1.0);
    EXPECT_NO_THROW(out.endsAt(8));
    EXPECT_THROW(out.at(4), std::logic_error);
    out.word(0);
    EXPECT_THROW(out.endsAt(8), std::logic_error);
}

}  // namespace
}  // namespace zw
