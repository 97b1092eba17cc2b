#pragma once
// The check of the game folder named in the settings, with the game's own names (the assistant's
// catalogue, completed from the game folder) for the rides' car types and track sections.

#include <filesystem>

#include "install/GameFolderCheck.h"

namespace zw {

// `executableFolder` holds the assistant's lists.
GameFolderReport checkGameFolderWithCatalogue(const std::filesystem::path& gameFolder, Language language,
                                              const std::filesystem::path& executableFolder,
                                              const CheckProgress& progress = {});

}  // namespace zw
