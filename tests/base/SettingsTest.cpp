#include <gtest/gtest.h>

#include "base/Messages.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using test::FakeRegistry;
using test::ScriptedDialogs;
using test::TempFolder;
using Messages = std::vector<std::string>;

const std::string kKey1 = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{907B4640-266B-4A21-92FB-CD1A86CD0F63}";
const std::string kKey2 = "SOFTWARE\\Atari\\RCT3";
const std::string kKey3 = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RollerCoaster Tycoon 3_is1";

#ifdef _WIN32
const std::string kGamesRct3 = "D:\\Games\\RCT3";
#else
const std::string kGamesRct3 = "D:/Games/RCT3";
#endif

std::string de(MessageId id) { return message(id, Language::German); }
std::string en(MessageId id) { return message(id, Language::English); }

struct Loaded {
    Settings settings;
    OptionsStatus status;
    Messages messages;
};

Loaded loadFrom(const std::string& fileBytes) {
    TempFolder folder;
    test::writeBytes(folder / "Zorbaltwerk_Options.txt", fileBytes);
    ScriptedDialogs dialogs;
    FakeRegistry registry;
    Loaded loaded;
    loaded.settings.UseEnglish = true;  // loading must start from the defaults
    loaded.status = loadSettings(loaded.settings, folder.path(), dialogs, registry, Language::German);
    loaded.messages = dialogs.messages();
    EXPECT_TRUE(registry.keysAsked.empty()) << "the registry is only asked on the first start";
    return loaded;
}

void expectDefaults(const Settings& s) {
    EXPECT_FALSE(s.UseEnglish);
    EXPECT_EQ(s.GamePath, defaultGamePath());
    EXPECT_FALSE(s.AddOnsEnabled);
    EXPECT_FALSE(s.OverwriteWithoutPrompt);
    EXPECT_FALSE(s.HiddenSettings);
}

TEST(OptionsFileLoading, FileOfTheProgramLoadsWithoutMessages) {
    auto l = loadFrom("'English'\r\n'D:/Games/RCT3/'\r\n'AddOns 1'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
    EXPECT_EQ(l.status, OptionsStatus::Fine);
    EXPECT_TRUE(l.messages.empty());
    EXPECT_TRUE(l.settings.UseEnglish);
    EXPECT_EQ(l.settings.GamePath, kGamesRct3);
    EXPECT_TRUE(l.settings.AddOnsEnabled);
    EXPECT_TRUE(l.settings.OverwriteWithoutPrompt);
    EXPECT_FALSE(l.settings.HiddenSettings);
}

TEST(OptionsFileLoading, TextOutsideQuotesIsIgnoredAndTheLastValueMayRunToTheEnd) {
    auto l = loadFrom("lang='Deutsch' path='D:\\Games\\RCT3' x 'AddOns 0''Ueberschreiben 0' -> 'HiddenSettings 0");
    EXPECT_EQ(l.status, OptionsStatus::Fine);
    EXPECT_TRUE(l.messages.empty());
    EXPECT_EQ(l.settings.GamePath, kGamesRct3);
}

TEST(OptionsFileLoading, LengthOutsideTenToFiveHundredGivesOneGerman221AndAllDefaults) {
    auto nine = loadFrom("'English'");
    ASSERT_EQ(nine.messages, Messages{de("221")});
    EXPECT_EQ(nine.status, OptionsStatus::Wrong);
    expectDefaults(nine.settings);

    const std::string good = "'English'\r\n'D:\\X'\r\n'AddOns 1'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n";
    auto tooLong = loadFrom(good + std::string(501 - good.size(), ' '));
    ASSERT_EQ(tooLong.messages, Messages{de("221")});
    expectDefaults(tooLong.settings);

    // Exactly 10 and exactly 500 bytes are read: the items are checked one by one.
    EXPECT_EQ(loadFrom("'English'x").messages, Messages(4, en("221")));
    auto longest = loadFrom(good + std::string(500 - good.size(), ' '));
    EXPECT_EQ(longest.status, OptionsStatus::Fine);
}

TEST(OptionsFileLoading, LanguageIsCaseSensitiveAndItsMessageIsGerman) {
    auto l = loadFrom("'english'\r\n'D:/Games/RCT3'\r\n'AddOns 1'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    EXPECT_EQ(l.messages, Messages{de("221")});
    EXPECT_EQ(l.status, OptionsStatus::Wrong);
    EXPECT_FALSE(l.settings.UseEnglish);
    EXPECT_EQ(l.settings.GamePath, kGamesRct3);  // the other items still count
    EXPECT_TRUE(l.settings.AddOnsEnabled);
}

TEST(OptionsFileLoading, HiddenSettingsOneGives088InTheLanguageInForceAndStaysOff) {
    auto l = loadFrom("'English'\r\n'D:/Games/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 1'\r\n");
    EXPECT_EQ(l.messages, Messages{en("088")});
    EXPECT_EQ(l.status, OptionsStatus::Wrong);
    EXPECT_FALSE(l.settings.HiddenSettings);

    auto german = loadFrom("'Deutsch'\r\n'D:/Games/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 1'\r\n");
    EXPECT_EQ(german.messages, Messages{de("088")});
}

TEST(OptionsFileLoading, EveryWrongItemShowsItsMessageAndTakesItsDefault) {
    auto l = loadFrom("'English'\r\n''\r\n'AddOns 2'\r\n'ueberschreiben 1'\r\n'HiddenSettings'\r\n");
    EXPECT_EQ(l.messages, Messages(4, en("221")));
    EXPECT_EQ(l.status, OptionsStatus::Wrong);
    EXPECT_TRUE(l.settings.UseEnglish);
    EXPECT_EQ(l.settings.GamePath, defaultGamePath());
    EXPECT_FALSE(l.settings.AddOnsEnabled);
    EXPECT_FALSE(l.settings.OverwriteWithoutPrompt);

    // A wrong language leaves German in force for the messages that follow it.
    auto german = loadFrom("'Englisch'\r\n'C:/RCT3'\r\n'AddOns 1'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 1'\r\n");
    EXPECT_EQ(german.messages, (Messages{de("221"), de("088")}));
    EXPECT_TRUE(german.settings.AddOnsEnabled);
    EXPECT_TRUE(german.settings.OverwriteWithoutPrompt);

    // Values missing at the end of the file are empty and wrong.
    auto shortFile = loadFrom("'Deutsch'\r\n'C:/RCT3'\r\n");
    EXPECT_EQ(shortFile.messages, Messages(3, de("221")));
}

TEST(OptionsFileLoading, AGameFolderOfOnlyASeparatorIsWrong) {
    auto l = loadFrom("'Deutsch'\r\n'\\'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    EXPECT_EQ(l.messages, Messages{de("221")});
    EXPECT_EQ(l.settings.GamePath, defaultGamePath());
}

TEST(GamePathNormalisation, TurnsForeignSeparatorsAndDropsOneTrailingSeparator) {
#ifdef _WIN32
    EXPECT_EQ(normaliseGamePath("C:/Games/RCT3//"), "C:\\Games\\RCT3\\");
    EXPECT_EQ(normaliseGamePath("C:\\Games\\RCT3"), "C:\\Games\\RCT3");
#else
    EXPECT_EQ(normaliseGamePath("C:\\Games\\RCT3\\\\"), "C:/Games/RCT3/");
    EXPECT_EQ(normaliseGamePath("/home/a/rct3/"), "/home/a/rct3");
#endif
    EXPECT_EQ(normaliseGamePath(""), "");
}

struct FirstStart {
    Language untilSaved = Language::German;
    Settings settings;
    OptionsStatus status;
    ScriptedDialogs dialogs;
};

void firstStart(FirstStart& f, FakeRegistry& registry) {
    TempFolder folder;
    f.status = loadSettings(f.settings, folder.path(), f.dialogs, registry, f.untilSaved);
}

TEST(FirstStart, GreetsAndTakesTheGameFolderFromTheFirstKeyThatOpens) {
    for (const std::string& key : {kKey1, kKey2, kKey3}) {
        FakeRegistry registry;
        registry.keys[key]["InstallLocation"] = "E:\\Spiele\\RCT3\\";
        FirstStart f;
        firstStart(f, registry);
        EXPECT_EQ(f.status, OptionsStatus::Missing);
        EXPECT_EQ(f.dialogs.messages(), Messages{welcomeText(Language::German)}) << key;
        EXPECT_EQ(f.settings.GamePath, normaliseGamePath("E:\\Spiele\\RCT3")) << key;
        EXPECT_FALSE(f.settings.UseEnglish);
    }

    FakeRegistry registry;
    registry.keys[kKey3]["InstallLocation"] = "third";
    registry.keys[kKey2]["InstallLocation"] = "second";
    FirstStart f;
    firstStart(f, registry);
    EXPECT_EQ(f.settings.GamePath, "second");
    EXPECT_EQ(registry.keysAsked, (std::vector<std::string>{kKey1, kKey2}));
}

// The registry holds the folder as Unicode: a Russian or Polish one is taken whole.
TEST(FirstStart, AGameFolderBeyondTheCodePageIsTakenFromTheRegistry) {
    FakeRegistry registry;
    registry.keys[kKey2]["InstallLocation"] = "C:\\Игры\\RollerCoaster Tycoon 3 – Łódź\\";
    FirstStart f;
    firstStart(f, registry);
    EXPECT_EQ(f.dialogs.messages(), Messages{welcomeText(Language::German)});
    EXPECT_EQ(f.settings.GamePath, normaliseGamePath("C:\\Игры\\RollerCoaster Tycoon 3 – Łódź"));
    EXPECT_EQ(f.settings.gameFolder().filename().u8string(), u8"RollerCoaster Tycoon 3 – Łódź");
}

TEST(FirstStart, AKeyWithoutTheValueDoesNotEmptyTheGameFolder) {
    FakeRegistry registry;
    registry.keys[kKey1]["DisplayName"] = "RCT3";
    registry.keys[kKey3]["InstallLocation"] = "third";
    FirstStart f;
    firstStart(f, registry);
    EXPECT_EQ(f.settings.GamePath, "third");
    EXPECT_EQ(f.dialogs.messages(), Messages{welcomeText(Language::German)});
}

TEST(FirstStart, NoKeyGives231InGermanAndTheDefault) {
    FakeRegistry registry;
    FirstStart f;
    firstStart(f, registry);
    EXPECT_EQ(f.dialogs.messages(), (Messages{welcomeText(Language::German), de("231")}));
    EXPECT_EQ(f.status, OptionsStatus::Missing);
    EXPECT_EQ(registry.keysAsked, (std::vector<std::string>{kKey1, kKey2, kKey3}));
    expectDefaults(f.settings);
}

TEST(FirstStart, TextsAndSettingsFollowTheSystemsLanguage) {
    for (const Language language : {Language::German, Language::English}) {
        FakeRegistry registry;
        FirstStart f;
        f.untilSaved = language;
        firstStart(f, registry);
        EXPECT_EQ(f.dialogs.messages(), (Messages{welcomeText(language), message("231", language)}));
        EXPECT_EQ(f.settings.UseEnglish, language == Language::English);
    }
}

// --- writing ---------------------------------------------------------------------------------

struct Writing : ::testing::Test {
    TempFolder folder;
    ScriptedDialogs dialogs;
    Settings settings;
    OptionsChoice choice{false, "D:/Games/RCT3/", false, false};

    OptionsWriteResult write() { return writeOptionsFile(settings, choice, folder.path(), dialogs); }
    std::string file() { return readWholeFile(folder / "Zorbaltwerk_Options.txt").value_or("<none>"); }
};

TEST_F(Writing, WritesFiveQuotedLinesAndTakesTheChoice) {
    choice.Overwrite = true;
    ASSERT_EQ(write(), OptionsWriteResult::Written);
    EXPECT_EQ(file(), "'Deutsch'\r\n'" + kGamesRct3 + "'\r\n'AddOns 0'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
    EXPECT_TRUE(dialogs.log.empty());
    EXPECT_EQ(settings.GamePath, kGamesRct3);
    EXPECT_EQ(choice.GamePathText, kGamesRct3);  // the edit field shows the normalised path
    EXPECT_TRUE(settings.OverwriteWithoutPrompt);

    // The program reads its own file back without complaint.
    Settings reread;
    FakeRegistry registry;
    ScriptedDialogs quiet;
    EXPECT_EQ(loadSettings(reread, folder.path(), quiet, registry, Language::German), OptionsStatus::Fine);
    EXPECT_EQ(reread.GamePath, kGamesRct3);
    EXPECT_TRUE(reread.OverwriteWithoutPrompt);
    EXPECT_TRUE(quiet.log.empty());
}

TEST_F(Writing, TheLanguageIsTakenAtOnce) {
    choice.English = true;
    ASSERT_EQ(write(), OptionsWriteResult::Written);
    EXPECT_TRUE(settings.UseEnglish);
    EXPECT_EQ(file().substr(0, 11), "'English'\r\n");
    choice.English = false;
    ASSERT_EQ(write(), OptionsWriteResult::Written);
    EXPECT_FALSE(settings.UseEnglish);
    EXPECT_TRUE(dialogs.log.empty());  // the options window says when a restart is needed
}

TEST_F(Writing, AddOnsNeedThePromiseOnce) {
    settings.UseEnglish = true;
    choice.English = true;
    choice.WithAddOns = true;
    dialogs.yesNoAnswers = {false};
    ASSERT_EQ(write(), OptionsWriteResult::Written);
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].caption, "Important Promise");
    EXPECT_EQ(dialogs.log[0].text, en("promiseText"));
    EXPECT_FALSE(choice.WithAddOns);  // "without AddOns" is selected again
    EXPECT_FALSE(settings.AddOnsEnabled);
    EXPECT_NE(file().find("'AddOns 0'\r\n"), std::string::npos);

    choice.WithAddOns = true;
    dialogs.yesNoAnswers = {true};
    ASSERT_EQ(write(), OptionsWriteResult::Written);
    EXPECT_TRUE(settings.AddOnsEnabled);
    EXPECT_NE(file().find("'AddOns 1'\r\n"), std::string::npos);
    EXPECT_EQ(dialogs.questions().size(), 2u);

    ASSERT_EQ(write(), OptionsWriteResult::Written);  // already on: no question
    EXPECT_EQ(dialogs.questions().size(), 2u);
    EXPECT_NE(file().find("'AddOns 1'\r\n"), std::string::npos);
}

TEST_F(Writing, GermanPromiseAfterTheLanguageOfTheChoice) {
    settings.UseEnglish = true;
    choice.WithAddOns = true;  // German chosen: the question follows the new language
    dialogs.yesNoAnswers = {true};
    write();
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].caption, "Wichtiges Versprechen");
    EXPECT_EQ(dialogs.log[0].text, de("promiseText"));
}

TEST_F(Writing, FailureIsReportedAndLeavesTheOldFileIntact) {
    test::writeBytes(folder / "Zorbaltwerk_Options.txt", "old content");
    std::filesystem::create_directory(temporarySibling(folder / "Zorbaltwerk_Options.txt"));  // blocks the write
    choice.English = true;
    EXPECT_EQ(write(), OptionsWriteResult::NotWritten);
    EXPECT_EQ(file(), "old content");
    const auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].substr(0, 40), en("optionsFileWriteFailed").substr(0, 40));
}

// A game folder the code page holds is written in the code page, byte for byte as always; one it
// cannot hold makes the file UTF-8 with a byte-order mark. Either reads back to the same folder.
TEST_F(Writing, AGameFolderBeyondTheCodePageIsStoredInUtf8) {
    const std::string tail = "'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n";
    const struct {
        std::string folder;   // as typed, UTF-8
        std::string written;  // the file
        std::u8string last;   // the game folder's last name on disk
    } cases[] = {
        {"D:/Spiele/Größe – €", "'Deutsch'\r\n'" + normaliseGamePath("D:/Spiele/Gr\xF6\xDF" "e \x96 \x80") + tail,
         u8"Größe – €"},
        {"C:/Игры/RollerCoaster Tycoon 3 – Łódź/",
         "\xEF\xBB\xBF'Deutsch'\r\n'" + normaliseGamePath("C:/Игры/RollerCoaster Tycoon 3 – Łódź") + tail,
         u8"RollerCoaster Tycoon 3 – Łódź"},
    };
    for (const auto& c : cases) {
        choice.GamePathText = c.folder;
        ASSERT_EQ(write(), OptionsWriteResult::Written) << c.folder;
        EXPECT_EQ(file(), c.written);
        EXPECT_TRUE(dialogs.log.empty());

        Settings reread;
        FakeRegistry registry;
        ScriptedDialogs quiet;
        EXPECT_EQ(loadSettings(reread, folder.path(), quiet, registry, Language::German), OptionsStatus::Fine);
        EXPECT_TRUE(quiet.log.empty());
        EXPECT_EQ(reread.GamePath, settings.GamePath);
        EXPECT_EQ(reread.gameFolder().filename().u8string(), c.last);
    }
}

// An empty game folder, and one with a single quote (which would cut the value short at the next
// start), are refused before anything changes.
TEST_F(Writing, AGameFolderTheFileCannotHoldIsRefusedBeforeAnythingChanges) {
    const std::string apostrophe = "C:\\Users\\O'Brien\\Games\\RCT3";
    const struct {
        std::string gamePath, shown;
    } cases[] = {
        {"", de("optionsGamePathEmpty")},
        {apostrophe, message("optionsGamePathApostrophe", Language::German, {normaliseGamePath(apostrophe)})},
        {"'", message("optionsGamePathApostrophe", Language::German, {"'"})},
    };
    for (const auto& c : cases) {
        test::writeBytes(folder / "Zorbaltwerk_Options.txt", "old content");
        dialogs.log.clear();
        choice.GamePathText = c.gamePath;
        choice.English = true;
        EXPECT_EQ(write(), OptionsWriteResult::Refused) << c.gamePath;
        EXPECT_EQ(dialogs.messages(), Messages{c.shown});
        EXPECT_FALSE(settings.UseEnglish);
        EXPECT_EQ(settings.GamePath, Settings{}.GamePath);
        EXPECT_EQ(file(), "old content");
    }
    EXPECT_NE(message("optionsGamePathApostrophe", Language::English, {"O'Brien"}).find("the character ' (apostrophe)"),
              std::string::npos);
}

}  // namespace
}  // namespace zw
