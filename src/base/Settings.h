#pragma once
// The five settings and their options file "Zorbaltwerk_Options.txt" in the working folder: loading
// at program start (with the greeting and the registry lookup on the first start) and writing when
// the options window is confirmed.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Messages.h"

namespace zw {

class Dialogs;
class Registry;

inline constexpr std::string_view kOptionsFileName = "Zorbaltwerk_Options.txt";

// The game folder the program assumes when nothing better is known. On Windows the classic
// installation folder; elsewhere that folder inside the Wine prefix ($WINEPREFIX, else ~/.wine).
std::string defaultGamePath();

struct Settings {
    bool UseEnglish = false;
    std::string GamePath = defaultGamePath();  // UTF-8 (any folder), without a trailing separator
    bool AddOnsEnabled = false;
    bool OverwriteWithoutPrompt = false;
    bool HiddenSettings = false;  // stays off: nothing switches it on

    // GamePath as a file-system path.
    std::filesystem::path gameFolder() const;
};

// "/" becomes "\" on Windows ("\" becomes "/" elsewhere), and one trailing separator is removed.
std::string normaliseGamePath(std::string path);

enum class OptionsStatus {
    Fine,
    Missing,  // no options file (first start)
    Wrong,    // the file or one of its items was wrong; a message was shown for each
};

// Loads `settings` from the options file in `workFolder`, showing every message on `dialogs`.
// Starts from the defaults; wrong items take their defaults. The file is 8-bit text of the code
// page, or UTF-8 after a byte-order mark (written so when the game folder holds a character the
// code page cannot). Without the file (first start) the greeting and the settings' language are
// `untilSaved`, the system's language.
OptionsStatus loadSettings(Settings& settings, const std::filesystem::path& workFolder, Dialogs& dialogs,
                           Registry& registry, Language untilSaved);

// The greeting of the first start, naming the guide that ships with the running program.
std::string welcomeText(Language language);
// The same for the text of an options file, already loaded (never Missing).
OptionsStatus readSettingsText(Settings& settings, const std::string& text, Dialogs& dialogs);

// The registry keys below HKEY_LOCAL_MACHINE that may name the game folder, in the order they are
// tried, and their value.
inline constexpr std::string_view kGamePathRegistryKeys[] = {
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{907B4640-266B-4A21-92FB-CD1A86CD0F63}",
    "SOFTWARE\\Atari\\RCT3",
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\RollerCoaster Tycoon 3_is1",
};
inline constexpr std::string_view kGamePathRegistryValue = "InstallLocation";

// What the options window offers when it is confirmed.
struct OptionsChoice {
    bool English = false;          // EnglischRadioButton (else DeutschRadioButton)
    std::string GamePathText;      // RCT3PfadEdit, UTF-8
    bool WithAddOns = false;       // mitAddOnsRadioButton (else ohneAddOnsRadioButton)
    bool Overwrite = false;        // UeberschreibenCheckBox
};

// The options window's controls as the settings set them.
OptionsChoice choiceFromSettings(const Settings& settings);

enum class OptionsWriteResult {
    Written,
    NotWritten,  // the settings changed, but the file could not be written (message shown; old file intact)
    Refused,     // nothing changed (message shown): the game folder was empty or held a single quote
};

// Takes the confirmed choice into the settings and writes the options file in `workFolder`
// (asking the add-ons promise question as needed; the options window says when a restart is needed).
// `choice` is updated as the window shows it afterwards: the normalised game folder, and
// "without add-ons" when the promise was declined.
OptionsWriteResult writeOptionsFile(Settings& settings, OptionsChoice& choice,
                                       const std::filesystem::path& workFolder, Dialogs& dialogs);

}  // namespace zw
