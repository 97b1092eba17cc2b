#pragma once
// The assistant window's texts in German and English. Each pair names what it captions: a control
// ("ToolButton1", "txtKeineKinder"), the label of a labelled edit ("lblTopTime.EditLabel"), or an
// item of a list ("lstKategorie[3]", "StartOption[6]" for item 6 of both start option lists).

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct LanguageText {
    std::string_view target;
    std::string_view german;   // UTF-8
    std::string_view english;  // UTF-8
};

// The whole table, in its order.
std::span<const LanguageText> languageTable();

// The controls the table gives no caption: in German the ride data key each one writes, in English
// a text in the manner of the table.
std::span<const LanguageText> uncaptionedControlTexts();

// The ten items of `lstKategorie` and the sixteen start options, in the chosen language.
std::vector<std::string> categoryItems(bool english);
std::vector<std::string> startOptionItems(bool english);

}  // namespace zw
