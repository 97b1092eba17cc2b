// The options file as the program loads it at start, then the options window filled from it.

#include "FuzzTarget.h"
#include "base/Settings.h"

ZW_FUZZ_TARGET(options_file) {
    using namespace zw;
    fuzz::QuietDialogs dialogs;
    Settings settings;
    (void)readSettingsText(settings, std::string(input), dialogs);
    const OptionsChoice choice = choiceFromSettings(settings);
    (void)settings.gameFolder();
    (void)normaliseGamePath(choice.GamePathText);
}
