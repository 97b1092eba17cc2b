#include <gtest/gtest.h>

#include <cstdlib>

#include "assistant/AssistantStart.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

// A report's messages as they are shown.
std::vector<std::string> textsOf(const Report& report, Language language) {
    std::vector<std::string> texts;
    for (const ReportMessage& m : report.messages()) texts.push_back(m.text(language));
    return texts;
}

// A track set's common file with the given strings as its string table (version 1, no references,
// no loader types, one block of type 0).
std::string commonOvlWithStrings(const std::vector<std::string>& strings) {
    std::string table;
    for (const auto& s : strings) table += s + '\0';
    std::string bytes;
    auto word = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    word(0xFFFFFFFF);  // magic
    word(0);           // reserved
    word(1);           // version
    word(0);           // references
    word(0);           // spare
    word(0);           // loader types
    word(1);           // block counts: one string table, nothing else
    for (int i = 1; i < 9; ++i) word(0);
    word(static_cast<uint32_t>(table.size()));
    bytes += table;
    return bytes;
}

TEST(AssistantStart, MissingListsStopTheAssistantWithAMessage) {
    test::TempFolder exe;
    const char* saved = std::getenv("ZW_SOURCE_DIR");
    std::string source = saved ? saved : "";
#ifdef _WIN32
    _putenv_s("ZW_SOURCE_DIR", "");
#else
    unsetenv("ZW_SOURCE_DIR");
#endif
    const auto loaded = loadAssistantListsForStart(exe.path(), {});
    const auto messages = textsOf(loaded.report, Language::English);
#ifdef _WIN32
    _putenv_s("ZW_SOURCE_DIR", source.c_str());
#else
    setenv("ZW_SOURCE_DIR", source.c_str(), 1);
#endif
    EXPECT_FALSE(loaded);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind("The assistant's lists could not be read: ", 0), 0u);
    EXPECT_NE(messages[0].find("track_catalogue.txt"), std::string::npos);
}

TEST(AssistantStart, SectionsOfTheGamesTrackTypesComeFromTheirStringTables) {
    test::TempFolder game;
    test::writeBytes(game / "tracks/Track1/Track1.common.ovl",
                     commonOvlWithStrings({"Track1:trk", "LoopA:tks", "StraightA:tks", "texture:ftx"}));
    test::writeBytes(game / "tracks/Track2/Track2.common.ovl", "short");
    const auto loaded = loadAssistantListsForStart({}, game.path());
    const auto messages = textsOf(loaded.report, Language::German);
    const auto& lists = loaded.value;
    ASSERT_TRUE(lists);
    EXPECT_EQ(lists->catalogue[0].sections, (std::vector<std::string>{"LoopA", "StraightA"}));
    EXPECT_TRUE(lists->catalogue[1].sections.empty());
    EXPECT_NE(std::find(lists->trackSections.begin(), lists->trackSections.end(), "LoopA"), lists->trackSections.end());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].rfind(
                  "Die Tracksektionen dieser Streckentypen konnten nicht aus dem RCT3-Ordner gelesen werden:\r\nTrack2 (",
                  0),
              0u)
        << messages[0];
}

}  // namespace
}  // namespace zw
