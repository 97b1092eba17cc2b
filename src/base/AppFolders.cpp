#include "base/AppFolders.h"

#include <cstdlib>
#include <string>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zw {
namespace {

std::optional<std::filesystem::path> environmentPath(const char* name) {
#ifdef _WIN32
    // Wide, so a user name outside the ANSI code page survives.
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
#else
    const char* value = std::getenv(name);
#endif
    if (!value || !*value) return std::nullopt;
    return std::filesystem::path(value);
}

// Whether a new file can be made in `folder`, found out by making one: permission bits and access
// lists tell too little (Program Files under user account control, network shares).
bool canCreateFileIn(const std::filesystem::path& folder) {
    if (folder.empty()) return false;
#ifdef _WIN32
    const std::filesystem::path probe = folder / (L".zorbaltwerk-write-test-" + std::to_wstring(GetCurrentProcessId()));
    HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
#else
    const std::filesystem::path probe = folder / (".zorbaltwerk-write-test-" + std::to_string(getpid()));
    const int file = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (file < 0) return false;
    close(file);
    unlink(probe.c_str());
    return true;
#endif
}

std::optional<std::filesystem::path> perUserFolder(const FolderFacts& facts) {
    if (facts.windows) {
        if (facts.appData && facts.appData->is_absolute()) return *facts.appData / "Zorbaltwerk";
        return std::nullopt;
    }
    // A relative XDG_DATA_HOME is invalid and ignored, as the base directory rules say.
    if (facts.xdgDataHome && facts.xdgDataHome->is_absolute()) return *facts.xdgDataHome / "zorbaltwerk";
    if (facts.home && facts.home->is_absolute()) return *facts.home / ".local" / "share" / "zorbaltwerk";
    return std::nullopt;
}

}  // namespace

AppFolders decideAppFolders(const FolderFacts& facts) {
    if (facts.programFolderWritable && !facts.installedLayout && !facts.programFolder.empty()) {
        return {FolderMode::Portable, facts.programFolder};
    }
    if (auto folder = perUserFolder(facts)) return {FolderMode::PerUser, *folder};
    return {FolderMode::CurrentFolder, facts.currentFolder};
}

std::filesystem::path executableFolder() {
#ifdef _WIN32
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return {};
        if (length < name.size()) {
            name.resize(length);
            break;
        }
        name.resize(name.size() * 2);
    }
    return std::filesystem::path(name).parent_path();
#else
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
#endif
}

std::vector<std::filesystem::path> dataFolderCandidates(const std::filesystem::path& programFolder) {
    if (programFolder.empty()) return {};
    return {programFolder / "data", programFolder.parent_path() / "share" / "zorbaltwerk"};
}

std::filesystem::path guideFile(const std::filesystem::path& programFolder) {
    const std::filesystem::path beside = programFolder / "README.html";
    const std::filesystem::path packaged = programFolder.parent_path() / "share" / "doc" / "zorbaltwerk" / "README.html";
    std::error_code error;
    if (!programFolder.empty()) {
        if (std::filesystem::is_regular_file(beside, error)) return beside;
        if (std::filesystem::is_regular_file(packaged, error)) return packaged;
    }
#ifdef _WIN32
    return beside;
#else
    return "/usr/share/doc/zorbaltwerk/README.html";
#endif
}

FolderFacts currentFolderFacts() {
    FolderFacts facts;
    facts.programFolder = executableFolder();
    facts.programFolderWritable = canCreateFileIn(facts.programFolder);
    std::error_code error;
    facts.installedLayout = facts.programFolder.filename() == "bin" &&
                            std::filesystem::is_directory(dataFolderCandidates(facts.programFolder).back(), error);
#ifdef _WIN32
    facts.windows = true;
#endif
    facts.appData = environmentPath("APPDATA");
    facts.xdgDataHome = environmentPath("XDG_DATA_HOME");
    facts.home = environmentPath("HOME");
    facts.currentFolder = std::filesystem::current_path(error);
    return facts;
}

}  // namespace zw
