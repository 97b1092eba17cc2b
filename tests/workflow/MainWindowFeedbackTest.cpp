#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/RideDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/MainWindow.h"

namespace zw {
namespace {

// What the main window tells after its commands: the findings of a read in one message, and the
// status line under the buttons.
struct Feedback : ::testing::Test {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;
    std::filesystem::path file = folder / "CTR_BahnDaten_Zipper.txt";

    MainWindow create(const std::string& language = "English") {
        test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                         "'" + language + "'\r\n'" + pathToCp1252(folder / "RCT3") +
                             "'\r\n'AddOns 0'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
        std::filesystem::create_directories(folder / "RCT3" / "tracks" / "TrackedRides");
        return MainWindow(dialogs, registry, folder.path());
    }
    int read(MainWindow& window, const std::string& body) {
        test::writeBytes(file, rideDataHeader() + body);
        dialogs.filesToOpen.push_back(file);
        return window.readRideFile();
    }
};

TEST_F(Feedback, AReadWithFindingsShowsThemInOneMessageAndSucceeds) {
    MainWindow window = create();
    ASSERT_EQ(read(window, "BahnNamee\tMy Ride\r\nStartgeschwMax\t1,1\r\n"), 1);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0],
              "CTR_BahnDaten_Zipper.txt was read. What was noticed:\n"
              "line 7: unknown key \"BahnNamee\" (did you mean BahnName?); the line is read as BahnName: My Ride\n"
              "line 8: StartgeschwMax \"1,1\": read as 1.000; data files write decimals with \".\"");
    EXPECT_EQ(window.readFindings().size(), 2u);
    EXPECT_EQ(window.state().ride.BahnName, "My Ride");
    EXPECT_TRUE(window.enabled(Command::RewriteRideFile));
    EXPECT_TRUE(window.enabled(Command::BuildRidePair));
    EXPECT_FALSE(window.enabled(Command::ReadRideFile));
}

TEST_F(Feedback, ManyFindingsShowTwentyAndHowManyMore) {
    MainWindow window = create();
    std::string body;
    for (int i = 0; i < 25; ++i) body += "Unknown" + std::to_string(i) + "\t1\r\n";
    ASSERT_EQ(read(window, body), 1);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const std::string shown = dialogs.messages()[0];
    EXPECT_EQ(std::count(shown.begin(), shown.end(), '\n'), 21);
    EXPECT_TRUE(shown.ends_with("\nand 5 more"));
}

TEST_F(Feedback, AReadWithoutFindingsShowsNothing) {
    MainWindow window = create();
    ASSERT_EQ(read(window, "BahnName\tMy Ride\r\n"), 1);
    EXPECT_TRUE(dialogs.messages().empty()) << dialogs.messages()[0];
}

TEST_F(Feedback, TheStatusLineNamesTheFileAndTheLastResultWithItsPath) {
    MainWindow window = create();
    EXPECT_EQ(window.statusText(), "");
    ASSERT_EQ(read(window, "BahnName\tMy Ride\r\n"), 1);
    EXPECT_EQ(window.statusText(), "Read: CTR_BahnDaten_Zipper.txt (CTR_Zipper)");

    // Written paths show their last two parts.
    const std::string read = "Read: CTR_BahnDaten_Zipper.txt (CTR_Zipper)\n";
    const std::string ellipsis = "\u2026" + std::string(1, static_cast<char>(std::filesystem::path::preferred_separator));
    ASSERT_EQ(window.rewriteRideFile(), 1);
    EXPECT_EQ(window.statusText(), read + "Written: " + ellipsis + pathToCp1252(folder.path().filename() / file.filename()));

    ASSERT_EQ(window.buildRidePair(), 1) << (dialogs.messages().empty() ? "" : dialogs.messages()[0]);
    EXPECT_EQ(window.statusText(),
              read + "Built " + ellipsis + pathToCp1252(std::filesystem::path("CTR_Zipper") / "CTR_Zipper.common.ovl"));

    ASSERT_TRUE(window.installRidePair()) << dialogs.messages().back();
    const auto installed = folder / "RCT3" / "tracks" / "TrackedRides" / "CTR_Zipper";
    EXPECT_TRUE(std::filesystem::exists(installed / "CTR_Zipper.common.ovl"));
    EXPECT_EQ(window.statusText(),
              read + "Installed into " + ellipsis + pathToCp1252(std::filesystem::path("TrackedRides") / "CTR_Zipper"));

    window.restart();
    EXPECT_EQ(window.statusText(), "");
}

TEST_F(Feedback, AFailedCommandTakesItsResultOffTheStatusLine) {
    MainWindow window = create();
    ASSERT_EQ(read(window, "BahnName\tMy Ride\r\n"), 1);
    ASSERT_EQ(window.rewriteRideFile(), 1);
    // The pair's folder is in the way as a file: the build stops with a message.
    test::writeBytes(folder / "CTR_Zipper", "x");
    EXPECT_EQ(window.buildRidePair(), 0);
    EXPECT_EQ(window.statusText(), "Read: CTR_BahnDaten_Zipper.txt (CTR_Zipper)");
}

// Two errors (values not read as written) and a note (a key the add-ons off drop).
constexpr const char* kTwoErrorsAndANote = "BauhoeheMax\tvierzig\r\nRideCategory\tabc\r\nZuganzahlPreset\t2\r\n";

TEST_F(Feedback, TheStatusLineCountsTheErrorsOfTheReadButNotItsNotes) {
    struct Case {
        std::string language, body, status;
    };
    const Case cases[] = {
        {"English", kTwoErrorsAndANote, "Read with 2 errors: CTR_BahnDaten_Zipper.txt (CTR_Zipper)"},
        {"English", "BauhoeheMax\t1.5\r\n", "Read with 1 error: CTR_BahnDaten_Zipper.txt (CTR_Zipper)"},
        {"English", "ZuganzahlPreset\t2\r\n", "Read: CTR_BahnDaten_Zipper.txt (CTR_Zipper)"},
        {"Deutsch", kTwoErrorsAndANote, "Gelesen mit 2 Fehlern: CTR_BahnDaten_Zipper.txt (CTR_Zipper)"},
        {"Deutsch", "BauhoeheMax\t1.5\r\n", "Gelesen mit 1 Fehler: CTR_BahnDaten_Zipper.txt (CTR_Zipper)"},
    };
    for (const Case& c : cases) {
        MainWindow window = create(c.language);
        ASSERT_EQ(read(window, c.body), 1) << c.body;
        EXPECT_EQ(window.statusText(), c.status) << c.body;
    }
}

TEST_F(Feedback, AReadWithErrorsAsksOnceWithNoAsDefaultBeforeItsValuesGoFurther) {
    MainWindow window = create();
    ASSERT_EQ(read(window, kTwoErrorsAndANote), 1);
    const auto errorsQuestions = [&] {
        std::size_t count = 0;
        for (const auto& event : dialogs.log) {
            if (event.kind != test::DialogEvent::Kind::Question || !event.text.starts_with("2 values")) continue;
            EXPECT_EQ(event.text, "2 values are not what the file says; see the list after reading. Go on?");
            EXPECT_EQ(event.caption, "Warning");
            EXPECT_TRUE(event.defaultNo);
            ++count;
        }
        return count;
    };

    // Declined: nothing is built, and the build is still offered.
    EXPECT_FALSE(window.buildRidePair());
    EXPECT_FALSE(std::filesystem::exists(folder / "CTR_Zipper"));
    EXPECT_TRUE(window.enabled(Command::BuildRidePair));
    EXPECT_EQ(errorsQuestions(), 1u);
    EXPECT_FALSE(window.rewriteRideFile());
    EXPECT_EQ(errorsQuestions(), 2u);

    // Once answered Yes, the build, install and rewrite of this read ask no more.
    dialogs.yesNoAnswers = {true};
    ASSERT_TRUE(window.buildRidePair()) << (dialogs.messages().empty() ? "" : dialogs.messages().back());
    ASSERT_TRUE(window.installRidePair()) << dialogs.messages().back();
    EXPECT_TRUE(window.rewriteRideFile());
    EXPECT_EQ(errorsQuestions(), 3u);

    // A new read starts over.
    window.restart();
    dialogs.yesNoAnswers.clear();
    ASSERT_EQ(read(window, kTwoErrorsAndANote), 1);
    EXPECT_FALSE(window.buildRidePair());
    EXPECT_EQ(errorsQuestions(), 4u);
}

TEST_F(Feedback, AReadWithNotesOnlyAsksNothing) {
    MainWindow window = create();
    ASSERT_EQ(read(window, "ZuganzahlPreset\t2\r\n"), 1);
    ASSERT_TRUE(window.buildRidePair()) << (dialogs.messages().empty() ? "" : dialogs.messages().back());
    EXPECT_TRUE(dialogs.questions().empty());
}

// The open dialogs offer data files only, and a name typed past the filter is refused as the command
// line refuses it: the reader would make an object name of it.
TEST_F(Feedback, TheReadersTakeOnlyFilesNamedAsDataFilesOfTheirKind) {
    struct Case {
        bool car;
        std::string name, refusal;
    };
    const Case cases[] = {
        {true, "cars.txt", "the file must be named CTR_WagenDaten_<name>.txt, not cars.txt"},
        {true, "CTR_BahnDaten_Bob.txt", "the file must be named CTR_WagenDaten_<name>.txt, not CTR_BahnDaten_Bob.txt"},
        {true, "CTR_WagenDaten_Bob.csv", "the file must be named CTR_WagenDaten_<name>.txt, not CTR_WagenDaten_Bob.csv"},
        {true, "ctr_wagendaten_Bob.TXT", ""},
        {false, "ride.txt", "the file must be named CTR_BahnDaten_<name>.txt, not ride.txt"},
        {false, "CTR_WagenDaten_Bob.txt", "the file must be named CTR_BahnDaten_<name>.txt, not CTR_WagenDaten_Bob.txt"},
        {false, "CTR_BahnDaten_Bob.txt", ""},
    };
    for (const Case& c : cases) {
        dialogs.log.clear();
        MainWindow window = create();
        const auto path = folder / c.name;
        test::writeBytes(path, c.car ? std::string(kCarDataHeader) + "ZugName\tBob\r\n"
                                     : rideDataHeader() + "BahnName\tBob\r\n");
        dialogs.filesToOpen.push_back(path);
        const bool read = c.car ? window.readCarFile() : window.readRideFile();
        EXPECT_EQ(dialogs.log.at(0).caption,
                  c.car ? "CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt" : "CTR_BahnDaten_*.txt|CTR_BahnDaten_*.txt");
        EXPECT_EQ(read, c.refusal.empty()) << c.name;
        if (!c.refusal.empty()) {
            EXPECT_EQ(dialogs.messages(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(window.statusText(), "") << c.name;
            EXPECT_TRUE(window.enabled(c.car ? Command::ReadCarFile : Command::ReadRideFile)) << c.name;
        }
        std::filesystem::remove(path);
    }
}

}  // namespace
}  // namespace zw
