#pragma once
// Dialogs for the command line: messages go to a text stream (stderr in the program), questions are
// answered by a forced answer (--yes / --no) or asked on the terminal. There is no file to choose:
// the command line names its files. Without a terminal a question is answered No and an input box is
// cancelled, so a run in a script never waits.

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

#include "base/Dialogs.h"

namespace zw {

class ConsoleDialogs : public Dialogs {
public:
    // `terminal` is the input of an interactive terminal, or nullptr when there is none.
    ConsoleDialogs(std::ostream& out, std::istream* terminal);

    void setForcedAnswer(std::optional<bool> answer) { forcedAnswer_ = answer; }

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& filter,
                                                         const std::filesystem::path& initialFolder) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override;
    std::string clipboardText() override { return {}; }

    // How many message boxes were shown so far.
    int messagesShown() const { return messagesShown_; }

private:
    std::optional<std::string> readLine();

    std::ostream& out_;
    std::istream* terminal_;
    std::optional<bool> forcedAnswer_;
    int messagesShown_ = 0;
};

}  // namespace zw
