// Which entries of a CTR's folder belong to it, by name alone.
#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "install/CtrFolderLayout.h"

namespace zw {
namespace {

using S = EntryMatch::Status;

// Names as UTF-8, made into paths as the folder walk gets them on every system.
std::vector<FolderEntry> files(std::initializer_list<const char*> names) {
    std::vector<FolderEntry> out;
    for (const char* n : names) out.push_back({pathFromUtf8(n), false});
    return out;
}

TEST(CtrFolderLayout, FindsAFileAsWindowsDoesWhateverItsCase) {
    struct Case {
        std::vector<FolderEntry> entries;
        const char* wanted;  // Windows-1252
        S status;
        size_t index;
    };
    const Case cases[] = {
        {files({"CTR_A.common.ovl"}), "CTR_A.common.ovl", S::Found, 0},
        {files({"x", "ctr_a.COMMON.OVL"}), "CTR_A.common.ovl", S::Found, 1},
        // The exact spelling wins over any other case.
        {files({"ctr_a.common.ovl", "CTR_A.common.ovl", "CTR_a.common.ovl"}), "CTR_A.common.ovl", S::Found, 1},
        {files({"ctr_a.common.ovl", "CTR_a.common.ovl"}), "CTR_A.common.ovl", S::Ambiguous, 0},
        {files({"CTR_A.common.ovl.zwtmp", "CTR_A.common", "CTR_A.unique.ovl"}), "CTR_A.common.ovl", S::Missing, 0},
        // A folder never stands for a file.
        {{{std::filesystem::path("CTR_A.common.ovl"), true}}, "CTR_A.common.ovl", S::Missing, 0},
        // Windows-1252 letters have a case too: the entry's UTF-8 "ä" is "\xE4", equal to "\xC4" ("Ä").
        {files({"CTR_\xC3\xA4.common.ovl"}), "CTR_\xC4.common.ovl", S::Found, 0},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const EntryMatch m = findEntry(cases[i].entries, cases[i].wanted);
        EXPECT_EQ(m.status, cases[i].status) << i;
        if (m.status != S::Missing) {
            EXPECT_EQ(m.index, cases[i].index) << i;
        }
    }
}

TEST(CtrFolderLayout, TellsTheRestApart) {
    std::vector<FolderEntry> entries = files({"TrackCTR_T.COMMON.ovl", "TrackCTR_T.unique.ovl", "Loop_data.common.ovl",
                                              "loop_DATA.unique.ovl", "Drop_data.common.ovl.zwnew",
                                              "TrackCTR_T.unique.ovl.zwold", "notes.txt", "Other.common.ovl"});
    entries.push_back({"Pictures", true});
    entries.push_back({"Staged.zwtmp", true});
    const CtrFolderLayout layout = layOutCtrFolder("TrackCTR_T", entries, {"Loop", "Drop"});
    EXPECT_EQ(layout.common.status, S::Found);
    EXPECT_EQ(layout.unique.status, S::Found);
    ASSERT_EQ(layout.sections.size(), 2u);
    EXPECT_EQ(layout.sections[0].unique.status, S::Found);
    EXPECT_EQ(layout.sections[1].common.status, S::Missing);
    using R = EntryRole;
    EXPECT_EQ(layout.roles, (std::vector<R>{R::Belongs, R::Belongs, R::Belongs, R::Belongs, R::Leftover, R::Leftover,
                                            R::LooseFile, R::LooseFile, R::NestedFolder, R::Leftover}));
}

}  // namespace
}  // namespace zw
