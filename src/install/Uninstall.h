#pragma once
// Removing an installed ride, car or track set: its files as this program installs them, then its
// folder. The files go all or nothing: a file that another program holds open (the running game)
// keeps every file in place. A folder that still holds other files stays, with message 735.

#include <cstddef>
#include <filesystem>

#include "base/Report.h"
#include "install/GameFolders.h"
#include "install/InstallSettings.h"

namespace zw {

enum class UninstallOutcome {
    Removed,     // the object's files and folder are gone
    FolderKept,  // the files this program knows are gone, the folder stays (735)
    NotRead,     // a track set whose common file cannot be read, or a name two entries share in another
                 // case: nothing was deleted (736, 737, damaged, namesDifferOnlyInCase, in use)
    NotAnObject, // the name is not an installable object's plain name: nothing was touched
    Declined,    // stopped at the confirmation (the report holds it), or answered No: nothing was touched
    NotRemoved,  // a file is held open by another program or could not be set aside: nothing was deleted
    PartlyRemoved,  // a deletion failed after others had succeeded: the rest was put back and named
};

// An uninstall's outcome (always set) and what it has to say.
using UninstallResult = Result<UninstallOutcome>;

// Whether the windows ask before removing an object: not when overwriting without asking is set.
inline bool asksBeforeUninstalling(const InstallSettings& settings) { return !settings.overwriteWithoutPrompt; }

// Uninstalls `name` of `kind` from `kindFolder`, the game folder the name was listed from, and says
// what was removed. With `askFirst` it stops, once the files to delete are counted and before any
// is touched, at the question "Remove CTR_X from the game? ..." unless `answers` say Yes.
UninstallResult uninstallObject(CtrKind kind, const std::filesystem::path& kindFolder,
                                const std::filesystem::path& name, bool askFirst = false,
                                const Answers& answers = {});

}  // namespace zw
