#include <gtest/gtest.h>

#include <sstream>

#include "app/Messages.h"
#include "app/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/CarDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

struct CarCli : ::testing::Test {
    test::TempFolder work;
    test::FakeRegistry registry;
    std::ostringstream out, err;
    std::filesystem::path file = work / "CTR_WagenDaten_Sled.txt";

    void SetUp() override {
        test::writeBytes(work / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    }
    int run(std::vector<std::string> args) {
        args.insert(args.begin(), {"--workdir", work.path().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, nullptr, registry);
    }
};

TEST_F(CarCli, ReadTellsTheCarsAndDumpsEveryField) {
    test::writeBytes(file, std::string(kCarDataHeader) +
                               "ZugName\tSled Train\r\nMiddleCar_ModellnameTeilA\tBody\r\n"
                               "MiddleCar_ModellnameTeilB\tSeat\r\nMiddleCar_BewegungsachsenSchwung\t0.75\r\n");
    ASSERT_EQ(run({"car", "read", file.string()}), ExitCode::Done) << err.str();
    EXPECT_EQ(out.str(), "car object: CTR_Sled\ntrain: Sled Train\nFrontCar: BeispielWagenModell\n"
                         "MiddleCar: Body + Seat\n");

    ASSERT_EQ(run({"car", "read", "--dump", file.string()}), ExitCode::Done);
    const std::string dump = out.str();
    for (const char* line : {"CarObjectName: \"CTR_Sled\"\n", "TrainName: \"Sled Train\"\n",
                             "CameraLATiltfactor: 0.5\n", "MiddleCar.ModelNamePartB: \"Seat\"\n",
                             "MiddleCar.InertiaPartB: 500\n", "MiddleCar.TurnaxisMomentum: 0.7500000000000001\n",
                             "LinkCar.defined: no\n", "LinkCar.PeepSeatingPositions: 11\n",
                             "RearCar.AnimFeatureIdle: -1\n", "WaterUnknownF: 0\n"}) {
        EXPECT_NE(dump.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(err.str().empty());
}

TEST_F(CarCli, RewriteAsksAndStopsWithoutAnAnswer) {
    const std::string original = std::string(kCarDataHeader) + "TrainName\tSled\r\n";
    test::writeBytes(file, original);
    EXPECT_EQ(run({"car", "rewrite", file.string()}), ExitCode::Stopped);
    EXPECT_EQ(readWholeFile(file), original);
    EXPECT_NE(err.str().find("Wrong keywords and values"), std::string::npos);

    EXPECT_EQ(run({"--yes", "--german", "car", "rewrite", file.string()}), ExitCode::Done);
    EXPECT_NE(readWholeFile(file)->find("\r\nZugName\t\t\t\t\tSled\r\n"), std::string::npos);
}

TEST_F(CarCli, BadFilesStopAndBadCommandLinesAreUsageErrors) {
    test::writeBytes(file, "short");
    EXPECT_EQ(run({"car", "read", file.string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("Error 162!"), std::string::npos);
    EXPECT_EQ(run({"car", "read", (work / "CTR_WagenDaten_None.txt").string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("Error 161!"), std::string::npos);

    EXPECT_EQ(run({"car"}), ExitCode::UsageError);
    EXPECT_EQ(run({"car", "read"}), ExitCode::UsageError);
    EXPECT_EQ(run({"car", "read", "a", "b"}), ExitCode::UsageError);
    EXPECT_EQ(run({"car", "rewrite"}), ExitCode::UsageError);
    EXPECT_EQ(run({"car", "polish", file.string()}), ExitCode::UsageError);
}

}  // namespace
}  // namespace zw::cli
