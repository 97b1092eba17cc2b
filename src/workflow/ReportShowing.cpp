#include "workflow/ReportShowing.h"

namespace zw {

void showReport(Dialogs& dialogs, Language language, const Report& report, std::size_t from) {
    const auto& messages = report.messages();
    for (std::size_t i = from; i < messages.size(); ++i) {
        if (messages[i].isError) dialogs.showError(messages[i].text(language));
        else dialogs.showMessage(messages[i].text(language));
    }
}

bool askQuestion(Dialogs& dialogs, Language language, const Question& question) {
    const std::string caption = message(question.caption, language);
    const std::string text = question.text(language);
    return question.defaultNo ? dialogs.askYesNoDefaultNo(caption, text) : dialogs.askYesNo(caption, text);
}

}  // namespace zw
