#include "workflow/DataFileChecking.h"

#include <algorithm>

#include "assistant/AssistantLists.h"
#include "assistant/AssistantStart.h"
#include "assistant/TrackCatalogue.h"
#include "base/Encoding.h"
#include "workflow/NamedPairCheck.h"
#include "workflow/ProjectState.h"

namespace zw {

GameCatalogue readGameCatalogue(const std::filesystem::path& executableFolder, const std::filesystem::path& gameFolder) {
    GameCatalogue catalogue;
    std::error_code error;
    if (gameFolder.empty() || !std::filesystem::is_directory(gameFolder, error)) return catalogue;
    const auto folder = findAssistantDataFolder(executableFolder);
    if (!folder) {
        catalogue.problem = pathForMessage(executableFolder / "data" / "assistant" / kTrackCatalogueFile) + ": not found";
        return catalogue;
    }
    try {
        AssistantLists lists = loadAssistantLists(*folder);
        // Track types whose file cannot be read keep the sections the shipped lists know.
        (void)readTrackSectionsFromGame(lists, gameFolder, readTrackTypeSections);
        catalogue.allTrackSectionsKnown = std::all_of(lists.catalogue.begin(), lists.catalogue.end(),
                                                      [](const TrackCatalogueType& t) { return !t.sections.empty(); });
        catalogue.names = KnownNames{lists.cars, lists.trackSections, lists.icons, lists.stations};
    } catch (const AssistantDataError& e) {
        catalogue.problem = pathForMessage(e.file) + ": " + asciiOnlyText(e.what());
    }
    return catalogue;
}

std::vector<DataFileFinding> checkReadDataFile(DataFileKind kind, const ProjectState& state,
                                               const std::filesystem::path& executableFolder) {
    const GameCatalogue catalogue = readGameCatalogue(executableFolder, state.settings.gameFolder());
    DataFileCheckSettings settings;
    settings.language = languageOf(state.settings.UseEnglish);
    settings.addOnsEnabled = state.settings.AddOnsEnabled;
    settings.hiddenSettings = state.settings.HiddenSettings;
    settings.known = catalogue.names ? &*catalogue.names : nullptr;
    settings.catalogueProblem = catalogue.problem;
    std::vector<DataFileFinding> findings = checkDataFile(kind, state.dataFiles, settings);
    // What the build would stop on beyond the file itself: the pairs it names.
    const std::vector<DataFileFinding> pairs =
        kind == DataFileKind::Car ? checkCarModels(state.car, state.dataFiles, settings.language)
                                  : checkRidePairs(state.ride, state.dataFiles, settings.language);
    findings.insert(findings.end(), pairs.begin(), pairs.end());
    std::stable_sort(findings.begin(), findings.end(),
                     [](const DataFileFinding& a, const DataFileFinding& b) { return a.line < b.line; });
    return findings;
}

}  // namespace zw
