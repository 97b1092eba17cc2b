#pragma once
// Dialogs with nobody to answer them: messages are kept, questions answered No, file choices and
// texts cancelled, the clipboard empty. For work that runs a step for what it would say.

#include <string>
#include <vector>

#include "base/Dialogs.h"

namespace zw {

class AnswerlessDialogs : public Dialogs {
public:
    void showMessage(const std::string& text) override { messages.push_back(text); }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string&, const std::filesystem::path&) override {
        return std::nullopt;
    }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::string clipboardText() override { return {}; }

    std::vector<std::string> messages;
};

}  // namespace zw
