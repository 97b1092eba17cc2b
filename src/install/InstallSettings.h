#pragma once
// The settings that installing and uninstalling work with, taken from the program's settings at the
// moment a command runs.

#include <filesystem>

#include "base/Messages.h"
#include "base/Settings.h"

namespace zw {

struct InstallSettings {
    std::filesystem::path gamePath;  // the game's installation folder
    bool overwriteWithoutPrompt = false;
    Language language = Language::German;
};

inline InstallSettings installSettingsOf(const Settings& settings) {
    return {settings.gameFolder(), settings.OverwriteWithoutPrompt, languageOf(settings.UseEnglish)};
}

}  // namespace zw
