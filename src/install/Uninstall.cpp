#include "install/Uninstall.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/Encoding.h"
#include "base/FileInUse.h"
#include "base/FilePairReplace.h"
#include "base/FolderListing.h"
#include "base/PathOnDisk.h"
#include "base/SafeFile.h"
#include "ovl/TrackSetSections.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

DisplayName fileName(const fs::path& file) { return displayName(file.filename()); }

// The files' names one per line, "-" for none.
DisplayName namesOnLines(const std::vector<fs::path>& files) {
    DisplayName text;
    for (const fs::path& file : files) {
        if (!text.utf8.empty()) text.utf8 += "\r\n";
        text.utf8 += fileName(file).utf8;
    }
    return text.utf8.empty() ? DisplayName{"-"} : text;
}

bool existsAsFile(const fs::path& path) {
    std::error_code probe;
    const fs::file_status status = fs::symlink_status(path, probe);
    return fs::exists(status) && !fs::is_directory(status);
}

enum class Deletion { Done, NothingDeleted, PartlyDeleted };

// Deletes `files` all or nothing. Each is renamed aside first, which Windows refuses while another
// program holds the file open, and only when every file is aside are they deleted. A file that
// cannot be set aside puts the others back; a deletion that fails puts back the files not yet
// deleted and names what is gone and what is left.
Deletion deleteAllOrNothing(const std::vector<fs::path>& files, MessageArg objectName, Report& report) {
    // Puts files[from, to) back under their names; `left` gets the name each is found under after.
    const auto putBack = [&](size_t from, size_t to, std::vector<fs::path>& left) {
        bool all = true;
        for (size_t i = from; i < to; ++i) {
            const fs::path former = formerFileName(files[i]);
            const bool back = !replaceFile(former, files[i]);
            left.push_back(back ? files[i] : former);
            all = all && back;
        }
        return all;
    };
    const auto incomplete = [&](const fs::path& failed, const std::error_code& ec,
                                const std::vector<fs::path>& deleted, const std::vector<fs::path>& left) {
        report.error("uninstallIncomplete", {objectName, fileName(failed), systemReasonOf(ec), namesOnLines(deleted),
                                             namesOnLines(left)});
        return Deletion::PartlyDeleted;
    };

    for (size_t i = 0; i < files.size(); ++i) {
        const std::error_code ec = replaceFile(files[i], formerFileName(files[i]));
        if (!ec) continue;
        std::vector<fs::path> left;
        if (!putBack(0, i, left)) {
            left.insert(left.end(), files.begin() + static_cast<std::ptrdiff_t>(i), files.end());
            return incomplete(files[i], ec, {}, left);
        }
        if (!reportedAsFileInUse(ec, fileName(files[i]), report)) {
            report.message("installedFileNotDeleted", {fileName(files[i]), std::to_string(ec.value())});
        }
        return Deletion::NothingDeleted;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        const std::error_code ec = removeFile(formerFileName(files[i]));
        if (!ec) continue;
        std::vector<fs::path> left;
        putBack(i, files.size(), left);
        return incomplete(files[i], ec, {files.begin(), files.begin() + static_cast<std::ptrdiff_t>(i)}, left);
    }
    return Deletion::Done;
}

// The outcome of an uninstall whose files could not all be deleted.
UninstallOutcome outcomeOf(Deletion deletion) {
    return deletion == Deletion::NothingDeleted ? UninstallOutcome::NotRemoved : UninstallOutcome::PartlyRemoved;
}

bool endsWithIgnoringCase(const std::string& text, std::string_view ending) {
    return text.size() >= ending.size() &&
           equalIgnoringWindowsCase(std::string_view(text).substr(text.size() - ending.size()), ending);
}

// The confirmation before the `fileCount` files of `name` are deleted; true when the uninstall may go on.
bool confirmed(bool askFirst, const Answers& answers, Report& report, const fs::path& name, std::size_t fileCount) {
    return !askFirst ||
           report.ask({"warningCaption", "uninstallQuestion", {displayName(name), std::to_string(fileCount)}}, answers);
}

// A track set's folder that an interrupted install left without the set's common file (its section
// pairs, perhaps its unique file, temporary files, or nothing): what an install puts there is
// deleted, then the folder; the files deleted are named. Other files stay, with 735.
UninstallOutcome removePartialTrackSet(const fs::path& folder, const fs::path& shownName, const std::string& name,
                                       bool askFirst, const Answers& answers, Report& report) {
    std::vector<fs::path> installFiles;
    std::error_code error;
    for (const ListedEntry& listed : listFolder(folder, error)) {
        if (!listed.isFile) continue;
        const std::string entry = nameForMessage(listed.name);
        if (isTemporaryName(listed.name) || endsWithIgnoringCase(entry, "_data.common.ovl") ||
            endsWithIgnoringCase(entry, "_data.unique.ovl") || equalIgnoringWindowsCase(entry, name + ".unique.ovl")) {
            installFiles.push_back(folder / listed.name);
        }
    }
    std::sort(installFiles.begin(), installFiles.end());
    if (!confirmed(askFirst, answers, report, shownName, installFiles.size())) return UninstallOutcome::Declined;
    const Deletion deletion = deleteAllOrNothing(installFiles, name, report);
    if (deletion != Deletion::Done) return outcomeOf(deletion);
    if (!installFiles.empty()) {
        report.message("partialTrackSetRemoved", {name, namesOnLines(installFiles)});
    }
    const bool wasEmpty = installFiles.empty() && !error && listFolder(folder, error).empty() && !error;
    if (error || removeFile(folder)) {
        report.message("735");
        return UninstallOutcome::FolderKept;
    }
    if (wasEmpty) report.message("emptyTrackFolderRemoved", {name});
    return UninstallOutcome::Removed;
}

UninstallOutcome uninstall(CtrKind kind, const fs::path& kindFolder, const fs::path& name, bool askFirst,
                           const Answers& answers, Report& report) {
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
    if (!findPathsOnDisk({&folder}, report)) return UninstallOutcome::NotRead;

    std::vector<std::string> sections;
    if (kind == CtrKind::Track) {
        fs::path commonFile = cpName.empty() ? fs::path() : folder / pathFromCp1252(cpName + ".common.ovl");
        if (!findPathsOnDisk({&commonFile}, report)) return UninstallOutcome::NotRead;
        std::error_code probe;
        if (!cpName.empty() && !fs::exists(fs::symlink_status(commonFile, probe)) &&
            fs::is_directory(fs::symlink_status(folder, probe))) {
            return removePartialTrackSet(folder, name, cpName, askFirst, answers, report);
        }
        std::error_code readError;
        const auto bytes = cpName.empty() ? std::nullopt : readWholeFile(commonFile, &readError);
        if (!bytes) {
            if (!reportedAsFileInUse(readError, fileName(commonFile), report)) {
                report.message("736", {displayName(name)});
            }
            return UninstallOutcome::NotRead;
        }
        TrackSetSections read = readTrackSetSections(*bytes, cpName + ".common.ovl");
        if (read.status == TrackSetSections::Status::NotVersion1) {
            report.message("737", {cpName});
            return UninstallOutcome::NotRead;
        }
        if (read.status == TrackSetSections::Status::Damaged) {
            report.message("trackSetDamagedUninstall", {cpName, read.problem});
            return UninstallOutcome::NotRead;
        }
        sections = std::move(read.names);
    }

    // A file that merely carries an object's name is not an installed object: it is never removed.
    std::error_code probe;
    if (!fs::is_directory(fs::symlink_status(folder, probe))) {
        report.message("735");
        return UninstallOutcome::FolderKept;
    }
    // The files this program installs there, as found on disk whatever their case.
    std::vector<std::string> pairNames;
    for (const std::string& section : sections) pairNames.push_back(section + "_data");
    if (!cpName.empty()) pairNames.push_back(cpName);
    std::vector<fs::path> known, files;
    for (const std::string& pair : pairNames) {
        for (const char* extension : {".common.ovl", ".unique.ovl"}) {
            fs::path file = folder / pathFromCp1252(pair + extension);
            if (!findPathsOnDisk({&file}, report)) return UninstallOutcome::NotRead;
            known.push_back(file);
            if (existsAsFile(file)) files.push_back(file);
        }
    }
    if (!confirmed(askFirst, answers, report, name, files.size())) return UninstallOutcome::Declined;
    const Deletion deletion = deleteAllOrNothing(files, displayName(name), report);
    if (deletion != Deletion::Done) return outcomeOf(deletion);
    // What an interrupted install left beside them goes too.
    for (const fs::path& file : known) removeLeftoversOf(file);

    std::error_code ec = removeFile(folder);
    if (ec || fs::exists(fs::symlink_status(folder, probe))) {
        report.message("735");
        return UninstallOutcome::FolderKept;
    }
    report.message("uninstalled", {displayName(name), std::to_string(files.size())});
    return UninstallOutcome::Removed;
}

}  // namespace

UninstallResult uninstallObject(CtrKind kind, const fs::path& kindFolder, const fs::path& name, bool askFirst,
                                const Answers& answers) {
    UninstallResult result;
    result.value = uninstall(kind, kindFolder, name, askFirst, answers, result.report);
    return result;
}

}  // namespace zw
