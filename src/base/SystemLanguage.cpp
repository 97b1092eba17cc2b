#include "base/SystemLanguage.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace zw {

Language languageOfLocaleName(std::string_view localeName) {
    // Only German has a language code starting so ("de", "deu").
    return localeName.starts_with("de") ? Language::German : Language::English;
}

std::string_view messagesLocaleName(std::string_view lcAll, std::string_view lcMessages, std::string_view lang) {
    if (!lcAll.empty()) return lcAll;
    if (!lcMessages.empty()) return lcMessages;
    return lang;
}

Language languageOfWindowsLanguageId(std::uint16_t languageId) {
    constexpr std::uint16_t kPrimaryGerman = 0x07;  // LANG_GERMAN; the low ten bits are the primary language
    return (languageId & 0x3FF) == kPrimaryGerman ? Language::German : Language::English;
}

Language systemLanguage() {
#ifdef _WIN32
    return languageOfWindowsLanguageId(GetUserDefaultUILanguage());
#else
    auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string_view(value ? value : "");
    };
    return languageOfLocaleName(messagesLocaleName(variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")));
#endif
}

}  // namespace zw
