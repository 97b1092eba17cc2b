#include "workflow/OptionsWindow.h"

#include <stdexcept>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "workflow/OptionsSaving.h"

namespace zw {
namespace {

constexpr ControlCaption kCaptions[] = {
    kOptionsWindowCaption,
    {"SpracheGroupBox", " Sprache ", " Language "},
    {"DeutschRadioButton", "Deutsch", "German"},
    {"EnglischRadioButton", "Englisch", "English"},
    {"RCT3PfadGroupBox", " RCT3.exe-Programmpfad ", " RCT3.exe-application path "},
    {"AddOnGroupBox", " AddOns ", " AddOns "},
    {"ohneAddOnsRadioButton", "RCT3 ohne AddOns", "RCT3 without AddOns"},
    {"mitAddOnsRadioButton", "RCT3 mit AddOns", "RCT3 with AddOns"},
    {"ZusatzoptionenGroupBox", " Zusatzoptionen ", " Additional options "},
    {"UeberschreibenCheckBox", "Überschreiben ohne Warnung", "Overwrite without prompting"},
    {"HiddenSettingsCheckBox", "Anzeigen der Hidden Settings", "Show hidden settings"},
    {"RCT3PfadBrowseButton", "Durchsuchen...", "Browse..."},
    {"OkayButton", "OK", "OK"},
    {"CancelButton", "Abbrechen", "Cancel"},
};

}  // namespace

std::span<const ControlCaption> optionsWindowCaptions() { return kCaptions; }

OptionsWindow::OptionsWindow(MainWindow& mainWindow)
    : main_(mainWindow), englishCaptions_(mainWindow.state().settings.UseEnglish) {
    refreshFromSettings();
}

void OptionsWindow::refreshFromSettings() { choice_ = choiceFromSettings(main_.state().settings); }

std::string_view OptionsWindow::caption(std::string_view controlName) const {
    for (const auto& control : kCaptions) {
        if (control.name == controlName) return englishCaptions_ ? control.english : control.german;
    }
    throw std::out_of_range("no control " + std::string(controlName));
}

bool OptionsWindow::checked(std::string_view name) const {
    if (name == "DeutschRadioButton") return !choice_.English;
    if (name == "EnglischRadioButton") return choice_.English;
    if (name == "ohneAddOnsRadioButton") return !choice_.WithAddOns;
    if (name == "mitAddOnsRadioButton") return choice_.WithAddOns;
    if (name == "UeberschreibenCheckBox") return choice_.Overwrite;
    if (name == "HiddenSettingsCheckBox") return false;
    throw std::out_of_range("no check control " + std::string(name));
}

void OptionsWindow::setChecked(std::string_view name, bool value) {
    if (name == "DeutschRadioButton") {
        if (value) choice_.English = false;
    } else if (name == "EnglischRadioButton") {
        if (value) choice_.English = true;
    } else if (name == "ohneAddOnsRadioButton") {
        if (value) choice_.WithAddOns = false;
    } else if (name == "mitAddOnsRadioButton") {
        if (value) choice_.WithAddOns = true;
    } else if (name == "UeberschreibenCheckBox") {
        choice_.Overwrite = value;
    } else if (name != "HiddenSettingsCheckBox") {
        throw std::out_of_range("no check control " + std::string(name));
    }
}

bool OptionsWindow::enabled(std::string_view name) const { return name != "HiddenSettingsCheckBox"; }

std::string OptionsWindow::gameFolderText() const { return choice_.GamePathText; }

void OptionsWindow::setGameFolderText(const std::string& utf8) { choice_.GamePathText = utf8; }

void OptionsWindow::RCT3PfadBrowseButtonClick() {
    // The folder dialog cannot start in a folder that does not exist: the nearest one above it.
    std::filesystem::path start = pathFromUtf8(normaliseGamePath(choice_.GamePathText));
    std::error_code error;
    while (!start.empty() && !std::filesystem::is_directory(start, error)) {
        if (start.parent_path() == start) start.clear();
        else start = start.parent_path();
    }
    const Language language = languageOf(englishCaptions_);
    if (auto chosen = main_.dialogs().chooseFolder(message("optionsBrowseCaption", language), start)) {
        choice_.GamePathText = normaliseGamePath(pathToUtf8(*chosen));
    }
}

OptionsWriteResult OptionsWindow::save() {
    lastResult_ = saveOptions(main_.state().settings, choice_, main_.state().StartFolder, main_.optionsStatus(),
                              main_.dialogs());
    if (lastResult_ != OptionsWriteResult::Refused) main_.optionsConfirmed();
    return lastResult_;
}

bool OptionsWindow::onOk() {
    const bool englishBefore = main_.state().settings.UseEnglish;
    if (save() == OptionsWriteResult::Refused) return false;
    // The windows keep the captions they were made with: a new language shows after a restart.
    const bool english = main_.state().settings.UseEnglish;
    if (english != englishBefore) {
        main_.dialogs().showMessage(english ? message("restartForLanguageEnglish", Language::English)
                                            : message("restartForLanguageGerman", Language::German));
    }
    return true;
}

}  // namespace zw
