#include "assistant/AssistantLists.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/AppFolders.h"
#include "base/AsciiCase.h"
#include "base/SafeFile.h"

namespace zw {
namespace {


// An identifier is printable ASCII without the characters that separate values in a data file.
bool isIdentifier(const std::string& name) {
    if (name.empty()) return false;
    for (char c : name) {
        if (c <= ' ' || c > '~' || c == ',' || c == '/') return false;
    }
    return true;
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
    std::error_code error;
    auto bytes = readWholeFile(file, &error);
    if (!bytes) throw AssistantDataError(file, "cannot be read (" + error.message() + ")");
    std::vector<std::string> lines;
    std::istringstream in(*bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> readNameList(const std::filesystem::path& folder, const char* fileName) {
    const auto file = folder / fileName;
    std::vector<std::string> names;
    int lineNumber = 0;
    for (const auto& line : readLines(file)) {
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        if (!isIdentifier(line)) {
            throw AssistantDataError(file, "line " + std::to_string(lineNumber) + " is no identifier: " + line);
        }
        names.push_back(line);
    }
    if (names.empty()) throw AssistantDataError(file, "holds no names");
    return names;
}

std::vector<TrackCatalogueType> readCatalogue(const std::filesystem::path& folder) {
    const auto file = folder / kTrackCatalogueFile;
    std::vector<TrackCatalogueType> types;
    int lineNumber = 0;
    for (const auto& line : readLines(file)) {
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        auto bad = [&](const std::string& why) {
            return AssistantDataError(file, "line " + std::to_string(lineNumber) + " " + why + ": " + line);
        };
        if (line.front() == '=') {
            std::istringstream fields(line.substr(1));
            TrackCatalogueType type;
            long long count = -1;
            std::string rest;
            if (!(fields >> type.trackType >> count) || (fields >> rest) || count < 0 || !isIdentifier(type.trackType)) {
                throw bad("is no track type line \"= <track type> <section count>\"");
            }
            type.shippedSectionCount = static_cast<size_t>(count);
            types.push_back(std::move(type));
        } else {
            if (types.empty()) throw bad("names a section before the first track type");
            if (!isIdentifier(line)) throw bad("is no identifier");
            types.back().sections.push_back(line);
        }
    }
    if (types.empty()) throw AssistantDataError(file, "holds no track types");
    return types;
}

}  // namespace

bool sameIdentifier(const std::string& a, const std::string& b) {
    return equalIgnoringAsciiCase(a, b);
}

void sortTrackSectionNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const bool byLower = lessIgnoringAsciiCase(a, b);
        const bool reverse = lessIgnoringAsciiCase(b, a);
        if (byLower || reverse) return byLower;
        return a < b;
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
}

std::optional<std::filesystem::path> findAssistantDataFolder(const std::filesystem::path& executableFolder) {
    std::vector<std::filesystem::path> candidates;
    for (const auto& data : dataFolderCandidates(executableFolder)) candidates.push_back(data / "assistant");
    if (const char* source = std::getenv("ZW_SOURCE_DIR"); source && *source) {
        candidates.push_back(std::filesystem::path(source) / "data" / "assistant");
    }
    for (const auto& folder : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(folder / kTrackCatalogueFile, error)) return folder;
    }
    return std::nullopt;
}

AssistantLists loadAssistantLists(const std::filesystem::path& folder) {
    AssistantLists lists;
    lists.icons = readNameList(folder, kIconListFile);
    lists.cars = readNameList(folder, kCarListFile);
    lists.trackSections = readNameList(folder, kTrackSectionListFile);
    lists.trackTypes = readNameList(folder, kTrackTypeListFile);
    lists.stations = readNameList(folder, kStationListFile);
    lists.catalogue = readCatalogue(folder);
    // Sections named only in the catalogue are offered too.
    for (const auto& type : lists.catalogue) {
        lists.trackSections.insert(lists.trackSections.end(), type.sections.begin(), type.sections.end());
    }
    sortTrackSectionNames(lists.trackSections);
    return lists;
}

}  // namespace zw
