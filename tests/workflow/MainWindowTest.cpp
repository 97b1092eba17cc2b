#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>

#include "base/Messages.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/MainWindow.h"
#include "workflow/OptionsWindow.h"

namespace zw {
namespace {

using test::FakeRegistry;
using test::ScriptedDialogs;
using test::TempFolder;
using Names = std::set<std::string>;

const std::string kGoodOptions =
    "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n";
const std::string kEnglishOptions =
    "'English'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n";

const std::vector<std::string> kAllButtons = {
    "NeustartButton",           "InstallDeinstallButton",      "OptionenButton",
    "GUIfuerCTRBahnDatenButton", "CTRBahnDatenLesenButton",     "CTRBahnDatenSchreibenButton",
    "BahnOVLsErstellenButton",  "BahnOVLsInstallierenButton",  "CTRSchienenDatenLesenButton",
    "CTRSchienenDatenSchreibenButton", "SchienenOVLsErstellenButton", "SchienenOVLsInstallierenButton",
    "CTRWagenDatenLesenButton", "CTRWagenDatenSchreibenButton", "WagenOVLsErstellenButton",
    "WagenOVLsInstallierenButton",
};

Names enabledButtons(const MainWindow& w) {
    Names out;
    for (const auto& name : kAllButtons)
        if (w.enabled(name)) out.insert(name);
    return out;
}

struct Fixture : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    FakeRegistry registry;

    MainWindow create(const std::string* options, Language untilSaved = Language::German) {
        if (options) test::writeBytes(folder / "Zorbaltwerk_Options.txt", *options);
        return MainWindow(dialogs, registry, folder.path(), untilSaved);
    }
};

// The workflow's rules, not its table: a run reads one file and then offers that file's commands in
// order, each once; while a run is open nothing else is offered but Restart; Restart ends the run.
struct FileRun {
    ButtonMoment read, rewritten, built, installed;
    std::string rewrite, build, install;
};
const FileRun kRuns[] = {
    {ButtonMoment::RideRead, ButtonMoment::RideRewritten, ButtonMoment::RideBuilt, ButtonMoment::RideInstalled,
     "CTRBahnDatenSchreibenButton", "BahnOVLsErstellenButton", "BahnOVLsInstallierenButton"},
    {ButtonMoment::CarRead, ButtonMoment::CarRewritten, ButtonMoment::CarBuilt, ButtonMoment::CarInstalled,
     "CTRWagenDatenSchreibenButton", "WagenOVLsErstellenButton", "WagenOVLsInstallierenButton"},
};

TEST_F(Fixture, ARunOffersItsFilesCommandsInOrderEachOnceUntilRestart) {
    for (const FileRun& run : kRuns) {
        MainWindow w = create(&kGoodOptions);
        const Names fresh = enabledButtons(w);
        w.applyMoment(run.read);
        EXPECT_EQ(enabledButtons(w), (Names{"NeustartButton", run.rewrite, run.build}));
        w.applyMoment(run.rewritten);
        EXPECT_EQ(enabledButtons(w), (Names{"NeustartButton", run.build}));
        w.applyMoment(run.built);
        EXPECT_EQ(enabledButtons(w), (Names{"NeustartButton", run.install}));
        w.applyMoment(run.installed);
        EXPECT_EQ(enabledButtons(w), Names{"NeustartButton"});
        w.applyMoment(ButtonMoment::Restart);
        EXPECT_EQ(enabledButtons(w), fresh);
        // Building straight after reading still offers the rewrite; restart ends any run alike.
        w.applyMoment(run.read);
        w.applyMoment(run.built);
        EXPECT_EQ(enabledButtons(w), (Names{"NeustartButton", run.rewrite, run.install}));
        w.applyMoment(ButtonMoment::Restart);
        EXPECT_EQ(enabledButtons(w), fresh);
    }
}

// The track buttons have no command: no moment enables them, whatever the state before.
TEST_F(Fixture, NoMomentOffersATrackCommand) {
    MainWindow w = create(&kGoodOptions);
    for (int moment = 0; moment <= static_cast<int>(ButtonMoment::Restart); ++moment) {
        for (std::size_t i = 0; i < kCommandCount; ++i) w.setEnabled(static_cast<Command>(i), false);
        w.applyMoment(static_cast<ButtonMoment>(moment));
        for (const char* track : {"CTRSchienenDatenLesenButton", "CTRSchienenDatenSchreibenButton",
                                  "SchienenOVLsErstellenButton", "SchienenOVLsInstallierenButton"}) {
            EXPECT_FALSE(w.enabled(track)) << track << " at moment " << moment;
        }
    }
}

TEST_F(Fixture, ButtonNamesMatchTheirEnumerators) {
    for (std::size_t i = 0; i < kCommandCount; ++i) EXPECT_EQ(buttonName(static_cast<Command>(i)), kAllButtons[i]);
    MainWindow w = create(&kGoodOptions);
    EXPECT_THROW(w.enabled("GroupBoxWagen"), std::out_of_range);
}

TEST_F(Fixture, GoodOptionsOfferReadersInstallAssistantAndOptions) {
    MainWindow w = create(&kGoodOptions);
    EXPECT_EQ(w.optionsStatus(), OptionsStatus::Fine);
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(enabledButtons(w), (Names{"InstallDeinstallButton", "OptionenButton", "GUIfuerCTRBahnDatenButton",
                                       "CTRBahnDatenLesenButton", "CTRWagenDatenLesenButton"}));
    EXPECT_EQ(w.state().StartFolder, folder.path());
}

TEST_F(Fixture, FirstStartOffersOnlyOptionsUntilOk) {
    MainWindow w = create(nullptr);
    EXPECT_EQ(w.optionsStatus(), OptionsStatus::Missing);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{welcomeText(Language::German),
                                                            message("231", Language::German)}));
    EXPECT_EQ(enabledButtons(w), Names{"OptionenButton"});

    OptionsWindow options(w);
    dialogs.yesNoAnswers = {true};  // the default game folder holds no RCT3.exe here: saved all the same
    EXPECT_TRUE(options.onOk());
    EXPECT_EQ(w.optionsStatus(), OptionsStatus::Fine);
    EXPECT_EQ(enabledButtons(w), (Names{"InstallDeinstallButton", "OptionenButton", "GUIfuerCTRBahnDatenButton",
                                       "CTRBahnDatenLesenButton", "CTRWagenDatenLesenButton"}));
    EXPECT_TRUE(std::filesystem::exists(folder / "Zorbaltwerk_Options.txt"));
}

TEST_F(Fixture, HiddenSettingsOneKeepsReadersDisabledUntilConfirmedAndIsWrittenAsZero) {
    const std::string hidden = "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 1'\r\n";
    MainWindow w = create(&hidden);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("088", Language::German)});
    EXPECT_EQ(enabledButtons(w), Names{"OptionenButton"});
    OptionsWindow options(w);
    EXPECT_FALSE(options.checked("HiddenSettingsCheckBox"));
    EXPECT_FALSE(options.enabled("HiddenSettingsCheckBox"));
    options.setChecked("HiddenSettingsCheckBox", true);
    EXPECT_FALSE(options.checked("HiddenSettingsCheckBox"));
    dialogs.yesNoAnswers = {true};  // D:/RCT3 without RCT3.exe
    options.onOk();
    EXPECT_TRUE(w.enabled(Command::ReadRideFile));
    std::ifstream in(folder / "Zorbaltwerk_Options.txt", std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(content.find("'HiddenSettings 0'\r\n"), std::string::npos);
}

TEST_F(Fixture, CaptionsFollowTheLanguageAtCreationOnly) {
    MainWindow german = create(&kGoodOptions);
    EXPECT_EQ(german.caption("NeustartButton"), "Neustart");
    EXPECT_EQ(german.caption("GUIfuerCTRBahnDatenButton"), "GUI für CTR_BahnDaten");
    EXPECT_EQ(german.caption("GroupBoxWagen"), " Wagen ");

    // Switching to English: the restart message at once, the captions stay German.
    OptionsWindow options(german);
    EXPECT_EQ(options.caption("TForm2"), "Optionen");
    options.setChecked("EnglischRadioButton", true);
    EXPECT_FALSE(options.checked("DeutschRadioButton"));
    options.onOk();
    EXPECT_EQ(dialogs.messages().back(), message("restartForLanguageEnglish", Language::English));
    EXPECT_EQ(german.caption("NeustartButton"), "Neustart");
    EXPECT_TRUE(german.state().settings.UseEnglish);

    // The next start shows English captions.
    MainWindow english(dialogs, registry, folder.path());
    EXPECT_TRUE(english.showsEnglishCaptions());
    EXPECT_EQ(english.caption("CTRBahnDatenLesenButton"), "Read CTR_BahnDaten.txt");
    EXPECT_EQ(english.caption("SchienenOVLsInstallierenButton"), "Install Track.ovls in RCT3");
    EXPECT_EQ(english.caption("GroupBoxAllgemein"), " General ");
    EXPECT_EQ(OptionsWindow(english).caption("UeberschreibenCheckBox"), "Overwrite without prompting");
    EXPECT_THROW(english.caption("NoSuchControl"), std::out_of_range);
}

TEST_F(Fixture, OptionsWindowCancelRestoresTheControlsAndDeclinedPromiseSelectsWithoutAddOns) {
    MainWindow w = create(&kEnglishOptions);
    OptionsWindow options(w);
    EXPECT_TRUE(options.checked("EnglischRadioButton"));
    EXPECT_TRUE(options.checked("ohneAddOnsRadioButton"));
    options.setChecked("mitAddOnsRadioButton", true);
    options.setGameFolderText("E:/Spiele/Achterbahn für RCT3/");
    options.CancelButtonClick();
    EXPECT_TRUE(options.checked("ohneAddOnsRadioButton"));
    EXPECT_EQ(options.gameFolderText(), w.state().settings.GamePath);

    options.setChecked("mitAddOnsRadioButton", true);
    options.setGameFolderText("E:/Spiele/Achterbahn für RCT3/");
    dialogs.yesNoAnswers = {true, false};  // the folder without RCT3.exe yes, the promise no
    EXPECT_TRUE(options.onOk());
    EXPECT_EQ(dialogs.questions().size(), 2u);
    EXPECT_TRUE(options.checked("ohneAddOnsRadioButton"));
    EXPECT_FALSE(w.state().settings.AddOnsEnabled);
    EXPECT_EQ(options.gameFolderText(), normaliseGamePath("E:/Spiele/Achterbahn für RCT3"));
    EXPECT_EQ(w.state().settings.GamePath, normaliseGamePath("E:/Spiele/Achterbahn für RCT3"));
}

TEST_F(Fixture, RideWorkflowOffersEachStepOnceAndRestartOffersTheOptionsAgain) {
    MainWindow w = create(&kGoodOptions);
    EXPECT_EQ(w.runCommand([] { return 0; }, ButtonMoment::RideRead), 0);  // declined: nothing changes
    EXPECT_TRUE(w.enabled(Command::Options));
    EXPECT_EQ(w.runCommand([] { return 1; }, ButtonMoment::RideRead), 1);
    EXPECT_EQ(enabledButtons(w),
              (Names{"NeustartButton", "CTRBahnDatenSchreibenButton", "BahnOVLsErstellenButton"}));
    w.runCommand([] { return 1; }, ButtonMoment::RideRewritten);
    w.runCommand([] { return 1; }, ButtonMoment::RideBuilt);
    EXPECT_EQ(enabledButtons(w), (Names{"NeustartButton", "BahnOVLsInstallierenButton"}));
    w.applyMoment(ButtonMoment::RideInstalled);
    EXPECT_EQ(enabledButtons(w), Names{"NeustartButton"});

    w.restart();
    EXPECT_EQ(enabledButtons(w), (Names{"InstallDeinstallButton", "OptionenButton", "GUIfuerCTRBahnDatenButton",
                                       "CTRBahnDatenLesenButton", "CTRWagenDatenLesenButton"}));
}

}  // namespace
}  // namespace zw
