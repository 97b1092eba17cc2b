#pragma once
// Which entries of an installed CTR's folder belong to it, found by name alone: the pair named after
// the folder (and a track set's section pairs), whatever their letter case, as Windows finds them;
// the rest is a leftover of an interrupted run, a file the game does not load, or a nested folder.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct FolderEntry {
    std::filesystem::path name;
    bool isFolder = false;
};

// A wanted file among the entries: the entry of exactly that name, else the one equal to it
// ignoring case; two of the latter and none exact make it ambiguous.
struct EntryMatch {
    enum class Status { Found, Missing, Ambiguous };
    Status status = Status::Missing;
    size_t index = 0;  // Found: the entry; Ambiguous: the first of the two
    size_t other = 0;  // Ambiguous: the second
};
EntryMatch findEntry(const std::vector<FolderEntry>& entries, std::string_view cp1252Name);

enum class EntryRole { Belongs, Leftover, LooseFile, NestedFolder };

struct CtrFolderLayout {
    EntryMatch common;
    EntryMatch unique;
    struct Section {
        std::string name;  // Windows-1252, without "_data"
        EntryMatch common;
        EntryMatch unique;
    };
    std::vector<Section> sections;
    std::vector<EntryRole> roles;  // one per entry
};

// Lays out the folder of the CTR `cp1252Name` (its pair <name>.common.ovl / .unique.ovl) with the
// section pairs <s>_data.common.ovl / .unique.ovl of `sections`.
CtrFolderLayout layOutCtrFolder(std::string_view cp1252Name, const std::vector<FolderEntry>& entries,
                                const std::vector<std::string>& sections = {});

}  // namespace zw
