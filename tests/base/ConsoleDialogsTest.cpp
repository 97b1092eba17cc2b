#include <gtest/gtest.h>

#include <sstream>

#include "base/ConsoleDialogs.h"

namespace zw {
namespace {

TEST(ConsoleDialogs, MessagesGetConsoleLineEnds) {
    std::ostringstream out;
    ConsoleDialogs dialogs(out, nullptr);
    dialogs.showMessage("Fehler 221! Eins.\r\nZwei für drei.");
    EXPECT_EQ(out.str(), "Fehler 221! Eins.\nZwei für drei.\n");
    EXPECT_EQ(dialogs.messagesShown(), 1);
}

TEST(ConsoleDialogs, QuestionsTakeTheForcedAnswerElseTheTerminalElseNo) {
    std::ostringstream out;
    ConsoleDialogs silent(out, nullptr);
    EXPECT_FALSE(silent.askYesNo("Warnung", "Überschreiben?"));
    EXPECT_NE(out.str().find("[Warnung] Überschreiben?\n"), std::string::npos);
    silent.setForcedAnswer(true);
    EXPECT_TRUE(silent.askYesNo("Warning", "Overwrite?"));

    std::istringstream typed("perhaps\r\nJA\nn\n");
    ConsoleDialogs asking(out, &typed);
    EXPECT_TRUE(asking.askYesNo("Warning", "Overwrite?"));  // "perhaps" is asked again
    EXPECT_FALSE(asking.askYesNo("Warning", "Overwrite?"));
    EXPECT_FALSE(asking.askYesNo("Warning", "Overwrite?"));  // end of input: No
    std::istringstream unused("y\n");
    ConsoleDialogs forced(out, &unused);
    forced.setForcedAnswer(false);
    EXPECT_FALSE(forced.askYesNo("Warning", "Overwrite?"));
}

TEST(ConsoleDialogs, NoFileIsChosenAndInputNeedsATerminal) {
    std::ostringstream out;
    ConsoleDialogs dialogs(out, nullptr);
    EXPECT_EQ(dialogs.chooseFileToOpen("CTR_BahnDaten_*.txt|CTR_BahnDaten_*.txt", "."), std::nullopt);
    EXPECT_EQ(dialogs.askText("Name", "Name?", "Bahn"), std::nullopt);

    std::istringstream typed("\nAchterbahn\n");
    ConsoleDialogs asking(out, &typed);
    EXPECT_EQ(asking.askText("Name", "Name?", "Bahn"), "Bahn");
    EXPECT_EQ(asking.askText("Name", "Name?", "Bahn"), "Achterbahn");
    EXPECT_EQ(asking.askText("Name", "Name?", "Bahn"), std::nullopt);
}

}  // namespace
}  // namespace zw
