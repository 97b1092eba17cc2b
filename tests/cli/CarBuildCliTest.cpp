// "car build" and "car install": read, build (and install) as the main window's buttons do.
#include <gtest/gtest.h>

#include <sstream>

#include "app/Messages.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/CarDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/GameFolderFixture.h"

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

}  // namespace
}  // namespace zw::cli
