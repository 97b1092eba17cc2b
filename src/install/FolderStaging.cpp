#include "install/FolderStaging.h"

#include <vector>

#include "base/Encoding.h"
#include "base/FilePairReplace.h"
#include "base/FolderListing.h"
#include "base/PathOnDisk.h"
#include "base/SafeFile.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

bool isFolder(const fs::path& path) {
    std::error_code probe;
    return fs::is_directory(fs::symlink_status(path, probe));
}

bool existsAtAll(const fs::path& path) {
    std::error_code probe;
    return fs::exists(fs::symlink_status(path, probe));
}

// The entry name as Windows-1252 text for comparing names as Windows does; "" when it has none.
std::string windowsName(const fs::path& name) {
    try {
        return pathToCp1252(name);
    } catch (const EncodingError&) {
        return {};
    }
}

std::error_code copyEntry(const fs::path& from, const fs::path& to) {
    if (!isFolder(from)) return copyFileAtomically(from, to);
    bool made = false;
    if (std::error_code error = makeFolder(to, made)) return error;
    std::error_code error;
    for (const ListedEntry& entry : listFolder(from, error)) {
        if (std::error_code entryError = copyEntry(from / entry.name, to / entry.name)) return entryError;
    }
    return error;
}

// The first file below `folder` that another program holds open, in `heldFile`; links to folders
// are not followed. A folder that cannot be listed is an error too.
std::error_code checkTreeNotHeld(const fs::path& folder, fs::path& heldFile) {
    std::error_code error;
    for (const ListedEntry& entry : listFolder(folder, error)) {
        const fs::path path = folder / entry.name;
        if (entry.isFolder) {
            if (entry.isLink) continue;
            if (std::error_code inner = checkTreeNotHeld(path, heldFile)) return inner;
        } else if (const std::error_code held = checkNotHeld(path)) {
            heldFile = path;
            return held;
        }
    }
    return error;
}

}  // namespace

FolderStaging::FolderStaging(fs::path target)
    : target_(std::move(target)), staging_(temporarySibling(target_)), former_(formerFileName(target_)) {}

bool FolderStaging::earlierFolderExists() const {
    return existsAtAll(target_) ? isFolder(target_) : isFolder(former_);
}

std::error_code FolderStaging::tidyEarlierRun() {
    if (!existsAtAll(target_) && isFolder(former_)) {
        // The earlier set is the only copy left: it stays set aside when it cannot be put back.
        if (std::error_code error = replaceFile(former_, target_)) return error;
    }
    removeFolderTree(staging_);
    removeFolderTree(former_);
    return {};
}

std::error_code FolderStaging::begin() {
    bool made = false;
    return makeFolder(staging_, made);
}

std::error_code FolderStaging::carryOverFromTarget(std::string& failedEntry) {
    std::vector<std::string> staged;
    std::error_code error;
    for (const ListedEntry& entry : listFolder(staging_, error)) staged.push_back(windowsName(entry.name));
    if (error) return error;
    for (const ListedEntry& entry : listFolder(target_, error)) {
        const fs::path& name = entry.name;
        if (isTemporaryName(name)) continue;
        const std::string shown = windowsName(name);
        bool replaced = false;
        for (const std::string& s : staged) replaced = replaced || (!shown.empty() && equalIgnoringWindowsCase(s, shown));
        if (replaced) continue;
        if (std::error_code copyError = copyEntry(target_ / name, staging_ / name)) {
            failedEntry = shown.empty() ? "?" : shown;
            return copyError;
        }
    }
    if (error) failedEntry = windowsName(target_.filename());
    return error;
}

std::error_code FolderStaging::checkTargetNotHeld(fs::path& heldFile) const {
    fs::path held;
    const std::error_code error = checkTreeNotHeld(target_, held);
    if (error) heldFile = held.empty() ? target_ : held;
    return error;
}

std::error_code FolderStaging::moveIntoPlace(std::error_code& formerNotRemoved) {
    formerNotRemoved.clear();
    const bool replacing = existsAtAll(target_);
    if (replacing) {
        if (std::error_code error = replaceFile(target_, former_)) return error;
    }
    if (std::error_code error = replaceFile(staging_, target_)) {
        if (replacing) replaceFile(former_, target_);
        return error;
    }
    if (replacing) formerNotRemoved = removeFolderTree(former_);
    return {};
}

std::error_code FolderStaging::abandon() { return removeFolderTree(staging_); }

}  // namespace zw
