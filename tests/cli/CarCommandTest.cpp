#include <gtest/gtest.h>

#include <sstream>

#include "base/Messages.h"
#include "base/SafeFile.h"
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
    // The models it names are not beside it: what the read noticed says so, the read goes on.
    EXPECT_NE(err.str().find("line 8: MiddleCar_ModellnameTeilA: Error 171! Body.common.ovl file not found."),
              std::string::npos)
        << err.str();
}

TEST_F(CarCli, RewriteAsksAndStopsWithoutAnAnswer) {
    const std::string original = std::string(kCarDataHeader) + "TrainName\tSled\r\n";
    test::writeBytes(file, original);
    EXPECT_EQ(run({"car", "rewrite", file.string()}), ExitCode::Stopped);
    EXPECT_EQ(readWholeFile(file), original);
    EXPECT_NE(err.str().find("The file is written anew"), std::string::npos);

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

// Only CTR_WagenDaten_<name>.txt is a car data file: another name would give the object a made-up
// name and its rewrite a new file beside it.
TEST_F(CarCli, OtherFileNamesAreRefused) {
    const auto cars = work / "cars.txt";
    test::writeBytes(cars, std::string(kCarDataHeader) + "ZugName\tSled\r\n");
    for (const char* action : {"read", "check", "rewrite", "build", "install"}) {
        EXPECT_EQ(run({"--yes", "car", action, cars.string()}), ExitCode::UsageError) << action;
        EXPECT_NE(err.str().find("car: the file must be named CTR_WagenDaten_<name>.txt, not cars.txt"),
                  std::string::npos)
            << err.str();
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(work.path()), {}), 2);  // options and cars.txt
}

TEST_F(CarCli, CheckListsTheFindings) {
    test::writeBytes(file, std::string(kCarDataHeader) + "ZugNamee\tSled\r\nUeberholenFlag\t1\r\n");
    EXPECT_EQ(run({"car", "check", file.string()}), ExitCode::Stopped);
    EXPECT_EQ(out.str(),
              "line 7: unknown key \"ZugNamee\" (did you mean ZugName?); the line is read as ZugName: Sled\n"
              "1 errors, 0 notes\n");
}

}  // namespace
}  // namespace zw::cli
