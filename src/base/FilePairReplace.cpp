#include "base/FilePairReplace.h"

#include "base/SafeFile.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

void removeQuietly(const fs::path& path) { removeFile(path); }

}  // namespace

fs::path formerFileName(const fs::path& first) {
    fs::path former = first;
    former += ".zwold";
    return former;
}

std::optional<FilePairReplaceFailure> replaceFilePair(const fs::path& stagedFirst, const fs::path& first,
                                                      const fs::path& stagedSecond, const fs::path& second) {
    const fs::path former = formerFileName(first);
    auto fail = [&](bool secondFile, std::error_code error) {
        removeQuietly(stagedFirst);
        removeQuietly(stagedSecond);
        FilePairReplaceFailure failure;
        failure.secondFile = secondFile;
        failure.error = error;
        return failure;
    };

    // The old first file is set aside, so it can be put back if the second file cannot follow. A
    // folder standing where the first file belongs is not moved; the rename over it fails below.
    std::error_code probe;
    const fs::file_status status = fs::symlink_status(first, probe);
    const bool hadFirst = fs::exists(status) && !fs::is_directory(status);
    if (hadFirst) {
        if (std::error_code error = replaceFile(first, former)) return fail(false, error);
    }

    if (std::error_code error = replaceFile(stagedFirst, first)) {
        FilePairReplaceFailure failure = fail(false, error);
        if (hadFirst) {
            failure.rollbackError = replaceFile(former, first);
            if (failure.rollbackError) failure.rollback = FirstFileRollback::OldFileKept;
        }
        return failure;
    }
    if (std::error_code error = replaceFile(stagedSecond, second)) {
        FilePairReplaceFailure failure = fail(true, error);
        if (hadFirst) {
            failure.rollbackError = replaceFile(former, first);
            failure.rollback = failure.rollbackError ? FirstFileRollback::OldFileKept : FirstFileRollback::OldFilePutBack;
        } else {
            failure.rollbackError = removeFile(first);
            failure.rollback = failure.rollbackError ? FirstFileRollback::NewFileKept : FirstFileRollback::NewFileRemoved;
        }
        return failure;
    }
    if (hadFirst) removeQuietly(former);
    return std::nullopt;
}

}  // namespace zw
