#include "base/Settings.h"

#include "base/AppFolders.h"
#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/Registry.h"
#include "base/SafeFile.h"
#include "base/WineRegistry.h"

#include <array>
#include <optional>

namespace zw {
namespace {

constexpr std::string_view kClassicGamePath = "C:\\Programme\\Atari\\RollerCoaster Tycoon 3";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

#ifdef _WIN32
constexpr char kSeparator = '\\';
constexpr char kForeignSeparator = '/';
#else
constexpr char kSeparator = '/';
constexpr char kForeignSeparator = '\\';
#endif

// A file shorter or longer than this cannot be one the program wrote.
constexpr std::size_t kMinimumFileLength = 10;
constexpr std::size_t kMaximumFileLength = 500;

// The five quoted values: each is the text between the next two single quotes after the end of the
// previous value; one that runs to the end of the file ends there, missing ones are empty.
std::array<std::string, 5> cutValues(const std::string& text) {
    std::array<std::string, 5> values;
    std::size_t pos = 0;
    for (auto& value : values) {
        const std::size_t open = pos < text.size() ? text.find('\'', pos) : std::string::npos;
        if (open == std::string::npos) {
            pos = text.size();
            continue;
        }
        const std::size_t close = text.find('\'', open + 1);
        if (close == std::string::npos) {
            value = text.substr(open + 1);
            pos = text.size();
        } else {
            value = text.substr(open + 1, close - open - 1);
            pos = close + 1;
        }
    }
    return values;
}

// The game folder from the first registry key that names one.
std::optional<std::string> gamePathFromRegistry(Registry& registry) {
    for (std::string_view key : kGamePathRegistryKeys) {
        const std::string keyName(key);
        if (!registry.keyExists(keyName)) continue;
        // A key without a usable value must not leave an empty game folder: the next key is tried.
        auto value = registry.readString(keyName, std::string(kGamePathRegistryValue));
        if (!value) continue;
        std::string path = normaliseGamePath(*value);
        if (!path.empty()) return path;
    }
    return std::nullopt;
}

std::string describe(const std::filesystem::path& path) {
    try {
        return pathToCp1252(path);
    } catch (const EncodingError&) {
        return std::string(kOptionsFileName);
    }
}

}  // namespace

std::string defaultGamePath() {
#ifdef _WIN32
    return std::string(kClassicGamePath);
#else
    if (auto prefix = defaultWinePrefix()) {
        if (auto mapped = mapIntoWinePrefix(*prefix, std::string(kClassicGamePath))) return normaliseGamePath(*mapped);
    }
    return normaliseGamePath(std::string(kClassicGamePath));
#endif
}

std::filesystem::path Settings::gameFolder() const { return pathFromUtf8(GamePath); }

std::string normaliseGamePath(std::string path) {
    for (char& c : path) {
        if (c == kForeignSeparator) c = kSeparator;
    }
    if (!path.empty() && path.back() == kSeparator) path.pop_back();
    return path;
}

OptionsStatus loadSettings(Settings& settings, const std::filesystem::path& workFolder, Dialogs& dialogs,
                           Registry& registry, Language untilSaved) {
    settings = Settings{};
    const auto text = readWholeFile(workFolder / std::filesystem::path(kOptionsFileName));
    if (!text) {
        settings.UseEnglish = untilSaved == Language::English;
        dialogs.showMessage(welcomeText(untilSaved));
        if (auto path = gamePathFromRegistry(registry)) {
            settings.GamePath = *path;
        } else {
            dialogs.showMessage(message("231", untilSaved));
        }
        return OptionsStatus::Missing;
    }
    return readSettingsText(settings, *text, dialogs);
}

std::string welcomeText(Language language) {
    return message("welcome", language, {displayName(guideFile(executableFolder()))});
}

OptionsStatus readSettingsText(Settings& settings, const std::string& text, Dialogs& dialogs) {
    settings = Settings{};
    if (text.size() < kMinimumFileLength || text.size() > kMaximumFileLength) {
        dialogs.showMessage(message("221", Language::German));
        return OptionsStatus::Wrong;
    }

    // A UTF-8 file begins with its byte-order mark; otherwise the game folder is code-page text.
    const bool utf8 = text.starts_with(kByteOrderMark);
    auto values = cutValues(utf8 ? text.substr(kByteOrderMark.size()) : text);
    if (!utf8) values[1] = cp1252ToUtf8(values[1]);
    OptionsStatus status = OptionsStatus::Fine;
    auto wrong = [&](MessageId id) {
        dialogs.showMessage(message(id, languageOf(settings.UseEnglish)));
        status = OptionsStatus::Wrong;
    };

    if (values[0] == "Deutsch") {
        settings.UseEnglish = false;
    } else if (values[0] == "English") {
        settings.UseEnglish = true;
    } else {
        wrong("221");
    }

    // A value that is only a separator would leave an empty game folder as well.
    const std::string gamePath = normaliseGamePath(values[1]);
    if (gamePath.empty()) {
        wrong("221");
    } else {
        settings.GamePath = gamePath;
    }

    if (values[2] == "AddOns 0" || values[2] == "AddOns 1") {
        settings.AddOnsEnabled = values[2] == "AddOns 1";
    } else {
        wrong("221");
    }

    if (values[3] == "Ueberschreiben 0" || values[3] == "Ueberschreiben 1") {
        settings.OverwriteWithoutPrompt = values[3] == "Ueberschreiben 1";
    } else {
        wrong("221");
    }

    if (values[4] == "HiddenSettings 1") {
        wrong("088");
    } else if (values[4] != "HiddenSettings 0") {
        wrong("221");
    }
    settings.HiddenSettings = false;
    return status;
}

OptionsChoice choiceFromSettings(const Settings& settings) {
    return {settings.UseEnglish, settings.GamePath, settings.AddOnsEnabled, settings.OverwriteWithoutPrompt};
}

OptionsWriteResult writeOptionsFile(Settings& settings, OptionsChoice& choice,
                                       const std::filesystem::path& workFolder, Dialogs& dialogs) {
    // An empty game folder would make the next start call the file wrong and, until then, put
    // installed rides below the root of the drive; it is refused before anything changes.
    const std::string gamePath = normaliseGamePath(choice.GamePathText);
    if (gamePath.empty()) {
        dialogs.showMessage(message("optionsGamePathEmpty", languageOf(settings.UseEnglish)));
        return OptionsWriteResult::Refused;
    }
    // The file encloses each value in single quotes: a quote inside would cut the game folder short
    // at the next start, which then calls the whole file wrong.
    if (gamePath.find('\'') != std::string::npos) {
        dialogs.showMessage(message("optionsGamePathApostrophe", languageOf(settings.UseEnglish),
                                    {displayName(pathFromUtf8(gamePath))}));
        return OptionsWriteResult::Refused;
    }

    std::string content = choice.English ? "'English'\r\n" : "'Deutsch'\r\n";
    settings.UseEnglish = choice.English;

    choice.GamePathText = gamePath;
    settings.GamePath = gamePath;
    content += "'" + gamePath + "'\r\n";

    if (choice.WithAddOns && !settings.AddOnsEnabled) {
        const Language language = languageOf(settings.UseEnglish);
        if (!dialogs.askYesNo(message("promiseCaption", language), message("promiseText", language))) {
            choice.WithAddOns = false;
        }
    }
    settings.AddOnsEnabled = choice.WithAddOns;
    content += choice.WithAddOns ? "'AddOns 1'\r\n" : "'AddOns 0'\r\n";

    settings.OverwriteWithoutPrompt = choice.Overwrite;
    content += choice.Overwrite ? "'Ueberschreiben 1'\r\n" : "'Ueberschreiben 0'\r\n";

    settings.HiddenSettings = false;
    content += "'HiddenSettings 0'\r\n";

    // The code page's text as always; UTF-8 only for a game folder the code page cannot hold.
    try {
        content = utf8ToCp1252(content);
    } catch (const EncodingError&) {
        content = std::string(kByteOrderMark) + content;
    }
    const std::filesystem::path file = workFolder / std::filesystem::path(kOptionsFileName);
    if (const std::error_code error = writeFileAtomically(file, content)) {
        dialogs.showMessage(message("optionsFileWriteFailed", languageOf(settings.UseEnglish),
                                    {describe(file), error.message()}));
        return OptionsWriteResult::NotWritten;
    }
    return OptionsWriteResult::Written;
}

}  // namespace zw
