#pragma once
// The language of the system the program runs on, for the texts shown before the options are saved:
// German when the system speaks German, English otherwise.

#include <cstdint>
#include <string_view>

#include "base/Messages.h"

namespace zw {

// From a POSIX locale name ("de_DE.UTF-8", "de", "en_GB", "C"): German for "de…", else English.
Language languageOfLocaleName(std::string_view localeName);

// The locale name that decides the messages' language: the first non-empty of LC_ALL, LC_MESSAGES
// and LANG, as the C library takes them.
std::string_view messagesLocaleName(std::string_view lcAll, std::string_view lcMessages, std::string_view lang);

// From a Windows language id (GetUserDefaultUILanguage): German for every German sublanguage.
Language languageOfWindowsLanguageId(std::uint16_t languageId);

// The running system's language: on Windows the user's interface language, elsewhere the locale
// of the environment.
Language systemLanguage();

}  // namespace zw
