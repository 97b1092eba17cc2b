#pragma once
// The message catalogue: every text the program shows in a message box, each once, with its
// German and English wording. Code asks for a message by id and never spells one inline.
//
// Ids: a numbered message is known by its three-digit code ("101", "088"); an unnumbered one by a
// short camel-case name ("welcome"). Templates hold placeholders {1} … {9} for the pieces that the
// program fills in (a model name, a count). An argument is a Windows-1252 domain string, converted
// to UTF-8 when it is put in, or a DisplayName, which is UTF-8 already and goes in as it is.

#include <initializer_list>
#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "base/DisplayName.h"
#include "base/MessageIds.h"

namespace zw {

// The id of a catalogue entry. An id written in the code is looked up when compiling: one that the
// catalogue lacks is an error there, not at run time.
class MessageId {
public:
    // No message: what a record holds before a message is chosen for it.
    constexpr MessageId() = default;
    consteval MessageId(const char* id) : id_(id) {
        if (!isKnown(id_)) throw "unknown message id";  // not a constant expression: the build stops here
    }
    // An id that only run time knows (read from a file, say); std::out_of_range when unknown.
    static MessageId fromRunTime(std::string_view id);

    constexpr std::string_view text() const { return id_; }
    constexpr bool empty() const { return id_.empty(); }
    friend constexpr bool operator==(MessageId a, MessageId b) { return a.id_ == b.id_; }
    friend constexpr bool operator==(MessageId a, const char* b) { return a.id_ == b; }
    friend constexpr bool operator==(MessageId a, std::string_view b) { return a.id_ == b; }
    friend std::ostream& operator<<(std::ostream& out, MessageId id) { return out << id.id_; }

    // Binary search in the sorted id list.
    static constexpr bool isKnown(std::string_view id) {
        std::size_t low = 0, high = std::size(kMessageIds);
        while (low < high) {
            const std::size_t middle = (low + high) / 2;
            if (kMessageIds[middle] < id) low = middle + 1;
            else high = middle;
        }
        return low < std::size(kMessageIds) && kMessageIds[low] == id;
    }

private:
    struct Checked {};
    constexpr MessageId(std::string_view id, Checked) : id_(id) {}
    std::string_view id_;
};

struct MessageText {
    std::string_view id;
    std::string_view german;   // UTF-8; empty when the message exists in English only
    std::string_view english;  // UTF-8; empty when the message exists in German only
};

enum class Language { German, English };

// One piece put into a message: a Windows-1252 domain string or a DisplayName. It refers to the text
// it was made from, which lives as long as the call it is made for.
class MessageArg {
public:
    MessageArg(std::string_view cp1252) : text_(cp1252) {}
    MessageArg(const std::string& cp1252) : text_(cp1252) {}
    MessageArg(const char* cp1252) : text_(cp1252) {}
    MessageArg(const DisplayName& name) : text_(name.utf8), utf8_(true) {}
    // UTF-8 text kept elsewhere, as a DisplayName's.
    static MessageArg utf8Text(std::string_view utf8) {
        MessageArg arg(utf8);
        arg.utf8_ = true;
        return arg;
    }

    std::string_view text() const { return text_; }
    bool isUtf8() const { return utf8_; }

private:
    std::string_view text_;
    bool utf8_ = false;
};

inline Language languageOf(bool useEnglish) { return useEnglish ? Language::English : Language::German; }

// The text of message `id` in `language` with its placeholders filled. A message that exists in one
// language only is given in that language whatever is asked.
std::string message(MessageId id, Language language, std::initializer_list<MessageArg> args = {});

// The same with the arguments in a list made at run time.
std::string message(MessageId id, Language language, std::span<const MessageArg> args);
std::string messageWithArgs(MessageId id, Language language, std::span<const std::string> cp1252Args);

// True when the catalogue knows `id`.
bool hasMessage(std::string_view id);

// Every entry of the catalogue, in the order of the subsystem tables.
std::span<const MessageText> allMessages();

}  // namespace zw
