#include <gtest/gtest.h>

#include <set>
#include <string>

#include "base/Messages.h"
#include "datafiles/CarDataHeader.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/MainWindow.h"

namespace zw {
namespace {

using Names = std::set<std::string>;

Names enabledButtons(const MainWindow& w) {
    Names out;
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto button = static_cast<Command>(i);
        if (w.enabled(button)) out.insert(std::string(buttonName(button)));
    }
    return out;
}

struct CarCommands : ::testing::Test {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;
    std::filesystem::path carFile = folder / "rides" / "CTR_WagenDaten_Bob.txt";

    MainWindow create() {
        test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                         "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
        return MainWindow(dialogs, registry, folder.path());
    }
};

TEST_F(CarCommands, ACancelledOrFailedReadChangesNoButton) {
    MainWindow w = create();
    const Names initial = enabledButtons(w);
    EXPECT_FALSE(w.readCarFile());
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].caption, "CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt");
    EXPECT_EQ(dialogs.log[0].text, folder.path().string());

    test::writeBytes(carFile, "too short");
    dialogs.filesToOpen = {carFile};
    EXPECT_FALSE(w.readCarFile());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("162", Language::German)});
    EXPECT_EQ(enabledButtons(w), initial);
}

TEST_F(CarCommands, AReadOffersRewriteAndBuildOnceAndTheRewriteOnlyUntilItIsDone) {
    MainWindow w = create();
    test::writeBytes(carFile, std::string(kCarDataHeader) + "ZugName\tBob\r\n");
    dialogs.filesToOpen = {carFile};
    ASSERT_TRUE(w.readCarFile());
    EXPECT_EQ(w.state().car.TrainName, "Bob");
    EXPECT_EQ(enabledButtons(w), (Names{"NeustartButton", "CTRWagenDatenSchreibenButton", "WagenOVLsErstellenButton"}));

    // Declining to overwrite keeps the rewrite on offer.
    EXPECT_FALSE(w.rewriteCarFile());
    EXPECT_TRUE(w.enabled(Command::RewriteCarFile));
    dialogs.yesNoAnswers = {true};
    EXPECT_TRUE(w.rewriteCarFile());
    EXPECT_EQ(enabledButtons(w), (Names{"NeustartButton", "WagenOVLsErstellenButton"}));
    EXPECT_EQ(dialogs.questions().size(), 2u);
}

}  // namespace
}  // namespace zw
