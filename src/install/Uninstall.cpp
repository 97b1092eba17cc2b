#include "install/Uninstall.h"

#include <string>
#include <vector>

#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "base/SafeFile.h"
#include "ovl/TrackSetSections.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

// Deletes one file, found on disk whatever its case; a missing file is fine, any other failure is
// shown with its error number.
void deleteInstalledFile(fs::path file, Language language, Dialogs& dialogs) {
    if (!findPathsOnDisk({&file}, dialogs, language)) return;
    std::error_code ec;
    fs::remove(file, ec);
    if (ec) {
        dialogs.showMessage(
            message("installedFileNotDeleted", language, {nameForMessage(file.filename()), std::to_string(ec.value())}));
    }
}

void deletePair(const fs::path& folder, const std::string& name, Language language, Dialogs& dialogs) {
    deleteInstalledFile(folder / pathFromCp1252(name + ".common.ovl"), language, dialogs);
    deleteInstalledFile(folder / pathFromCp1252(name + ".unique.ovl"), language, dialogs);
}

}  // namespace

UninstallOutcome uninstallObject(CtrKind kind, Language language, Dialogs& dialogs, const fs::path& kindFolder,
                                 const fs::path& name) {
    if (!isPlainEntryName(name) || nameHasDot(name) || !nameStartsWith(name, namePrefixOf(kind))) {
        return UninstallOutcome::NotAnObject;
    }
    std::string cpName;
    try {
        cpName = pathToCp1252(name);
    } catch (const EncodingError&) {
        // No file of this program can be named after it; only an empty folder would go.
        cpName.clear();
    }
    fs::path folder = kindFolder / name;
    if (!findPathsOnDisk({&folder}, dialogs, language)) return UninstallOutcome::NotRead;

    std::vector<std::string> sections;
    if (kind == CtrKind::Track) {
        fs::path commonFile = cpName.empty() ? fs::path() : folder / pathFromCp1252(cpName + ".common.ovl");
        if (!findPathsOnDisk({&commonFile}, dialogs, language)) return UninstallOutcome::NotRead;
        const auto bytes = cpName.empty() ? std::nullopt : readWholeFile(commonFile);
        if (!bytes) {
            dialogs.showMessage(message("736", language, {nameForMessage(name)}));
            return UninstallOutcome::NotRead;
        }
        TrackSetSections read = readTrackSetSections(*bytes, cpName + ".common.ovl");
        if (read.status == TrackSetSections::Status::NotVersion1) {
            dialogs.showMessage(message("737", language, {cpName}));
            return UninstallOutcome::NotRead;
        }
        if (read.status == TrackSetSections::Status::Damaged) {
            dialogs.showMessage(message("trackSetDamagedUninstall", language, {cpName, read.problem}));
            return UninstallOutcome::NotRead;
        }
        sections = std::move(read.names);
    }

    // A file that merely carries an object's name is not an installed object: it is never removed.
    std::error_code probe;
    if (!fs::is_directory(fs::symlink_status(folder, probe))) {
        dialogs.showMessage(message("735", language));
        return UninstallOutcome::FolderKept;
    }
    for (const std::string& section : sections) deletePair(folder, section + "_data", language, dialogs);
    if (!cpName.empty()) deletePair(folder, cpName, language, dialogs);

    std::error_code ec;
    if (!fs::remove(folder, ec) || ec) {
        dialogs.showMessage(message("735", language));
        return UninstallOutcome::FolderKept;
    }
    return UninstallOutcome::Removed;
}

}  // namespace zw
