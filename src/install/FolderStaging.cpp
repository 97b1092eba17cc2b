#include "install/FolderStaging.h"

#include <vector>

#include "base/Encoding.h"
#include "base/FilePairReplace.h"
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
    for (fs::directory_iterator it(from, error), end; !error && it != end; it.increment(error)) {
        if (std::error_code entryError = copyEntry(it->path(), to / it->path().filename())) return entryError;
    }
    return error;
}

}  // namespace

FolderStaging::FolderStaging(fs::path target)
    : target_(std::move(target)), staging_(temporarySibling(target_)), former_(formerFileName(target_)) {}

void FolderStaging::tidyEarlierRun() {
    if (!existsAtAll(target_) && isFolder(former_)) replaceFile(former_, target_);
    removeFolderTree(staging_);
    removeFolderTree(former_);
}

std::error_code FolderStaging::begin() {
    bool made = false;
    return makeFolder(staging_, made);
}

std::error_code FolderStaging::carryOverFromTarget(std::string& failedEntry) {
    std::vector<std::string> staged;
    std::error_code error;
    for (fs::directory_iterator it(staging_, error), end; !error && it != end; it.increment(error)) {
        staged.push_back(windowsName(it->path().filename()));
    }
    if (error) return error;
    for (fs::directory_iterator it(target_, error), end; !error && it != end; it.increment(error)) {
        const fs::path name = it->path().filename();
        if (isTemporaryName(name)) continue;
        const std::string shown = windowsName(name);
        bool replaced = false;
        for (const std::string& s : staged) replaced = replaced || (!shown.empty() && equalIgnoringWindowsCase(s, shown));
        if (replaced) continue;
        if (std::error_code copyError = copyEntry(it->path(), staging_ / name)) {
            failedEntry = shown.empty() ? "?" : shown;
            return copyError;
        }
    }
    if (error) failedEntry = windowsName(target_.filename());
    return error;
}

std::error_code FolderStaging::checkTargetNotHeld(fs::path& heldFile) const {
    std::error_code error;
    for (fs::recursive_directory_iterator it(target_, error), end; !error && it != end; it.increment(error)) {
        std::error_code probe;
        if (it->is_directory(probe)) continue;
        if (const std::error_code held = checkNotHeld(it->path())) {
            heldFile = it->path();
            return held;
        }
    }
    if (error) heldFile = target_;
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
