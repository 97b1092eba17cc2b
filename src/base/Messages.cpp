#include "base/Messages.h"

#include <stdexcept>
#include <unordered_map>
#include <vector>

#include "base/Encoding.h"
#include "base/messages/MessageTables.h"

namespace zw {
namespace {

const std::vector<MessageText>& catalogue() {
    static const std::vector<MessageText> all = [] {
        std::vector<MessageText> v;
        for (auto table : {messages::applicationMessages(), messages::dataFileMessages(), messages::ovlMessages(),
                           messages::builderMessages(), messages::installMessages(),
                           messages::assistantMessages(), messages::checkMessages(),
                           messages::structureMessages(), messages::gameFolderCheckMessages()}) {
            v.insert(v.end(), table.begin(), table.end());
        }
        return v;
    }();
    return all;
}

const std::unordered_map<std::string_view, const MessageText*>& index() {
    static const auto map = [] {
        std::unordered_map<std::string_view, const MessageText*> m;
        for (const auto& entry : catalogue()) m.emplace(entry.id, &entry);  // first entry wins; a test forbids twins
        return m;
    }();
    return map;
}

}  // namespace

bool hasMessage(std::string_view id) { return index().count(id) != 0; }

std::span<const MessageText> allMessages() { return catalogue(); }

namespace {

std::string filledMessage(std::string_view id, Language language, std::span<const MessageArg> args) {
    auto it = index().find(id);
    if (it == index().end()) throw std::out_of_range("unknown message id " + std::string(id));
    const MessageText& entry = *it->second;
    std::string_view text = language == Language::English ? entry.english : entry.german;
    if (text.empty()) text = language == Language::English ? entry.german : entry.english;

    std::string out;
    out.reserve(text.size() + 64);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' && i + 2 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9' && text[i + 2] == '}') {
            size_t n = static_cast<size_t>(text[i + 1] - '1');
            if (n < args.size()) out += args[n].isUtf8() ? std::string(args[n].text()) : cp1252ToUtf8(args[n].text());
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace

MessageId MessageId::fromRunTime(std::string_view id) {
    if (!isKnown(id)) throw std::out_of_range("unknown message id " + std::string(id));
    return MessageId(id, Checked{});
}

std::string message(MessageId id, Language language, std::initializer_list<MessageArg> args) {
    return filledMessage(id.text(), language, std::span<const MessageArg>(args.begin(), args.size()));
}

std::string message(MessageId id, Language language, std::span<const MessageArg> args) {
    return filledMessage(id.text(), language, args);
}

std::string messageWithArgs(MessageId id, Language language, std::span<const std::string> cp1252Args) {
    const std::vector<MessageArg> args(cp1252Args.begin(), cp1252Args.end());
    return filledMessage(id.text(), language, args);
}

}  // namespace zw
