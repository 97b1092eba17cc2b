#pragma once
// Core functions report into a Report; the tests assert what a person sees, so they show the report
// on their ScriptedDialogs as the front ends do (workflow/ReportShowing.h).

#include "base/Report.h"
#include "workflow/ReportShowing.h"

namespace zw::test {

// Runs `command(report)` with a fresh report and shows that report on `dialogs`.
template <class Command>
auto reported(Dialogs& dialogs, Language language, Command command) {
    Report report;
    auto result = command(report);
    showReport(dialogs, language, report);
    return result;
}

}  // namespace zw::test
