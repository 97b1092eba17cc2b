#pragma once
// The first step of a pair build: the output folder, and the overwrite question when an earlier
// pair stands in it.

#include <filesystem>
#include <string>
#include <string_view>

#include "app/Messages.h"

namespace zw {

class Dialogs;

// Makes `folder`. When it was there already and holds `commonFile` or `uniqueFile`, asks the
// question `questionId` (caption "Warnung"/"Warning") unless `OverwriteWithoutPrompt`. A folder that
// is neither there nor made is reported ("outputFolderNotCreated"). True when the build may go on.
bool prepareBuildOutputFolder(const std::filesystem::path& folder, const std::filesystem::path& commonFile,
                              const std::filesystem::path& uniqueFile, bool OverwriteWithoutPrompt,
                              std::string_view questionId, Dialogs& dialogs, Language language);

// Makes the temporary folder of a build (an existing one is used); reports a failure.
bool prepareBuildTempFolder(const std::filesystem::path& TempFolder, Dialogs& dialogs, Language language);

}  // namespace zw
