#include "assistant/TrackCatalogue.h"

#include <algorithm>
#include <map>

#include "base/AsciiCase.h"

namespace zw {
namespace {

// Every "*.common.ovl" below the game folder by its lower-case stem ("track8"); the first found wins.
std::map<std::string, std::filesystem::path> indexCommonOvls(const std::filesystem::path& gamePath) {
    std::map<std::string, std::filesystem::path> index;
    std::error_code error;
    if (gamePath.empty() || !std::filesystem::is_directory(gamePath, error)) return index;
    const std::string suffix = ".common.ovl";
    std::filesystem::recursive_directory_iterator it(
        gamePath, std::filesystem::directory_options::skip_permission_denied, error);
    for (; !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it.depth() > 6) it.disable_recursion_pending();
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        std::string name = lowerAscii(it->path().filename().string());
        if (name.size() <= suffix.size() || name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) continue;
        index.emplace(name.substr(0, name.size() - suffix.size()), it->path());
    }
    return index;
}

}  // namespace

TrackCatalogue buildTrackCatalogue(const std::vector<TrackCatalogueType>& types) {
    TrackCatalogue catalogue;
    for (const auto& type : types) {
        catalogue.TrackListe.push_back(type.trackType);
        TrackMenuItem item{type.trackType, catalogue.TrackListe.size(), 0};
        catalogue.TrackListe.insert(catalogue.TrackListe.end(), type.sections.begin(), type.sections.end());
        item.end = catalogue.TrackListe.size();
        catalogue.menu.push_back(item);
    }
    return catalogue;
}

std::vector<TrackTypeReadFailure> readTrackSectionsFromGame(AssistantLists& lists, const std::filesystem::path& gamePath,
                                                            const TksNameReader& reader) {
    std::vector<TrackTypeReadFailure> failures;
    if (!reader) return failures;
    bool anyMissing = std::any_of(lists.catalogue.begin(), lists.catalogue.end(),
                                  [](const TrackCatalogueType& type) { return type.sections.empty(); });
    if (!anyMissing) return failures;
    const auto index = indexCommonOvls(gamePath);
    for (auto& type : lists.catalogue) {
        if (!type.sections.empty()) continue;
        auto found = index.find(lowerAscii(type.trackType));
        if (found == index.end()) continue;
        try {
            type.sections = reader(found->second);
        } catch (const std::exception& e) {
            failures.push_back({type.trackType, found->second, e.what()});
            continue;
        }
        lists.trackSections.insert(lists.trackSections.end(), type.sections.begin(), type.sections.end());
    }
    sortTrackSectionNames(lists.trackSections);
    return failures;
}

}  // namespace zw
