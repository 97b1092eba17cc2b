#include "workflow/InstallWindow.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "install/FolderLevelUp.h"
#include "support/FakeRegistry.h"
#include "support/GameFolderFixture.h"
#include "support/HeldFile.h"
#include "support/ScriptedDialogs.h"
#include "workflow/MainWindow.h"
#include "workflow/OptionsWindow.h"

namespace zw {
namespace {

namespace fs = std::filesystem;
using Tab = InstallWindow::Tab;

TEST(FolderLevelUp, DropsTheLastFolderNameAndKeepsARoot) {
    EXPECT_EQ(folderOneLevelUp(std::string("C:\\Games\\Author\\"), '\\'), "C:\\Games\\");
    EXPECT_EQ(folderOneLevelUp(std::string("C:\\Games\\"), '\\'), "C:\\");
    EXPECT_EQ(folderOneLevelUp(std::string("C:\\"), '\\'), "C:\\");
    EXPECT_EQ(folderOneLevelUp(std::string("/home/author/"), '/'), "/home/");
    EXPECT_EQ(folderOneLevelUp(std::string("/home/"), '/'), "/");
    EXPECT_EQ(folderOneLevelUp(std::string("/"), '/'), "/");
}

class InstallWindowTest : public ::testing::Test {
protected:
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;
    InstallSettings settings{game.gamePath(), false, Language::German};
    fs::path start = game.author();
    InstallWindow window{dialogs, [this] { return settings; }, start};

    // The list without the level-up item, sorted (the file system decides the order).
    std::vector<std::string> names() const {
        std::vector<std::string> items = window.ListBox;
        if (!items.empty() && items.front() == InstallWindow::kLevelUpItem) items.erase(items.begin());
        std::sort(items.begin(), items.end());
        return items;
    }
    void select(const std::string& item) {
        const auto it = std::find(window.ListBox.begin(), window.ListBox.end(), item);
        ASSERT_NE(it, window.ListBox.end()) << item;
        window.onListItemClicked(static_cast<int>(it - window.ListBox.begin()));
    }
    static std::string folderText(const fs::path& folder) { return withTrailingSeparator(folder).string(); }
};

TEST_F(InstallWindowTest, CaptionsFollowTheLanguageAtCreation) {
    EXPECT_EQ(window.caption("TForm3"), "CTRs installieren/deinstallieren");
    EXPECT_EQ(window.caption("Label1"), "Bitte CTR-Ordner wählen:");
    EXPECT_EQ(window.caption("CloseButton"), "Schließen");
    settings.language = Language::English;
    InstallWindow english(dialogs, [this] { return settings; }, start);
    EXPECT_EQ(english.caption("DeinstallSchienenTab"), "Uninstall CTR-Track");
    EXPECT_EQ(english.caption("Label4"), "Existing CTR-Cars in RCT3:");
    EXPECT_EQ(InstallWindow::controlNames().size(), 14u);
    for (auto control : InstallWindow::controlNames()) EXPECT_FALSE(english.caption(control).empty()) << control;
}

TEST_F(InstallWindowTest, ActivationListsTheStartFolderWithoutDottedNames) {
    game.makeRideFolder(game.author(), "CTR_Ride");
    test::writeBytes(game.author() / "CTR_BahnDaten_Ride.txt", "data");
    test::writeBytes(game.author() / "NoExtension", "file");
    fs::create_directories(game.author() / "Sub.Folder");
    window.onTabChosen(Tab::UninstallCar);

    window.onActivate();
    EXPECT_EQ(window.ActivePage, Tab::InstallFolder);
    EXPECT_EQ(window.BrowseFolder.string(), folderText(start));
    ASSERT_FALSE(window.ListBox.empty());
    EXPECT_EQ(window.ListBox.front(), ".. <DIRECTORY LEVEL UP>");
    EXPECT_EQ(names(), (std::vector<std::string>{"CTR_Ride", "NoExtension"}));
    EXPECT_EQ(window.ItemIndex, -1);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(InstallWindowTest, DoubleClicksNavigateButStopAtCtrFolders) {
    game.makeRideFolder(game.author() / "Rides", "CTR_Ride");
    window.onActivate();

    select("Rides");
    window.onListItemDoubleClicked();
    EXPECT_EQ(window.BrowseFolder.string(), folderText(start / "Rides"));
    EXPECT_EQ(names(), std::vector<std::string>{"CTR_Ride"});

    // A CTR folder holds only files with extensions: the list stays where it is.
    select("CTR_Ride");
    window.onListItemDoubleClicked();
    EXPECT_EQ(window.BrowseFolder.string(), folderText(start / "Rides"));
    EXPECT_EQ(names(), std::vector<std::string>{"CTR_Ride"});

    // Two levels up from two levels below: one level below, with its separator.
    window.onListItemClicked(0);
    window.onListItemDoubleClicked();
    EXPECT_EQ(window.BrowseFolder.string(), folderText(start));
    window.onListItemClicked(0);
    window.onListItemDoubleClicked();
    EXPECT_EQ(window.BrowseFolder.string(), folderText(game.root()));
    EXPECT_EQ(names(), (std::vector<std::string>{"Author", "RCT3"}));

    // Without a selection nothing happens.
    window.onListItemDoubleClicked();
    EXPECT_EQ(window.BrowseFolder.string(), folderText(game.root()));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(InstallWindowTest, LevelUpFromTheRootStaysThere) {
    const fs::path root = game.root().root_path();
    InstallWindow atRoot(dialogs, [this] { return settings; }, root);
    atRoot.onActivate();
    EXPECT_EQ(atRoot.BrowseFolder.native(), withTrailingSeparator(root).native());
    atRoot.onListItemClicked(0);
    atRoot.onListItemDoubleClicked();
    EXPECT_EQ(atRoot.BrowseFolder.native(), withTrailingSeparator(root).native());
    EXPECT_EQ(atRoot.ListBox.front(), InstallWindow::kLevelUpItem);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(InstallWindowTest, AVanishedFolderGives730AndTheListStays) {
    game.makeRideFolder(game.author() / "Gone", "CTR_Ride");
    window.onActivate();
    fs::remove_all(game.author() / "Gone");
    select("Gone");
    window.onListItemDoubleClicked();
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{message("730", Language::German,
                                               {pathForMessage(withTrailingSeparator(start / "Gone"))})});
    EXPECT_EQ(window.BrowseFolder.string(), folderText(start));
    EXPECT_TRUE(names().empty());  // refreshed: the folder is gone from the list
}

TEST_F(InstallWindowTest, UninstallTabsKeepRidesTracksAndCarsApart) {
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    game.makeCarFolder(game.carsFolder(), "CTR_Car");
    fs::create_directories(game.ridesFolder() / "CTR_Old.bak");
    fs::create_directories(game.ridesFolder() / "Other");
    fs::create_directories(game.carsFolder() / "TrackCTR_Odd");
    window.onActivate();

    window.onTabChosen(Tab::UninstallRide);
    EXPECT_EQ(window.ListBox, std::vector<std::string>{"CTR_Ride"});
    window.onTabChosen(Tab::UninstallTracks);
    EXPECT_EQ(window.ListBox, std::vector<std::string>{"TrackCTR_Set"});
    window.onTabChosen(Tab::UninstallCar);
    EXPECT_EQ(window.ListBox, std::vector<std::string>{"CTR_Car"});
    window.onTabChosen(Tab::InstallFolder);
    EXPECT_EQ(window.ListBox.front(), InstallWindow::kLevelUpItem);
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(InstallWindowTest, InstallsTheSelectedFolder) {
    game.makeCarFolder(game.author(), "CTR_Car");
    window.onActivate();
    window.installFolder();  // no selection: nothing
    EXPECT_TRUE(dialogs.log.empty());

    window.onListItemClicked(0);  // the level-up item is no CTR folder
    window.installFolder();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("731", Language::German)});

    select("CTR_Car");
    dialogs.log.clear();
    window.installFolder();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("installedCar", Language::German)});
    EXPECT_TRUE(fs::exists(game.carsFolder() / "CTR_Car" / "CTR_Car.common.ovl"));
}

TEST_F(InstallWindowTest, UninstallRefillsItsList) {
    game.makeRideFolder(game.ridesFolder(), "CTR_Gone");
    game.makeRideFolder(game.ridesFolder(), "CTR_Kept");
    test::writeBytes(game.ridesFolder() / "CTR_Kept" / "mine.txt", "user file");
    window.onActivate();
    window.onTabChosen(Tab::UninstallRide);
    window.uninstallRide();  // no selection: nothing
    EXPECT_TRUE(dialogs.log.empty());

    dialogs.yesNoAnswers = {true, true};
    select("CTR_Gone");
    window.uninstallRide();
    EXPECT_EQ(window.ListBox, std::vector<std::string>{"CTR_Kept"});
    select("CTR_Kept");
    dialogs.log.clear();
    window.uninstallRide();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("735", Language::German)});
    EXPECT_EQ(window.ListBox, std::vector<std::string>{"CTR_Kept"});
}

TEST_F(InstallWindowTest, UninstallAsksOnceAndSaysWhatWasRemoved) {
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    const fs::path set = game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop", "Drop"});
    window.onActivate();
    window.onTabChosen(Tab::UninstallTracks);
    EXPECT_FALSE(window.uninstallEnabled());
    select("TrackCTR_Set");
    EXPECT_TRUE(window.uninstallEnabled());
    window.uninstallTrackSet();  // answered No
    EXPECT_EQ(dialogs.questions(),
              std::vector<std::string>{"TrackCTR_Set aus dem Spiel entfernen? Seine 6 Dateien werden gelöscht."});
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(test::entryNames(set).size(), 6u);

    dialogs.log.clear();
    dialogs.yesNoAnswers = {true};
    window.uninstallTrackSet();
    EXPECT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"TrackCTR_Set wurde aus RCT3 entfernt (6 Dateien gelöscht)."});
    EXPECT_TRUE(window.ListBox.empty());
    EXPECT_FALSE(window.uninstallEnabled());

    // Overwriting without asking asks nothing here either.
    settings.overwriteWithoutPrompt = true;
    window.onTabChosen(Tab::UninstallRide);
    select("CTR_Ride");
    dialogs.log.clear();
    window.uninstallRide();
    EXPECT_TRUE(dialogs.questions().empty());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"CTR_Ride wurde aus RCT3 entfernt (2 Dateien gelöscht)."});
}

TEST_F(InstallWindowTest, AFileTheGameHoldsKeepsTheRideInstalledAndListed) {
    const fs::path ride = game.makeRideFolder(game.ridesFolder(), "CTR_Ride");
    settings.overwriteWithoutPrompt = true;
    window.onActivate();
    window.onTabChosen(Tab::UninstallRide);
    for (const std::string file : {"CTR_Ride.common.ovl", "CTR_Ride.unique.ovl"}) {
        select("CTR_Ride");
        dialogs.log.clear();
        {
            test::HeldFile held(ride / file);
            window.uninstallRide();
        }
        EXPECT_EQ(test::entryNames(ride), (std::vector<std::string>{"CTR_Ride.common.ovl", "CTR_Ride.unique.ovl"}));
        EXPECT_EQ(window.ListBox, std::vector<std::string>{"CTR_Ride"});
        ASSERT_EQ(dialogs.errors().size(), 1u);
        EXPECT_EQ(dialogs.errors()[0].rfind(file + " wird von einem anderen Programm benutzt (läuft RCT3?). Bitte das "
                                                   "Spiel schließen und es noch einmal versuchen; es wurde nichts verändert.",
                                            0),
                  0u)
            << dialogs.errors()[0];
    }
    select("CTR_Ride");
    window.uninstallRide();
    EXPECT_TRUE(window.ListBox.empty());
}

#ifndef _WIN32
// A game folder from Wine spells its ride folder "Tracks"; the tabs find it as Windows would, and a
// second spelling beside it is named rather than guessed.
TEST_F(InstallWindowTest, TheTabsFindTheGamesFoldersWhateverTheirCase) {
    const fs::path tracks = game.gamePath() / "Tracks";
    fs::rename(game.gamePath() / "tracks", tracks);
    game.makeRideFolder(tracks / "TrackedRides", "CTR_Ride");
    window.onActivate();
    window.onTabChosen(Tab::UninstallRide);
    EXPECT_EQ(window.ListBox, std::vector<std::string>{"CTR_Ride"});
    select("CTR_Ride");
    dialogs.yesNoAnswers = {true};
    window.uninstallRide();
    EXPECT_TRUE(window.ListBox.empty());
    EXPECT_TRUE(test::entryNames(tracks / "TrackedRides").empty());
    dialogs.log.clear();

    fs::create_directories(game.gamePath() / "TRACKS" / "TrackedRides");
    window.onTabChosen(Tab::UninstallTracks);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{message("namesDifferOnlyInCase", Language::German,
                                               {pathForMessage(game.gamePath() / "TRACKS"), pathForMessage(tracks)})});
}
#endif

// An uninstall tab that cannot list its objects says why in place of its list, and never keeps what
// another tab listed (whose names would then be used below the game folder).
TEST_F(InstallWindowTest, AnUninstallTabWithoutItsObjectsSaysWhyInsteadOfAList) {
    game.makeRideFolder(game.author(), "CTR_Mine");
    game.makeRideFolder(game.ridesFolder(), "CTR_Mine");
    const fs::path noGame = game.root() / "NoGame";
    const fs::path fileAsFolder = game.root() / "Odd";
    test::writeBytes(fileAsFolder / "tracks" / "TrackedRides", "a file");
    fs::create_directories(game.root() / "Fresh");
    const struct {
        fs::path gamePath;
        std::string notice;
    } cases[] = {
        {noGame, message("gameFolderMissing", Language::German, {pathForMessage(noGame)})},
        {fileAsFolder, message("730", Language::German, {pathForMessage(fileAsFolder / "tracks" / "TrackedRides")})},
        {game.root() / "Fresh", ""},  // a game without custom rides yet: an empty list
    };
    for (const auto& c : cases) {
        window.onActivate();
        settings.gamePath = c.gamePath;
        window.onTabChosen(Tab::UninstallRide);
        EXPECT_EQ(window.ListNotice, c.notice) << c.gamePath;
        EXPECT_TRUE(window.ListBox.empty()) << c.gamePath;
        EXPECT_TRUE(dialogs.log.empty()) << c.gamePath;
        window.onListItemClicked(0);
        window.uninstallRide();
        EXPECT_TRUE(dialogs.log.empty());
        // The install tab lists again without the notice.
        window.onTabChosen(Tab::InstallFolder);
        EXPECT_EQ(window.ListNotice, "");
    }
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "CTR_Mine" / "CTR_Mine.common.ovl"));
    EXPECT_TRUE(fs::exists(game.author() / "CTR_Mine" / "CTR_Mine.common.ovl"));
}

TEST_F(InstallWindowTest, TheProgramsWindowFollowsTheMainWindowsSettings) {
    test::writeBytes(game.root() / "Zorbaltwerk_Options.txt",
                     "'English'\r\n'" + game.gamePath().string() +
                         "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    game.makeCarFolder(game.carsFolder(), "CTR_Car");
    test::FakeRegistry registry;
    MainWindow mainWindow(dialogs, registry, game.root());
    InstallWindow programs(mainWindow);
    EXPECT_EQ(programs.caption("TForm3"), "Install/Uninstall CTRs");
    programs.onActivate();
    EXPECT_EQ(programs.BrowseFolder.string(), folderText(game.root()));
    programs.onTabChosen(Tab::UninstallCar);
    EXPECT_EQ(programs.ListBox, std::vector<std::string>{"CTR_Car"});

    // A game folder changed in the options later counts from the next command on.
    mainWindow.state().settings.GamePath = (game.root() / "Nowhere").string();
    programs.onTabChosen(Tab::UninstallRide);
    EXPECT_EQ(programs.ListNotice,
              message("gameFolderMissing", Language::English, {pathForMessage(game.root() / "Nowhere")}));
}

// A game folder of a Russian or Polish system: typed into the options, saved, read at the next
// start, installed into and uninstalled from through the program's own windows.
TEST_F(InstallWindowTest, AGameFolderWithCyrillicAndPolishLettersWorksThroughOptionsRestartInstallAndUninstall) {
    const fs::path unicodeGame = game.root() / u8"Игры" / u8"RollerCoaster Tycoon 3 – Łódź";
    fs::create_directories(unicodeGame / "tracks" / "TrackedRides");
    test::writeBytes(unicodeGame / "RCT3.exe", "");  // a game folder, so the options ask nothing
    game.makeRideFolder(game.root(), "CTR_Ride");
    test::FakeRegistry registry;
    {
        MainWindow firstStart(dialogs, registry, game.root());
        OptionsWindow options(firstStart);
        const std::u8string typed = unicodeGame.u8string();
        options.setGameFolderText(std::string(typed.begin(), typed.end()));
        ASSERT_TRUE(options.onOk()) << ::testing::PrintToString(dialogs.messages());
    }
    dialogs.log.clear();
    MainWindow restarted(dialogs, registry, game.root());
    EXPECT_EQ(restarted.optionsStatus(), OptionsStatus::Fine);
    EXPECT_EQ(restarted.state().settings.gameFolder(), unicodeGame);
    EXPECT_TRUE(dialogs.log.empty());

    InstallWindow programs(restarted);
    programs.onActivate();
    programs.onListItemClicked(static_cast<int>(
        std::find(programs.ListBox.begin(), programs.ListBox.end(), "CTR_Ride") - programs.ListBox.begin()));
    programs.installFolder();
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("installedRide", languageOf(restarted.state().settings.UseEnglish))});
    const fs::path installed = unicodeGame / "tracks" / "TrackedRides" / "CTR_Ride" / "CTR_Ride.common.ovl";
    EXPECT_TRUE(fs::exists(installed));

    programs.onTabChosen(Tab::UninstallRide);
    ASSERT_EQ(programs.ListBox, std::vector<std::string>{"CTR_Ride"});
    programs.onListItemClicked(0);
    dialogs.yesNoAnswers = {true};
    programs.uninstallRide();
    EXPECT_TRUE(programs.ListBox.empty());
    EXPECT_FALSE(fs::exists(installed.parent_path()));
}

TEST_F(InstallWindowTest, CloseEndsTheWindow) {
    EXPECT_FALSE(window.Closed);
    window.onCloseButton();
    EXPECT_TRUE(window.Closed);
}

}  // namespace
}  // namespace zw
