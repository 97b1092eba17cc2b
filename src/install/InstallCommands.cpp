#include "install/InstallCommands.h"

#include <optional>

#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "install/PairKindScan.h"
#include "install/PairReplace.h"
#include "ovl/TrackSetSections.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

const char* folderErrorId(CtrKind kind) {
    switch (kind) {
        case CtrKind::Ride: return "717";
        case CtrKind::Car: return "718";
        case CtrKind::Track: return "719";
    }
    return "717";
}

const char* overwriteQuestionId(CtrKind kind) {
    switch (kind) {
        case CtrKind::Ride: return "overwriteInstalledRide";
        case CtrKind::Car: return "overwriteInstalledCar";
        case CtrKind::Track: return "overwriteInstalledTracks";
    }
    return "overwriteInstalledRide";
}

const char* successId(CtrKind kind) {
    switch (kind) {
        case CtrKind::Ride: return "installedRide";
        case CtrKind::Car: return "installedCar";
        case CtrKind::Track: return "installedTracks";
    }
    return "installedRide";
}

enum class TargetFolder { Ready, Declined, Failed };

// Makes the object's folder in the game folder (only its last level: a missing game folder is an
// error, not something to create) and asks before files in an existing one are replaced.
TargetFolder prepareTargetFolder(CtrKind kind, const InstallSettings& settings, Dialogs& dialogs,
                                 const fs::path& target) {
    std::error_code ec;
    const bool created = fs::create_directory(target, ec);
    if (!created) {
        std::error_code probe;
        const bool existsAsFolder = fs::is_directory(target, probe);
        if (!existsAsFolder) {
            // Something other than a folder stands under that name: that is a failure as well.
            if (!ec) ec = std::make_error_code(std::errc::file_exists);
            dialogs.showMessage(message(folderErrorId(kind), settings.language, {std::to_string(ec.value())}));
            return TargetFolder::Failed;
        }
        if (!settings.overwriteWithoutPrompt &&
            !dialogs.askYesNo(message("warningCaption", settings.language),
                              message(overwriteQuestionId(kind), settings.language))) {
            return TargetFolder::Declined;
        }
    }
    return TargetFolder::Ready;
}

// Copies the pair `name` from `source` to `target`; on failure shows `commonId` or `uniqueId` about
// `shownName`.
bool copyPair(const fs::path& source, const fs::path& target, const std::string& name, const char* commonId,
              const char* uniqueId, const std::string& shownName, Language language, Dialogs& dialogs) {
    const fs::path common = pathFromCp1252(name + ".common.ovl");
    const fs::path unique = pathFromCp1252(name + ".unique.ovl");
    const auto failure = replacePair(source / common, source / unique, target / common, target / unique);
    if (!failure) return true;
    dialogs.showMessage(message(failure->file == PairFile::Common ? commonId : uniqueId, language, {shownName}));
    return false;
}

InstallOutcome installTrackSet(const InstallSettings& settings, Dialogs& dialogs, const fs::path& source,
                               const fs::path& item, const std::string& name) {
    const Language language = settings.language;
    const auto bytes = readWholeFile(source / pathFromCp1252(name + ".common.ovl"));
    if (!bytes) {
        dialogs.showMessage(message("738", language, {name}));
        return InstallOutcome::NotInstallable;
    }
    const TrackSetSections sections = readTrackSetSections(*bytes, name + ".common.ovl");
    if (sections.status == TrackSetSections::Status::NotVersion1) {
        dialogs.showMessage(message("739", language, {name}));
        return InstallOutcome::NotInstallable;
    }
    if (sections.status == TrackSetSections::Status::Damaged) {
        dialogs.showMessage(message("trackSetDamagedInstall", language, {name, sections.problem}));
        return InstallOutcome::NotInstallable;
    }

    const fs::path target = gameFolderOf(CtrKind::Track, settings.gamePath) / item;
    switch (prepareTargetFolder(CtrKind::Track, settings, dialogs, target)) {
        case TargetFolder::Failed: return InstallOutcome::FolderNotCreated;
        case TargetFolder::Declined: return InstallOutcome::Declined;
        case TargetFolder::Ready: break;
    }
    for (const std::string& section : sections.names) {
        if (!copyPair(source, target, section + "_data", "741", "742", section, language, dialogs)) {
            return InstallOutcome::CopyFailed;
        }
    }
    if (!copyPair(source, target, name, "732", "733", name, language, dialogs)) return InstallOutcome::CopyFailed;
    dialogs.showMessage(message(successId(CtrKind::Track), language));
    return InstallOutcome::Installed;
}

}  // namespace

InstallOutcome installBuiltPair(CtrKind kind, const InstallSettings& settings, Dialogs& dialogs,
                                const fs::path& builtFolder, const std::string& objectName) {
    const fs::path target = gameFolderOf(kind, settings.gamePath) / pathFromCp1252(objectName);
    switch (prepareTargetFolder(kind, settings, dialogs, target)) {
        case TargetFolder::Failed: return InstallOutcome::FolderNotCreated;
        case TargetFolder::Declined: return InstallOutcome::Declined;
        case TargetFolder::Ready: break;
    }
    if (!copyPair(builtFolder, target, objectName, "732", "733", objectName, settings.language, dialogs)) {
        return InstallOutcome::CopyFailed;
    }
    return InstallOutcome::Installed;
}

InstallOutcome installCtrFolder(const InstallSettings& settings, Dialogs& dialogs, const fs::path& parentFolder,
                                const fs::path& item) {
    const Language language = settings.language;
    const bool isTrackSet = nameStartsWith(item, "TrackCTR_");
    if (!isPlainEntryName(item) || (!isTrackSet && !nameStartsWith(item, "CTR_"))) {
        dialogs.showMessage(message("731", language));
        return InstallOutcome::NotInstallable;
    }
    // Names of files inside the folder are made from its name, so it must be one Windows-1252 can hold.
    std::string name;
    try {
        name = pathToCp1252(item);
    } catch (const EncodingError&) {
        dialogs.showMessage(message("731", language));
        return InstallOutcome::NotInstallable;
    }
    const fs::path source = parentFolder / item;
    if (isTrackSet) return installTrackSet(settings, dialogs, source, item, name);

    const auto unique = readWholeFile(source / pathFromCp1252(name + ".unique.ovl"));
    const PairKind kind = unique ? scanPairKind(*unique, name + ".unique.ovl") : PairKind::Unknown;
    if (kind == PairKind::Unknown) {
        dialogs.showMessage(message("731", language));
        return InstallOutcome::NotInstallable;
    }
    const CtrKind ctrKind = kind == PairKind::Ride ? CtrKind::Ride : CtrKind::Car;
    const fs::path target = gameFolderOf(ctrKind, settings.gamePath) / item;
    switch (prepareTargetFolder(ctrKind, settings, dialogs, target)) {
        case TargetFolder::Failed: return InstallOutcome::FolderNotCreated;
        case TargetFolder::Declined: return InstallOutcome::Declined;
        case TargetFolder::Ready: break;
    }
    if (!copyPair(source, target, name, "732", "733", name, language, dialogs)) return InstallOutcome::CopyFailed;
    dialogs.showMessage(message(successId(ctrKind), language));
    return InstallOutcome::Installed;
}

}  // namespace zw
