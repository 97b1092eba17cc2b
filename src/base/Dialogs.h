#pragma once
// Everything the core asks of a person goes through this interface: the GUI shows real windows,
// the CLI asks on the console, the tests answer from a script and keep a log of what was shown.
// All texts are UTF-8.

#include <filesystem>
#include <optional>
#include <string>

#include "base/Encoding.h"

namespace zw {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;

    // The same box marked as an error, for a failure the user has to act on. Shown as a plain
    // message where there is no such mark.
    virtual void showError(const std::string& text) { showMessage(text); }

    // A Yes/No message box; true for Yes.
    virtual bool askYesNo(const std::string& caption, const std::string& text) = 0;

    // The same box with No as the default button, for questions where Yes risks the author's work.
    virtual bool askYesNoDefaultNo(const std::string& caption, const std::string& text) {
        return askYesNo(caption, text);
    }

    // The open-file dialog. `filter` is "description|pattern"; nullopt when the user cancels.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const std::string& filter,
                                                                 const std::filesystem::path& initialFolder) = 0;

    // The input box: one line of text; nullopt when the user cancels.
    virtual std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                               const std::string& defaultText) = 0;

    // The clipboard's text, empty when it holds none.
    virtual std::string clipboardText() = 0;

    // The folder dialog, starting in `initialFolder`; nullopt when the user cancels. Where no folder
    // dialog exists, the input box asks for the folder.
    virtual std::optional<std::filesystem::path> chooseFolder(const std::string& caption,
                                                             const std::filesystem::path& initialFolder) {
        auto answer = askText(caption, caption, pathToUtf8(initialFolder));
        if (!answer || answer->empty()) return std::nullopt;
        return pathFromUtf8(*answer);
    }

    // The save-file dialog, starting in `initialFolder` with `fileName` filled in; nullopt when the
    // user cancels. Where no file dialog exists, the input box asks for the path.
    virtual std::optional<std::filesystem::path> chooseFileToSave(const std::string& filter,
                                                                 const std::filesystem::path& initialFolder,
                                                                 const std::string& fileName) {
        (void)filter;
        auto utf8Path = [](const std::string& text) { return std::filesystem::path(std::u8string(text.begin(), text.end())); };
        const std::u8string suggested = (initialFolder / utf8Path(fileName)).u8string();
        auto answer = askText(fileName, fileName, std::string(suggested.begin(), suggested.end()));
        if (!answer || answer->empty()) return std::nullopt;
        return utf8Path(*answer);
    }
};

}  // namespace zw
