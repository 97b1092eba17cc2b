#pragma once
// The install commands run as the windows run them: their messages shown and their question asked
// through `dialogs` (a Yes runs the command again), so that tests see what the author sees.

#include <filesystem>
#include <string>

#include "install/InstallCommands.h"
#include "install/Uninstall.h"
#include "workflow/ReportShowing.h"

namespace zw::test {

inline InstallOutcome installCtrFolder(const InstallSettings& settings, Dialogs& dialogs,
                                       const std::filesystem::path& parentFolder, const std::filesystem::path& item) {
    return *runAsking(dialogs, settings.language, [&](const Answers& answers) {
                return zw::installCtrFolder(settings, parentFolder, item, answers);
            }).value;
}

inline InstallOutcome installBuiltPair(CtrKind kind, const InstallSettings& settings, Dialogs& dialogs,
                                       const std::filesystem::path& builtFolder, const std::string& objectName) {
    return *runAsking(dialogs, settings.language, [&](const Answers& answers) {
                return zw::installBuiltPair(kind, settings, builtFolder, objectName, answers);
            }).value;
}

// Without `askFirst` as the command line uninstalls, with it as the windows do.
inline UninstallOutcome uninstallObject(CtrKind kind, Language language, Dialogs& dialogs,
                                        const std::filesystem::path& kindFolder, const std::filesystem::path& name,
                                        bool askFirst = false) {
    return *runAsking(dialogs, language, [&](const Answers& answers) {
                return zw::uninstallObject(kind, kindFolder, name, askFirst, answers);
            }).value;
}

}  // namespace zw::test
