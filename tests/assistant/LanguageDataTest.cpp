#include <gtest/gtest.h>

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
