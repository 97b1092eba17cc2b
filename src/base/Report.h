#pragma once
// What a core command has to tell the person who ran it: the messages it met, in the order it met
// them, and the Yes/No question it stopped at. The core shows nothing and asks nothing itself; the
// desktop program shows a report through its dialogs and the command line on the console
// (workflow/ReportShowing.h), and both answer the question: the desktop program by asking, the
// command line by its flags.
//
// A command that needs an answer finds that out before it writes anything: it puts the question in
// its report and returns. The front end asks, adds the answer to the command's Answers and runs the
// command again, which then gives the same messages up to the question and goes on.

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "base/Messages.h"

namespace zw {

// A message argument that keeps its own text, so that a report outlives the values it was made from.
struct HeldArg {
    HeldArg(const MessageArg& arg) : text(arg.text()), utf8(arg.isUtf8()) {}
    HeldArg(const DisplayName& name) : text(name.utf8), utf8(true) {}
    HeldArg(std::string_view cp1252) : text(cp1252) {}
    HeldArg(const std::string& cp1252) : text(cp1252) {}
    HeldArg(const char* cp1252) : text(cp1252) {}
    std::string text;
    bool utf8 = false;
};

// One message of a report. An error is shown marked as one where the front end can mark it.
struct ReportMessage {
    MessageId id;
    std::vector<HeldArg> args;
    bool isError = false;
    // A message put together from several catalogue texts (a heading and lines below it): rendered by
    // this in the front end's language instead of `id` and `args`.
    std::function<std::string(Language)> composed = nullptr;

    std::string text(Language language) const;
};

// A Yes/No question: its caption and text from the catalogue. `defaultNo` for questions where Yes
// risks the author's work.
struct Question {
    MessageId caption;
    MessageId id;
    std::vector<HeldArg> args;
    bool defaultNo = false;

    std::string text(Language language) const;
    bool operator==(const Question& other) const;
};

// The questions answered Yes so far for one run of a command.
class Answers {
public:
    bool saidYes(const Question& question) const;
    void sayYes(const Question& question) { yes_.push_back(question); }

private:
    std::vector<Question> yes_;
};

class Report {
public:
    void message(MessageId id, std::initializer_list<MessageArg> args = {});
    void error(MessageId id, std::initializer_list<MessageArg> args = {});
    // A message made of several catalogue texts, rendered in the front end's language.
    void composed(std::function<std::string(Language)> render) {
        messages_.push_back({{}, {}, false, std::move(render)});
    }

    // Stops the command at `question` unless `answers` hold Yes for it: true when the command may go on.
    bool ask(Question question, const Answers& answers);

    const std::vector<ReportMessage>& messages() const { return messages_; }
    const std::optional<Question>& question() const { return question_; }
    bool hasErrors() const;

private:
    std::vector<ReportMessage> messages_;
    std::optional<Question> question_;
};

// A command's value, when it has one, with its report.
template <typename T>
struct Result {
    std::optional<T> value;
    Report report;

    explicit operator bool() const { return value.has_value(); }
};

}  // namespace zw
