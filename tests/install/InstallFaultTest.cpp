#include <gtest/gtest.h>

#include "install/InstallCommands.h"
#include "install/Uninstall.h"
#include "support/FileFaultSweep.h"
#include "support/GameFolderFixture.h"
#include "support/InstallRuns.h"

namespace zw {
namespace {

namespace fs = std::filesystem;

class InstallFaults : public ::testing::Test {
protected:
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;
    InstallSettings settings{game.gamePath(), true, Language::German};
    const std::vector<FileOperation> writes = {FileOperation::Create, FileOperation::Write, FileOperation::Flush,
                                               FileOperation::Rename};

    int sweepInstall(const std::string& item) {
        return test::runFaultSweep(
            {game.gamePath(), writes,
             [&] { return test::installCtrFolder(settings, dialogs, game.author(), item) == InstallOutcome::Installed; }},
            dialogs);
    }
};

// Installs over an earlier object and into a fresh folder: every failure leaves the game folder as
// it was (the earlier object whole, no new folder, no staged file).
TEST_F(InstallFaults, EveryFailingCopyLeavesTheGameFolderAsItWas) {
    game.makeRideFolder(game.author(), "CTR_Ride", "new");
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride", "earlier");
    game.makeCarFolder(game.author(), "CTR_Car");
    game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop", "Drop"});
    game.makeTrackSetFolder(game.author(), "TrackCTR_Fresh", {"Loop"});
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    test::writeBytes(game.ridesFolder() / "TrackCTR_Set" / "Loop_data.common.ovl", "earlier Loop");
    test::writeBytes(game.ridesFolder() / "TrackCTR_Set" / "readme.txt", "the user's own");

    EXPECT_GE(sweepInstall("CTR_Ride"), 6);
    EXPECT_GE(sweepInstall("CTR_Car"), 6);
    EXPECT_GE(sweepInstall("TrackCTR_Set"), 14);
    EXPECT_GE(sweepInstall("TrackCTR_Fresh"), 8);
    EXPECT_GE(test::runFaultSweep({game.gamePath(), writes,
                                   [&] {
                                       return test::installBuiltPair(CtrKind::Car, settings, dialogs, game.author() / "CTR_Car",
                                                               "CTR_Car") == InstallOutcome::Installed;
                                   }},
                                  dialogs),
              6);
}

// Every deletion of an uninstall failing in turn: it is reported, what stays is unchanged, and the
// next uninstall finishes the job (a track set that lost its own common file included).
TEST_F(InstallFaults, EveryFailingDeletionIsReportedAndTheNextUninstallFinishes) {
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop", "Drop"});
    for (const auto& object : {std::pair{CtrKind::Ride, "CTR_Ride"}, std::pair{CtrKind::Track, "TrackCTR_Set"}}) {
        const CtrKind kind = object.first;
        const std::string name = object.second;
        const fs::path kindFolder = gameFolderOf(kind, game.gamePath());
        const auto uninstall = [&] { return test::uninstallObject(kind, Language::German, dialogs, kindFolder, name); };
        const int failures = test::runFaultSweep(
            {game.gamePath(),
             {FileOperation::Remove},
             [&] { return uninstall() == UninstallOutcome::Removed; },
             [&](const test::FolderSnapshot& before) {
                 for (const auto& [path, content] : test::snapshotOf(game.gamePath())) {
                     const auto earlier = before.find(path);
                     EXPECT_TRUE(earlier != before.end() && earlier->second == content) << path;
                 }
                 EXPECT_EQ(uninstall(), UninstallOutcome::Removed);
                 EXPECT_FALSE(fs::exists(kindFolder / name));
             }},
            dialogs);
        EXPECT_GE(failures, kind == CtrKind::Ride ? 3 : 7) << name;
    }
}

// Each rename (and each proof that a file can be renamed) meeting a file in use, as when the game
// holds it: installing over an object and uninstalling one change nothing and say so as an error.
TEST_F(InstallFaults, AFileInUseAtAnyStepChangesNothing) {
    game.makeRideFolder(game.author(), "CTR_Ride", "new");
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride", "earlier");
    game.makeCarFolder(game.author(), "CTR_Car", "new");
    game.makeCarFolder(game.carsFolder(), "CTR_Car", "earlier");
    game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop", "Drop"});
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    const auto inUse = [&](const std::function<bool()>& operation) {
        return test::runFaultSweep({game.gamePath(), {FileOperation::Rename}, operation,
                                    [&](const test::FolderSnapshot& before) {
                                        EXPECT_EQ(test::snapshotOf(game.gamePath()), before);
                                        ASSERT_EQ(dialogs.errors().size(), 1u);
                                        EXPECT_NE(dialogs.errors()[0].find("wird von einem anderen Programm benutzt"),
                                                  std::string::npos);
                                    },
                                    FaultCause::InUse},
                                   dialogs);
    };
    for (const char* item : {"CTR_Ride", "CTR_Car", "TrackCTR_Set"}) {
        EXPECT_GE(inUse([&] {
                      return test::installCtrFolder(settings, dialogs, game.author(), item) == InstallOutcome::Installed;
                  }),
                  3)
            << item;
    }
    for (const auto& [kind, name] : {std::pair{CtrKind::Ride, "CTR_Ride"}, std::pair{CtrKind::Car, "CTR_Car"},
                                     std::pair{CtrKind::Track, "TrackCTR_Set"}}) {
        EXPECT_GE(inUse([&, kind = kind, name = name] {
                      return test::uninstallObject(kind, Language::German, dialogs, gameFolderOf(kind, game.gamePath()),
                                             name) == UninstallOutcome::Removed;
                  }),
                  2)
            << name;
    }
}

}  // namespace
}  // namespace zw
