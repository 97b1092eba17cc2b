#include "workflow/OptionsWindow.h"

#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/MainWindow.h"

namespace zw {
namespace {

namespace fs = std::filesystem;
using test::DialogEvent;

struct OptionsWindowTest : ::testing::Test {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;

    std::string optionsFile() { return readWholeFile(folder / "Zorbaltwerk_Options.txt").value_or("<none>"); }
    std::string utf8(const fs::path& path) {
        const std::u8string text = path.u8string();
        return std::string(text.begin(), text.end());
    }
};

// Until the options are saved, the program speaks the system's language: the greeting, the captions
// and the language the options window offers first.
TEST_F(OptionsWindowTest, TheFirstStartSpeaksTheSystemsLanguage) {
    const struct {
        Language system;
        std::string_view optionsCaption, checkedRadio;
    } cases[] = {
        {Language::German, "Optionen", "DeutschRadioButton"},
        {Language::English, "Options", "EnglischRadioButton"},
    };
    for (const auto& c : cases) {
        fs::remove(folder / "Zorbaltwerk_Options.txt");
        dialogs.log.clear();
        MainWindow window(dialogs, registry, folder.path(), c.system);
        ASSERT_FALSE(dialogs.messages().empty());
        EXPECT_EQ(dialogs.messages().front(), welcomeText(c.system));
        EXPECT_EQ(window.showsEnglishCaptions(), c.system == Language::English);
        OptionsWindow options(window);
        EXPECT_EQ(options.caption("TForm2"), c.optionsCaption);
        EXPECT_TRUE(options.checked(c.checkedRadio));

        // Saved in that language: no note about restarting.
        dialogs.log.clear();
        dialogs.yesNoAnswers = {true};  // the default game folder holds no RCT3.exe
        EXPECT_TRUE(options.onOk());
        EXPECT_TRUE(dialogs.messages().empty());
        EXPECT_EQ(optionsFile().substr(0, 11), c.system == Language::English ? "'English'\r\n" : "'Deutsch'\r\n");
    }
}

TEST_F(OptionsWindowTest, AChangedLanguageAsksForARestartInTheNewLanguage) {
    MainWindow window(dialogs, registry, folder.path(), Language::German);
    OptionsWindow options(window);
    options.setChecked("EnglischRadioButton", true);
    dialogs.log.clear();
    dialogs.yesNoAnswers = {true};
    EXPECT_TRUE(options.onOk());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("restartForLanguageEnglish", Language::English)});
    // save() (the command line's "options set") says nothing of it.
    options.setChecked("DeutschRadioButton", true);
    dialogs.log.clear();
    EXPECT_EQ(options.save(), OptionsWriteResult::Written);
    EXPECT_TRUE(dialogs.log.empty());
}

// A game folder without RCT3.exe is saved only after a question naming it (No by default); one that
// holds it, in whatever letter case, and one confirmed before, are saved without asking.
TEST_F(OptionsWindowTest, AGameFolderWithoutTheGameIsSavedOnlyWhenTheAuthorSaysSo) {
    const fs::path game = folder / "Game";
    const fs::path otherCase = folder / "OtherCase";
    const fs::path empty = folder / "Empty";
    test::writeBytes(game / "RCT3.exe", "exe");
    test::writeBytes(otherCase / "rct3.EXE", "exe");
    fs::create_directories(empty / "RCT3.exe" / "folder");  // a folder of that name is no program
    test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                     "'Deutsch'\r\n'" + utf8(folder / "Start") +
                         "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    MainWindow window(dialogs, registry, folder.path(), Language::German);
    ASSERT_EQ(window.optionsStatus(), OptionsStatus::Fine);

    const struct {
        fs::path gamePath;
        bool asked;
        bool answer;
    } cases[] = {
        {game, false, false},
        {otherCase, false, false},
        {empty, true, false},
        {folder / "Nowhere", true, false},
        {folder / "Nowhere", true, true},
        {folder / "Nowhere", false, false},  // now confirmed: not asked again
    };
    for (const auto& c : cases) {
        OptionsWindow options(window);
        options.setGameFolderText(utf8(c.gamePath));
        dialogs.log.clear();
        dialogs.yesNoAnswers = {c.answer};
        const std::string before = optionsFile();
        const bool saved = options.onOk();
        EXPECT_EQ(saved, !c.asked || c.answer) << c.gamePath;
        if (c.asked) {
            ASSERT_EQ(dialogs.log.size(), 1u) << c.gamePath;
            EXPECT_EQ(dialogs.log[0].kind, DialogEvent::Kind::Question);
            EXPECT_TRUE(dialogs.log[0].defaultNo);
            EXPECT_EQ(dialogs.log[0].text,
                      message("optionsNoGameQuestion", Language::German, {pathForMessage(c.gamePath)}));
        } else {
            EXPECT_TRUE(dialogs.log.empty()) << c.gamePath;
        }
        if (saved) {
            EXPECT_EQ(window.state().settings.GamePath, utf8(c.gamePath));
        } else {
            EXPECT_EQ(optionsFile(), before);
            EXPECT_NE(window.state().settings.GamePath, utf8(c.gamePath));
        }
    }
}

// Browse starts at the folder in the edit, or the nearest one above it that exists; the chosen folder
// goes into the edit, a cancelled dialog changes nothing.
TEST_F(OptionsWindowTest, BrowseStartsNearTheEnteredFolderAndFillsTheEdit) {
    fs::create_directories(folder / "Games");
    test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                     "'English'\r\n'" + utf8(folder / "Games" / "RCT3" / "Gone") +
                         "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    MainWindow window(dialogs, registry, folder.path(), Language::German);
    OptionsWindow options(window);
    dialogs.foldersToChoose = {folder / "Chosen" / "", std::nullopt};
    options.RCT3PfadBrowseButtonClick();
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].kind, DialogEvent::Kind::ChooseFolder);
    EXPECT_EQ(dialogs.log[0].caption, message("optionsBrowseCaption", Language::English));
    EXPECT_EQ(dialogs.log[0].text, (folder / "Games").string());
    EXPECT_EQ(options.gameFolderText(), normaliseGamePath(utf8(folder / "Chosen" / "")));

    options.RCT3PfadBrowseButtonClick();  // cancelled
    EXPECT_EQ(dialogs.log[1].text, folder.path().string());  // "Chosen" does not exist
    EXPECT_EQ(options.gameFolderText(), normaliseGamePath(utf8(folder / "Chosen" / "")));
    EXPECT_EQ(window.state().settings.GamePath, utf8(folder / "Games" / "RCT3" / "Gone"));  // saved only by OK
}

}  // namespace
}  // namespace zw
