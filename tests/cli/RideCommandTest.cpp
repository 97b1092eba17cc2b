#include <gtest/gtest.h>

#include <sstream>

#include "app/SafeFile.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "datafiles/RideDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

struct RideCli : ::testing::Test {
    test::TempFolder work;
    test::FakeRegistry registry;
    std::ostringstream out, err;
    std::filesystem::path file = work / "CTR_BahnDaten_Zipper.txt";

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

TEST_F(RideCli, ReadTellsTheRideAndDumpsEveryField) {
    test::writeBytes(file, rideDataHeader() + "RideName\tZipper \xC4lpler\r\nTrackSectionName\tA B\r\n"
                                              "DistanzGeschwEinheit\tkm/h\r\n");
    ASSERT_EQ(run({"ride", "read", file.string()}), ExitCode::Done) << err.str();
    EXPECT_EQ(out.str(), "ride object: CTR_Zipper\nname: Zipper \xC3\x84lpler\ntrack type: Track8\n"
                         "car types: JuniorLadybird, WildMouse, LIMCoaster\ntrack sections: 2\n");

    ASSERT_EQ(run({"ride", "read", "--dump", file.string()}), ExitCode::Done);
    const std::string dump = out.str();
    for (const char* line : {"RideObjectName: \"CTR_Zipper\"\n", "SpeedUnitFactor: 0.277778\n", "RideFlags: 2\n",
                             "TrackSectionKosten: 1000, 1000\n", "ErrBasis: 3\n", "FaktorZuganzahl: 1\n",
                             "ZuganzahlPreset: -1\n", "BetriebsmodusanzeigenFlag: -1\n",
                             "PeepPathSplineName: \n", "Unknowns: 0\n"}) {
        EXPECT_NE(dump.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(err.str().empty());
}

TEST_F(RideCli, RewriteAsksAndStopsWithoutAnAnswer) {
    const std::string original = rideDataHeader() + "RideName\tZipper\r\n";
    test::writeBytes(file, original);
    EXPECT_EQ(run({"ride", "rewrite", file.string()}), ExitCode::Stopped);
    EXPECT_EQ(readWholeFile(file), original);
    EXPECT_NE(err.str().find("Wrong keywords and values"), std::string::npos);

    EXPECT_EQ(run({"--yes", "--german", "ride", "rewrite", file.string()}), ExitCode::Done);
    EXPECT_NE(readWholeFile(file)->find("\r\nBahnName\t\t\tZipper\r\n"), std::string::npos);
}

TEST_F(RideCli, BadFilesStopAndBadCommandLinesAreUsageErrors) {
    test::writeBytes(file, "short");
    EXPECT_EQ(run({"ride", "read", file.string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("Error 121!"), std::string::npos);
    EXPECT_EQ(run({"ride", "read", (work / "CTR_BahnDaten_None.txt").string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("Error 101!"), std::string::npos);

    EXPECT_EQ(run({"ride"}), ExitCode::UsageError);
    EXPECT_EQ(run({"ride", "read"}), ExitCode::UsageError);
    EXPECT_EQ(run({"ride", "read", "a", "b"}), ExitCode::UsageError);
    EXPECT_EQ(run({"ride", "rewrite"}), ExitCode::UsageError);
    EXPECT_EQ(run({"ride", "polish", file.string()}), ExitCode::UsageError);
    EXPECT_EQ(run({"ride", "read", (work / "Zipper.txt").string()}), ExitCode::UsageError);
}

// The example that ships with the program reads without a message and keeps its values.
TEST_F(RideCli, TheExampleRideReads) {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    const auto example = std::filesystem::path(source) / "examples" / "CTR_BahnDaten_Beispielbahn.txt";
    std::filesystem::copy_file(example, work / example.filename());
    ASSERT_EQ(run({"ride", "read", "--dump", (work / example.filename()).string()}), ExitCode::Done) << err.str();
    const std::string dump = out.str();
    for (const char* line : {"BahnIcon: \"Beispielbahn_Icon\"\n", "RideFlags: 22\n",
                             "TrackSectionKosten: 1250, 700, 995, 1000, 1000, 1000\n",
                             "BetriebskostenproZug: 900\n", "ErrmittlereseitlGKraft: 2\n",
                             "ZusatzTrackTyp: \"Track1\", \"Track4\"\n", "PeepLoopSplineName: \"\"\n"}) {
        EXPECT_NE(dump.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(err.str().empty()) << err.str();
}

}  // namespace
}  // namespace zw::cli
