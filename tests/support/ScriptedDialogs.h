#pragma once
// Dialogs for tests: answers come from queues filled by the test, and every message and question is
// logged in order, so a test asserts exactly what a user would have seen.

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/Dialogs.h"

namespace zw::test {

struct DialogEvent {
    enum class Kind { Message, Question, OpenFile, InputBox, Clipboard, SaveFile, ChooseFolder };
    Kind kind;
    std::string caption;  // question, input box and folder dialog captions; the filter for OpenFile and SaveFile
    std::string text;     // message text, question text, input prompt; the initial folder for OpenFile and ChooseFolder
    std::string fileName; // what was offered: SaveFile's file name (its folder is in `text`), InputBox's default
    bool error = false;   // a message shown as an error
    bool defaultNo = false;  // a question whose default button is No
};

class ScriptedDialogs : public Dialogs {
public:
    std::deque<bool> yesNoAnswers;                                   // empty queue: No
    std::deque<std::optional<std::filesystem::path>> filesToOpen;    // empty queue: cancelled
    std::deque<std::optional<std::string>> textAnswers;              // empty queue: cancelled
    // Save dialogs: a full path, or a file name taken in the dialog's initial folder.
    std::deque<std::optional<std::filesystem::path>> filesToSave;    // empty queue: cancelled
    std::deque<std::optional<std::filesystem::path>> foldersToChoose;  // empty queue: cancelled
    std::string clipboard;

    std::vector<DialogEvent> log;

    void showMessage(const std::string& text) override;
    void showError(const std::string& text) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    bool askYesNoDefaultNo(const std::string& caption, const std::string& text) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& filter,
                                                         const std::filesystem::path& initialFolder) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override;
    std::string clipboardText() override;
    std::optional<std::filesystem::path> chooseFolder(const std::string& caption,
                                                     const std::filesystem::path& initialFolder) override;
    std::optional<std::filesystem::path> chooseFileToSave(const std::string& filter,
                                                         const std::filesystem::path& initialFolder,
                                                         const std::string& fileName) override;

    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> messages() const;
    // The texts of the messages shown as errors so far, in order.
    std::vector<std::string> errors() const;
    // The texts of the questions asked so far, in order.
    std::vector<std::string> questions() const;
};

}  // namespace zw::test
