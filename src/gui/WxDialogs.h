#pragma once
// The desktop's Dialogs: modal message boxes captioned with the program's title, Yes/No boxes with
// their own captions (their buttons labelled in the interface language), the open-file and folder
// dialogs, the input box and the clipboard.

#include <exception>

#include "base/Dialogs.h"
#include "base/Messages.h"

class wxWindow;

namespace zw::gui {

class WxDialogs : public Dialogs {
public:
    // The boxes open above the program's active window (or `parent` until there is one).
    explicit WxDialogs(wxWindow* parent = nullptr) : parent_(parent) {}
    void setParent(wxWindow* parent) { parent_ = parent; }

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

private:
    wxWindow* parent() const;
    wxWindow* parent_;
};

// The box for an exception that escaped a command: its text, captioned with the program's title;
// the program goes on afterwards. `language` is for an exception without a text.
void showExceptionBox(std::exception_ptr error, Language language);

}  // namespace zw::gui
