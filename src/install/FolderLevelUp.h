#pragma once
// The install tab's "level up": the folder text loses its last folder name. A drive's root
// ("C:\") stays where it is, and so does the root "/" where that is the separator.

#include <filesystem>
#include <string>

namespace zw {

// `folder` ends with `separator`; so does the result.
template <typename String>
String folderOneLevelUp(const String& folder, typename String::value_type separator) {
    String text = folder;
    if (!text.empty() && text.back() == separator) text.pop_back();
    while (!(text.size() < 2 || text.back() == separator)) text.pop_back();
    if (text.size() >= 2) return text;
    // Only a drive letter or nothing is left: the folder was a root. Where the separator itself is
    // the root, one level up from a folder directly below it is that root.
    if (text.size() == 1 && text.front() == separator) return text;
    return folder;
}

inline std::filesystem::path folderOneLevelUp(const std::filesystem::path& folder) {
    return std::filesystem::path(folderOneLevelUp(folder.native(), std::filesystem::path::preferred_separator));
}

}  // namespace zw
