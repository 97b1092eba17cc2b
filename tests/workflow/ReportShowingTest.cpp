#include "workflow/ReportShowing.h"

#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "support/ScriptedDialogs.h"

namespace zw {
namespace {

// A command that reports a message, asks before it would write, then reports an error: the message
// is shown once however often the command runs, the question is asked once, and No stops it.
Report installLike(const Answers& answers, int& runs) {
    ++runs;
    Report report;
    report.message("rideDataFileNotWritten", {DisplayName{"Łódź"}, "Bahn\xE9"});
    if (!report.ask({"warningCaption", "overwriteInstalledRide", {DisplayName{"C:\\Игры\\Łódź"}}, true}, answers))
        return report;
    report.error("installedRide");
    return report;
}

TEST(ReportShowingTest, EachMessageIsShownOnceAndTheQuestionDecidesWhetherTheCommandGoesOn) {
    for (const bool yes : {true, false}) {
        test::ScriptedDialogs dialogs;
        dialogs.yesNoAnswers = {yes};
        int runs = 0;
        const Report report = runAsking(dialogs, Language::English, [&](const Answers& a) { return installLike(a, runs); });
        ASSERT_EQ(dialogs.log.size(), yes ? 3u : 2u);
        EXPECT_EQ(dialogs.log[0].text, message("rideDataFileNotWritten", Language::English, {DisplayName{"Łódź"}, "Bahn\xE9"}));
        EXPECT_NE(dialogs.log[0].text.find("Bahné"), std::string::npos);  // code-page argument converted
        EXPECT_EQ(dialogs.log[1].kind, test::DialogEvent::Kind::Question);
        EXPECT_TRUE(dialogs.log[1].defaultNo);
        EXPECT_NE(dialogs.log[1].text.find("C:\\Игры\\Łódź"), std::string::npos);
        EXPECT_EQ(runs, yes ? 2 : 1);
        EXPECT_EQ(report.question().has_value(), !yes);
        if (yes) {
            EXPECT_TRUE(dialogs.log[2].error);
            EXPECT_TRUE(report.hasErrors());
        }
    }
}

}  // namespace
}  // namespace zw
