#include "base/FolderListing.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace zw {

namespace fs = std::filesystem;

#ifdef _WIN32

namespace {

// The system's error number as the portable condition the rest of the program compares with, where
// there is one.
std::error_code windowsError(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return std::make_error_code(std::errc::no_such_file_or_directory);
        case ERROR_DIRECTORY:
            return std::make_error_code(std::errc::not_a_directory);
        case ERROR_ACCESS_DENIED:
            return std::make_error_code(std::errc::permission_denied);
        default:
            return {static_cast<int>(code), std::system_category()};
    }
}

}  // namespace

std::wstring longPathForm(const fs::path& path) {
    const std::wstring& given = path.empty() ? std::wstring(L".") : path.native();
    if (given.rfind(L"\\\\?\\", 0) == 0) return given;
    // The long form is taken as written: slashes, "." and ".." are resolved here first.
    std::wstring full(given.size() + MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(given.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return {};
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length + 1);
    }
    if (full.rfind(L"\\\\.\\", 0) == 0) return full;  // a device, already outside the limit
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::vector<ListedEntry> listFolder(const fs::path& folder, std::error_code& error) {
    error.clear();
    std::wstring pattern = longPathForm(folder);
    if (pattern.empty()) {
        error = windowsError(GetLastError());
        return {};
    }
    if (pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        // Only a drive's root can be without "." and "..": nothing found in a folder is an empty one.
        pattern.pop_back();
        const DWORD attributes = GetFileAttributesW(pattern.c_str());
        const bool emptyFolder = code == ERROR_FILE_NOT_FOUND && attributes != INVALID_FILE_ATTRIBUTES &&
                                 (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (!emptyFolder) error = windowsError(code);
        return {};
    }
    std::vector<ListedEntry> entries;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        const bool folderEntry = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        const bool link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 &&
                          (data.dwReserved0 == IO_REPARSE_TAG_SYMLINK || data.dwReserved0 == IO_REPARSE_TAG_MOUNT_POINT);
        entries.push_back({fs::path(name), folderEntry, !folderEntry, link});
    } while (FindNextFileW(find, &data));
    const DWORD code = GetLastError();
    FindClose(find);
    if (code != ERROR_NO_MORE_FILES) {
        error = windowsError(code);
        return {};
    }
    return entries;
}

#else

std::vector<ListedEntry> listFolder(const fs::path& folder, std::error_code& error) {
    // The system's own listing: the kind of most entries comes with their names, and a link is
    // looked at only to learn what it names (a check walks through thousands of folders).
    error.clear();
    std::vector<ListedEntry> entries;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) {
        error = {errno, std::generic_category()};
        return entries;
    }
    for (;;) {
        errno = 0;
        const dirent* e = readdir(dir);
        if (e == nullptr) {
            if (errno != 0) {
                error = {errno, std::generic_category()};
                entries.clear();
            }
            break;
        }
        const std::string_view name = e->d_name;
        if (name == "." || name == "..") continue;
        ListedEntry entry{fs::path(name), false, false, false};
        unsigned char type = e->d_type;
        struct stat status {};
        if (type == DT_UNKNOWN && fstatat(dirfd(dir), e->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0) {
            type = S_ISLNK(status.st_mode) ? DT_LNK : S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        entry.isLink = type == DT_LNK;
        if (entry.isLink && fstatat(dirfd(dir), e->d_name, &status, 0) == 0) {
            type = S_ISDIR(status.st_mode) ? DT_DIR : S_ISREG(status.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        entry.isFolder = type == DT_DIR;
        entry.isFile = type == DT_REG;
        entries.push_back(std::move(entry));
    }
    closedir(dir);
    return entries;
}

#endif

}  // namespace zw
