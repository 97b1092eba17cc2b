#pragma once
// How a front end renders a core command's Report through Dialogs: the desktop program's message
// boxes, the console's lines. The command line answers the questions through its flags, which its
// console Dialogs hold.

#include <cstddef>
#include <utility>

#include "base/Dialogs.h"
#include "base/Report.h"

namespace zw {

// Shows the report's messages from the `from`th on, in order; errors marked as errors.
void showReport(Dialogs& dialogs, Language language, const Report& report, std::size_t from = 0);

// Asks `question`: true for Yes.
bool askQuestion(Dialogs& dialogs, Language language, const Question& question);

// Shows a read's messages and, when it gave a value, moves that into `into`. False when it gave
// none; `into` then holds what it held before.
template <typename T>
bool showAndTake(Dialogs& dialogs, Language language, Result<T>&& result, T& into) {
    showReport(dialogs, language, result.report);
    if (!result) return false;
    into = std::move(*result.value);
    return true;
}

inline const Report& reportOf(const Report& report) { return report; }
template <typename T>
const Report& reportOf(const Result<T>& result) { return result.report; }

// Runs `command(answers)` and shows its messages; when it stops at a question, asks it and, on Yes,
// runs it again with that answer. A command gives the same messages up to its question on every run
// (it has written nothing before it), so each message is shown once. The last run's result is given
// back: its report holds the question when the answer was No.
template <typename Command>
auto runAsking(Dialogs& dialogs, Language language, Command command) {
    Answers answers;
    std::size_t shown = 0;
    for (;;) {
        auto result = command(std::as_const(answers));
        const Report& report = reportOf(result);
        showReport(dialogs, language, report, shown);
        shown = report.messages().size();
        if (!report.question() || !askQuestion(dialogs, language, *report.question())) return result;
        answers.sayYes(*report.question());
    }
}

}  // namespace zw
