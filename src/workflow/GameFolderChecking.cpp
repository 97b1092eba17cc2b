#include "workflow/GameFolderChecking.h"

#include "workflow/DataFileChecking.h"

namespace zw {

GameFolderReport checkGameFolderWithCatalogue(const std::filesystem::path& gameFolder, Language language,
                                              const std::filesystem::path& executableFolder,
                                              const CheckProgress& progress) {
    GameCatalogue catalogue = readGameCatalogue(executableFolder, gameFolder);
    GameNames names;
    if (catalogue.names) {
        names.carTypesKnown = true;
        names.carTypes = std::move(catalogue.names->carTypes);
        names.allTrackSectionsKnown = catalogue.allTrackSectionsKnown;
        names.trackSections = std::move(catalogue.names->trackSections);
    }
    return checkGameFolder(gameFolder, names, language, progress);
}

}  // namespace zw
