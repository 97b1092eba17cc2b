// Game folders played through Wine or Proton, and authors' files from Windows: names are found
// whatever their case, as Windows finds them. Only where the file system tells cases apart.
#ifndef _WIN32

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <functional>
#include <sstream>

#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/RideDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/GameFolderFixture.h"
#include "support/PeepPathSplinePair.h"
#include "support/StyleIconPair.h"

namespace zw::cli {
namespace {

namespace fs = std::filesystem;

std::string lowered(std::string name) {
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return name;
}

struct NameCaseCli : ::testing::Test {
    test::GameFolderFixture game;
    test::FakeRegistry registry;
    std::ostringstream out, err;
    // The game spells its ride folder with a capital T.
    fs::path rides = game.gamePath() / "Tracks" / "TrackedRides";

    void SetUp() override {
        test::writeBytes(game.root() / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'" + game.gamePath().string() +
                             "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
        fs::rename(game.gamePath() / "tracks", game.gamePath() / "Tracks");
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--workdir", game.root().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, nullptr, registry);
    }
    // The examples' files whose names start with `prefix` or that are model pairs, copied into
    // `folder` under the names `rename` gives them.
    static void copyExamples(const fs::path& folder, const std::string& prefix,
                             const std::function<std::string(const std::string&)>& rename) {
        const char* source = std::getenv("ZW_SOURCE_DIR");
        ASSERT_NE(source, nullptr);
        fs::create_directories(folder);
        for (const auto& entry : fs::directory_iterator(fs::path(source) / "examples")) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(prefix) || (prefix == "CTR_WagenDaten_" && name.ends_with(".ovl"))) {
                fs::copy_file(entry.path(), folder / rename(name));
            }
        }
    }
};

TEST_F(NameCaseCli, ARideATrackSetAndACarGoIntoTheGamesOwnFoldersAndComeOutAgain) {
    copyExamples(game.author() / "ride", "CTR_BahnDaten_", [](const std::string& name) { return name; });
    ASSERT_EQ(run({"ride", "install", (game.author() / "ride" / "CTR_BahnDaten_Beispielbahn.txt").string()}),
              ExitCode::Done)
        << err.str();

    // A track set whose files are spelled otherwise than its folder.
    const fs::path trackSet = game.makeTrackSetFolder(game.author(), "TrackCTR_T", {"Loop"});
    fs::rename(trackSet / "TrackCTR_T.common.ovl", trackSet / "trackctr_t.common.ovl");
    fs::rename(trackSet / "Loop_data.unique.ovl", trackSet / "LOOP_DATA.unique.ovl");
    ASSERT_EQ(run({"install", trackSet.string()}), ExitCode::Done) << err.str();

    // A car whose model files are spelled in small letters.
    copyExamples(game.author() / "car", "CTR_WagenDaten_", [](const std::string& name) {
        return name.ends_with(".ovl") ? lowered(name) : name;
    });
    ASSERT_EQ(run({"car", "install", (game.author() / "car" / "CTR_WagenDaten_Beispielzug.txt").string()}),
              ExitCode::Done)
        << err.str();

    // Everything went below the game's folders; none was made in another case beside them.
    EXPECT_EQ(test::entryNames(game.gamePath()), (std::vector<std::string>{"Cars", "Tracks"}));
    EXPECT_EQ(test::entryNames(rides), (std::vector<std::string>{"CTR_Beispielbahn", "TrackCTR_T"}));
    EXPECT_EQ(test::entryNames(rides / "TrackCTR_T"),
              (std::vector<std::string>{"Loop_data.common.ovl", "Loop_data.unique.ovl", "TrackCTR_T.common.ovl",
                                        "TrackCTR_T.unique.ovl"}));
    EXPECT_EQ(test::fileContent(rides / "TrackCTR_T" / "Loop_data.unique.ovl"), "section unique Loop");
    EXPECT_EQ(test::entryNames(game.carsFolder() / "CTR_Beispielzug"),
              (std::vector<std::string>{"CTR_Beispielzug.common.ovl", "CTR_Beispielzug.unique.ovl"}));

    for (const auto& [kind, name] : {std::pair{"rides", "CTR_Beispielbahn"}, {"tracks", "TrackCTR_T"},
                                     {"cars", "CTR_Beispielzug"}}) {
        EXPECT_EQ(run({"list", kind}), ExitCode::Done) << err.str();
        EXPECT_EQ(out.str(), std::string(name) + "\n") << kind;
    }
    EXPECT_EQ(run({"uninstall", "ride", "CTR_Beispielbahn"}), ExitCode::Done) << err.str();
    EXPECT_EQ(run({"uninstall", "track", "TrackCTR_T"}), ExitCode::Done) << err.str();
    EXPECT_EQ(run({"uninstall", "car", "CTR_Beispielzug"}), ExitCode::Done) << err.str();
    EXPECT_TRUE(test::entryNames(rides).empty());
    EXPECT_TRUE(test::entryNames(game.carsFolder()).empty());
}

TEST_F(NameCaseCli, ACarBuildsTheSamePairFromModelFilesInAnotherCaseButNotFromTwo) {
    const auto sameName = [](const std::string& name) { return name; };
    const auto smallLetters = [](const std::string& name) { return name.ends_with(".ovl") ? lowered(name) : name; };
    copyExamples(game.author() / "exact", "CTR_WagenDaten_", sameName);
    copyExamples(game.author() / "small", "CTR_WagenDaten_", smallLetters);
    for (const char* folder : {"exact", "small"}) {
        ASSERT_EQ(run({"car", "build", (game.author() / folder / "CTR_WagenDaten_Beispielzug.txt").string()}),
                  ExitCode::Done)
            << folder << ": " << err.str();
    }
    for (const char* file : {"CTR_Beispielzug.common.ovl", "CTR_Beispielzug.unique.ovl"}) {
        EXPECT_EQ(test::fileContent(game.author() / "small" / "CTR_Beispielzug" / file),
                  test::fileContent(game.author() / "exact" / "CTR_Beispielzug" / file))
            << file;
    }

    // Beside beispielbahn_front.common.ovl also BEISPIELBAHN_FRONT.common.ovl: which one is meant is
    // not guessed.
    const fs::path small = game.author() / "small";
    fs::copy_file(small / "beispielbahn_front.common.ovl", small / "BEISPIELBAHN_FRONT.common.ovl");
    EXPECT_EQ(run({"--overwrite", "car", "build", (small / "CTR_WagenDaten_Beispielzug.txt").string()}),
              ExitCode::Stopped);
    for (const std::string& part : {std::string("Two entries differ only in letter case"),
                                    (small / "BEISPIELBAHN_FRONT.common.ovl").string(),
                                    (small / "beispielbahn_front.common.ovl").string()}) {
        EXPECT_NE(err.str().find(part), std::string::npos) << err.str();
    }
}

TEST_F(NameCaseCli, ARidesSplineAndIconPairsAreFoundInAnotherCase) {
    for (const char* folder : {"exact", "other"}) {
        const bool other = std::string(folder) == "other";
        const fs::path at = game.author() / folder;
        test::writeBytes(at / "CTR_BahnDaten_Zipper.txt",
                         rideDataHeader() + "BahnIcon\tStyle\r\nPeepPathSplineName\tPathA\r\nTrackSectionName\tA B\r\n");
        test::writeStyleIconPair(at, test::StyleIconFault::PictureInUnique, other ? "sTYLE" : "Style");
        test::peepSplinePair({{"PathA:spl", 5, 0}}).write(at.string(), other ? "peeppathspline" : "PeepPathSpline");
        ASSERT_EQ(run({"ride", "build", (at / "CTR_BahnDaten_Zipper.txt").string()}), ExitCode::Done)
            << folder << ": " << err.str();
    }
    for (const char* file : {"CTR_Zipper.common.ovl", "CTR_Zipper.unique.ovl"}) {
        EXPECT_EQ(test::fileContent(game.author() / "other" / "CTR_Zipper" / file),
                  test::fileContent(game.author() / "exact" / "CTR_Zipper" / file))
            << file;
    }
}

}  // namespace
}  // namespace zw::cli

#endif
