#include <gtest/gtest.h>

#include "support/FakeRegistry.h"
#include "support/GameFolderFixture.h"
#include "support/ScriptedDialogs.h"
#include "workflow/MainWindow.h"

namespace zw {
namespace {

namespace fs = std::filesystem;

struct MainWindowInstall : ::testing::Test {
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;
    std::unique_ptr<MainWindow> window;

    void SetUp() override {
        test::writeBytes(game.root() / "Zorbaltwerk_Options.txt",
                         "'Deutsch'\r\n'" + game.gamePath().string() +
                             "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
        window = std::make_unique<MainWindow>(dialogs, registry, game.root());
        ASSERT_TRUE(dialogs.log.empty());
        // As after reading CTR_BahnDaten_Blitz.txt and CTR_WagenDaten_Zug.txt in the author's folder and building.
        window->state().ride.DataFileFolder = game.author();
        window->state().ride.RideObjectName = "CTR_Blitz";
        window->state().car.CarFolder = game.author();
        window->state().car.CarObjectName = "CTR_Zug";
        game.makeRideFolder(game.author(), "CTR_Blitz");
        game.makeCarFolder(game.author(), "CTR_Zug");
        window->setEnabled(Command::InstallRidePair, true);
        window->setEnabled(Command::InstallCarPair, true);
    }
};

TEST_F(MainWindowInstall, InstallsTheBuiltPairsAndWithdrawsTheButtons) {
    EXPECT_TRUE(window->installRidePair());
    EXPECT_FALSE(window->enabled(Command::InstallRidePair));
    EXPECT_TRUE(window->enabled(Command::InstallCarPair));
    EXPECT_TRUE(window->installCarPair());
    EXPECT_FALSE(window->enabled(Command::InstallCarPair));
    EXPECT_EQ(test::fileContent(game.ridesFolder() / "CTR_Blitz" / "CTR_Blitz.common.ovl"),
              test::fileContent(game.author() / "CTR_Blitz" / "CTR_Blitz.common.ovl"));
    EXPECT_EQ(test::fileContent(game.carsFolder() / "CTR_Zug" / "CTR_Zug.unique.ovl"),
              test::fileContent(game.author() / "CTR_Zug" / "CTR_Zug.unique.ovl"));
    EXPECT_TRUE(dialogs.log.empty());
}

TEST_F(MainWindowInstall, ADeclinedQuestionOrAFailedCopyLeavesTheButtonForAnotherTry) {
    fs::create_directories(game.ridesFolder() / "CTR_Blitz");
    EXPECT_FALSE(window->installRidePair());  // the script answers No
    EXPECT_EQ(dialogs.questions().size(), 1u);
    EXPECT_TRUE(window->enabled(Command::InstallRidePair));

    fs::remove(game.author() / "CTR_Zug" / "CTR_Zug.unique.ovl");
    EXPECT_FALSE(window->installCarPair());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("733", Language::German, {"CTR_Zug"})});
    EXPECT_TRUE(window->enabled(Command::InstallCarPair));
    EXPECT_FALSE(fs::exists(game.carsFolder() / "CTR_Zug" / "CTR_Zug.common.ovl"));
}

TEST_F(MainWindowInstall, AFolderThatCannotBeMadeWithdrawsTheButton) {
    window->state().settings.GamePath = (game.root() / "Elsewhere").string();
    const int missing = test::folderCreationError(game.root() / "Elsewhere" / "tracks" / "TrackedRides" / "CTR_Blitz");
    EXPECT_FALSE(window->installRidePair());
    EXPECT_FALSE(window->enabled(Command::InstallRidePair));
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("717", Language::German, {std::to_string(missing)})});
}

}  // namespace
}  // namespace zw
