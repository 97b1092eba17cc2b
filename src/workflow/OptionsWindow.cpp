#include "workflow/OptionsWindow.h"

#include <stdexcept>

#include "base/Encoding.h"

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
    {"OkayButton", "OK", "OK"},
    {"CancelButton", "Cancel", "Cancel"},
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

std::string OptionsWindow::RCT3PfadEditText() const { return choice_.GamePathText; }

void OptionsWindow::setRCT3PfadEditText(const std::string& utf8) { choice_.GamePathText = utf8; }

bool OptionsWindow::OkayButtonClick() {
    lastResult_ = writeOptionsFile(main_.state().settings, choice_, main_.state().StartFolder, main_.dialogs());
    if (lastResult_ == OptionsWriteResult::Refused) return false;
    main_.optionsConfirmed();
    return true;
}

}  // namespace zw
