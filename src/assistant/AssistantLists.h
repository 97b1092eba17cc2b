#pragma once
// The game's vocabulary that the assistant offers as lists: ride icons, car types, track sections,
// track types, station types and the track catalogue behind the "Track auswählen" menu. They are
// the game's identifiers and ship as text files in data/assistant/, read when the assistant starts.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace zw {

// A list file that is missing or holds something that is no identifier.
struct AssistantDataError : std::runtime_error {
    AssistantDataError(const std::filesystem::path& file, const std::string& what)
        : std::runtime_error(what), file(file) {}
    std::filesystem::path file;
};

// One track type of the catalogue: its name (the header item), the number of sections it had in the
// game version the lists were taken from, and the section names known for it (in catalogue order).
struct TrackCatalogueType {
    std::string trackType;
    size_t shippedSectionCount = 0;
    std::vector<std::string> sections;
};

struct AssistantLists {
    std::vector<std::string> icons;          // lstIcons, in the shipped order
    std::vector<std::string> cars;           // txtWagentypen, in the shipped order
    std::vector<std::string> trackSections;  // txtStreckensektionen, alphabetical
    std::vector<std::string> trackTypes;     // lstStreckentypen, in the shipped order
    std::vector<std::string> stations;       // lstStationstyp
    std::vector<TrackCatalogueType> catalogue;  // the menu's track types, in menu order
};

// The file names below the data folder.
inline constexpr const char* kIconListFile = "icons.txt";
inline constexpr const char* kCarListFile = "cars.txt";
inline constexpr const char* kTrackSectionListFile = "track_sections.txt";
inline constexpr const char* kTrackTypeListFile = "track_types.txt";
inline constexpr const char* kStationListFile = "stations.txt";
inline constexpr const char* kTrackCatalogueFile = "track_catalogue.txt";

// Where the list files are: `data/assistant` beside the executable (a build or a portable copy), or
// `../share/zorbaltwerk/assistant` from it (an installed package), else below the source tree named by
// the environment variable ZW_SOURCE_DIR (tests). nullopt when none holds the catalogue file.
std::optional<std::filesystem::path> findAssistantDataFolder(const std::filesystem::path& executableFolder);

// Reads all list files of `folder`; throws AssistantDataError naming the first bad or missing file.
AssistantLists loadAssistantLists(const std::filesystem::path& folder);

// Sorts section names alphabetically, ignoring case, and drops exact duplicates.
void sortTrackSectionNames(std::vector<std::string>& names);

// Case-insensitive comparison of ASCII identifiers (what the window's lists use to find an item).
bool sameIdentifier(const std::string& a, const std::string& b);

}  // namespace zw
