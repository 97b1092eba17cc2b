#include "base/PathOnDisk.h"

#include <algorithm>
#include <string>
#include <system_error>
#include <vector>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/FolderListing.h"
#include "base/Report.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

unsigned char smallLetterOf(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + ('a' - 'A'));
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 0x20);
    switch (c) {
        case 0x8A: return 0x9A;  // Š
        case 0x8C: return 0x9C;  // Œ
        case 0x8E: return 0x9E;  // Ž
        case 0x9F: return 0xFF;  // Ÿ
        default: return c;
    }
}

[[maybe_unused]] bool entryExists(const fs::path& path) {
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

// The entries of `folder` whose names equal `name` ignoring case, sorted. A name that Windows-1252
// cannot hold is never one the program looks for, so such entries match only exactly.
[[maybe_unused]] std::vector<fs::path> entriesIgnoringCase(const fs::path& folder, const fs::path& name) {
    std::string wanted;
    try {
        wanted = pathToCp1252(name);
    } catch (const EncodingError&) {
        return {};
    }
    std::vector<fs::path> matches;
    std::error_code error;
    for (ListedEntry& listed : listFolder(folder, error)) {
        fs::path& entry = listed.name;
        try {
            if (equalIgnoringWindowsCase(pathToCp1252(entry), wanted)) matches.push_back(std::move(entry));
        } catch (const EncodingError&) {
        }
    }
    std::sort(matches.begin(), matches.end());
    return matches;
}

}  // namespace

bool equalIgnoringWindowsCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return smallLetterOf(static_cast<unsigned char>(x)) == smallLetterOf(static_cast<unsigned char>(y));
           });
}

PathOnDisk findPathOnDisk(const fs::path& path) {
    std::error_code ignored;
    if (path.empty()) return {PathOnDisk::Status::Missing, path, {}};
    if (fs::exists(fs::symlink_status(path, ignored))) return {PathOnDisk::Status::Found, path, {}};
#ifdef _WIN32
    return {PathOnDisk::Status::Missing, path, {}};
#else
    PathOnDisk result{PathOnDisk::Status::Found, path.root_path(), {}};
    const fs::path relative = path.relative_path();
    auto part = relative.begin();
    for (; part != relative.end(); ++part) {
        const fs::path exact = result.path / *part;
        if (part->empty() || *part == "." || *part == ".." || entryExists(exact)) {
            result.path = exact;
            continue;
        }
        const std::vector<fs::path> matches = entriesIgnoringCase(result.path, *part);
        if (matches.size() == 1) {
            result.path /= matches.front();
            continue;
        }
        if (matches.empty()) {
            result.status = PathOnDisk::Status::Missing;
        } else {
            result.status = PathOnDisk::Status::Ambiguous;
            result.candidates = {result.path / matches[0], result.path / matches[1]};
        }
        break;
    }
    for (; part != relative.end(); ++part) result.path /= *part;
    return result;
#endif
}

std::optional<fs::path> pathAsFoundOnDisk(const fs::path& path, Dialogs& dialogs, Language language) {
    PathOnDisk found = findPathOnDisk(path);
    if (found.status != PathOnDisk::Status::Ambiguous) return std::move(found.path);
    dialogs.showMessage(message("namesDifferOnlyInCase", language,
                                {displayName(found.candidates[0]), displayName(found.candidates[1])}));
    return std::nullopt;
}

bool findPathsOnDisk(std::initializer_list<fs::path*> paths, Dialogs& dialogs, Language language) {
    for (fs::path* path : paths) {
        std::optional<fs::path> found = pathAsFoundOnDisk(*path, dialogs, language);
        if (!found) return false;
        *path = std::move(*found);
    }
    return true;
}

std::optional<fs::path> pathAsFoundOnDisk(const fs::path& path, Report& report) {
    PathOnDisk found = findPathOnDisk(path);
    if (found.status != PathOnDisk::Status::Ambiguous) return std::move(found.path);
    report.message("namesDifferOnlyInCase", {displayName(found.candidates[0]), displayName(found.candidates[1])});
    return std::nullopt;
}

bool findPathsOnDisk(std::initializer_list<fs::path*> paths, Report& report) {
    for (fs::path* path : paths) {
        std::optional<fs::path> found = pathAsFoundOnDisk(*path, report);
        if (!found) return false;
        *path = std::move(*found);
    }
    return true;
}

}  // namespace zw
