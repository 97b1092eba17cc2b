#include <gtest/gtest.h>

#include "base/Encoding.h"
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

    MainWindow create() {
        test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                         "'English'\r\n'" + pathToCp1252(folder / "RCT3") +
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

}  // namespace
}  // namespace zw
