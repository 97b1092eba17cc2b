#include "base/SystemLanguage.h"

#include <gtest/gtest.h>

namespace zw {
namespace {

TEST(SystemLanguage, GermanForGermanLocalesAndWindowsLanguagesElseEnglish) {
    const struct {
        std::string_view locale;
        Language language;
    } locales[] = {
        {"de_DE.UTF-8", Language::German}, {"de_AT", Language::German},      {"de", Language::German},
        {"de_CH.ISO-8859-1@euro", Language::German},                          {"en_GB.UTF-8", Language::English},
        {"C", Language::English},          {"C.UTF-8", Language::English},   {"POSIX", Language::English},
        {"", Language::English},           {"fr_FR", Language::English},     {"nl_DE", Language::English},
    };
    for (const auto& c : locales) EXPECT_EQ(languageOfLocaleName(c.locale), c.language) << c.locale;

    // LC_ALL before LC_MESSAGES before LANG; an empty variable counts as unset.
    EXPECT_EQ(messagesLocaleName("de_DE", "en_US", "fr_FR"), "de_DE");
    EXPECT_EQ(messagesLocaleName("", "en_US", "de_DE"), "en_US");
    EXPECT_EQ(messagesLocaleName("", "", "de_DE"), "de_DE");
    EXPECT_EQ(messagesLocaleName("", "", ""), "");

    // Windows language ids: the primary language in the low ten bits.
    const struct {
        std::uint16_t id;
        Language language;
    } ids[] = {{0x0407, Language::German}, {0x0C07, Language::German}, {0x0807, Language::German},
               {0x0409, Language::English}, {0x0809, Language::English}, {0x040C, Language::English}};
    for (const auto& c : ids) EXPECT_EQ(languageOfWindowsLanguageId(c.id), c.language) << c.id;
}

}  // namespace
}  // namespace zw
