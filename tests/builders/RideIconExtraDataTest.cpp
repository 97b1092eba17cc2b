#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "builders/RideIconExtraData.h"
#include "builders/RideIconPicture.h"
#include "support/Reported.h"
#include "support/ScriptedDialogs.h"
#include "support/StyleIconPair.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using test::StyleIconFault;

std::string sizeWord(uint32_t v) {
    std::string out;
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    return out;
}

struct IconExtraData : ::testing::Test {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;

    std::optional<std::string> obtain(std::string_view icon, Language language = Language::English) {
        return test::reported(dialogs, language,
                              [&](Report& report) { return obtainIconExtraData(icon, folder.path(), report); });
    }
    std::vector<std::string> messages() const { return dialogs.messages(); }
};

TEST_F(IconExtraData, BuiltInPictureForCTRReadsNoFile) {
    test::writeBytes(folder / "CTR.common.ovl", "not an OVL file");
    for (std::string_view icon : {"CTR", "ctr"}) {
        const std::optional<std::string> entry = obtain(icon);
        ASSERT_TRUE(entry);
        EXPECT_EQ(*entry, sizeWord(2096) + builtInRideIconPicture());
    }
    EXPECT_TRUE(messages().empty());
}

TEST_F(IconExtraData, PictureFromTheCommonFileWithoutAUniqueFile) {
    test::writeStyleIconPair(folder.path(), StyleIconFault::None);
    EXPECT_EQ(obtain("Style"), sizeWord(2096) + test::iconPicture());
    EXPECT_TRUE(messages().empty());
}

TEST_F(IconExtraData, FourByteEntriesAreSkipped) {
    const std::string picture = test::iconPicture(300, 'a');
    test::writeBytes(folder / "Style.common.ovl",
                     test::iconOvlFile({std::string(4, 'x'), std::string(4, 'y'), picture, "later"}).bytes());
    EXPECT_EQ(obtain("Style"), sizeWord(300) + picture);
}

TEST_F(IconExtraData, LowerCaseNameReadsItsOwnFiles) {
    test::writeStyleIconPair(folder.path(), StyleIconFault::PictureInUnique, "style");
    EXPECT_EQ(obtain("style"), sizeWord(2096) + test::iconPicture(2096, 'U'));
    EXPECT_TRUE(messages().empty());
}

TEST_F(IconExtraData, HeaderReferencesAndLoaderTypesAreSkipped) {
    test::IconOvlFile file = test::iconOvlFile({"PIC"});
    file.references = {"../a/b", "c"};
    file.loaderTypes.push_back({"RCT3", "TrackedRide", 2, "trr"});
    test::writeBytes(folder / "Style.common.ovl", file.bytes());
    EXPECT_EQ(obtain("Style"), sizeWord(3) + "PIC");
}

TEST_F(IconExtraData, BlockCountFiftyIsAcceptedFiftyOneRefused) {
    test::IconOvlFile file = test::iconOvlFile({"PIC"});
    file.blocks[4] = std::vector<std::string>(50, std::string(4, '\x04'));
    test::writeBytes(folder / "Style.common.ovl", file.bytes());
    EXPECT_EQ(obtain("Style"), sizeWord(3) + "PIC");

    file.blocks[4].push_back("late");
    test::writeBytes(folder / "Style.common.ovl", file.bytes());
    EXPECT_FALSE(obtain("Style"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_EQ(messages()[0],
              "Error 452! A block count inside the file Style.common.ovl which is needed to create the icon is greater than 51.");
}

struct FaultCase {
    StyleIconFault fault;
    const char* english;
};

TEST_F(IconExtraData, EveryFaultStopsWithItsMessage) {
    const FaultCase cases[] = {
        {StyleIconFault::CommonMissing,
         "Error 450! Style.common.ovl file not found.\r\nMaybe this file is in another folder than the BahnDaten.txt file?"},
        {StyleIconFault::CommonVersion,
         "Error 451! The file Style.common.ovl which is needed to create the icon is no OVL-Version-1."},
        {StyleIconFault::CommonBlockCount,
         "Error 452! A block count inside the file Style.common.ovl which is needed to create the icon is greater than 51."},
        {StyleIconFault::UniqueMissing,
         "Error 453! Style.unique.ovl file not found.\r\nMaybe this file is in another folder than the BahnDaten.txt file?"},
        {StyleIconFault::UniqueVersion,
         "Error 454! The file Style.unique.ovl which is needed to create the icon is no OVL-Version-1."},
        {StyleIconFault::UniqueBlockCount,
         "Error 455! A block count inside the file Style.unique.ovl which is needed to create the icon is greater than 51."},
        {StyleIconFault::NoPicture,
         "Error 456! The extra data which is needed for the icon was not found neither in Style.common.ovl nor in "
         "Style.unqiue.ovl."},
    };
    for (const FaultCase& c : cases) {
        test::TempFolder own;
        test::ScriptedDialogs shown;
        test::writeStyleIconPair(own.path(), c.fault);
        EXPECT_FALSE(test::reported(shown, Language::English,
                                    [&](Report& report) { return obtainIconExtraData("Style", own.path(), report); }));
        EXPECT_EQ(shown.messages(), std::vector<std::string>{c.english}) << static_cast<int>(c.fault);
    }
}

TEST_F(IconExtraData, GermanTextsNameTheIconAsWritten) {
    test::writeStyleIconPair(folder.path(), StyleIconFault::NoPicture, "style");
    EXPECT_FALSE(obtain("style", Language::German));
    EXPECT_EQ(messages(), std::vector<std::string>{
                              "Fehler 456! Die fürs Icon benötigten Extradaten konnten weder in style.common.ovl noch in "
                              "style.unqiue.ovl gefunden werden."});
}

TEST_F(IconExtraData, TruncatedFileIsNamedNotReadPastItsEnd) {
    test::writeStyleIconPair(folder.path(), StyleIconFault::CommonTruncated);
    EXPECT_FALSE(obtain("Style"));
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_NE(messages()[0].find("Style.common.ovl is no readable OVL file"), std::string::npos) << messages()[0];

    // An entry whose size runs past the end is no picture either.
    test::writeBytes(folder / "Style.common.ovl", test::iconOvlFile({}).bytes() + sizeWord(100) + "short");
    EXPECT_FALSE(obtain("Style"));
    EXPECT_EQ(messages().size(), 2u);
}

}  // namespace
}  // namespace zw
