#include "datafiles/CarDataCommands.h"

#include <optional>
#include <string>

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
std::optional<std::string> carFileName(const std::filesystem::path& path, Report& report) {
    try {
        return pathToCp1252(path.filename());
    } catch (const EncodingError&) {
        report.message("carFileNameNotWindows1252");
        return std::nullopt;
    }
}

}  // namespace

Result<CarData> readCarDataFile(const std::filesystem::path& path, LoadedDataFiles& files, LookupResults& results,
                                const Settings& settings) {
    Result<CarData> read;
    if (!carFileName(path, read.report)) return read;
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        read.report.message("161");
        return read;
    }
    return readCarDataBytes(*bytes, path, files, results, settings);
}

Result<CarData> readCarDataBytes(const std::string& bytes, const std::filesystem::path& path, LoadedDataFiles& files,
                                 LookupResults& results, const Settings& settings) {
    Result<CarData> read;
    const std::optional<std::string> fileName = carFileName(path, read.report);
    if (!fileName) return read;
    DecodedDataFile decoded = decodeDataFile(bytes);
    files.CarFileText = makeDataFileText(decoded.text);
    files.CarFileSource = std::move(decoded.source);

    switch (checkHeader(files.CarFileText, decoded.text.size(), acceptedCarHeaders())) {
        case HeaderCheckResult::TooShort: read.report.message("162"); return read;
        case HeaderCheckResult::NotAccepted: read.report.message("163"); return read;
        case HeaderCheckResult::Accepted: break;
    }
    if (!buildLineIndex(files.CarFileText, decoded.text.size(), files.Lines)) {
        read.report.message("167");
        return read;
    }

    const std::size_t affixes = kCarFilePrefixLength + kCarFileSuffixLength;
    const std::string namePart =
        fileName->size() > affixes ? fileName->substr(kCarFilePrefixLength, fileName->size() - affixes) : std::string();

    Lookups lookups(files, results, read.report);
    CarFileLookup carLookup(lookups);
    CarData car = readCarFields(carLookup, settings.HiddenSettings, read.report);
    car.CarFolder = path.parent_path();
    car.CarObjectName = namePart.empty() ? "CTR_UnbenannterWagen" : "CTR_" + namePart;
    read.value = std::move(car);
    return read;
}

Result<std::filesystem::path> rewriteCarDataFile(const CarData& car, const Settings& settings, const Answers& answers) {
    Result<std::filesystem::path> written;
    const std::filesystem::path target = carDataTargetPath(car);
    std::error_code ignored;
    if (std::filesystem::exists(target, ignored) && !settings.OverwriteWithoutPrompt &&
        !written.report.ask({"warningCaption", "overwriteCarDataFile"}, answers))
        return written;
    const std::string text = composeCarDataFile(car, settings.UseEnglish, settings.HiddenSettings);
    // Written beside the target and renamed over it, so a failure leaves the old file as it was.
    if (const std::error_code error = writeFileAtomically(target, text)) {
        written.report.message("carDataFileNotWritten", {shownPath(target), error.message()});
        return written;
    }
    written.value = target;
    return written;
}

}  // namespace zw
