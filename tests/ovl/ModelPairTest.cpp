// The model pair reader: help data, block index, string map, symbols and references of a pair
// composed by hand; each refusal with its message; truncated and malformed pairs named by file.

#include <gtest/gtest.h>

#include "ovl/ModelPair.h"
#include "ovl/ModelPairCarChecks.h"
#include "support/HandMadeOvlPair.h"
#include "support/Reported.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using test::HandMadeOvlPair;
using test::le32;
using File = HandMadeOvlPair::File;
using Area = HandMadeOvlPair::Area;
using Piece = HandMadeOvlPair::Piece;

// A car model "Bob": common "Bob:ftx" (8 bytes), unique "Bob:svd" (8 bytes, a reference slot at
// offset 4 to "Anim:ban") and "Bob:bsh" (4 bytes).
// Addresses: strings 0 (33 bytes: "Bob:ftx" 0, "Bob:svd" 8, "Bob:bsh" 16, "Anim:ban" 24), common
// symbols 33, loaders 45, structures 65 … 73; unique symbols 73, loaders 97, references 137,
// structures 149 (svd) and 157 (bsh), end 161.
HandMadeOvlPair carModel(const std::string& visual = "Bob:svd") {
    HandMadeOvlPair pair;
    const int texture = pair.addItem(File::Common, Area::Structures, {Piece{"TEXTURE!"}});
    const int svd = pair.addItem(File::Unique, Area::Structures, {Piece{le32(7)}, Piece{le32(0)}});
    const int bsh = pair.addItem(File::Unique, Area::Structures, {Piece{le32(9)}});
    pair.addSymbol("Bob:ftx", texture, File::Common);
    pair.addSymbol(visual, svd, File::Unique);
    pair.addSymbol("Bob:bsh", bsh, File::Unique);
    pair.references.push_back({svd, 4, "Anim:ban"});
    return pair;
}

struct Reading {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;

    std::optional<ModelPair> car(const HandMadeOvlPair& pair, Language language = Language::English) {
        pair.write(folder.path().string(), "Bob");
        return test::reported(dialogs, language,
                              [&](Report& report) { return readCarModelPair(folder.path(), "Bob", report); });
    }
    std::optional<ModelPair> raw(const std::string& common, const std::string& unique,
                                 Language language = Language::English) {
        test::writeBytes(folder / "Bob.common.ovl", common);
        test::writeBytes(folder / "Bob.unique.ovl", unique);
        return test::reported(dialogs, language, [&](Report& report) {
            return readModelPair(folder.path(), "Bob", kCarModelMessageIds, report);
        });
    }
};

TEST(ModelPair, ReadsBlocksStringsSymbolsAndReferencesOfAPair) {
    Reading r;
    const std::optional<ModelPair> model = r.car(carModel());
    ASSERT_TRUE(model) << testing::PrintToString(r.dialogs.messages());
    EXPECT_TRUE(r.dialogs.messages().empty());

    EXPECT_EQ(model->helpData().size(), 161u);
    EXPECT_EQ(model->helpData().substr(65, 8), "TEXTURE!");
    EXPECT_EQ(model->helpData().substr(0, 8), std::string("Bob:ftx\0", 8));
    EXPECT_EQ(model->word(149, OvlFileKind::Unique), 7u);

    const ModelBlockIndex& index = model->blockIndex();
    EXPECT_EQ(index.count(OvlFileKind::Common, 0), 1u);
    EXPECT_EQ(index.count(OvlFileKind::Common, 2), 2u);
    EXPECT_EQ(index.count(OvlFileKind::Common, 4), 2u);
    EXPECT_EQ(index.count(OvlFileKind::Unique, 2), 5u);
    EXPECT_EQ(index.count(OvlFileKind::Unique, 4), 0u);
    const std::vector<std::pair<uint32_t, uint32_t>> uniqueBlocks = {{24, 73}, {40, 97}, {12, 137}, {12, 149}, {0, 161}};
    for (uint32_t b = 1; b <= 5; ++b) {
        EXPECT_EQ(index.block(OvlFileKind::Unique, 2, b)->size, uniqueBlocks[b - 1].first) << b;
        EXPECT_EQ(index.block(OvlFileKind::Unique, 2, b)->position, uniqueBlocks[b - 1].second) << b;
    }
    EXPECT_EQ(index.block(OvlFileKind::Common, 4, 1)->position, 65u);
    EXPECT_EQ(index.block(OvlFileKind::Common, 2, 2)->position, 45u);
    EXPECT_EQ(index.block(OvlFileKind::Unique, 2, 6), nullptr);

    const std::map<uint32_t, std::string> strings = {{0, "Bob:ftx"}, {8, "Bob:svd"}, {16, "Bob:bsh"}, {24, "Anim:ban"}};
    EXPECT_EQ(model->strings(), strings);

    ASSERT_EQ(model->symbols().size(), 3u);
    EXPECT_EQ(model->symbols()[0].name, "Bob:ftx");
    EXPECT_EQ(model->symbols()[0].dataAddress, 65u);
    EXPECT_EQ(model->symbols()[0].file, OvlFileKind::Common);
    EXPECT_EQ(model->symbols()[1].name, "Bob:svd");
    EXPECT_EQ(model->symbols()[1].dataAddress, 149u);
    EXPECT_EQ(model->symbols()[2].name, "Bob:bsh");
    EXPECT_EQ(model->symbols()[2].dataAddress, 157u);
    EXPECT_EQ(model->symbols()[2].file, OvlFileKind::Unique);
    EXPECT_EQ(model->findSymbolByDataAddress(157), 2u);
    EXPECT_EQ(model->findSymbolByDataAddress(158), std::nullopt);
    EXPECT_EQ(model->countSymbolsWithTag(":svd"), 1u);

    ASSERT_EQ(model->symbolReferences().size(), 1u);
    EXPECT_EQ(model->symbolReferences()[0].slotAddress, 153u);
    EXPECT_EQ(model->symbolReferences()[0].name, "Anim:ban");
    EXPECT_EQ(model->findSymbolReferenceBySlot(153), 0u);
    EXPECT_EQ(model->findSymbolReferenceBySlot(149), std::nullopt);
}

TEST(ModelPair, HelpDataReadsOutsideThePairAreRefusedNamingTheFile) {
    Reading r;
    const std::optional<ModelPair> model = r.car(carModel());
    ASSERT_TRUE(model);
    EXPECT_EQ(model->word(157, OvlFileKind::Unique), 9u);
    EXPECT_THROW(model->word(158, OvlFileKind::Unique), BinaryReadError);
    EXPECT_THROW(model->bytes(100, 0xFFFFFFFFull, OvlFileKind::Common), BinaryReadError);
    try {
        model->bytes(0xFFFFFFF0u, 32, OvlFileKind::Common);
        FAIL();
    } catch (const BinaryReadError& e) {
        EXPECT_EQ(e.source, "Bob.common.ovl");
    }
    try {
        model->stringAt(3, OvlFileKind::Unique);  // inside a string, not at its start
        FAIL();
    } catch (const BinaryReadError& e) {
        EXPECT_EQ(e.source, "Bob.unique.ovl");
    }
}

TEST(ModelPair, MissingFilesAreRefusedInReadingOrder) {
    Reading r;
    EXPECT_FALSE(test::reported(r.dialogs, Language::English,
                                [&](Report& report) { return readCarModelPair(r.folder.path(), "Bob", report); }));
    carModel().write(r.folder.path().string(), "Bob");
    std::filesystem::remove(r.folder / "Bob.unique.ovl");
    EXPECT_FALSE(test::reported(r.dialogs, Language::German,
                                [&](Report& report) { return readCarModelPair(r.folder.path(), "Bob", report); }));
    EXPECT_EQ(r.dialogs.messages(),
              (std::vector<std::string>{
                  "Error 171! Bob.common.ovl file not found.\r\nMaybe the model is in another folder than the WagenDaten.txt file?",
                  "Fehler 173! Bob.unique.ovl Datei konnte nicht geöffnet werden.\r\nBefindet sich möglicherweise das "
                  "Modell in einem anderen Ordner als die WagenDaten.txt Datei?"}));
}

TEST(ModelPair, VersionIsCheckedTheMagicIsNot) {
    {
        Reading r;
        HandMadeOvlPair pair = carModel();
        pair.commonFaults.version = 2;
        pair.uniqueFaults.version = 2;  // the .common file is refused first
        EXPECT_FALSE(r.car(pair));
        EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{"Error 172! Bob.common.ovl is no OVL-Version-1 file."});
    }
    {
        Reading r;
        HandMadeOvlPair pair = carModel();
        pair.uniqueFaults.version = 0;
        EXPECT_FALSE(r.car(pair, Language::German));
        EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{"Fehler 174! Bob.unique.ovl ist keine OVL-Version-1 Datei."});
    }
    {
        Reading r;
        HandMadeOvlPair pair = carModel();
        pair.commonFaults.magic = 0x12345678;
        pair.uniqueFaults.magic = 0;
        EXPECT_TRUE(r.car(pair));
        EXPECT_TRUE(r.dialogs.messages().empty());
    }
}

TEST(ModelPair, FiftyBlocksOfATypeAreReadFiftyOneAreRefused) {
    {
        Reading r;
        HandMadeOvlPair pair = carModel();
        pair.commonFaults.emptyType5Blocks = 50;
        pair.uniqueFaults.emptyType5Blocks = 50;
        const std::optional<ModelPair> model = r.car(pair);
        ASSERT_TRUE(model);
        EXPECT_EQ(model->blockIndex().count(OvlFileKind::Unique, 5), 50u);
        EXPECT_EQ(model->helpData().size(), 161u);
    }
    for (OvlFileKind file : {OvlFileKind::Common, OvlFileKind::Unique}) {
        Reading r;
        HandMadeOvlPair pair = carModel();
        (file == OvlFileKind::Common ? pair.commonFaults : pair.uniqueFaults).emptyType5Blocks = 51;
        EXPECT_FALSE(r.car(pair));
        EXPECT_EQ(r.dialogs.messages(),
                  std::vector<std::string>{file == OvlFileKind::Common
                                               ? "Error 176! A block count in Bob.common.ovl is greater than 51."
                                               : "Error 177! A block count in Bob.unique.ovl is greater than 51."});
    }
    {
        // The count is refused as soon as it is read, before any block.
        Reading r;
        HandMadeOvlPair pair = carModel();
        pair.commonFaults.blockCounts = std::array<uint32_t, 9>{1, 0, 2, 0, 2, 0xFFFFFFFF, 0, 0, 0};
        EXPECT_FALSE(r.car(pair, Language::German));
        EXPECT_EQ(r.dialogs.messages(),
                  std::vector<std::string>{"Fehler 176! Eine Blockanzahl in Bob.common.ovl ist größer als 51."});
    }
}

TEST(ModelPair, AnEmptyOrMissingStringTableHasNoDeclarations) {
    for (bool missing : {false, true}) {
        Reading r;
        HandMadeOvlPair pair = carModel();
        (missing ? pair.commonFaults.noStringTable : pair.commonFaults.emptyStringTable) = true;
        EXPECT_FALSE(r.car(pair));
        EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{"Error 185! Bob includes no declarations."});
    }
}

TEST(ModelPair, EveryTruncationOfTheBlocksIsRefusedNamingTheFile) {
    const HandMadeOvlPair pair = carModel();
    const std::string common = pair.commonBytes();
    const std::string unique = pair.uniqueBytes();
    // The relocation table (its count word and 12 + … entries) is not read: cutting it is harmless.
    const size_t commonBlocksEnd = common.size() - 4 - 4 * (4 * 1 + 0);  // 4 relocations per common symbol
    for (size_t cut = 0; cut < commonBlocksEnd; ++cut) {
        Reading r;
        EXPECT_FALSE(r.raw(common.substr(0, cut), unique)) << cut;
        ASSERT_EQ(r.dialogs.messages().size(), 1u) << cut;
        EXPECT_TRUE(r.dialogs.messages()[0].starts_with("Bob.common.ovl is no readable OVL file: ")) << cut << r.dialogs.messages()[0];
    }
    for (size_t cut : {size_t{0}, size_t{11}, size_t{60}, unique.size() / 2}) {
        Reading r;
        EXPECT_FALSE(r.raw(common, unique.substr(0, cut))) << cut;
        ASSERT_EQ(r.dialogs.messages().size(), 1u);
        EXPECT_TRUE(r.dialogs.messages()[0].starts_with("Bob.unique.ovl is no readable OVL file: ")) << r.dialogs.messages()[0];
    }
    Reading r;
    EXPECT_TRUE(r.raw(common.substr(0, commonBlocksEnd), unique.substr(0, unique.size() - 8)));
}

TEST(ModelPair, HugeCountsAndSizesAreRefusedNotTrusted) {
    const HandMadeOvlPair pair = carModel();
    std::string common = pair.commonBytes();
    // Header: magic, reserved, version, reference count at 12.
    std::string hugeReferences = common;
    hugeReferences.replace(12, 4, le32(0xFFFFFFFF));
    Reading a;
    EXPECT_FALSE(a.raw(hugeReferences, pair.uniqueBytes()));
    ASSERT_EQ(a.dialogs.messages().size(), 1u);
    EXPECT_TRUE(a.dialogs.messages()[0].starts_with("Bob.common.ovl is no readable OVL file")) << a.dialogs.messages()[0];

    // The first block's size word, right after the nine counts: header 16 + 4 + 4 + loader row 23.
    std::string hugeBlock = common;
    hugeBlock.replace(47 + 36, 4, le32(0xFFFFFFF0));
    Reading b;
    EXPECT_FALSE(b.raw(hugeBlock, pair.uniqueBytes()));
    ASSERT_EQ(b.dialogs.messages().size(), 1u);
    EXPECT_TRUE(b.dialogs.messages()[0].starts_with("Bob.common.ovl is no readable OVL file")) << b.dialogs.messages()[0];
}

TEST(ModelPair, ASymbolNameOutsideTheStringTableIsRefusedNamingItsFile) {
    Reading r;
    HandMadeOvlPair pair = carModel();
    pair.symbols[2].rawNameAddress = 4000;
    EXPECT_FALSE(r.car(pair));
    ASSERT_EQ(r.dialogs.messages().size(), 1u);
    EXPECT_EQ(r.dialogs.messages()[0],
              "Bob.unique.ovl is no readable OVL file: the name address 4000 leads to no string of the string table");
}

TEST(ModelPair, StringTableWithoutFinalNulIsRefused) {
    const HandMadeOvlPair pair = carModel();
    std::string common = pair.commonBytes();
    // The string table is the first block: its size word at 83, its data at 87 (33 bytes).
    ASSERT_EQ(common.substr(83, 4), le32(33));
    common[87 + 32] = 'X';
    Reading r;
    EXPECT_FALSE(r.raw(common, pair.uniqueBytes()));
    ASSERT_EQ(r.dialogs.messages().size(), 1u);
    EXPECT_EQ(r.dialogs.messages()[0], "Bob.common.ovl is no readable OVL file: the string table's last string has no end");
}

// The car builder's tag checks in their order, each with its message.
TEST(ModelPairCarChecks, TagChecksRefuseInTheirOrder) {
    auto with = [](std::vector<std::string> names) {
        HandMadeOvlPair pair;
        const int item = pair.addItem(File::Unique, Area::Structures, {Piece{le32(0)}});
        for (const std::string& n : names) pair.addSymbol(n, item, File::Unique);
        pair.references.push_back({item, 0, "X:ban"});
        return pair;
    };
    const std::vector<std::pair<std::vector<std::string>, MessageId>> cases = {
        {{"Bob:svd", "Bob:bsh", "Bob:ftx", "X:ric", "S:shs"}, "181"},
        {{"Bob:svd", "Bob:bsh", "Bob:ftx", "X:rit", "X:ric"}, "182"},
        {{"Bob:svd", "Bob:bsh", "Bob:ftx", "X:rit"}, "183"},
        {{"Bob:SVD", "Bob:bsh", "Bob:ftx"}, "190"},
        {{"Bob:svd", "Bob2:svd", "Bob:bsh", "Bob:ftx"}, "191"},
        {{"bob:svd", "Bob:bsh", "Bob:ftx"}, "188"},
        {{"Bob:svd", "Bob:ftx", "Bob:BSH"}, "186"},
        {{"Bob:svd", "Bob:bsh"}, "193"},
    };
    for (const auto& [names, id] : cases) {
        Reading r;
        EXPECT_FALSE(r.car(with(names), Language::German)) << id;
        EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{message(id, Language::German, {"Bob"})}) << id;
    }
    Reading r;
    EXPECT_TRUE(r.car(with({"Bob:svd", "Bob:bsh", "Bob:ftx", "Other:shs2"})));
    EXPECT_EQ(message("188", Language::English, {"Bob"}),
              "Error 188! The file name of Bob OVLs doesn't match the internal object name (:SVD).");
}

TEST(ModelPairCarChecks, AModelWithoutSymbolReferencesIsRefusedAfterTheTagChecks) {
    Reading r;
    HandMadeOvlPair pair = carModel();
    pair.references.clear();
    EXPECT_FALSE(r.car(pair));
    EXPECT_EQ(r.dialogs.messages(), std::vector<std::string>{"Error 194! Bob includes no Symbollist."});

    Reading tags;  // a tag check comes first
    HandMadeOvlPair noTexture = carModel();
    noTexture.references.clear();
    noTexture.symbols.erase(noTexture.symbols.begin());
    EXPECT_FALSE(tags.car(noTexture));
    EXPECT_EQ(tags.dialogs.messages(),
              std::vector<std::string>{"Error 193! The model Bob includes no FlexiTexture-Structures (:FTX) which are needed to create a CTR-Car."});
}

TEST(ModelPairCarChecks, AReferenceNameOutsideTheStringTableIsRefused) {
    const HandMadeOvlPair pair = carModel();
    std::string unique = pair.uniqueBytes();
    // The reference entry's name word: address 137 + 4 is unique data offset 137 - 73 + 4 = 68 of the
    // blocks, which start after the header (47), the counts (36) and the two blocks before it with their size words.
    const size_t at = 47 + 36 + 4 + 24 + 4 + 40 + 4 + 4;
    ASSERT_EQ(unique.substr(at, 4), le32(24));
    unique.replace(at, 4, le32(25));
    Reading r;
    test::writeBytes(r.folder / "Bob.common.ovl", pair.commonBytes());
    test::writeBytes(r.folder / "Bob.unique.ovl", unique);
    EXPECT_FALSE(test::reported(r.dialogs, Language::English,
                                [&](Report& report) { return readCarModelPair(r.folder.path(), "Bob", report); }));
    EXPECT_EQ(r.dialogs.messages(),
              std::vector<std::string>{"Bob.unique.ovl is no readable OVL file: the name address 25 leads to no string of the string table"});
}

}  // namespace
}  // namespace zw
