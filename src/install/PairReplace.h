#pragma once
// Copying an OVL pair into the game folder. The game loads a pair's two files together, so they are
// replaced together: both copies are staged beside their targets first, and a failure at any step
// leaves the old pair (or no pair) in place, never a new common file with an old unique file.

#include <filesystem>
#include <optional>
#include <system_error>

namespace zw {

enum class PairFile { Common, Unique };

struct PairCopyFailure {
    PairFile file;         // the file whose copy failed
    std::error_code error;
};

// Copies `fromCommon` to `toCommon` and `fromUnique` to `toUnique`, replacing existing files.
// Returns nothing on success; on failure the targets are as they were and no staging file is left.
std::optional<PairCopyFailure> replacePair(const std::filesystem::path& fromCommon,
                                           const std::filesystem::path& fromUnique,
                                           const std::filesystem::path& toCommon,
                                           const std::filesystem::path& toUnique);

}  // namespace zw
