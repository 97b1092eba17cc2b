#pragma once
// Where the program keeps its files. A copy unpacked into a folder the user can write (a portable
// copy, or the build folder) keeps the options file, Temp and the assistant's builds beside the
// program. A program installed where the user cannot write (Program Files, /usr/bin) keeps them in a
// per-user folder instead: %APPDATA%\Zorbaltwerk on Windows, $XDG_DATA_HOME/zorbaltwerk or
// ~/.local/share/zorbaltwerk elsewhere. The desktop program and the command-line program decide it
// the same way, so both find the options confirmed in either.

#include <filesystem>
#include <optional>
#include <vector>

namespace zw {

// What the decision looks at; currentFolderFacts() gathers it for the running program.
struct FolderFacts {
    std::filesystem::path programFolder;  // the folder of the running executable
    bool programFolderWritable = false;
    // Installed by a package: the program lies in a bin folder with ../share/zorbaltwerk beside it.
    // Such a copy never keeps files beside itself, even for a user (root) who may write there.
    bool installedLayout = false;
    bool windows = false;
    std::optional<std::filesystem::path> appData;      // %APPDATA%
    std::optional<std::filesystem::path> xdgDataHome;  // $XDG_DATA_HOME
    std::optional<std::filesystem::path> home;         // $HOME
    std::filesystem::path currentFolder;               // used when no per-user folder can be named
};

enum class FolderMode { Portable, PerUser, CurrentFolder };

struct AppFolders {
    FolderMode mode = FolderMode::CurrentFolder;
    // The working folder: Zorbaltwerk_Options.txt, Temp/ and the assistant's builds.
    std::filesystem::path workFolder;
};

AppFolders decideAppFolders(const FolderFacts& facts);

// The facts of the running program (its executable's folder, a write probe there, the environment).
FolderFacts currentFolderFacts();

// The folder of the running executable; empty when the system does not tell it.
std::filesystem::path executableFolder();

// Where the shipped data (the assistant's lists below assistant/) is looked for, in this order:
// data/ beside the program (a portable copy, the build folder), then ../share/zorbaltwerk (installed).
std::vector<std::filesystem::path> dataFolderCandidates(const std::filesystem::path& programFolder);

// The guide that ships with the program (README.html): beside the program (the zip), else in the
// package's documentation folder (../share/doc/zorbaltwerk); where neither holds it, where a
// package puts it (beside the program on Windows, /usr/share/doc/zorbaltwerk elsewhere).
std::filesystem::path guideFile(const std::filesystem::path& programFolder);

}  // namespace zw
