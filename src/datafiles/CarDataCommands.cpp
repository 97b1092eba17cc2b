#include "datafiles/CarDataCommands.h"

#include <optional>
#include <string>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/HeaderCheck.h"
#include "datafiles/LineIndex.h"
#include "datafiles/Lookups.h"

namespace zw {
namespace {

constexpr std::size_t kCarFilePrefixLength = 15;  // "CTR_WagenDaten_", which the dialog's filter ensures
constexpr std::size_t kCarFileSuffixLength = 4;   // ".txt"

AcceptedHeaderSums acceptedCarHeaders() {
    return {headerSums(kCarDataHeader), kCarHeaderFullSumOffsets, kCarHeaderStrideSumOffsets};
}

// The target as a Windows-1252 text for a message; its file name alone (made from the object name,
// so always in that code page) when the folder holds characters the code page lacks.
std::string shownPath(const std::filesystem::path& target) {
    try {
        return pathToCp1252(target);
    } catch (const EncodingError&) {
        return pathToCp1252(target.filename());
    }
}

// The object name becomes part of OVL symbol names, which hold Windows-1252 characters only: the
// file's name in that code page, or nullopt after the message.
std::optional<std::string> carFileName(const std::filesystem::path& path, Dialogs& dialogs, Language language) {
    try {
        return pathToCp1252(path.filename());
    } catch (const EncodingError&) {
        dialogs.showMessage(message("carFileNameNotWindows1252", language));
        return std::nullopt;
    }
}

}  // namespace

bool readCarDataFile(const std::filesystem::path& path, LoadedDataFiles& files, LookupResults& results,
                     CarData& carFields, const Settings& settings, Dialogs& dialogs) {
    const Language language = languageOf(settings.UseEnglish);
    if (!carFileName(path, dialogs, language)) return false;
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        dialogs.showMessage(message("161", language));
        return false;
    }
    return readCarDataBytes(*bytes, path, files, results, carFields, settings, dialogs);
}

bool readCarDataBytes(const std::string& bytes, const std::filesystem::path& path, LoadedDataFiles& files,
                      LookupResults& results, CarData& carFields, const Settings& settings, Dialogs& dialogs) {
    const Language language = languageOf(settings.UseEnglish);
    const std::optional<std::string> fileName = carFileName(path, dialogs, language);
    if (!fileName) return false;
    DecodedDataFile decoded = decodeDataFile(bytes);
    files.CarFileText = makeDataFileText(decoded.text);
    files.CarFileSource = std::move(decoded.source);

    switch (checkHeader(files.CarFileText, decoded.text.size(), acceptedCarHeaders())) {
        case HeaderCheckResult::TooShort:
            dialogs.showMessage(message("162", language));
            return false;
        case HeaderCheckResult::NotAccepted:
            dialogs.showMessage(message("163", language));
            return false;
        case HeaderCheckResult::Accepted:
            break;
    }
    if (!buildLineIndex(files.CarFileText, decoded.text.size(), files.Lines)) {
        dialogs.showMessage(message("167", language));
        return false;
    }

    const std::size_t affixes = kCarFilePrefixLength + kCarFileSuffixLength;
    const std::string namePart =
        fileName->size() > affixes ? fileName->substr(kCarFilePrefixLength, fileName->size() - affixes) : std::string();

    Lookups lookups(files, results, dialogs, language);
    CarFileLookup carLookup(lookups);
    CarData car = readCarFields(carLookup, settings.HiddenSettings, dialogs, settings.UseEnglish);
    car.CarFolder = path.parent_path();
    car.CarObjectName = namePart.empty() ? "CTR_UnbenannterWagen" : "CTR_" + namePart;
    carFields = std::move(car);
    return true;
}

bool rewriteCarDataFile(const CarData& car, const Settings& settings, Dialogs& dialogs) {
    const Language language = languageOf(settings.UseEnglish);
    const std::filesystem::path target = carDataTargetPath(car);
    std::error_code ignored;
    if (std::filesystem::exists(target, ignored) && !settings.OverwriteWithoutPrompt) {
        if (!dialogs.askYesNo(message("warningCaption", language), message("overwriteCarDataFile", language)))
            return false;
    }
    const std::string text = composeCarDataFile(car, settings.UseEnglish, settings.HiddenSettings);
    // Written beside the target and renamed over it, so a failure leaves the old file as it was.
    if (const std::error_code error = writeFileAtomically(target, text)) {
        dialogs.showMessage(message("carDataFileNotWritten", language, {shownPath(target), error.message()}));
        return false;
    }
    return true;
}

}  // namespace zw
