// The install window's check tab: the CTRs with their worst finding, the findings of the selected
// one, and the uninstall of the selected CTR, after which the folder is checked again.
#include "workflow/GameFolderCheckTab.h"

#include <gtest/gtest.h>

#include "support/GameFolderFixture.h"
#include "support/ScriptedDialogs.h"

namespace zw {
namespace {

namespace fs = std::filesystem;

struct GameFolderCheckTabTest : ::testing::Test {
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;
    InstallSettings settings{game.gamePath(), false, Language::English};
    GameFolderCheckTab tab{dialogs, [this] { return settings; }, fs::path()};

    int rowOf(const std::string& name) const {
        for (size_t i = 0; i < tab.CtrList.size(); ++i) {
            if (tab.CtrList[i].name == name) return static_cast<int>(i);
        }
        return -1;
    }
};

TEST_F(GameFolderCheckTabTest, ShowsTheWorstFindingAndUninstallsTheSelectedCtr) {
    // A pair without its other file, a half-installed track set with a leftover, a loose file.
    test::writeBytes(game.ridesFolder() / "CTR_Halb" / "CTR_Halb.common.ovl", "x");
    test::writeBytes(game.ridesFolder() / "TrackCTR_Rest" / "TrackCTR_Rest.common.ovl.zwtmp", "x");
    test::writeBytes(game.ridesFolder() / "readme.txt", "x");
    EXPECT_EQ(tab.CtrIndex, -1);
    EXPECT_NE(tab.Summary.find("Not checked yet"), std::string::npos);

    tab.check();
    EXPECT_EQ(tab.Summary, "3 entries checked: 2 errors, 2 notes.");
    ASSERT_EQ(tab.CtrList.size(), 3u);
    // The first CTR with an error is selected; an error is worse than the note before it.
    EXPECT_EQ(tab.CtrIndex, rowOf("CTR_Halb"));
    const int rest = rowOf("TrackCTR_Rest");
    EXPECT_EQ(tab.CtrList[static_cast<size_t>(rest)].worst,
              "TrackCTR_Rest.common.ovl is missing: the CTR-Tracks are only half installed.");
    EXPECT_EQ(tab.CtrList[static_cast<size_t>(rowOf("readme.txt"))].worst, "readme.txt is a file the game does not load here.");
    EXPECT_FALSE(tab.CtrList[static_cast<size_t>(rowOf("readme.txt"))].hasErrors);

    tab.selectCtr(rest);
    ASSERT_EQ(tab.Findings.size(), 2u);
    EXPECT_EQ(tab.Findings[1].severity, "note");
    EXPECT_EQ(tab.Findings[1].file, "TrackCTR_Rest.common.ovl.zwtmp");
    EXPECT_EQ(tab.Findings[1].meaning, "Harmless.");

    // A loose file is no CTR the uninstall knows.
    tab.selectCtr(rowOf("readme.txt"));
    EXPECT_FALSE(tab.canUninstallSelected());
    EXPECT_FALSE(tab.uninstallSelected());
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "readme.txt"));

    // The half-installed track set goes with the uninstall of the track tab; the folder is checked again.
    tab.selectCtr(rowOf("TrackCTR_Rest"));
    ASSERT_TRUE(tab.canUninstallSelected());
    // Asked first, as on the other tabs: No keeps the set, Yes removes it.
    dialogs.yesNoAnswers = {false};
    EXPECT_TRUE(tab.uninstallSelected());
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "TrackCTR_Rest"));
    dialogs.yesNoAnswers = {true};
    tab.selectCtr(rowOf("TrackCTR_Rest"));
    EXPECT_TRUE(tab.uninstallSelected());
    EXPECT_FALSE(fs::exists(game.ridesFolder() / "TrackCTR_Rest"));
    EXPECT_EQ(rowOf("TrackCTR_Rest"), -1);
    EXPECT_EQ(tab.CtrList.size(), 2u);
    EXPECT_EQ(tab.Summary, "2 entries checked: 1 errors, 1 notes.");
}

}  // namespace
}  // namespace zw
