#include "install/InstallCommands.h"

#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "install/Uninstall.h"
#include "support/FileFaultSweep.h"
#include "support/GameFolderFixture.h"
#include "support/InstallRuns.h"
#include "support/ScriptedDialogs.h"

namespace zw {
namespace {

namespace fs = std::filesystem;
using test::fileContent;

class BuiltPairInstall : public ::testing::Test {
protected:
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;
    InstallSettings settings{game.gamePath(), false, Language::German};
    fs::path built = game.makeRideFolder(game.author(), "CTR_Blitz", "new");

    InstallOutcome install(CtrKind kind = CtrKind::Ride) {
        return test::installBuiltPair(kind, settings, dialogs, built, "CTR_Blitz");
    }
    fs::path target() const { return gameFolderOf(CtrKind::Ride, settings.gamePath) / "CTR_Blitz"; }
    void installOldPair() {
        test::writeBytes(target() / "CTR_Blitz.common.ovl", "old common");
        test::writeBytes(target() / "CTR_Blitz.unique.ovl", "old unique");
    }
};

TEST_F(BuiltPairInstall, CopiesThePairIntoANewFolderWithoutAsking) {
    EXPECT_EQ(install(), InstallOutcome::Installed);
    EXPECT_EQ(fileContent(target() / "CTR_Blitz.common.ovl"), fileContent(built / "CTR_Blitz.common.ovl"));
    EXPECT_EQ(fileContent(target() / "CTR_Blitz.unique.ovl"), fileContent(built / "CTR_Blitz.unique.ovl"));
    EXPECT_EQ(test::entryNames(target()), (std::vector<std::string>{"CTR_Blitz.common.ovl", "CTR_Blitz.unique.ovl"}));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(BuiltPairInstall, CarsGoToTheCarFolder) {
    built = game.makeCarFolder(game.author(), "CTR_Blitz");
    EXPECT_EQ(install(CtrKind::Car), InstallOutcome::Installed);
    EXPECT_EQ(fileContent(game.carsFolder() / "CTR_Blitz" / "CTR_Blitz.unique.ovl"),
              fileContent(built / "CTR_Blitz.unique.ovl"));
    EXPECT_FALSE(fs::exists(target()));
}

TEST_F(BuiltPairInstall, AsksBeforeReplacingAnInstalledPair) {
    installOldPair();
    EXPECT_EQ(install(), InstallOutcome::Declined);  // the script answers No
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].caption, "Warnung");
    EXPECT_EQ(dialogs.log[0].text, message("overwriteInstalledRide", Language::German, {displayName(target())}));
    EXPECT_NE(dialogs.log[0].text.find("CTR_Blitz"), std::string::npos);  // names what is there
    EXPECT_EQ(fileContent(target() / "CTR_Blitz.common.ovl"), "old common");

    dialogs.yesNoAnswers = {true};
    EXPECT_EQ(install(), InstallOutcome::Installed);
    EXPECT_EQ(fileContent(target() / "CTR_Blitz.common.ovl"), fileContent(built / "CTR_Blitz.common.ovl"));
}

TEST_F(BuiltPairInstall, OverwriteWithoutPromptReplacesSilently) {
    installOldPair();
    settings.overwriteWithoutPrompt = true;
    EXPECT_EQ(install(), InstallOutcome::Installed);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(fileContent(target() / "CTR_Blitz.unique.ovl"), fileContent(built / "CTR_Blitz.unique.ovl"));
}

TEST_F(BuiltPairInstall, AFolderThatCannotBeMadeGivesItsErrorNumber) {
    // A wrong game path: the game's ride folder is missing and is not created.
    settings.gamePath = game.root() / "NoGame";
    ASSERT_EQ(target(), game.root() / "NoGame" / "tracks" / "TrackedRides" / "CTR_Blitz");
    const int missing = test::folderCreationError(target());
    EXPECT_EQ(install(), InstallOutcome::FolderNotCreated);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "Fehler 717! Bahn-Ordner konnte nicht erstellt werden (ErrorValue=" +
                                         std::to_string(missing) +
                                         ").\r\nIst möglicherweise der RCT3.exe-Programmpfad in den Optionen falsch "
                                         "angegeben?");
    EXPECT_FALSE(fs::exists(game.root() / "NoGame"));

    // A file where the object's folder belongs: no privilege gets past that.
    settings.gamePath = game.gamePath();
    settings.language = Language::English;
    test::writeBytes(game.carsFolder() / "CTR_Blitz", "a file");
    dialogs.log.clear();
    const int exists = test::folderCreationError(game.carsFolder() / "CTR_Blitz");
    EXPECT_EQ(install(CtrKind::Car), InstallOutcome::FolderNotCreated);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0], "Error 718! Wagen-Folder cannot be created (ErrorValue=" + std::to_string(exists) +
                                         ").\r\nMaybe the RCT3.exe-application path in the options is wrong?");
}

TEST_F(BuiltPairInstall, ClearsWhatAStoppedRunLeftBesideThePair) {
    installOldPair();
    for (const char* leftover : {"CTR_Blitz.common.ovl.zwold", "CTR_Blitz.common.ovl.zwnew", "CTR_Blitz.unique.ovl.zwtmp",
                                 "CTR_Blitz.unique.ovl.zwnew.zwtmp"}) {
        test::writeBytes(target() / leftover, "left by a killed run");
    }
    settings.overwriteWithoutPrompt = true;
    EXPECT_EQ(install(), InstallOutcome::Installed);
    EXPECT_EQ(test::entryNames(target()), (std::vector<std::string>{"CTR_Blitz.common.ovl", "CTR_Blitz.unique.ovl"}));
}

TEST_F(BuiltPairInstall, AFailedCopyIsReportedAndLeavesTheOldPair) {
    // No built pair at all.
    fs::remove_all(built);
    EXPECT_EQ(install(), InstallOutcome::CopyFailed);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fehler 732! CTR_Blitz.common.ovl konnte nicht "
                                                           "kopiert/installiert werden."});

    // The unique file cannot be replaced: the old common file must stay with it.
    built = game.makeRideFolder(game.author(), "CTR_Blitz", "new");
    test::writeBytes(target() / "CTR_Blitz.common.ovl", "old common");
    test::writeBytes(target() / "CTR_Blitz.unique.ovl" / "in the way", "x");
    settings.overwriteWithoutPrompt = true;
    dialogs.log.clear();
    EXPECT_EQ(install(), InstallOutcome::CopyFailed);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fehler 733! CTR_Blitz.unique.ovl konnte nicht "
                                                           "kopiert/installiert werden."});
    EXPECT_EQ(fileContent(target() / "CTR_Blitz.common.ovl"), "old common");
    EXPECT_EQ(test::entryNames(target()), (std::vector<std::string>{"CTR_Blitz.common.ovl", "CTR_Blitz.unique.ovl"}));

    // The same without an old common file: no lone new common file stays behind.
    fs::remove(target() / "CTR_Blitz.common.ovl");
    EXPECT_EQ(install(), InstallOutcome::CopyFailed);
    EXPECT_EQ(test::entryNames(target()), std::vector<std::string>{"CTR_Blitz.unique.ovl"});
}

// Each command asks before it makes, tidies or sets aside anything: stopped at its question (a No),
// it has said nothing and the game folder is exactly as it was, even what an interrupted install left.
TEST(AskingFirst, StoppedAtTheQuestionTheGameFolderIsUnchanged) {
    test::GameFolderFixture game;
    const InstallSettings settings{game.gamePath(), false, Language::English};
    game.makeRideFolder(game.author(), "CTR_Ride", "new");
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride", "earlier");
    game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop"});
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    test::writeBytes(game.ridesFolder() / "TrackCTR_Set.zwtmp" / "Loop_data.common.ovl", "stale staging");
    const test::FolderSnapshot before = test::snapshotOf(game.gamePath());

    const Report reports[] = {
        installCtrFolder(settings, game.author(), "CTR_Ride").report,
        installCtrFolder(settings, game.author(), "TrackCTR_Set").report,
        installBuiltPair(CtrKind::Ride, settings, game.author() / "CTR_Ride", "CTR_Ride").report,
        uninstallObject(CtrKind::Track, game.ridesFolder(), "TrackCTR_Set", true).report,
    };
    for (const Report& report : reports) {
        EXPECT_TRUE(report.question().has_value());
        EXPECT_TRUE(report.messages().empty());
    }
    EXPECT_EQ(test::snapshotOf(game.gamePath()), before);
}

}  // namespace
}  // namespace zw
