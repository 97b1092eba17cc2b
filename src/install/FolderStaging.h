#pragma once
// A folder of the game folder replaced as one step (a track set: its section pairs and its own pair).
// Its files are gathered in a staging folder beside the target ("<target>.zwtmp", a name the lists
// never show) and the staging folder is renamed into place only when every file is there. An
// existing target is set aside under formerFileName(target) for that moment and put back when the
// new folder cannot follow, so until then the earlier folder stays exactly as it was.

#include <filesystem>
#include <string>
#include <system_error>

namespace zw {

class FolderStaging {
public:
    explicit FolderStaging(std::filesystem::path target);

    const std::filesystem::path& target() const { return target_; }
    const std::filesystem::path& staging() const { return staging_; }

    // True when the target is a folder, or is missing while an earlier folder is set aside that
    // tidyEarlierRun will put back: an earlier set is then replaced.
    bool earlierFolderExists() const;

    // Tidies what an earlier run stopped half-way left: an earlier folder still set aside while the
    // target is missing is put back, then a stale staging folder and a former folder are removed.
    // An error, and nothing removed, when the earlier folder cannot be put back.
    std::error_code tidyEarlierRun();

    // Makes the empty staging folder.
    std::error_code begin();

    // Copies whatever the existing target holds that the staging folder does not (names compared as
    // Windows compares them; files left by an interrupted replace excepted) into the staging folder,
    // so that the user's own files survive the replace. `failedEntry` names the entry that failed.
    std::error_code carryOverFromTarget(std::string& failedEntry);

    // Proves that no file of the existing target is held open by another program (checkNotHeld), so
    // that moving the target aside cannot leave part of it behind; `heldFile` names the file that is.
    std::error_code checkTargetNotHeld(std::filesystem::path& heldFile) const;

    // Renames the staging folder into place, setting an existing target aside and removing it after.
    // On failure the earlier target is put back (or left under its former name when even that fails;
    // the next run puts it back). `formerNotRemoved` is set when only the removal of the set-aside
    // earlier folder failed: the new folder is in place then.
    std::error_code moveIntoPlace(std::error_code& formerNotRemoved);

    // Removes the staging folder after a failure.
    std::error_code abandon();

private:
    std::filesystem::path target_;
    std::filesystem::path staging_;
    std::filesystem::path former_;
};

}  // namespace zw
