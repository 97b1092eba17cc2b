// The running game holds its OVL files open. Installing over an object or uninstalling it while one
// of its files is held changes nothing, says which file is in use, and succeeds once it is let go.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "install/GameFolders.h"
#include "install/InstallCommands.h"
#include "install/Uninstall.h"
#include "support/FileFaultSweep.h"
#include "support/GameFolderFixture.h"
#include "support/HeldFile.h"
#include "support/InstallRuns.h"

namespace zw {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesOf(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class HeldFiles : public ::testing::Test {
protected:
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;
    InstallSettings settings{game.gamePath(), true, Language::English};

    // Holds each file of `folder` in turn while `operation` runs: it reports failure, the game
    // folder is as it was, and the one message is the in-use error naming the held file. Once the
    // file is let go, the operation succeeds.
    void eachFileHeldInTurn(const fs::path& folder, const std::function<bool()>& operation) {
        const std::vector<fs::path> files = filesOf(folder);
        ASSERT_FALSE(files.empty());
        for (const fs::path& file : files) {
            SCOPED_TRACE(file.filename().string());
            const test::FolderSnapshot before = test::snapshotOf(game.gamePath());
            dialogs.log.clear();
            {
                test::HeldFile held(file);
                EXPECT_FALSE(operation());
            }
            EXPECT_EQ(test::snapshotOf(game.gamePath()), before);
            ASSERT_EQ(dialogs.messages().size(), 1u);
            ASSERT_EQ(dialogs.errors().size(), 1u);
            const std::string expected = file.filename().string() +
                                         " is in use by another program (is RCT3 running?). Close the game and try "
                                         "again; nothing was changed.\r\n(";
            EXPECT_EQ(dialogs.errors()[0].substr(0, expected.size()), expected);
        }
        dialogs.log.clear();
        EXPECT_TRUE(operation());
    }

    std::function<bool()> uninstalling(CtrKind kind, const std::string& name) {
        return [this, kind, name] {
            return test::uninstallObject(kind, Language::English, dialogs, gameFolderOf(kind, game.gamePath()), name) ==
                   UninstallOutcome::Removed;
        };
    }
};

TEST_F(HeldFiles, InstallingOverARideCarOrTrackSetWaitsForTheGame) {
    game.makeRideFolder(game.author(), "CTR_Ride", "new ride");
    const fs::path ride = game.makeRideFolder(game.ridesFolder(), "CTR_Ride", "earlier ride");
    eachFileHeldInTurn(ride, [&] {
        return test::installCtrFolder(settings, dialogs, game.author(), "CTR_Ride") == InstallOutcome::Installed;
    });
    EXPECT_EQ(test::fileContent(ride / "CTR_Ride.common.ovl"), test::fileContent(game.author() / "CTR_Ride" / "CTR_Ride.common.ovl"));

    // The main window's install of a built car pair.
    game.makeCarFolder(game.author(), "CTR_Car", "new car");
    const fs::path car = game.makeCarFolder(game.carsFolder(), "CTR_Car", "earlier car");
    eachFileHeldInTurn(car, [&] {
        return test::installBuiltPair(CtrKind::Car, settings, dialogs, game.author() / "CTR_Car", "CTR_Car") ==
               InstallOutcome::Installed;
    });
    EXPECT_EQ(test::fileContent(car / "CTR_Car.common.ovl"), test::fileContent(game.author() / "CTR_Car" / "CTR_Car.common.ovl"));

    const fs::path newSet = game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop", "Drop"});
    test::writeBytes(newSet / "Loop_data.unique.ovl", "new Loop");
    const fs::path set = game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop", "Drop"});
    eachFileHeldInTurn(set, [&] {
        return test::installCtrFolder(settings, dialogs, game.author(), "TrackCTR_Set") == InstallOutcome::Installed;
    });
    EXPECT_EQ(test::fileContent(set / "Loop_data.unique.ovl"), "new Loop");
}

TEST_F(HeldFiles, UninstallingARideCarOrTrackSetDeletesNothingWhileTheGameHoldsAFile) {
    eachFileHeldInTurn(game.makeRideFolder(game.ridesFolder(), "CTR_Ride"), uninstalling(CtrKind::Ride, "CTR_Ride"));
    eachFileHeldInTurn(game.makeCarFolder(game.carsFolder(), "CTR_Car"), uninstalling(CtrKind::Car, "CTR_Car"));
    eachFileHeldInTurn(game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop", "Drop"}),
                       uninstalling(CtrKind::Track, "TrackCTR_Set"));
    EXPECT_TRUE(test::entryNames(game.ridesFolder()).empty());
    EXPECT_TRUE(test::entryNames(game.carsFolder()).empty());
}

}  // namespace
}  // namespace zw
