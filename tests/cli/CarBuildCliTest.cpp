// "car build" and "car install": read, build (and install) as the main window's buttons do.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/CarDataHeader.h"
#include "ovl/PairKindScan.h"
#include "ovl/PngEncoding.h"
#include "support/FakeRegistry.h"
#include "support/GameFolderFixture.h"
#include "support/ModelPairFixture.h"

namespace zw::cli {
namespace {

namespace fs = std::filesystem;

struct CarBuildCli : ::testing::Test {
    test::GameFolderFixture game;
    test::FakeRegistry registry;
    std::ostringstream out, err;
    fs::path file = game.author() / "CTR_WagenDaten_Sled.txt";
    fs::path pair = game.author() / "CTR_Sled" / "CTR_Sled";

    void SetUp() override {
        test::writeBytes(game.root() / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'" + game.gamePath().string() +
                             "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
        test::writeBytes(file, std::string(kCarDataHeader) + "ZugName\tSled Train\r\n");
    }
    // The examples that ship with the program, beside each other in the author's folder.
    void copyExamples() { game.copyExamplesToAuthor(); }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--workdir", game.root().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, nullptr, registry);
    }
};

TEST_F(CarBuildCli, BuildStopsWithTheBuildersMessage) {
    // No model named: FrontCar gets the default model, which is not there.
    for (const char* action : {"build", "install"}) {
        EXPECT_EQ(run({"car", action, file.string()}), ExitCode::Stopped);
        EXPECT_EQ(err.str().rfind("Error 171! BeispielWagenModell.common.ovl file not found.", 0), 0u) << err.str();
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_FALSE(fs::exists(game.carsFolder() / "CTR_Sled"));

    EXPECT_EQ(run({"car", "build"}), ExitCode::UsageError);
    EXPECT_EQ(run({"car", "build", file.string(), "more"}), ExitCode::UsageError);
    EXPECT_EQ(run({"car", "install"}), ExitCode::UsageError);
}

// A car file naming two models, whose pairs lie beside it.
void writeCarsWithModels(CarBuildCli& t) {
    test::writeBytes(t.file, std::string(kCarDataHeader) +
                                 "ZugName\tSled Train\r\nFrontCar_ModellnameTeilA\tSledFront\r\n"
                                 "MiddleCar_ModellnameTeilA\tSledMid\r\nMiddleCar_PeepSitzposition\t1, 2\r\n");
    test::writeModelPairFixture(t.game.author(), "SledFront");
    test::writeModelPairFixture(t.game.author(), "SledMid");
}

TEST_F(CarBuildCli, BuildWritesThePairThatInspectAccepts) {
    writeCarsWithModels(*this);
    ASSERT_EQ(run({"car", "build", file.string()}), ExitCode::Done) << err.str();
    EXPECT_EQ(out.str(), pair.string() + ".common.ovl\n" + pair.string() + ".unique.ovl\n");
    EXPECT_EQ(err.str(), "");
    ASSERT_EQ(run({"inspect", pair.string()}), ExitCode::Done) << err.str();
    for (const char* name : {"CTR_SledFrontCar:ric", "CTR_SledMiddleCar:ric", "CTR_Sled:rit", "SledFront:svd",
                             "SledMid:svd"}) {
        EXPECT_NE(out.str().find(name), std::string::npos) << name;
    }

    // Again: the overwrite question is answered No without a terminal; --overwrite or --yes build.
    EXPECT_EQ(run({"car", "build", file.string()}), ExitCode::Stopped);
    const std::string asked = pathForMessage(fs::path(pair.string() + ".unique.ovl")) +
                              " already exists and holds a car pair. Overwrite it?";
    EXPECT_NE(err.str().find(asked), std::string::npos) << err.str();
    EXPECT_EQ(run({"--overwrite", "car", "build", file.string()}), ExitCode::Done) << err.str();
    EXPECT_EQ(run({"--yes", "car", "build", file.string()}), ExitCode::Done) << err.str();
}

// The check finds before a build the model pairs the build would stop on, each at its key and line.
TEST_F(CarBuildCli, CheckNamesAMissingOrUnreadableModelAtItsKeyAndLine) {
    writeCarsWithModels(*this);
    ASSERT_EQ(run({"car", "check", file.string()}), ExitCode::Done) << out.str();
    const std::string text = test::fileContent(file);
    const auto lineOf = [&](const std::string& key) {
        return std::to_string(std::count(text.begin(), text.begin() + text.find("\n" + key), '\n') + 2);
    };

    fs::remove(game.author() / "SledFront.common.ovl");
    test::writeBytes(game.author() / "SledMid.unique.ovl", "no OVL file");
    EXPECT_EQ(run({"car", "check", file.string()}), ExitCode::Stopped);
    const std::string front = "line " + lineOf("FrontCar_ModellnameTeilA") + ": FrontCar_ModellnameTeilA: Error 171! ";
    const std::string mid = "line " + lineOf("MiddleCar_ModellnameTeilA") + ": MiddleCar_ModellnameTeilA: SledMid.unique.ovl";
    EXPECT_NE(out.str().find(front + "SledFront.common.ovl file not found. Maybe"), std::string::npos) << out.str();
    EXPECT_LT(out.str().find(front), out.str().find(mid)) << out.str();
    EXPECT_TRUE(out.str().ends_with("2 errors, 0 notes\n")) << out.str();
}

TEST_F(CarBuildCli, InstallReadsBuildsAndInstallsThePair) {
    writeCarsWithModels(*this);
    ASSERT_EQ(run({"car", "install", file.string()}), ExitCode::Done) << err.str();
    const fs::path installed = game.carsFolder() / "CTR_Sled";
    EXPECT_EQ(test::entryNames(installed), (std::vector<std::string>{"CTR_Sled.common.ovl", "CTR_Sled.unique.ovl"}));
    EXPECT_EQ(test::fileContent(installed / "CTR_Sled.unique.ovl"), test::fileContent(pair.string() + ".unique.ovl"));
    EXPECT_EQ(run({"list", "cars"}), ExitCode::Done);
    EXPECT_EQ(out.str(), "CTR_Sled\n");

    // Built and installed already: without an answer the build's question stops it; with --overwrite
    // both steps replace their pair.
    EXPECT_EQ(run({"car", "install", file.string()}), ExitCode::Stopped);
    EXPECT_EQ(run({"--overwrite", "car", "install", file.string()}), ExitCode::Done) << err.str();
}

// A ride and a car of one object name in one folder: whichever is built second stops, even with
// --overwrite, and leaves the other's pair as it was.
TEST_F(CarBuildCli, ABuildNeverReplacesAPairOfTheOtherKind) {
    ASSERT_NO_FATAL_FAILURE(copyExamples());
    const fs::path ride = game.author() / "CTR_BahnDaten_Beispielbahn.txt";
    const fs::path car = game.author() / "CTR_WagenDaten_Beispielbahn.txt";
    fs::copy_file(game.author() / "CTR_WagenDaten_Beispielzug.txt", car);
    const fs::path folder = game.author() / "CTR_Beispielbahn";
    struct Case {
        fs::path first, second;
        std::string there;
    };
    for (const Case& c : {Case{ride, car, "holds a ride pair"}, Case{car, ride, "holds a car pair"}}) {
        fs::remove_all(folder);
        ASSERT_EQ(run({c.first == ride ? "ride" : "car", "build", c.first.string()}), ExitCode::Done) << err.str();
        const std::string common = test::fileContent(folder / "CTR_Beispielbahn.common.ovl");
        const std::string unique = test::fileContent(folder / "CTR_Beispielbahn.unique.ovl");
        for (const char* overwrite : {"--yes", "--overwrite"}) {
            EXPECT_EQ(run({overwrite, c.second == ride ? "ride" : "car", "build", c.second.string()}),
                      ExitCode::Stopped);
            EXPECT_NE(err.str().find("The folder " + pathForMessage(folder) + " " + c.there), std::string::npos)
                << err.str();
            EXPECT_NE(err.str().find("Give the car its own object name"), std::string::npos) << err.str();
            EXPECT_EQ(out.str(), "");
            EXPECT_EQ(test::entryNames(folder),
                      (std::vector<std::string>{"CTR_Beispielbahn.common.ovl", "CTR_Beispielbahn.unique.ovl"}));
            EXPECT_EQ(test::fileContent(folder / "CTR_Beispielbahn.common.ovl"), common);
            EXPECT_EQ(test::fileContent(folder / "CTR_Beispielbahn.unique.ovl"), unique);
        }
    }
}

// The examples that ship with the program: the ride and the car build side by side, neither asking
// about the other's pair; the car from the demo models beside it.
TEST_F(CarBuildCli, TheExampleRideAndCarBuildSideBySide) {
    ASSERT_NO_FATAL_FAILURE(copyExamples());
    const fs::path ride = game.author() / "CTR_BahnDaten_Beispielbahn.txt";
    ASSERT_EQ(run({"ride", "build", ride.string()}), ExitCode::Done) << err.str();
    const fs::path example = game.author() / "CTR_WagenDaten_Beispielzug.txt";
    ASSERT_EQ(run({"car", "build", example.string()}), ExitCode::Done) << err.str();
    EXPECT_EQ(err.str(), "");
    const fs::path rideUnique = game.author() / "CTR_Beispielbahn" / "CTR_Beispielbahn.unique.ovl";
    ASSERT_TRUE(fs::exists(rideUnique));
    EXPECT_EQ(scanPairKind(*readWholeFile(rideUnique), "ride"), PairKind::Ride);
    const fs::path built = game.author() / "CTR_Beispielzug" / "CTR_Beispielzug";
    // Not a finding, not even a note; every model structure decoded.
    const fs::path textures = game.author() / "textures";
    ASSERT_EQ(run({"inspect", "--structures", built.string()}), ExitCode::Done) << err.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(out.str().find("not decoded"), std::string::npos);
    for (const char* name : {"CTR_BeispielzugFrontCar:ric", "CTR_BeispielzugMiddleCar:ric",
                             "CTR_BeispielzugRearCar:ric", "CTR_Beispielzug:rit", "Beispielbahn_Front:svd",
                             "Beispielbahn_MitteBuegel:svd"}) {
        EXPECT_NE(out.str().find(name), std::string::npos) << name;
    }
    if (!pngAvailable()) return;
    ASSERT_EQ(run({"inspect", "--textures", textures.string(), built.string()}), ExitCode::Done) << err.str();
    for (const char* model : {"Front", "Mitte", "MitteBuegel", "Heck"}) {
        const std::optional<std::string> png =
            readWholeFile(textures / ("Beispielbahn_" + std::string(model) + "Texture1.png"));
        ASSERT_TRUE(png) << model;
        const std::optional<RgbaPicture> picture = decodePng(*png);
        ASSERT_TRUE(picture) << model;
        EXPECT_EQ(picture->width, 64u);
    }
}

}  // namespace
}  // namespace zw::cli
