#include "support/ScriptedDialogs.h"

namespace zw::test {

void ScriptedDialogs::showMessage(const std::string& text) { log.push_back({DialogEvent::Kind::Message, "", text}); }

void ScriptedDialogs::showError(const std::string& text) { log.push_back({DialogEvent::Kind::Message, "", text, "", true}); }

bool ScriptedDialogs::askYesNo(const std::string& caption, const std::string& text) {
    log.push_back({DialogEvent::Kind::Question, caption, text});
    if (yesNoAnswers.empty()) return false;
    bool answer = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return answer;
}

bool ScriptedDialogs::askYesNoDefaultNo(const std::string& caption, const std::string& text) {
    const bool answer = askYesNo(caption, text);
    log.back().defaultNo = true;
    return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::chooseFileToOpen(const std::string& filter,
                                                                      const std::filesystem::path& initialFolder) {
    log.push_back({DialogEvent::Kind::OpenFile, filter, initialFolder.string()});
    if (filesToOpen.empty()) return std::nullopt;
    auto answer = filesToOpen.front();
    filesToOpen.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::askText(const std::string& caption, const std::string& prompt,
                                                    const std::string& defaultText) {
    log.push_back({DialogEvent::Kind::InputBox, caption, prompt, defaultText});
    if (textAnswers.empty()) return std::nullopt;
    auto answer = textAnswers.front();
    textAnswers.pop_front();
    return answer;
}

std::string ScriptedDialogs::clipboardText() {
    log.push_back({DialogEvent::Kind::Clipboard, "", ""});
    return clipboard;
}

std::optional<std::filesystem::path> ScriptedDialogs::chooseFolder(const std::string& caption,
                                                                  const std::filesystem::path& initialFolder) {
    log.push_back({DialogEvent::Kind::ChooseFolder, caption, initialFolder.string(), ""});
    if (foldersToChoose.empty()) return std::nullopt;
    auto answer = foldersToChoose.front();
    foldersToChoose.pop_front();
    return answer;
}

std::optional<std::filesystem::path> ScriptedDialogs::chooseFileToSave(const std::string& filter,
                                                                      const std::filesystem::path& initialFolder,
                                                                      const std::string& fileName) {
    log.push_back({DialogEvent::Kind::SaveFile, filter, initialFolder.string(), fileName});
    if (filesToSave.empty()) return std::nullopt;
    auto answer = filesToSave.front();
    filesToSave.pop_front();
    if (answer && answer->is_relative()) return initialFolder / *answer;
    return answer;
}

std::vector<std::string> ScriptedDialogs::messages() const {
    std::vector<std::string> out;
    for (const auto& e : log)
        if (e.kind == DialogEvent::Kind::Message) out.push_back(e.text);
    return out;
}

std::vector<std::string> ScriptedDialogs::errors() const {
    std::vector<std::string> out;
    for (const auto& e : log)
        if (e.kind == DialogEvent::Kind::Message && e.error) out.push_back(e.text);
    return out;
}

std::vector<std::string> ScriptedDialogs::questions() const {
    std::vector<std::string> out;
    for (const auto& e : log)
        if (e.kind == DialogEvent::Kind::Question) out.push_back(e.text);
    return out;
}

}  // namespace zw::test
