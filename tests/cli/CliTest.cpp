#include <gtest/gtest.h>

#include <sstream>

#include "base/Messages.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "base/SystemLanguage.h"
#include "cli/Cli.h"
#include "cli/Commands.h"
#include "support/FakeRegistry.h"
#include "support/TempFolder.h"

namespace zw::cli {
namespace {

using test::TempFolder;

// A command group of the tests: records the settings it ran with, and stops when told to.
struct ProbeRun {
    int runs = 0;
    Settings settings;
};
ProbeRun probe;

int runProbe(Context& context, std::span<const std::string> args) {
    ++probe.runs;
    probe.settings = context.state().settings;
    if (!args.empty() && args[0] == "fail") {
        context.showMessage("221");
        return ExitCode::Stopped;
    }
    return ExitCode::Done;
}

const Registration probeRegistration{{.name = "probe", .usage = "probe [fail]", .run = runProbe}};

const std::string kGoodOptions =
    "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n";

struct Cli : ::testing::Test {
    TempFolder work;
    test::FakeRegistry registry;
    std::ostringstream out, err;
    std::istringstream* terminal = nullptr;

    void SetUp() override { probe = {}; }

    int run(std::vector<std::string> args, bool inWorkFolder = true) {
        if (inWorkFolder) args.insert(args.begin(), {"--workdir", work.path().string()});
        out.str("");
        err.str("");
        return runCli(args, out, err, terminal, registry);
    }
    std::string optionsFile() { return readWholeFile(work / "Zorbaltwerk_Options.txt").value_or("<none>"); }
    // Messages reach the console with LF line ends.
    static std::string console(std::string text) {
        std::string out;
        for (char c : text)
            if (c != '\r') out += c;
        return out;
    }
    bool saw(MessageId id, Language language) {
        return err.str().find(console(message(id, language))) != std::string::npos;
    }
};

TEST_F(Cli, HelpListsTheGroupsAndUsageErrorsExitWith2) {
    EXPECT_EQ(run({"--help"}, false), ExitCode::Done);
    EXPECT_NE(out.str().find("zorbaltwerk-cli options set"), std::string::npos);
    EXPECT_NE(out.str().find("zorbaltwerk-cli probe [fail]"), std::string::npos);

    EXPECT_EQ(run({}), ExitCode::UsageError);
    EXPECT_EQ(run({"frobnicate"}), ExitCode::UsageError);
    EXPECT_EQ(run({"--colour", "probe"}), ExitCode::UsageError);
    EXPECT_EQ(run({"--game-path"}), ExitCode::UsageError);
    EXPECT_EQ(run({"options"}), ExitCode::UsageError);
    EXPECT_EQ(run({"options", "set", "--sideways"}), ExitCode::UsageError);
    EXPECT_EQ(run({"--workdir", (work / "missing").string(), "probe"}, false), ExitCode::UsageError);
    EXPECT_EQ(probe.runs, 0);
    EXPECT_FALSE(std::filesystem::exists(work / "Zorbaltwerk_Options.txt"));
}

TEST_F(Cli, CommandsAreRefusedUntilTheOptionsAreConfirmed) {
    EXPECT_EQ(run({"probe"}), ExitCode::Stopped);
    EXPECT_EQ(probe.runs, 0);
    EXPECT_NE(err.str().find(console(welcomeText(systemLanguage()))), std::string::npos) << err.str();
    EXPECT_TRUE(saw("231", systemLanguage()));
    EXPECT_TRUE(saw("cliOptionsNotConfirmed", systemLanguage()));

    test::writeBytes(work / "Zorbaltwerk_Options.txt", "'English'\r\n'D:/RCT3'\r\n'AddOns 3'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    EXPECT_EQ(run({"probe"}), ExitCode::Stopped);
    EXPECT_TRUE(saw("221", Language::English));
    EXPECT_TRUE(saw("cliOptionsNotConfirmed", Language::English));
    EXPECT_EQ(probe.runs, 0);

    // "options set" confirms them (a game folder without RCT3.exe only when the author says so);
    // then the command runs.
    EXPECT_EQ(run({"options", "set", "--game-path", "D:/RCT3"}), ExitCode::Stopped);
    EXPECT_EQ(probe.runs, 0);
    EXPECT_EQ(run({"--yes", "options", "set", "--game-path", "D:/RCT3"}), ExitCode::Done);
    EXPECT_EQ(run({"probe"}), ExitCode::Done);
    EXPECT_EQ(probe.runs, 1);
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(run({"probe", "fail"}), ExitCode::Stopped);
}

TEST_F(Cli, GlobalFlagsOverrideTheSettingsForOneRunWithoutWritingThem) {
    test::writeBytes(work / "Zorbaltwerk_Options.txt", kGoodOptions);
    EXPECT_EQ(run({"--english", "--addons", "--overwrite", "--game-path", "/opt/rct3/", "probe"}), ExitCode::Done);
    EXPECT_TRUE(probe.settings.UseEnglish);
    EXPECT_TRUE(probe.settings.AddOnsEnabled);
    EXPECT_TRUE(probe.settings.OverwriteWithoutPrompt);
    EXPECT_EQ(probe.settings.GamePath, normaliseGamePath("/opt/rct3"));
    EXPECT_EQ(optionsFile(), kGoodOptions);

    EXPECT_EQ(run({"--english", "options", "show"}), ExitCode::Done);
    EXPECT_NE(out.str().find("(confirmed)"), std::string::npos);
    EXPECT_NE(out.str().find("language: English"), std::string::npos);
    EXPECT_NE(out.str().find("game path: " + normaliseGamePath("D:/RCT3")), std::string::npos);
}

TEST_F(Cli, OptionsSetWritesTheFileAndAsksThePromise) {
    EXPECT_EQ(run({"--yes", "options", "set", "--english", "--addons", "--overwrite", "--game-path", "D:/RCT3/"}),
              ExitCode::Done);
    EXPECT_EQ(optionsFile(), "'English'\r\n'" + normaliseGamePath("D:/RCT3") +
                                 "'\r\n'AddOns 1'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
    EXPECT_TRUE(saw("promiseText", Language::English));
    // What was saved, each setting; neither the greeting nor a note about restarting.
    EXPECT_EQ(out.str(), "saved to " + (work / "Zorbaltwerk_Options.txt").string() + ":\nlanguage: English\ngame path: " +
                             normaliseGamePath("D:/RCT3") +
                             "\nadd-ons: 1\noverwrite without prompting: 1\nhidden settings: 0\n");
    EXPECT_FALSE(saw("restartForLanguageEnglish", Language::English));
    EXPECT_EQ(err.str().find(console(welcomeText(systemLanguage()))), std::string::npos);

    // Without an answer flag and without a terminal the promise is declined; the words after "set"
    // win over the global ones, and what is not named keeps the loaded value.
    std::filesystem::remove(work / "Zorbaltwerk_Options.txt");
    test::writeBytes(work / "RCT3" / "rct3.EXE", "game");  // found in any case, as Windows finds it
    const std::string game = (work / "RCT3").string();
    EXPECT_EQ(run({"--german", "options", "set", "--english", "--addons", "--game-path", game}), ExitCode::Done);
    EXPECT_EQ(optionsFile().substr(0, 11), "'English'\r\n");
    EXPECT_NE(optionsFile().find("'AddOns 0'"), std::string::npos);
    EXPECT_NE(err.str().find("-> no"), std::string::npos);

    // A terminal answers.
    std::istringstream yes("maybe\nj\n");
    terminal = &yes;
    EXPECT_EQ(run({"options", "set", "--addons"}), ExitCode::Done);
    EXPECT_NE(optionsFile().find("'AddOns 1'"), std::string::npos);
}

TEST_F(Cli, OptionsSetThatCannotSaveExitsWith1) {
    test::writeBytes(work / "Zorbaltwerk_Options.txt", kGoodOptions);
    EXPECT_EQ(run({"options", "set", "--game-path", ""}), ExitCode::Stopped);
    EXPECT_TRUE(saw("optionsGamePathEmpty", Language::German));
    EXPECT_EQ(run({"options", "set", "--game-path", "C:/Users/O'Brien/RCT3"}), ExitCode::Stopped);
    EXPECT_NE(err.str().find("das Zeichen ' (Apostroph)"), std::string::npos) << err.str();
    EXPECT_EQ(optionsFile(), kGoodOptions);

    std::filesystem::create_directory(temporarySibling(work / "Zorbaltwerk_Options.txt"));
    EXPECT_EQ(run({"options", "set", "--overwrite"}), ExitCode::Stopped);
    EXPECT_EQ(optionsFile(), kGoodOptions);
}

}  // namespace
}  // namespace zw::cli
