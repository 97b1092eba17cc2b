#pragma once
// Fault injection for the writers: a writer is run once for each n with the nth file operation of a
// kind failing (FileFaults.h), until a run in which that kind had no nth operation left, so every
// create, write, flush, rename or remove it makes fails once. After each failed run the writer must
// have shown a message and the watched folder must be as the check expects (by default exactly as it
// was: old files intact, nothing half-written under a final name, no temporary file); the run that
// finally succeeds must leave no temporary file. The folder is set back after every run.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "base/FileFaults.h"
#include "support/ScriptedDialogs.h"

namespace zw::test {

// A folder's files and folders below it (relative path → content, "<folder>" for a folder).
using FolderSnapshot = std::map<std::string, std::string>;
FolderSnapshot snapshotOf(const std::filesystem::path& folder);

struct FaultSweep {
    std::filesystem::path watched;
    std::vector<FileOperation> kinds;
    // Runs the writer; true when it reports success.
    std::function<bool()> write;
    // After a failed run, given the snapshot from before; the default expects the folder unchanged.
    std::function<void(const FolderSnapshot& before)> checkAfterFault = nullptr;
    // How the operations fail: as a full disk or refusing folder, or as a file the game holds open.
    FaultCause cause = FaultCause::Refusal;
};

// Runs the sweep; returns how many runs failed in all (a sweep that never failed tests nothing).
int runFaultSweep(const FaultSweep& sweep, ScriptedDialogs& dialogs);

}  // namespace zw::test
