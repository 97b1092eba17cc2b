#pragma once
// The hidden catalogue `trackSectionList` behind the "Track auswählen" menu: for every track type a header
// item with the type's name followed by the names of its sections. Section names that the shipped
// lists do not know are read from the game folder, from the ":tks" names in the string table of the
// track type's common OVL; nothing is ever made up.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "assistant/AssistantLists.h"

namespace zw {

// Reads the track section names (the ":tks" symbols without their tag) of a track set's common OVL;
// throws std::exception with a clear text for a file it cannot read or understand.
using TksNameReader = std::function<std::vector<std::string>(const std::filesystem::path& commonOvl)>;

// One item of the menu: the track type and the catalogue positions of its sections, [first, end).
struct TrackMenuItem {
    std::string trackType;
    size_t first = 0;
    size_t end = 0;
};

struct TrackCatalogue {
    std::vector<std::string> trackSectionList;
    std::vector<TrackMenuItem> menu;
};

// Lays the catalogue out: header, sections, next header, ... in menu order.
TrackCatalogue buildTrackCatalogue(const std::vector<TrackCatalogueType>& types);

// A track type whose sections could not be read from the game folder, and why.
struct TrackTypeReadFailure {
    std::string trackType;
    std::filesystem::path file;
    std::string reason;
};

// For every catalogue type without known sections, finds "<track type>.common.ovl" below `gamePath`
// (any case) and takes its ":tks" names; every name found is also offered in the section list.
// Types whose file is absent keep no sections; files that cannot be read are returned.
std::vector<TrackTypeReadFailure> readTrackSectionsFromGame(AssistantLists& lists, const std::filesystem::path& gamePath,
                                                            const TksNameReader& reader);

}  // namespace zw
