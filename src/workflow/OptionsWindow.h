#pragma once
// The options window (OptionsDialog) without a toolkit: its controls' state and captions, and its handlers.

#include <span>
#include <string>
#include <string_view>

#include "base/Settings.h"
#include "workflow/MainWindow.h"

namespace zw {

inline constexpr ControlCaption kOptionsWindowCaption = {"TForm2", "Optionen", "Options"};

// Every captioned control of the options window (UTF-8), the window itself first.
std::span<const ControlCaption> optionsWindowCaptions();

class OptionsWindow {
public:
    // Creation (onCreate): captions in the language in force, controls from the settings.
    explicit OptionsWindow(MainWindow& mainWindow);

    std::string_view caption(std::string_view controlName) const;

    // The checked state of DeutschRadioButton, EnglischRadioButton, ohneAddOnsRadioButton,
    // mitAddOnsRadioButton, UeberschreibenCheckBox and HiddenSettingsCheckBox; throws
    // std::out_of_range for another name.
    bool checked(std::string_view controlName) const;
    // Checking a radio button unchecks its partner; a radio button cannot be unchecked directly.
    // HiddenSettingsCheckBox is disabled and ignores this.
    void setChecked(std::string_view controlName, bool value);
    // Only HiddenSettingsCheckBox is ever disabled.
    bool enabled(std::string_view controlName) const;

    // RCT3PfadEdit, UTF-8 as shown: any folder.
    std::string gameFolderText() const;
    void setGameFolderText(const std::string& utf8);
    // "Browse...": the folder dialog, starting at the folder in the edit (or the nearest one above it
    // that exists); the chosen folder goes into the edit.
    void RCT3PfadBrowseButtonClick();

    // Cancel and the close box: the controls show the settings again; nothing is saved.
    void CancelButtonClick() { refreshFromSettings(); }
    void onClose() { refreshFromSettings(); }

    // OK: save(), then the note that a changed language needs a restart. Returns true when the
    // window closes (false when the game folder was refused and nothing was saved).
    bool onOk();
    // Saves the choice (saveOptions: a game folder without RCT3.exe only when the author says so) and
    // confirms the options in the main window; declined, nothing is saved (Refused).
    OptionsWriteResult save();
    OptionsWriteResult lastWriteResult() const { return lastResult_; }

private:
    void refreshFromSettings();

    MainWindow& main_;
    bool englishCaptions_;
    OptionsChoice choice_;
    OptionsWriteResult lastResult_ = OptionsWriteResult::Refused;
};

}  // namespace zw
