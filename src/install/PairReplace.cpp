#include "install/PairReplace.h"

#include <string>

#include "base/FilePairReplace.h"
#include "base/SafeFile.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

fs::path withSuffix(const fs::path& path, const char* suffix) {
    fs::path result = path;
    result += suffix;
    return result;
}

void removeQuietly(const fs::path& path) { removeFile(path); }

}  // namespace

std::optional<PairCopyFailure> replacePair(const fs::path& fromCommon, const fs::path& fromUnique,
                                           const fs::path& toCommon, const fs::path& toUnique) {
    const fs::path stagedCommon = withSuffix(toCommon, ".zwnew");
    const fs::path stagedUnique = withSuffix(toUnique, ".zwnew");
    // What a run stopped half-way left beside the pair goes first.
    removeLeftoversOf(toCommon);
    removeLeftoversOf(toUnique);

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

    // 2. A target that another program holds open cannot be replaced (Windows refuses the rename over
    //    it only as "access denied"): found out before anything moves, and told as such.
    for (const auto& [target, file] : {std::pair{&toCommon, PairFile::Common}, std::pair{&toUnique, PairFile::Unique}}) {
        if (std::error_code ec = checkNotHeld(*target)) {
            removeQuietly(stagedCommon);
            removeQuietly(stagedUnique);
            return PairCopyFailure{file, ec};
        }
    }

    // 3. Both renamed over the installed pair; a unique file that cannot follow sets the common file back.
    if (auto failure = replaceFilePair(stagedCommon, toCommon, stagedUnique, toUnique)) {
        return PairCopyFailure{failure->secondFile ? PairFile::Unique : PairFile::Common, failure->error};
    }
    return std::nullopt;
}

}  // namespace zw
