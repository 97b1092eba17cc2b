#include "install/Uninstall.h"

#include <algorithm>
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
bool deleteFound(const fs::path& file, Language language, Dialogs& dialogs) {
    if (const std::error_code ec = removeFile(file)) {
        dialogs.showMessage(
            message("installedFileNotDeleted", language, {nameForMessage(file.filename()), std::to_string(ec.value())}));
        return false;
    }
    return true;
}

// Deletes one file, found on disk whatever its case, and what an interrupted install left beside
// it; a missing file is fine, any other failure is shown with its error number.
void deleteInstalledFile(fs::path file, Language language, Dialogs& dialogs) {
    if (!findPathsOnDisk({&file}, dialogs, language)) return;
    removeLeftoversOf(file);
    deleteFound(file, language, dialogs);
}

void deletePair(const fs::path& folder, const std::string& name, Language language, Dialogs& dialogs) {
    deleteInstalledFile(folder / pathFromCp1252(name + ".common.ovl"), language, dialogs);
    deleteInstalledFile(folder / pathFromCp1252(name + ".unique.ovl"), language, dialogs);
}

bool endsWithIgnoringCase(const std::string& text, std::string_view ending) {
    return text.size() >= ending.size() &&
           equalIgnoringWindowsCase(std::string_view(text).substr(text.size() - ending.size()), ending);
}

// A track set's folder that an interrupted install left without the set's common file (its section
// pairs, perhaps its unique file, temporary files, or nothing): what an install puts there is
// deleted, then the folder; the files deleted are named. Other files stay, with 735.
UninstallOutcome removePartialTrackSet(const fs::path& folder, const std::string& name, Language language,
                                       Dialogs& dialogs) {
    std::vector<fs::path> installFiles;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code probe;
        if (!it->is_regular_file(probe)) continue;
        const std::string entry = nameForMessage(it->path().filename());
        if (isTemporaryName(it->path()) || endsWithIgnoringCase(entry, "_data.common.ovl") ||
            endsWithIgnoringCase(entry, "_data.unique.ovl") || equalIgnoringWindowsCase(entry, name + ".unique.ovl")) {
            installFiles.push_back(it->path());
        }
    }
    std::sort(installFiles.begin(), installFiles.end());
    std::string deleted;
    for (const fs::path& file : installFiles) {
        if (!deleteFound(file, language, dialogs)) continue;
        if (!deleted.empty()) deleted += "\r\n";
        deleted += nameForMessage(file.filename());
    }
    if (!deleted.empty()) dialogs.showMessage(message("partialTrackSetRemoved", language, {name, deleted}));
    const bool wasEmpty = installFiles.empty() && !error && fs::is_empty(folder, error) && !error;
    if (error || removeFile(folder)) {
        dialogs.showMessage(message("735", language));
        return UninstallOutcome::FolderKept;
    }
    if (wasEmpty) dialogs.showMessage(message("emptyTrackFolderRemoved", language, {name}));
    return UninstallOutcome::Removed;
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
        std::error_code probe;
        if (!cpName.empty() && !fs::exists(fs::symlink_status(commonFile, probe)) &&
            fs::is_directory(fs::symlink_status(folder, probe))) {
            return removePartialTrackSet(folder, cpName, language, dialogs);
        }
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

    std::error_code ec = removeFile(folder);
    if (ec || fs::exists(fs::symlink_status(folder, probe))) {
        dialogs.showMessage(message("735", language));
        return UninstallOutcome::FolderKept;
    }
    return UninstallOutcome::Removed;
}

}  // namespace zw
