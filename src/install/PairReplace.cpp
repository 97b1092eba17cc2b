#include "install/PairReplace.h"

#include <string>

#include "app/SafeFile.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

fs::path withSuffix(const fs::path& path, const char* suffix) {
    fs::path result = path;
    result += suffix;
    return result;
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace

std::optional<PairCopyFailure> replacePair(const fs::path& fromCommon, const fs::path& fromUnique,
                                           const fs::path& toCommon, const fs::path& toUnique) {
    const fs::path stagedCommon = withSuffix(toCommon, ".zwnew");
    const fs::path stagedUnique = withSuffix(toUnique, ".zwnew");
    const fs::path formerCommon = withSuffix(toCommon, ".zwold");

    // 1. Both copies beside their targets; nothing in the game folder has changed yet.
    if (std::error_code ec = copyFileAtomically(fromCommon, stagedCommon)) {
        removeQuietly(stagedCommon);
        return PairCopyFailure{PairFile::Common, ec};
    }
    if (std::error_code ec = copyFileAtomically(fromUnique, stagedUnique)) {
        removeQuietly(stagedCommon);
        removeQuietly(stagedUnique);
        return PairCopyFailure{PairFile::Unique, ec};
    }

    // 2. The old common file is set aside, so it can be put back if the unique file cannot follow.
    // A folder standing where the common file belongs is not moved; the copy over it fails below.
    std::error_code probe;
    const fs::file_status former = fs::symlink_status(toCommon, probe);
    const bool hadCommon = fs::exists(former) && !fs::is_directory(former);
    if (hadCommon) {
        if (std::error_code ec = replaceFile(toCommon, formerCommon)) {
            removeQuietly(stagedCommon);
            removeQuietly(stagedUnique);
            return PairCopyFailure{PairFile::Common, ec};
        }
    }
    auto restoreCommon = [&] {
        if (hadCommon) replaceFile(formerCommon, toCommon);
    };

    // 3. The new common file, then the new unique file.
    if (std::error_code ec = replaceFile(stagedCommon, toCommon)) {
        restoreCommon();
        removeQuietly(stagedCommon);
        removeQuietly(stagedUnique);
        return PairCopyFailure{PairFile::Common, ec};
    }
    if (std::error_code ec = replaceFile(stagedUnique, toUnique)) {
        if (hadCommon) {
            restoreCommon();
        } else {
            removeQuietly(toCommon);
        }
        removeQuietly(stagedUnique);
        return PairCopyFailure{PairFile::Unique, ec};
    }
    if (hadCommon) removeQuietly(formerCommon);
    return std::nullopt;
}

}  // namespace zw
