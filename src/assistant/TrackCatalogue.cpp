#include "assistant/TrackCatalogue.h"

#include <algorithm>
#include <map>
#include <string_view>

#include "base/AsciiCase.h"
#include "base/FolderListing.h"

namespace zw {
namespace {

constexpr std::string_view kCommonSuffix = ".common.ovl";

// Adds the "*.common.ovl" files in `folder` and its folders to `index`, depth first in the order
// the system lists them; folders more than seven levels below the game folder, links to folders and
// folders that cannot be read are not entered.
void indexFolder(const std::filesystem::path& folder, int depth, std::map<std::string, std::filesystem::path>& index) {
    std::error_code error;
    for (const ListedEntry& entry : listFolder(folder, error)) {
        if (entry.isFolder) {
            if (!entry.isLink && depth <= 6) indexFolder(folder / entry.name, depth + 1, index);
            continue;
        }
        if (!entry.isFile) continue;
        std::string name = lowerAscii(entry.name.string());
        if (name.size() <= kCommonSuffix.size() ||
            name.compare(name.size() - kCommonSuffix.size(), kCommonSuffix.size(), kCommonSuffix) != 0)
            continue;
        index.emplace(name.substr(0, name.size() - kCommonSuffix.size()), folder / entry.name);
    }
}

// Every "*.common.ovl" below the game folder by its lower-case stem ("track8"); the first found wins.
std::map<std::string, std::filesystem::path> indexCommonOvls(const std::filesystem::path& gamePath) {
    std::map<std::string, std::filesystem::path> index;
    if (!gamePath.empty()) indexFolder(gamePath, 0, index);
    return index;
}

}  // namespace

TrackCatalogue buildTrackCatalogue(const std::vector<TrackCatalogueType>& types) {
    TrackCatalogue catalogue;
    for (const auto& type : types) {
        catalogue.trackSectionList.push_back(type.trackType);
        TrackMenuItem item{type.trackType, catalogue.trackSectionList.size(), 0};
        catalogue.trackSectionList.insert(catalogue.trackSectionList.end(), type.sections.begin(), type.sections.end());
        item.end = catalogue.trackSectionList.size();
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
