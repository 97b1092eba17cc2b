#pragma once
// Listing the entries of a folder. On Windows the C runtime's folder walk takes folders of at most
// 260 characters; the list here asks the system itself, with the path in its long form ("\\?\"), so
// a folder deep in an author's documents lists as any other. Elsewhere std::filesystem lists it.

#include <filesystem>
#include <system_error>
#include <vector>

namespace zw {

struct ListedEntry {
    std::filesystem::path name;  // the entry's own name, without its folder
    bool isFolder = false;       // a folder, or a link to one
    bool isFile = false;         // a regular file, or a link to one
    bool isLink = false;         // a symbolic link (on Windows also a junction)
};

// The entries of `folder` other than "." and "..", in the order the system gives them. On failure
// (a folder that is not there, is no folder or cannot be read) an empty list and `error` set.
std::vector<ListedEntry> listFolder(const std::filesystem::path& folder, std::error_code& error);

#ifdef _WIN32
// The absolute path in the form that lifts Windows' 260-character limit: "\\?\C:\..." and
// "\\?\UNC\server\share\..."; "" when the path cannot be made absolute.
std::wstring longPathForm(const std::filesystem::path& path);
#endif

}  // namespace zw
