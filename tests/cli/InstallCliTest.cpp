#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "base/Encoding.h"
#include "base/Messages.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "support/FakeRegistry.h"
#include "support/FileFaultSweep.h"
#include "support/GameFolderFixture.h"
#include "support/HeldFile.h"

namespace zw::cli {
namespace {

namespace fs = std::filesystem;

struct InstallCli : ::testing::Test {
    test::GameFolderFixture game;
    test::FakeRegistry registry;
    std::ostringstream out, err;

    void SetUp() override {
        test::writeBytes(game.root() / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'" + game.gamePath().string() +
                             "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--workdir", game.root().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, nullptr, registry);
    }
};

TEST_F(InstallCli, ListsEachKindApart) {
    game.makeRideFolder(game.ridesFolder(), "CTR_B");
    game.makeRideFolder(game.ridesFolder(), "CTR_A");
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_T", {});
    game.makeCarFolder(game.carsFolder(), "CTR_C");
    EXPECT_EQ(run({"list", "rides"}), ExitCode::Done);
    EXPECT_EQ(out.str(), "CTR_A\nCTR_B\n");
    EXPECT_EQ(run({"list", "tracks"}), ExitCode::Done);
    EXPECT_EQ(out.str(), "TrackCTR_T\n");
    EXPECT_EQ(run({"list", "cars"}), ExitCode::Done);
    EXPECT_EQ(out.str(), "CTR_C\n");
    EXPECT_EQ(run({"list", "boats"}), ExitCode::UsageError);

    EXPECT_EQ(run({"--game-path", (game.root() / "Nowhere").string(), "list", "rides"}), ExitCode::Stopped);
    EXPECT_EQ(err.str(), message("gameFolderMissing", Language::English, {pathForMessage(game.root() / "Nowhere")}) + "\n");
    // A game without anything installed lists nothing.
    fs::create_directories(game.root() / "Fresh");
    EXPECT_EQ(run({"--game-path", (game.root() / "Fresh").string(), "list", "cars"}), ExitCode::Done);
    EXPECT_EQ(out.str(), "");
}

// A set whose second section pair is missing installs nothing and leaves the earlier set as it was;
// a set half-installed by an older, interrupted run is listed and goes with "uninstall track".
TEST_F(InstallCli, TrackSetsInstallWholeOrNotAtAllAndHalfSetsUninstall) {
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    const auto earlier = test::entryNames(game.ridesFolder() / "TrackCTR_Set");
    const fs::path set = game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop", "Drop"});
    fs::remove(set / "Drop_data.common.ovl");
    EXPECT_EQ(run({"--overwrite", "install", set.string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("Error 741! Drop_data.common.ovl"), std::string::npos);
    EXPECT_EQ(test::entryNames(game.ridesFolder()), std::vector<std::string>{"TrackCTR_Set"});
    EXPECT_EQ(test::entryNames(game.ridesFolder() / "TrackCTR_Set"), earlier);

    fs::remove(game.ridesFolder() / "TrackCTR_Set" / "TrackCTR_Set.common.ovl");
    EXPECT_EQ(run({"list", "tracks"}), ExitCode::Done);
    EXPECT_EQ(out.str(), "TrackCTR_Set\n");
    EXPECT_EQ(run({"uninstall", "track", "TrackCTR_Set"}), ExitCode::Done);
    EXPECT_NE(err.str().find("The incompletely installed CTR-Tracks TrackCTR_Set have been removed."), std::string::npos);
    EXPECT_TRUE(test::entryNames(game.ridesFolder()).empty());
}

TEST_F(InstallCli, InstallsAFolderAndUninstallsItByName) {
    game.makeRideFolder(game.author(), "CTR_Ride");
    EXPECT_EQ(run({"install", (game.author() / "CTR_Ride").string() + "/"}), ExitCode::Done);
    EXPECT_NE(err.str().find("Everything okay! The CTR-Ride"), std::string::npos);
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "CTR_Ride" / "CTR_Ride.unique.ovl"));

    // Again: the question is answered No without a terminal; --overwrite replaces without asking.
    EXPECT_EQ(run({"install", (game.author() / "CTR_Ride").string()}), ExitCode::Stopped);
    EXPECT_EQ(run({"--overwrite", "install", (game.author() / "CTR_Ride").string()}), ExitCode::Done);

    EXPECT_EQ(run({"uninstall", "car", "CTR_Ride"}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("CTR_Ride is not installed in RCT3."), std::string::npos);
    EXPECT_EQ(run({"uninstall", "ride", "../RCT3"}), ExitCode::Stopped);
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "CTR_Ride"));

    EXPECT_EQ(run({"uninstall", "ride", "CTR_Ride"}), ExitCode::Done);
    EXPECT_FALSE(fs::exists(game.ridesFolder() / "CTR_Ride"));
    EXPECT_EQ(run({"uninstall", "ride"}), ExitCode::UsageError);
}

// A file the game holds open stops uninstall and install over it (exit 1, nothing changed, the file
// named); once it is let go both succeed.
TEST_F(InstallCli, AFileTheGameHoldsStopsUninstallAndInstallUntilItIsLetGo) {
    const fs::path ride = game.makeRideFolder(game.ridesFolder(), "CTR_Ride", "earlier");
    game.makeRideFolder(game.author(), "CTR_Ride", "new");
    const fs::path car = game.makeCarFolder(game.carsFolder(), "CTR_Car");
    const fs::path set = game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    struct Case {
        fs::path held;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {ride / "CTR_Ride.unique.ovl", {"--overwrite", "install", (game.author() / "CTR_Ride").string()}},
        {ride / "CTR_Ride.common.ovl", {"uninstall", "ride", "CTR_Ride"}},
        {car / "CTR_Car.unique.ovl", {"uninstall", "car", "CTR_Car"}},
        {set / "Loop_data.common.ovl", {"uninstall", "track", "TrackCTR_Set"}},
    };
    for (const Case& c : cases) {
        const test::FolderSnapshot before = test::snapshotOf(game.gamePath());
        {
            test::HeldFile held(c.held);
            EXPECT_EQ(run(c.args), ExitCode::Stopped) << c.args[1];
        }
        EXPECT_EQ(test::snapshotOf(game.gamePath()), before);
        EXPECT_NE(err.str().find(c.held.filename().string() + " is in use by another program (is RCT3 running?)."),
                  std::string::npos)
            << err.str();
    }
    for (const Case& c : cases) EXPECT_EQ(run(c.args), ExitCode::Done) << err.str();
    EXPECT_NE(err.str().find("TrackCTR_Set has been removed from RCT3 (4 files deleted)."), std::string::npos);
    EXPECT_EQ(test::entryNames(game.ridesFolder()), std::vector<std::string>{});
}

TEST_F(InstallCli, RideInstallReadsBuildsAndInstallsTheExample) {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const auto example = fs::path(source) / "examples" / "CTR_BahnDaten_Beispielbahn.txt";
    fs::copy_file(example, game.author() / example.filename());
    ASSERT_EQ(run({"ride", "install", (game.author() / example.filename()).string()}), ExitCode::Done) << err.str();
    const fs::path installed = game.ridesFolder() / "CTR_Beispielbahn";
    EXPECT_EQ(test::entryNames(installed),
              (std::vector<std::string>{"CTR_Beispielbahn.common.ovl", "CTR_Beispielbahn.unique.ovl"}));
    EXPECT_EQ(test::fileContent(installed / "CTR_Beispielbahn.unique.ovl"),
              test::fileContent(game.author() / "CTR_Beispielbahn" / "CTR_Beispielbahn.unique.ovl"));
    EXPECT_EQ(run({"list", "rides"}), ExitCode::Done);
    EXPECT_EQ(out.str(), "CTR_Beispielbahn\n");

    // The installed pair: every structure decoded, not a finding, not even a note.
    ASSERT_EQ(run({"inspect", "--structures", (installed / "CTR_Beispielbahn").string()}), ExitCode::Done) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_NE(out.str().find("TrackedRide \"CTR_Beispielbahn:trr\""), std::string::npos);
    EXPECT_EQ(out.str().find("not decoded"), std::string::npos);
}

TEST_F(InstallCli, AFolderThatIsNoCtrFolderStops) {
    fs::create_directories(game.author() / "Holiday");
    EXPECT_EQ(run({"install", (game.author() / "Holiday").string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("Error 731!"), std::string::npos);
}

}  // namespace
}  // namespace zw::cli
