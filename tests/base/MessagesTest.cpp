#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>

#include "base/AppFolders.h"
#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/Settings.h"

namespace zw {
namespace {

TEST(MessageCatalogue, EachIdOnceAndNumberedTextsBeginWithTheirCode) {
    std::set<std::string_view> seen;
    const std::regex numbered("^[0-9]{3}$");
    for (const auto& entry : allMessages()) {
        EXPECT_TRUE(seen.insert(entry.id).second) << "twice: " << entry.id;
        EXPECT_FALSE(entry.german.empty() && entry.english.empty()) << entry.id;
        if (std::regex_match(std::string(entry.id), numbered)) {
            const std::string id(entry.id);
            if (!entry.german.empty()) {
                EXPECT_EQ(entry.german.substr(0, 11), "Fehler " + id + "!") << id;
            }
            if (!entry.english.empty()) {
                EXPECT_EQ(entry.english.substr(0, 10), "Error " + id + "!") << id;
            }
        }
    }
}

// A message says what happened and what the author can do; none sends the author to a person.
TEST(MessageCatalogue, NoMessageAsksToContactSomeone) {
    for (const auto& entry : allMessages()) {
        for (std::string_view text : {entry.german, entry.english}) {
            EXPECT_EQ(text.find("kontaktieren"), std::string_view::npos) << entry.id;
            EXPECT_EQ(text.find("contact"), std::string_view::npos) << entry.id;
        }
    }
}

TEST(MessageCatalogue, AnIdFromRunTimeIsCheckedThen) {
    EXPECT_FALSE(hasMessage("no such message"));
    EXPECT_THROW(MessageId::fromRunTime("no such message"), std::out_of_range);
    EXPECT_EQ(message(MessageId::fromRunTime("101"), Language::German), message("101", Language::German));
}

// Ids in the code are checked when compiling; this is the other direction: no entry that nothing
// shows (each id stands as a string literal somewhere in src outside the tables).
TEST(MessageCatalogue, EveryEntryIsShownByTheCode) {
    const char* root = std::getenv("ZW_SOURCE_DIR");
    if (root == nullptr) GTEST_SKIP() << "ZW_SOURCE_DIR is not set";
    std::string code;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(std::filesystem::path(root) / "src")) {
        if (!entry.is_regular_file() || entry.path().parent_path().filename() == "messages") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        code.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    for (const auto& entry : allMessages()) {
        EXPECT_NE(code.find("\"" + std::string(entry.id) + "\""), std::string::npos) << "never shown: " << entry.id;
    }
}

TEST(MessageCatalogue, ArgumentsAreWindows1252AndFillTheirPlaceholders) {
    // A model name with the Windows-1252 byte 0xFC (ü) appears as UTF-8 in the text.
    EXPECT_EQ(message("172", Language::German, {"Gr\xFCn"}),
              "Fehler 172! Gr\xC3\xBCn.common.ovl ist keine OVL-Version-1 Datei.");
    EXPECT_EQ(message("194", Language::English, {"\x80uro"}), "Error 194! \xE2\x82\xACuro includes no Symbollist.");
    // Two numbers, in their order of appearance.
    EXPECT_EQ(message("151", Language::German, {"2", "3"}),
              "Fehler 151! Die eingelesenen PeepPathSpline-OVLs enthalten zuwenig Spline-Strukturen (:SPL). In den "
              "OVLs sind nur 2 Splines vorhanden, wohingegen in der BahnDaten.txt Datei 3 PeepSplines angegeben "
              "sind.");
    // The icon name stands twice in one text.
    EXPECT_EQ(message("456", Language::English, {"Style"}),
              "Error 456! The extra data which is needed for the icon was not found neither in Style.common.ovl nor "
              "in Style.unqiue.ovl.");
    EXPECT_EQ(message("717", Language::English, {"5"}),
              "Error 717! Bahn-Folder cannot be created (ErrorValue=5).\r\nMaybe the RCT3.exe-application path in "
              "the options is wrong?");
}

TEST(MessageCatalogue, OneLanguageMessagesAreShownWhateverTheLanguage) {
    EXPECT_EQ(message("142", Language::English), "Fehler 142! PeepPathSpline.common.ovl ist keine OVL-Version-1 Datei.");
    EXPECT_EQ(message("153", Language::English, {"Loop"}),
              "Fehler 153! Die eingelesenen PeepPathSpline-OVLs enthalten nicht die in den BahnDaten angegebene "
              "Spline-Struktur namens Loop:spl.");
    EXPECT_EQ(message("restartForLanguageEnglish", Language::German),
              "Please restart Zorbaltwerk for the change of language to take effect.");
    EXPECT_EQ(message("restartForLanguageGerman", Language::English),
              "Bitte Zorbaltwerk neustarten, um die Umschaltung der Sprache wirksam zu machen.");
    // The two re-emission messages were given English texts of their own.
    EXPECT_EQ(message("195", Language::English).substr(0, 11), "Error 195! ");
    EXPECT_EQ(message("196", Language::English).substr(0, 11), "Error 196! ");
}

// The greeting is paragraphs that the message box wraps itself, in both languages, and names the
// guide that ships.
TEST(MessageCatalogue, TheGreetingIsParagraphsPointingToTheGuide) {
    for (const Language language : {Language::German, Language::English}) {
        const std::string text = welcomeText(language);
        std::string paragraphsJoined = text;
        for (std::size_t at; (at = paragraphsJoined.find("\r\n\r\n")) != std::string::npos;)
            paragraphsJoined.replace(at, 4, " ");
        EXPECT_EQ(paragraphsJoined.find('\n'), std::string::npos) << text;
        EXPECT_NE(text.find("README.html"), std::string::npos);
        EXPECT_EQ(text.find("Tutorial"), std::string::npos);
        EXPECT_NE(text.find(cp1252ToUtf8(pathForMessage(guideFile(executableFolder())))), std::string::npos) << text;
    }
    EXPECT_NE(welcomeText(Language::English), welcomeText(Language::German));
}

TEST(MessageCatalogue, LongTextsWithLineBreaksAreExact) {
    EXPECT_EQ(message("088", Language::English),
              "Error 088! Haha, nice try to access the hidden settings...! Automatical reset to 0.\r\nPlease call up "
              "the options screen in order to create a options file without errors.");
    EXPECT_EQ(message("231", Language::German),
              "Fehler 231! Automatisches Lesen des RCT3.exe-Programmpfads aus Registry nicht erfolgreich.\r\nEs wird "
              "der standard RCT3.exe-Programmpfad verwendet; bitte gegebenenfalls in den Optionen per Hand "
              "\xC3\xA4ndern.");
    EXPECT_EQ(message("promiseText", Language::English),
              "All downloads of CTR-Rides, which are made for RCT3 WITH ADDONS, have to include a README with the "
              "following text:\r\n\r\n'This CTR-Ride requires RCT3 WITH BOTH ADDONS Soaked/Wild! The installation "
              "without AddOns will cause RCT3 to crash.\r\nDiese CTR-Bahn funktioniert nur in RCT3 MIT BEIDEN ADDONS "
              "Soaked/Wild! Die Installation ohne AddOns f\xC3\xBChrt zum Absturz von RCT3.'\r\n\r\nDo you promise to "
              "write such a README for your downloadable CTR-Rides?");
    EXPECT_EQ(message("173", Language::German, {"Bob"}),
              "Fehler 173! Bob.unique.ovl Datei konnte nicht ge\xC3\xB6" "ffnet werden.\r\nBefindet sich "
              "m\xC3\xB6glicherweise das Modell in einem anderen Ordner als die WagenDaten.txt Datei?");
}

TEST(MessageCatalogue, PlaceholdersAreWellFormed) {
    // A brace that is not {1}..{9} would be shown literally; no text of the program contains one.
    const std::regex stray(R"(\{(?![1-9]\}))");
    for (const auto& entry : allMessages()) {
        for (std::string_view text : {entry.german, entry.english}) {
            EXPECT_FALSE(std::regex_search(std::string(text), stray)) << entry.id;
        }
    }
}

}  // namespace
}  // namespace zw
