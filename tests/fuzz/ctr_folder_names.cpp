// The names the check of the game folder meets in a CTR's folder: the input is one name a line, the
// first the CTR's, the others its entries (a leading "/" makes an entry a folder); the lines after an
// empty one are track section names.

#include "FuzzTarget.h"
#include "install/CtrFolderLayout.h"
#include "install/GameFolders.h"

ZW_FUZZ_TARGET(ctr_folder_names) {
    std::vector<std::string_view> lines;
    for (size_t start = 0; start <= input.size();) {
        const size_t end = std::min(input.find('\n', start), input.size());
        lines.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    const std::string ctr(lines.front());
    std::vector<zw::FolderEntry> entries;
    std::vector<std::string> sections;
    bool inSections = false;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line.empty()) {
            inSections = true;
            continue;
        }
        if (inSections) {
            sections.emplace_back(line);
            continue;
        }
        const bool folder = line.front() == '/';
        if (folder) line.remove_prefix(1);
        entries.push_back({std::filesystem::path(std::string(line)), folder});
    }
    const zw::CtrFolderLayout layout = zw::layOutCtrFolder(ctr, entries, sections);
    if (layout.roles.size() != entries.size()) __builtin_trap();
    for (const zw::FolderEntry& entry : entries) (void)zw::nameForMessage(entry.name);
}
