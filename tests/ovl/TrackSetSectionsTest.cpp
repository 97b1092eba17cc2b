#include "ovl/TrackSetSections.h"

#include <gtest/gtest.h>

#include "support/GameFolderFixture.h"

namespace zw {
namespace {

using Status = TrackSetSections::Status;
using test::le32;

TEST(TrackSetSections, NamesEveryStringEndingWithTksInTableOrder) {
    const std::string file =
        test::commonFileWithStrings({"Blue", "b2:tks", "other:trr", "a1:tks", "upper:TKS", ":tks", "tks"});
    const TrackSetSections read = readTrackSetSections(file, "T.common.ovl");
    ASSERT_EQ(read.status, Status::Read);
    EXPECT_EQ(read.names, (std::vector<std::string>{"b2", "a1", ""}));
}

TEST(TrackSetSections, SkipsReferencesAndLoaderTypeRows) {
    // Texts in the header that end like section names are no sections.
    std::string file = "FGRK" + le32(0) + le32(1) + le32(2) + test::shortText("ref:tks") + test::shortText("x") +
                       le32(0) + le32(1) + test::loaderTypeRowBytes({"RCT3", "Odd:tks", 7, "tks"});
    const std::string table = std::string("s1:tks") + '\0';
    file += le32(1) + le32(0) + le32(2) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0);
    file += le32(static_cast<uint32_t>(table.size())) + table + le32(0) + le32(0) + le32(0);
    const TrackSetSections read = readTrackSetSections(file, "T.common.ovl");
    ASSERT_EQ(read.status, Status::Read);
    EXPECT_EQ(read.names, std::vector<std::string>{"s1"});
}

TEST(TrackSetSections, RefusesOtherVersionsWhateverTheMagic) {
    EXPECT_EQ(readTrackSetSections(test::commonFileWithStrings({"a:tks"}, 2), "T").status, Status::NotVersion1);
    std::string wrongMagic = test::commonFileWithStrings({"a:tks"});
    wrongMagic.replace(0, 4, "XXXX");
    EXPECT_EQ(readTrackSetSections(wrongMagic, "T").names, std::vector<std::string>{"a"});
}

TEST(TrackSetSections, ReportsDamagedFilesInsteadOfReadingPastTheEnd) {
    const std::string whole = test::commonFileWithStrings({"a:tks", "b:tks"});
    for (size_t cut : {size_t{0}, size_t{10}, size_t{30}, whole.size() - 20}) {
        const TrackSetSections read = readTrackSetSections(whole.substr(0, cut), "T.common.ovl");
        EXPECT_EQ(read.status, Status::Damaged) << "cut at " << cut;
        EXPECT_TRUE(read.names.empty());
        EXPECT_FALSE(read.problem.empty());
        EXPECT_EQ(read.problem.find("T.common.ovl"), std::string::npos) << read.problem;
    }
    // A loader type count far beyond the file.
    std::string huge = test::ovlHeader({});
    huge.replace(huge.size() - 4, 4, le32(0xFFFFFFFF));
    EXPECT_EQ(readTrackSetSections(huge, "T").status, Status::Damaged);
    // The last text runs to the end of the table without its NUL.
    std::string open = test::commonFileWithStrings({"a:tks"});
    const size_t nul = open.find(std::string("a:tks") + '\0') + 5;
    open[nul] = 'x';
    EXPECT_EQ(readTrackSetSections(open, "T").status, Status::Damaged);
}

TEST(TrackSetSections, RefusesSectionNamesThatLeaveTheFolder) {
    for (const char* evil : {"../x:tks", "..\\x:tks", "C:x:tks", "/etc/x:tks"}) {
        const TrackSetSections read = readTrackSetSections(test::commonFileWithStrings({"ok:tks", evil}), "T");
        EXPECT_EQ(read.status, Status::Damaged) << evil;
        EXPECT_TRUE(read.names.empty());
    }
}

TEST(TrackSetSections, AFileWithoutStringTableHasNoSections) {
    std::string file = test::ovlHeader({test::textRow()});
    for (int i = 0; i < 9; ++i) file += le32(0);
    file += le32(0);
    const TrackSetSections read = readTrackSetSections(file, "T");
    EXPECT_EQ(read.status, Status::Read);
    EXPECT_TRUE(read.names.empty());
}

}  // namespace
}  // namespace zw
