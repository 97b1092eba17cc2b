#include "install/InstallCommands.h"

#include <optional>

#include "base/Encoding.h"
#include "base/FileInUse.h"
#include "base/FilePairReplace.h"
#include "base/Messages.h"
#include "base/PathOnDisk.h"
#include "base/SafeFile.h"
#include "install/FolderStaging.h"
#include "ovl/PairKindScan.h"
#include "install/PairReplace.h"
#include "ovl/TrackSetSections.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

MessageId folderErrorId(CtrKind kind) {
    switch (kind) {
        case CtrKind::Ride: return "717";
        case CtrKind::Car: return "718";
        case CtrKind::Track: return "719";
    }
    return "717";
}

MessageId overwriteQuestionId(CtrKind kind) {
    switch (kind) {
        case CtrKind::Ride: return "overwriteInstalledRide";
        case CtrKind::Car: return "overwriteInstalledCar";
        case CtrKind::Track: return "overwriteInstalledTracks";
    }
    return "overwriteInstalledRide";
}

MessageId successId(CtrKind kind) {
    switch (kind) {
        case CtrKind::Ride: return "installedRide";
        case CtrKind::Car: return "installedCar";
        case CtrKind::Track: return "installedTracks";
    }
    return "installedRide";
}

// The question before the files of an installed object in `target` are replaced.
Question overwriteQuestion(CtrKind kind, const fs::path& target) {
    return {"warningCaption", overwriteQuestionId(kind), {displayName(target)}};
}

enum class TargetFolder { Ready, Declined, Failed };

// Makes the object's folder in the game folder (only its last level: a missing game folder is an
// error, not something to create), after asking whether the files of an existing one may be
// replaced: a No leaves the game folder as it was. `target` becomes the folder as found on disk: the
// game's folders and an object's folder are taken whatever their case, and a new folder is made
// below them. `made` tells whether the folder was made now.
TargetFolder prepareTargetFolder(CtrKind kind, const InstallSettings& settings, const Answers& answers,
                                 Report& report, fs::path& target, bool& made) {
    made = false;
    if (!findPathsOnDisk({&target}, report)) return TargetFolder::Failed;
    std::error_code probe;
    const bool existing = fs::is_directory(fs::symlink_status(target, probe));
    if (existing && !settings.overwriteWithoutPrompt && !report.ask(overwriteQuestion(kind, target), answers)) {
        return TargetFolder::Declined;
    }
    if (const std::error_code ec = makeFolder(target, made)) {
        report.message(folderErrorId(kind), {std::to_string(ec.value())});
        return TargetFolder::Failed;
    }
    return TargetFolder::Ready;
}

// After a failed install into a folder made for it: the folder goes again (the pair copy leaves
// nothing behind), so no empty object is listed.
void removeMadeFolder(const fs::path& folder, Report& report) {
    if (const std::error_code ec = removeFile(folder)) {
        report.message("installedFileNotDeleted", {displayName(folder.filename()), std::to_string(ec.value())});
    }
}

// `shownName` as the file `found` spells it: a file found in another case has a name of the same
// length that begins with it.
std::string shownAsFound(const std::string& shownName, const fs::path& found) {
    try {
        return pathToCp1252(found.filename()).substr(0, shownName.size());
    } catch (const EncodingError&) {
        return shownName;
    }
}

// A copy that failed: message `id` about `shownName`, or the in-use message naming `fileName` when
// another program holds the file open.
void showCopyFailure(MessageId id, const std::string& shownName, MessageArg fileName,
                     const std::error_code& ec, Report& report) {
    if (!reportedAsFileInUse(ec, fileName, report)) report.message(id, {shownName});
}

// Copies the pair `name` from `source` to `target`, each file taken as found on disk whatever its
// case; on failure shows `commonId` or `uniqueId` about `shownName` as the source file spells it.
bool copyPair(const fs::path& source, const fs::path& target, const std::string& name, MessageId commonId,
              MessageId uniqueId, const std::string& shownName, Report& report) {
    const fs::path common = pathFromCp1252(name + ".common.ovl");
    const fs::path unique = pathFromCp1252(name + ".unique.ovl");
    fs::path fromCommon = source / common, fromUnique = source / unique;
    fs::path toCommon = target / common, toUnique = target / unique;
    if (!findPathsOnDisk({&fromCommon, &fromUnique, &toCommon, &toUnique}, report)) return false;
    const auto failure = replacePair(fromCommon, fromUnique, toCommon, toUnique);
    if (!failure) return true;
    const bool commonFailed = failure->file == PairFile::Common;
    const fs::path& failed = commonFailed ? toCommon : toUnique;
    showCopyFailure(commonFailed ? commonId : uniqueId, shownAsFound(shownName, commonFailed ? fromCommon : fromUnique),
                    displayName(failed.filename()), failure->error, report);
    return false;
}

// Copies the pair `name` from `source` into the staging folder `staging`, each source file taken as
// found on disk whatever its case; on failure shows `commonId` or `uniqueId` about `shownName`.
bool stagePair(const fs::path& source, const fs::path& staging, const std::string& name, MessageId commonId,
               MessageId uniqueId, const std::string& shownName, Report& report) {
    for (const auto& [extension, id] : {std::pair<const char*, MessageId>{".common.ovl", commonId}, std::pair<const char*, MessageId>{".unique.ovl", uniqueId}}) {
        const fs::path file = pathFromCp1252(name + extension);
        fs::path from = source / file;
        if (!findPathsOnDisk({&from}, report)) return false;
        if (const std::error_code ec = copyFileAtomically(from, staging / file)) {
            showCopyFailure(id, shownAsFound(shownName, from), displayName(from.filename()), ec, report);
            return false;
        }
    }
    return true;
}

// A track set is installed all or nothing: every file is gathered in a staging folder first, and an
// earlier set stays exactly as it was until the staged set takes its place (FolderStaging.h).
InstallOutcome installTrackSet(const InstallSettings& settings, const Answers& answers, Report& report,
                               const fs::path& source, const fs::path& item, const std::string& name) {
    fs::path commonFile = source / pathFromCp1252(name + ".common.ovl");
    if (!findPathsOnDisk({&commonFile}, report)) return InstallOutcome::NotInstallable;
    const auto bytes = readWholeFile(commonFile);
    if (!bytes) {
        report.message("738", {name});
        return InstallOutcome::NotInstallable;
    }
    const TrackSetSections sections = readTrackSetSections(*bytes, name + ".common.ovl");
    if (sections.status == TrackSetSections::Status::NotVersion1) {
        report.message("739", {name});
        return InstallOutcome::NotInstallable;
    }
    if (sections.status == TrackSetSections::Status::Damaged) {
        report.message("trackSetDamagedInstall", {name, sections.problem});
        return InstallOutcome::NotInstallable;
    }

    fs::path target = gameFolderOf(CtrKind::Track, settings.gamePath) / item;
    if (!findPathsOnDisk({&target}, report)) return InstallOutcome::FolderNotCreated;
    FolderStaging staging(target);
    const auto folderFailed = [&](std::error_code ec) {
        report.message(folderErrorId(CtrKind::Track), {std::to_string(ec.value())});
        return InstallOutcome::FolderNotCreated;
    };
    // Asked before anything is tidied or made, about the set the tidy would leave in place.
    std::error_code probe;
    const fs::file_status existing = fs::symlink_status(target, probe);
    if (fs::exists(existing) && !fs::is_directory(existing)) {
        return folderFailed(std::make_error_code(std::errc::file_exists));
    }
    if (staging.earlierFolderExists() && !settings.overwriteWithoutPrompt &&
        !report.ask(overwriteQuestion(CtrKind::Track, target), answers)) {
        return InstallOutcome::Declined;
    }
    if (const std::error_code ec = staging.tidyEarlierRun()) return folderFailed(ec);
    const bool replacing = fs::is_directory(fs::symlink_status(target, probe));
    if (const std::error_code ec = staging.begin()) return folderFailed(ec);

    const auto abandon = [&](InstallOutcome outcome) {
        if (const std::error_code ec = staging.abandon()) {
            report.message("installedFileNotDeleted",
                           {displayName(staging.staging().filename()), std::to_string(ec.value())});
        }
        return outcome;
    };
    for (const std::string& section : sections.names) {
        if (!stagePair(source, staging.staging(), section + "_data", "741", "742", section, report)) {
            return abandon(InstallOutcome::CopyFailed);
        }
    }
    if (!stagePair(source, staging.staging(), name, "732", "733", name, report)) {
        return abandon(InstallOutcome::CopyFailed);
    }
    if (replacing) {
        std::string failedEntry;
        if (const std::error_code ec = staging.carryOverFromTarget(failedEntry)) {
            if (!reportedAsFileInUse(ec, failedEntry, report)) {
                report.message("trackFileNotCarriedOver", {failedEntry, std::to_string(ec.value())});
            }
            return abandon(InstallOutcome::CopyFailed);
        }
        // A file of the earlier set that the game holds open would stay behind when the folder moves.
        fs::path held;
        if (const std::error_code ec = staging.checkTargetNotHeld(held)) {
            if (!reportedAsFileInUse(ec, displayName(held.filename()), report)) folderFailed(ec);
            return abandon(InstallOutcome::CopyFailed);
        }
    }
    std::error_code formerNotRemoved;
    if (const std::error_code ec = staging.moveIntoPlace(formerNotRemoved)) {
        if (!reportedAsFileInUse(ec, displayName(target.filename()), report)) folderFailed(ec);
        return abandon(InstallOutcome::FolderNotCreated);
    }
    if (formerNotRemoved) {
        report.message("installedFileNotDeleted",
                       {displayName(formerFileName(target).filename()), std::to_string(formerNotRemoved.value())});
    }
    report.message(successId(CtrKind::Track));
    return InstallOutcome::Installed;
}

// A ride's or car's pair into its object folder `target`; a folder made for it goes again when the
// copy fails.
InstallOutcome installPair(CtrKind kind, const InstallSettings& settings, const Answers& answers, Report& report,
                           const fs::path& source, fs::path target, const std::string& name) {
    bool made = false;
    switch (prepareTargetFolder(kind, settings, answers, report, target, made)) {
        case TargetFolder::Failed: return InstallOutcome::FolderNotCreated;
        case TargetFolder::Declined: return InstallOutcome::Declined;
        case TargetFolder::Ready: break;
    }
    if (!copyPair(source, target, name, "732", "733", name, report)) {
        if (made) removeMadeFolder(target, report);
        return InstallOutcome::CopyFailed;
    }
    return InstallOutcome::Installed;
}

InstallOutcome installFolder(const InstallSettings& settings, const Answers& answers, Report& report,
                             const fs::path& parentFolder, const fs::path& item) {
    const bool isTrackSet = nameStartsWith(item, "TrackCTR_");
    if (!isPlainEntryName(item) || (!isTrackSet && !nameStartsWith(item, "CTR_"))) {
        report.message("731");
        return InstallOutcome::NotInstallable;
    }
    // Names of files inside the folder are made from its name, so it must be one Windows-1252 can hold.
    std::string name;
    try {
        name = pathToCp1252(item);
    } catch (const EncodingError&) {
        report.message("731");
        return InstallOutcome::NotInstallable;
    }
    // The folder and its files may be spelled in another case than the name they are known by.
    fs::path source = parentFolder / item;
    if (!findPathsOnDisk({&source}, report)) return InstallOutcome::NotInstallable;
    if (isTrackSet) return installTrackSet(settings, answers, report, source, item, name);

    fs::path uniqueFile = source / pathFromCp1252(name + ".unique.ovl");
    if (!findPathsOnDisk({&uniqueFile}, report)) return InstallOutcome::NotInstallable;
    const auto unique = readWholeFile(uniqueFile);
    const PairKind kind = unique ? scanPairKind(*unique, name + ".unique.ovl") : PairKind::Unknown;
    if (kind == PairKind::Unknown) {
        report.message("731");
        return InstallOutcome::NotInstallable;
    }
    const CtrKind ctrKind = kind == PairKind::Ride ? CtrKind::Ride : CtrKind::Car;
    const InstallOutcome outcome = installPair(ctrKind, settings, answers, report, source,
                                               gameFolderOf(ctrKind, settings.gamePath) / item, name);
    if (outcome == InstallOutcome::Installed) report.message(successId(ctrKind));
    return outcome;
}

}  // namespace

InstallResult installBuiltPair(CtrKind kind, const InstallSettings& settings, const fs::path& builtFolder,
                               const std::string& objectName, const Answers& answers) {
    InstallResult result;
    const fs::path target = gameFolderOf(kind, settings.gamePath) / pathFromCp1252(objectName);
    result.value = installPair(kind, settings, answers, result.report, builtFolder, target, objectName);
    return result;
}

InstallResult installCtrFolder(const InstallSettings& settings, const fs::path& parentFolder, const fs::path& item,
                               const Answers& answers) {
    InstallResult result;
    result.value = installFolder(settings, answers, result.report, parentFolder, item);
    return result;
}

}  // namespace zw
