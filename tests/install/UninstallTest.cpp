#include "install/Uninstall.h"

#include <gtest/gtest.h>

#include "base/FileFaults.h"
#include "base/FileInUse.h"
#include "support/GameFolderFixture.h"
#include "support/InstallRuns.h"
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
        return test::uninstallObject(kind, Language::German, dialogs, gameFolderOf(kind, game.gamePath()), name);
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
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"CTR_Ride wurde aus RCT3 entfernt (2 Dateien gelöscht).",
                                                            "CTR_Car wurde aus RCT3 entfernt (2 Dateien gelöscht)."}));
}

// A deletion failing after another succeeded: the files not yet deleted are put back under their
// names, and the message says what is gone and what is left.
TEST_F(Uninstalling, ADeletionFailingHalfWayPutsTheRestBackAndSaysWhatIsLeft) {
    const fs::path set = game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    {
        ScopedFileFault fault(FileOperation::Remove, 2);
        EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Set"), UninstallOutcome::PartlyRemoved);
    }
    EXPECT_EQ(entryNames(set), (std::vector<std::string>{"Loop_data.unique.ovl", "TrackCTR_Set.common.ovl",
                                                         "TrackCTR_Set.unique.ovl"}));
    EXPECT_EQ(dialogs.errors(),
              std::vector<std::string>{"TrackCTR_Set konnte nicht vollständig entfernt werden: Loop_data.unique.ovl "
                                       "ließ sich nicht löschen (" +
                                       systemReasonOf(std::make_error_code(std::errc::permission_denied)) +
                                       ").\r\nGelöscht:\r\nLoop_data.common.ovl\r\nNoch vorhanden:\r\n"
                                       "Loop_data.unique.ovl\r\nTrackCTR_Set.common.ovl\r\nTrackCTR_Set.unique.ovl"});
    dialogs.log.clear();
    EXPECT_EQ(uninstall(CtrKind::Track, "TrackCTR_Set"), UninstallOutcome::Removed);
    EXPECT_TRUE(entryNames(game.ridesFolder()).empty());
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
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"TrackCTR_Bare wurde aus RCT3 entfernt (2 Dateien gelöscht)."});
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

TEST_F(Uninstalling, AFileThatCannotBeDeletedIsReportedWithItsErrorNumberAndNothingGoes) {
    const fs::path ride = game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    {
        ScopedFileFault fault(FileOperation::Rename, 2);  // the unique file cannot be set aside
        EXPECT_EQ(uninstall(CtrKind::Ride, "CTR_Ride"), UninstallOutcome::NotRemoved);
    }
    const int refused = static_cast<int>(std::errc::permission_denied);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("installedFileNotDeleted", Language::German,
                                                                   {"CTR_Ride.unique.ovl", std::to_string(refused)})});
    EXPECT_EQ(entryNames(ride), (std::vector<std::string>{"CTR_Ride.common.ovl", "CTR_Ride.unique.ovl"}));

    // A folder where the common file belongs is not one of the ride's files: it stays, with 735.
    fs::remove(ride / "CTR_Ride.common.ovl");
    test::writeBytes(ride / "CTR_Ride.common.ovl" / "inside", "x");
    dialogs.log.clear();
    EXPECT_EQ(uninstall(CtrKind::Ride, "CTR_Ride"), UninstallOutcome::FolderKept);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{k735});
    EXPECT_EQ(entryNames(ride), std::vector<std::string>{"CTR_Ride.common.ovl"});
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
