#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "assistant/LanguageData.h"

namespace zw {
namespace {

TEST(LanguageData, TableHoldsEveryPairOnceTargetedInTableOrder) {
    auto table = languageTable();
    ASSERT_EQ(table.size(), 127u);
    EXPECT_EQ(table.front().german, "Neue Bahn beginnen");
    EXPECT_EQ(table.front().english, "New Ride");
    EXPECT_EQ(table.back().german, "Spezialwagentyp (B)");
    EXPECT_EQ(table.back().english, "Special car (B)");
    std::set<std::string_view> targets;
    for (const auto& text : table) {
        EXPECT_TRUE(targets.insert(text.target).second) << "twice: " << text.target;
        EXPECT_FALSE(text.german.empty() || text.english.empty()) << text.target;
    }
}

TEST(LanguageData, ControlsWithoutACaptionInTheTableGetTextsOfTheirOwn) {
    std::set<std::string_view> targets;
    for (const auto& text : languageTable()) targets.insert(text.target);
    for (const auto& text : uncaptionedControlTexts()) {
        EXPECT_TRUE(targets.insert(text.target).second) << "twice: " << text.target;
        EXPECT_FALSE(text.german.empty() || text.english.empty() || text.german == text.english) << text.target;
    }
}

// A caption tells what a control is for; a key's or a field's name in its place (one word with a
// capital inside, as "EintrittspreisPreset" or "TrackTyp") says nothing to an author. "AddOn" is
// the game's own word.
TEST(LanguageData, NoCaptionIsARawName) {
    const auto looksRaw = [](std::string_view caption) {
        if (caption.find(' ') != std::string_view::npos) return false;
        std::string word(caption);
        if (const auto addOn = word.find("AddOn"); addOn != std::string::npos) word[addOn + 3] = 'o';
        for (std::size_t i = 1; i < word.size(); ++i) {
            if (std::isupper(static_cast<unsigned char>(word[i])) && std::islower(static_cast<unsigned char>(word[i - 1])))
                return true;
        }
        return false;
    };
    ASSERT_TRUE(looksRaw("EintrittspreisPreset"));
    for (auto table : {languageTable(), uncaptionedControlTexts()}) {
        for (const auto& text : table) {
            EXPECT_FALSE(looksRaw(text.german)) << text.target << ": " << text.german;
            EXPECT_FALSE(looksRaw(text.english)) << text.target << ": " << text.english;
        }
    }
}

TEST(LanguageData, CategoryAndStartOptionItems) {
    auto german = categoryItems(false);
    ASSERT_EQ(german.size(), 10u);
    EXPECT_EQ(german[0], "Transportbahnen");
    EXPECT_EQ(german[3], "Achterbahnen Stahl");
    EXPECT_EQ(german[8], "Achterbahnen Hängend");
    EXPECT_EQ(categoryItems(true)[9], "RollerCoasters Water");

    auto startGerman = startOptionItems(false);
    auto startEnglish = startOptionItems(true);
    ASSERT_EQ(startGerman.size(), 16u);
    EXPECT_EQ(startGerman[0], "kontinuierlicher Kreis");
    EXPECT_EQ(startEnglish[0], "Continuous circuit");
    EXPECT_EQ(startGerman[6], "Aufwärtsstart");
    EXPECT_EQ(startEnglish[9], "Mini golf");
    // Options without a translation keep their text in both languages.
    for (size_t i : {5u, 10u, 11u, 12u, 13u, 14u, 15u}) EXPECT_EQ(startGerman[i], startEnglish[i]) << i;
    EXPECT_EQ(startEnglish[11], "ReverseCableLifthill");
    EXPECT_EQ(startEnglish[15], "Lazy River");
}

}  // namespace
}  // namespace zw
