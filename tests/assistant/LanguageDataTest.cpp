#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "assistant/LanguageData.h"

namespace zw {
namespace {

TEST(LanguageData, EveryTargetHasOneTextInEachLanguage) {
    std::set<std::string_view> targets;
    for (const auto& text : languageTable()) {
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

// The category list and the two start option lists: as many items in both languages, none empty,
// none twice, and no table entry for an item beyond the list (it would never be shown).
TEST(LanguageData, ListItemsAreCompleteAndDistinctInBothLanguages) {
    const struct {
        std::string_view prefix;
        std::vector<std::string> german, english;
    } lists[] = {{"lstKategorie[", categoryItems(false), categoryItems(true)},
                 {"StartOption[", startOptionItems(false), startOptionItems(true)}};
    for (const auto& list : lists) {
        ASSERT_EQ(list.german.size(), list.english.size()) << list.prefix;
        for (const auto* items : {&list.german, &list.english}) {
            std::set<std::string> distinct;
            for (const auto& item : *items) {
                EXPECT_FALSE(item.empty()) << list.prefix;
                EXPECT_TRUE(distinct.insert(item).second) << list.prefix << " twice: " << item;
            }
        }
        for (const auto& text : languageTable()) {
            if (!text.target.starts_with(list.prefix)) continue;
            const std::string index(text.target.substr(list.prefix.size(), text.target.size() - list.prefix.size() - 1));
            EXPECT_LT(std::stoul(index), list.german.size()) << text.target;
        }
    }
}

}  // namespace
}  // namespace zw
