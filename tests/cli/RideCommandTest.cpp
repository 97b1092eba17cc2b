#include <gtest/gtest.h>

#include <sstream>

#include "base/SafeFile.h"
#include "base/SystemLanguage.h"
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
    EXPECT_NE(err.str().find("The file is written anew"), std::string::npos);

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
    // Its comments and its add-on keys are notes of a check, no errors.
    EXPECT_EQ(run({"ride", "check", (work / example.filename()).string()}), ExitCode::Done) << out.str();
    EXPECT_NE(out.str().find("note: comments are not kept by a rewrite"), std::string::npos);
}

const std::string kMistypedRide = "BahnNamee\tMy Ride\r\nStartgeschwMax\t1,1\r\n";

TEST_F(RideCli, CheckListsTheFindingsAndStopsOnErrorsWhileReadStillSucceeds) {
    test::writeBytes(file, rideDataHeader() + kMistypedRide);
    EXPECT_EQ(run({"ride", "check", file.string()}), ExitCode::Stopped);
    EXPECT_EQ(out.str(),
              "line 7: unknown key \"BahnNamee\" (did you mean BahnName?); the line is read as BahnName: My Ride\n"
              "line 8: StartgeschwMax \"1,1\": read as 1.000; data files write decimals with \".\"\n"
              "2 errors, 0 notes\n");
    EXPECT_EQ(err.str(), "");

    EXPECT_EQ(run({"ride", "read", file.string()}), ExitCode::Done);
    EXPECT_NE(err.str().find("CTR_BahnDaten_Zipper.txt was read. What was noticed:\nline 7: unknown key"),
              std::string::npos)
        << err.str();
    EXPECT_NE(err.str().find("\nline 8: StartgeschwMax"), std::string::npos);

    test::writeBytes(file, rideDataHeader() + "BahnName\tMy Ride\r\n");
    EXPECT_EQ(run({"ride", "check", file.string()}), ExitCode::Done);
    EXPECT_EQ(out.str(), "0 errors, 0 notes\n");
}

// A file whose read found errors is written, built or installed from only after the question whether
// to go on, asked before the command's own.
TEST_F(RideCli, ReadErrorsAskBeforeTheFileIsWrittenFrom) {
    const std::string original = rideDataHeader() + kMistypedRide;
    test::writeBytes(file, original);
    EXPECT_EQ(run({"ride", "rewrite", file.string()}), ExitCode::Stopped);
    EXPECT_EQ(readWholeFile(file), original);
    const std::string question = message("readErrorsGoOn", Language::English, {"2"});
    EXPECT_NE(err.str().find(question), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("The file is written anew"), std::string::npos);

    EXPECT_EQ(run({"--yes", "ride", "rewrite", file.string()}), ExitCode::Done);
    EXPECT_NE(readWholeFile(file), original);
}

// Checking a file touches nothing of the game: no options, no greeting; the system's language without
// options, else the options' language.
TEST_F(RideCli, CheckAndInspectNeedNoConfirmedOptions) {
    std::filesystem::remove(work / "Zorbaltwerk_Options.txt");
    test::writeBytes(file, rideDataHeader() + kMistypedRide);
    EXPECT_EQ(run({"ride", "check", file.string()}), ExitCode::Stopped);
    const bool german = systemLanguage() == Language::German;
    EXPECT_NE(out.str().find(german ? "Zeile 8: StartgeschwMax \"1,1\": gelesen als 1.000"
                                    : "line 8: StartgeschwMax \"1,1\": read as 1.000"),
              std::string::npos)
        << out.str();
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(run({"--english", "ride", "check", file.string()}), ExitCode::Stopped);
    EXPECT_NE(out.str().find("2 errors, 0 notes"), std::string::npos);
    EXPECT_EQ(run({"inspect", (work / "None").string()}), ExitCode::Stopped);
    EXPECT_EQ(err.str().find(german ? "Willkommen" : "Welcome"), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find("zorbaltwerk-cli options set"), std::string::npos) << err.str();
    EXPECT_FALSE(std::filesystem::exists(work / "Zorbaltwerk_Options.txt"));
    // Every other command still waits for the options.
    EXPECT_EQ(run({"ride", "read", file.string()}), ExitCode::Stopped);
    EXPECT_NE(err.str().find(german ? "Willkommen" : "Welcome"), std::string::npos);
}

}  // namespace
}  // namespace zw::cli
