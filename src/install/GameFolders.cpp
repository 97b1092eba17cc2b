#include "install/GameFolders.h"

#include "base/Encoding.h"
#include "base/FolderListing.h"
#include "base/PathOnDisk.h"

namespace zw {

namespace fs = std::filesystem;

fs::path gameFolderOf(CtrKind kind, const fs::path& gamePath) {
    if (kind == CtrKind::Car) return gamePath / "Cars" / "TrackedRideCars";
    return gamePath / "tracks" / "TrackedRides";
}

std::optional<fs::path> findGameFolder(CtrKind kind, const fs::path& gamePath, Report& report) {
    return pathAsFoundOnDisk(gameFolderOf(kind, gamePath), report);
}

std::string_view namePrefixOf(CtrKind kind) { return kind == CtrKind::Track ? "TrackCTR_" : "CTR_"; }

bool nameStartsWith(const fs::path& name, std::string_view asciiPrefix) {
    const auto& text = name.native();
    if (text.size() < asciiPrefix.size()) return false;
    for (size_t i = 0; i < asciiPrefix.size(); ++i) {
        if (text[i] != static_cast<fs::path::value_type>(asciiPrefix[i])) return false;
    }
    return true;
}

bool nameHasDot(const fs::path& name) {
    return name.native().find(static_cast<fs::path::value_type>('.')) != fs::path::string_type::npos;
}

bool isPlainEntryName(const fs::path& name) {
    if (name.empty() || name == "." || name == "..") return false;
    for (auto c : name.native()) {
        if (c == static_cast<fs::path::value_type>('/') || c == static_cast<fs::path::value_type>('\\')) return false;
    }
    return !name.has_root_name();
}

std::vector<fs::path> listUndottedEntries(const fs::path& folder, std::error_code& error) {
    std::vector<fs::path> names;
    error.clear();
    for (ListedEntry& entry : listFolder(folder, error)) {
        if (!nameHasDot(entry.name)) names.push_back(std::move(entry.name));
    }
    return names;
}

std::vector<fs::path> listInstalledObjects(CtrKind kind, const fs::path& kindFolder, std::error_code& error) {
    std::vector<fs::path> objects;
    for (auto& name : listUndottedEntries(kindFolder, error)) {
        if (nameStartsWith(name, namePrefixOf(kind))) objects.push_back(std::move(name));
    }
    return objects;
}

Result<InstalledObjects> findInstalledObjects(CtrKind kind, const fs::path& gamePath,
                                              std::optional<ReportMessage>& problem) {
    problem.reset();
    Result<InstalledObjects> result;
    const auto folder = findGameFolder(kind, gamePath, result.report);
    if (!folder) return result;
    std::error_code error;
    if (!fs::exists(*folder, error)) {
        const PathOnDisk game = findPathOnDisk(gamePath);
        if (game.status != PathOnDisk::Status::Found || !fs::is_directory(game.path, error)) {
            problem = ReportMessage{"gameFolderMissing", {displayName(gamePath)}};
            return result;
        }
        // A game without anything of this kind installed yet.
        result.value = InstalledObjects{*folder, {}};
        return result;
    }
    InstalledObjects objects{*folder, listInstalledObjects(kind, *folder, error)};
    if (error) {
        problem = ReportMessage{"730", {displayName(*folder)}};
        return result;
    }
    result.value = std::move(objects);
    return result;
}

std::string nameForMessage(const fs::path& name) {
    try {
        return pathToCp1252(name);
    } catch (const EncodingError&) {
    }
    // Convert character by character so that one strange character does not hide the whole name.
    const std::u8string utf8 = name.u8string();
    std::string out;
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
        if (i + length > utf8.size()) length = 1;
        try {
            out += utf8ToCp1252(std::string_view(reinterpret_cast<const char*>(utf8.data()) + i, length));
        } catch (const EncodingError&) {
            out += '?';
        }
        i += length;
    }
    return out;
}

fs::path withTrailingSeparator(const fs::path& folder) {
    fs::path::string_type text = folder.native();
    if (text.empty() || text.back() != fs::path::preferred_separator) text += fs::path::preferred_separator;
    return fs::path(text);
}

}  // namespace zw
