#include "builders/BuildOutputFolder.h"

#include <system_error>

#include "base/Encoding.h"
#include "base/FolderListing.h"
#include "base/Report.h"
#include "base/SafeFile.h"

namespace zw {

PairFiles pairFilesIn(const std::filesystem::path& dataFileFolder, const std::string& objectName) {
    const std::filesystem::path name = pathFromCp1252(objectName);
    PairFiles files;
    files.folder = dataFileFolder / name;
    files.common = files.folder / name;
    files.common += ".common.ovl";
    files.unique = files.folder / name;
    files.unique += ".unique.ovl";
    return files;
}

namespace {

// What the earlier pair's unique file says it is; a pair without one, or one that cannot be read,
// is of no known kind.
PairKind earlierPairKind(const std::filesystem::path& unique) {
    std::error_code error;
    if (!std::filesystem::exists(unique, error)) return PairKind::Unknown;
    const auto bytes = readWholeFile(unique);
    return bytes ? scanPairKind(*bytes, pathForMessage(unique.filename())) : PairKind::Unknown;
}

MessageId overwriteQuestionId(PairKind earlier) {
    switch (earlier) {
        case PairKind::Ride: return "overwriteRideOvls";
        case PairKind::Car: return "overwriteCarOvls";
        case PairKind::Unknown: break;
    }
    return "overwriteUnknownOvls";
}

}  // namespace

bool BuildOutputFolder::mayWrite(PairKind building, bool OverwriteWithoutPrompt, Report& report,
                                 const Answers& answers) const {
    const bool hasUnique = std::filesystem::exists(files_.unique);
    if (!hasUnique && !std::filesystem::exists(files_.common)) return true;
    const PairKind earlier = earlierPairKind(files_.unique);
    if (earlier != PairKind::Unknown && earlier != building) {
        const MessageId id = earlier == PairKind::Ride ? MessageId("buildWouldReplaceRidePair") : MessageId("buildWouldReplaceCarPair");
        report.message(id, {displayName(files_.folder)});
        return false;
    }
    if (OverwriteWithoutPrompt) return true;
    const std::filesystem::path& named = hasUnique ? files_.unique : files_.common;
    return report.ask(Question{"warningCaption", overwriteQuestionId(earlier), {displayName(named)}}, answers);
}

bool BuildOutputFolder::make(Report& report) {
    const std::filesystem::path& folder = files_.folder;
    if (const std::error_code error = makeFolder(folder, made_)) {
        // Not there and not made (or a file of that name): nothing could be written into it.
        report.message("outputFolderNotCreated", {displayName(folder), asciiOnlyText(error.message())});
        return false;
    }
    return true;
}

void BuildOutputFolder::removeIfMadeAndEmpty(Report* report) {
    if (!made_) return;
    const std::filesystem::path& folder = files_.folder;
    std::error_code error;
    if (!listFolder(folder, error).empty() || error) return;  // whatever stands in it is not ours to drop
    error = removeFile(folder);
    if (error && report) {
        report->message("outputFolderNotRemoved", {displayName(folder), asciiOnlyText(error.message())});
    }
    made_ = false;
}

}  // namespace zw
