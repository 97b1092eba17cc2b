#pragma once
// Two files that are only used together (the two files of an OVL pair) replaced as one step. Both
// are written in full under staged names beside their targets first; then the first target's old
// file is set aside, the staged files are renamed over their targets, and when the second rename
// fails the first target is set back: its old file is put back, or the new one removed when there
// was none. So a failure never leaves a new first file beside an old second one unreported.

#include <filesystem>
#include <optional>
#include <system_error>

namespace zw {

// What became of the first target after the second file could not replace its own.
enum class FirstFileRollback {
    None,            // the first target is as it was
    OldFilePutBack,  // its old file is back
    NewFileRemoved,  // there was none before; the new one is gone again
    OldFileKept,     // the old file could not be put back: it stays under formerFileName(first)
    NewFileKept,     // there was none before, and the new one could not be removed
};

struct FilePairReplaceFailure {
    bool secondFile = false;  // which rename failed: the first target's or the second's
    std::error_code error;
    FirstFileRollback rollback = FirstFileRollback::None;
    std::error_code rollbackError;  // with OldFileKept and NewFileKept
};

// Renames `stagedFirst` over `first` and `stagedSecond` over `second` as described above. Returns
// nothing on success; on failure no staged file is left behind.
std::optional<FilePairReplaceFailure> replaceFilePair(const std::filesystem::path& stagedFirst,
                                                      const std::filesystem::path& first,
                                                      const std::filesystem::path& stagedSecond,
                                                      const std::filesystem::path& second);

// Where the first target's old file waits while the pair is replaced.
std::filesystem::path formerFileName(const std::filesystem::path& first);

}  // namespace zw
