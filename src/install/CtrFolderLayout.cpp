#include "install/CtrFolderLayout.h"

#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "base/SafeFile.h"

namespace zw {

namespace {

// The entry's name in Windows-1252, or nothing when it holds a character that Windows-1252 lacks
// (no file of a CTR can be named so).
std::optional<std::string> cp1252NameOf(const FolderEntry& entry) {
    try {
        return pathToCp1252(entry.name);
    } catch (const EncodingError&) {
        return std::nullopt;
    }
}

void claim(const EntryMatch& match, std::vector<EntryRole>& roles) {
    if (match.status == EntryMatch::Status::Missing) return;
    roles[match.index] = EntryRole::Belongs;
    if (match.status == EntryMatch::Status::Ambiguous) roles[match.other] = EntryRole::Belongs;
}

}  // namespace

EntryMatch findEntry(const std::vector<FolderEntry>& entries, std::string_view cp1252Name) {
    EntryMatch match;
    size_t caseless = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].isFolder) continue;
        const std::optional<std::string> name = cp1252NameOf(entries[i]);
        if (!name) continue;
        if (*name == cp1252Name) return {EntryMatch::Status::Found, i, 0};
        if (!equalIgnoringWindowsCase(*name, cp1252Name)) continue;
        if (++caseless == 1) {
            match = {EntryMatch::Status::Found, i, 0};
        } else if (caseless == 2) {
            match = {EntryMatch::Status::Ambiguous, match.index, i};
        }
    }
    return match;
}

CtrFolderLayout layOutCtrFolder(std::string_view cp1252Name, const std::vector<FolderEntry>& entries,
                                const std::vector<std::string>& sections) {
    CtrFolderLayout layout;
    layout.roles.assign(entries.size(), EntryRole::LooseFile);
    const std::string name(cp1252Name);
    layout.common = findEntry(entries, name + ".common.ovl");
    layout.unique = findEntry(entries, name + ".unique.ovl");
    claim(layout.common, layout.roles);
    claim(layout.unique, layout.roles);
    for (const std::string& section : sections) {
        CtrFolderLayout::Section s{section, findEntry(entries, section + "_data.common.ovl"),
                                   findEntry(entries, section + "_data.unique.ovl")};
        claim(s.common, layout.roles);
        claim(s.unique, layout.roles);
        layout.sections.push_back(std::move(s));
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (layout.roles[i] == EntryRole::Belongs) continue;
        if (isTemporaryName(entries[i].name)) {
            layout.roles[i] = EntryRole::Leftover;
        } else if (entries[i].isFolder) {
            layout.roles[i] = EntryRole::NestedFolder;
        }
    }
    return layout;
}

}  // namespace zw
