#pragma once
// The message catalogue: every text the program shows in a message box, each once, with its
// German and English wording. Code asks for a message by id and never spells one inline.
//
// Ids: a numbered message is known by its three-digit code ("101", "088"); an unnumbered one by a
// short camel-case name ("welcome"). Templates hold placeholders {1} … {9} for the pieces that the
// program fills in (a model name, a count); arguments are Windows-1252 domain strings and are
// converted to UTF-8 when they are put in.

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace zw {

struct MessageText {
    std::string_view id;
    std::string_view german;   // UTF-8; empty when the message exists in English only
    std::string_view english;  // UTF-8; empty when the message exists in German only
};

enum class Language { German, English };

inline Language languageOf(bool useEnglish) { return useEnglish ? Language::English : Language::German; }

// The text of message `id` in `language` with its placeholders filled. A message that exists in one
// language only is given in that language whatever is asked. Throws std::out_of_range for an
// unknown id (a programming error).
std::string message(std::string_view id, Language language,
                    std::initializer_list<std::string_view> cp1252Args = {});

// The same with the arguments in a list made at run time.
std::string messageWithArgs(std::string_view id, Language language, std::span<const std::string> cp1252Args);

// True when the catalogue knows `id`.
bool hasMessage(std::string_view id);

// Every entry of the catalogue, in the order of the subsystem tables.
std::span<const MessageText> allMessages();

}  // namespace zw
