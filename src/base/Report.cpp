#include "base/Report.h"

#include <algorithm>

namespace zw {
namespace {

std::vector<HeldArg> held(std::initializer_list<MessageArg> args) { return {args.begin(), args.end()}; }

std::string filled(MessageId id, Language language, const std::vector<HeldArg>& args) {
    std::vector<MessageArg> views;
    for (const HeldArg& arg : args) {
        views.push_back(arg.utf8 ? MessageArg::utf8Text(arg.text) : MessageArg(std::string_view(arg.text)));
    }
    return message(id, language, std::span<const MessageArg>(views));
}

}  // namespace

std::string ReportMessage::text(Language language) const {
    return composed ? composed(language) : filled(id, language, args);
}

std::string Question::text(Language language) const { return filled(id, language, args); }

bool Question::operator==(const Question& other) const {
    if (id != other.id || args.size() != other.args.size()) return false;
    return std::equal(args.begin(), args.end(), other.args.begin(),
                      [](const HeldArg& a, const HeldArg& b) { return a.text == b.text && a.utf8 == b.utf8; });
}

bool Answers::saidYes(const Question& question) const {
    return std::find(yes_.begin(), yes_.end(), question) != yes_.end();
}

void Report::message(MessageId id, std::initializer_list<MessageArg> args) { messages_.push_back({id, held(args), false}); }

void Report::error(MessageId id, std::initializer_list<MessageArg> args) { messages_.push_back({id, held(args), true}); }

bool Report::ask(Question question, const Answers& answers) {
    if (answers.saidYes(question)) return true;
    question_ = std::move(question);
    return false;
}

bool Report::hasErrors() const {
    return std::any_of(messages_.begin(), messages_.end(), [](const ReportMessage& m) { return m.isError; });
}

}  // namespace zw
