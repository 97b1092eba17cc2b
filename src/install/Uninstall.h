#pragma once
// Removing an installed ride, car or track set: its files as this program installs them, then its
// folder. A folder that still holds other files stays, with message 735.

#include <filesystem>

#include "base/Dialogs.h"
#include "base/Messages.h"
#include "install/GameFolders.h"

namespace zw {

enum class UninstallOutcome {
    Removed,     // the object's files and folder are gone
    FolderKept,  // the files this program knows are gone (or could not be deleted), the folder stays (735)
    NotRead,     // a track set whose common file cannot be read, or a name two entries share in another
                 // case: nothing was deleted (736, 737, damaged, namesDifferOnlyInCase)
    NotAnObject, // the name is not an installable object's plain name: nothing was touched
};

// Uninstalls `name` of `kind` from `kindFolder`, the game folder the name was listed from.
UninstallOutcome uninstallObject(CtrKind kind, Language language, Dialogs& dialogs,
                                 const std::filesystem::path& kindFolder, const std::filesystem::path& name);

}  // namespace zw
