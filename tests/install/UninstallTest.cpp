#include "install/Uninstall.h"

#include <gtest/gtest.h>

#include "support/GameFolderFixture.h"
#include "support/ScriptedDialogs.h"

namespace zw {
namespace {

namespace fs = std::filesystem;
using test::entryNames;

class Uninstalling : public ::testing::Test {
protected:
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;

    UninstallOutcome uninstall(CtrKind kind, const fs::path& name) {
        return uninstallObject(kind, Language::German, dialogs, gameFolderOf(kind, game.gamePath()), name);
    }
    const std::string k735 = "Fehler 735! Der Ordner kann nicht gelöscht werden, da er entweder CTR-fremde Dateien "
                             "beinhaltet oder gerade benutzt wird.";
};

TEST_F(Uninstalling, RemovesARideOrCarWithItsFolder) {
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    game.makeCarFolder(game.carsFolder(), "CTR_Car");
    EXPECT_EQ(uninstall(CtrKind::Ride, "CTR_Ride"), UninstallOutcome::Removed);
    EXPECT_EQ(uninstall(CtrKind::Car, "CTR_Car"), UninstallOutcome::Removed);
    EXPECT_TRUE(entryNames(game.ridesFolder()).empty());
    EXPECT_TRUE(entryNames(game.carsFolder()).empty());
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(Uninstalling, KeepsAUsersOwnFileAndItsFolder) {
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    test::writeBytes(game.ridesFolder() / "CTR_Ride" / "readme.txt", "mine");
    EXPECT_EQ(uninstall(CtrKind::Ride, "CTR_Ride"), UninstallOutcome::FolderKept);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{k735});
    EXPECT_EQ(entryNames(game.ridesFolder() / "CTR_Ride"), std::vector<std::string>{"readme.txt"});
}

TEST_F(Uninstalling, RemovesATrackSetWithTheSectionsItNames) {
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop", "Drop"});
    test::writeBytes(game.ridesFolder() / "TrackCTR_Set" / "Other_data.common.ovl", "not named by the set");
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Set"), UninstallOutcome::FolderKept);
    EXPECT_EQ(entryNames(game.ridesFolder() / "TrackCTR_Set"), std::vector<std::string>{"Other_data.common.ovl"});

    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Bare", {});
    dialogs.log.clear();
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Bare"), UninstallOutcome::Removed);
    EXPECT_FALSE(fs::exists(game.ridesFolder() / "TrackCTR_Bare"));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(Uninstalling, RemovesAHalfInstalledTrackSetAndSaysWhatWentAway) {
    const fs::path set = game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop", "Drop"});
    fs::remove(set / "TrackCTR_Set.common.ovl");
    test::writeBytes(set / "Drop_data.unique.ovl.zwtmp", "half written");
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Set"), UninstallOutcome::Removed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Die unvollständig installierten CTR-Schienen TrackCTR_Set wurden entfernt. "
                                       "Gelöschte Dateien:\r\nDrop_data.common.ovl\r\nDrop_data.unique.ovl\r\n"
                                       "Drop_data.unique.ovl.zwtmp\r\nLoop_data.common.ovl\r\nLoop_data.unique.ovl\r\n"
                                       "TrackCTR_Set.unique.ovl"});
    EXPECT_TRUE(entryNames(game.ridesFolder()).empty());

    // An empty folder goes too; a user's own file stays with its folder.
    fs::create_directory(game.ridesFolder() / "TrackCTR_Empty");
    dialogs.log.clear();
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Empty"), UninstallOutcome::Removed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Der leere Ordner der CTR-Schienen TrackCTR_Empty wurde entfernt."});
    test::writeBytes(game.ridesFolder() / "TrackCTR_Mine" / "notes.txt", "mine");
    dialogs.log.clear();
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Mine"), UninstallOutcome::FolderKept);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{k735});
    EXPECT_EQ(entryNames(game.ridesFolder()), std::vector<std::string>{"TrackCTR_Mine"});
}

TEST_F(Uninstalling, ATrackSetWhoseCommonFileCannotBeReadIsLeftWhole) {
    const fs::path set = game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    // A common file that is there but cannot be opened.
    fs::remove(set / "TrackCTR_Set.common.ovl");
    test::writeBytes(set / "TrackCTR_Set.common.ovl" / "inside", "x");
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Set"), UninstallOutcome::NotRead);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Fehler 736! TrackCTR_Set.common.ovl Datei konnte nicht geöffnet werden, um die "
                                       "zu löschenden Dateien zu ermitteln."});
    EXPECT_EQ(entryNames(set), (std::vector<std::string>{"Loop_data.common.ovl", "Loop_data.unique.ovl",
                                                         "TrackCTR_Set.common.ovl", "TrackCTR_Set.unique.ovl"}));

    fs::remove_all(set / "TrackCTR_Set.common.ovl");
    test::writeBytes(set / "TrackCTR_Set.common.ovl", test::commonFileWithStrings({"Loop:tks"}, 3));
    dialogs.log.clear();
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Set"), UninstallOutcome::NotRead);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("737", Language::German, {"TrackCTR_Set"})});

    test::writeBytes(set / "TrackCTR_Set.common.ovl", test::commonFileWithStrings({"../Victim:tks"}));
    test::writeBytes(game.ridesFolder() / "Victim_data.common.ovl", "outside the set");
    dialogs.log.clear();
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Set"), UninstallOutcome::NotRead);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "Victim_data.common.ovl"));
    EXPECT_EQ(entryNames(set).size(), 4u);
}

TEST_F(Uninstalling, AFileThatCannotBeDeletedIsReportedWithItsErrorNumber) {
    const fs::path ride = game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    // A non-empty folder where the common file belongs cannot be deleted as a file, whoever asks.
    fs::remove(ride / "CTR_Ride.common.ovl");
    test::writeBytes(ride / "CTR_Ride.common.ovl" / "inside", "x");
    EXPECT_EQ(uninstall(CtrKind::Ride, "CTR_Ride"), UninstallOutcome::FolderKept);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    std::error_code expected;
    fs::remove(ride / "CTR_Ride.common.ovl", expected);
    ASSERT_TRUE(expected);
    EXPECT_NE(dialogs.messages()[0].find("CTR_Ride.common.ovl"), std::string::npos);
    EXPECT_NE(dialogs.messages()[0].find("=" + std::to_string(expected.value()) + ")"), std::string::npos)
        << dialogs.messages()[0];
    EXPECT_EQ(dialogs.messages()[1], k735);
    EXPECT_FALSE(fs::exists(ride / "CTR_Ride.unique.ovl"));
}

TEST_F(Uninstalling, TouchesNothingButAnInstalledObjectsFolder) {
    // A plain file carrying a ride's name is listed like a folder, but is not removed.
    test::writeBytes(game.ridesFolder() / "CTR_File", "a file");
    EXPECT_EQ(uninstall(CtrKind::Ride, "CTR_File"), UninstallOutcome::FolderKept);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{k735});
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "CTR_File"));

    // Names that are no object's name of that kind.
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    dialogs.log.clear();
    for (const char* name : {"../RCT3", "CTR_Ride/..", "TrackCTR_Ride", "CTR_Ride.bak", "", ".."}) {
        EXPECT_EQ(uninstall(CtrKind::Ride, name), UninstallOutcome::NotAnObject) << name;
    }
    EXPECT_EQ(uninstall(CtrKind::Track, "CTR_Ride"), UninstallOutcome::NotAnObject);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(entryNames(game.ridesFolder() / "CTR_Ride").size(), 2u);
}

}  // namespace
}  // namespace zw
