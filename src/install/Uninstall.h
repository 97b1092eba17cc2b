#pragma once
// Removing an installed ride, car or track set: its files as this program installs them, then its
// folder. The files go all or nothing: a file that another program holds open (the running game)
// keeps every file in place. A folder that still holds other files stays, with message 735.

#include <cstddef>
#include <filesystem>
#include <functional>

#include "base/Dialogs.h"
#include "base/Messages.h"
#include "install/GameFolders.h"
#include "install/InstallSettings.h"

namespace zw {

enum class UninstallOutcome {
    Removed,     // the object's files and folder are gone
    FolderKept,  // the files this program knows are gone, the folder stays (735)
    NotRead,     // a track set whose common file cannot be read, or a name two entries share in another
                 // case: nothing was deleted (736, 737, damaged, namesDifferOnlyInCase, in use)
    NotAnObject, // the name is not an installable object's plain name: nothing was touched
    Declined,    // the confirmation said No: nothing was touched
    NotRemoved,  // a file is held open by another program or could not be set aside: nothing was deleted
    PartlyRemoved,  // a deletion failed after others had succeeded: the rest was put back and named
};

// Asked once the files to delete are counted, before any is touched; false keeps everything.
using UninstallConfirmation = std::function<bool(std::size_t fileCount)>;

// The window's question before `name` is removed ("Remove CTR_X from the game? ..."), skipped when
// overwriting without asking is set.
UninstallConfirmation askBeforeUninstalling(const InstallSettings& settings, Dialogs& dialogs,
                                            const std::filesystem::path& name);

// Uninstalls `name` of `kind` from `kindFolder`, the game folder the name was listed from, and says
// what was removed.
UninstallOutcome uninstallObject(CtrKind kind, Language language, Dialogs& dialogs,
                                 const std::filesystem::path& kindFolder, const std::filesystem::path& name,
                                 const UninstallConfirmation& confirm = {});

}  // namespace zw
