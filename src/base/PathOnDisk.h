#pragma once
// Finding a file or folder the way Windows does. Authors' files come from Windows, and game folders
// played through Wine or Proton are spelled as the game spells them ("Tracks"), so on other systems
// a name the program looks up may differ in case from the entry on disk. Each component of a path
// is taken as it is spelled when an entry of exactly that name exists, else the one entry whose name
// equals it ignoring case (the letters of Windows-1252 that have a case). Two such entries and no
// exact one are reported, never guessed. On Windows the file system already does this: the path is
// returned as given.

#include <array>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string_view>

#include "base/Messages.h"

namespace zw {

class Dialogs;
class Report;

// True when the Windows-1252 names `a` and `b` are equal ignoring case: A … Z, À … Þ (without ×),
// Š, Œ, Ž and Ÿ equal their small letters.
bool equalIgnoringWindowsCase(std::string_view a, std::string_view b);

struct PathOnDisk {
    enum class Status { Found, Missing, Ambiguous };
    Status status = Status::Missing;
    // Found: the whole path as spelled on disk. Missing and Ambiguous: the components found, as
    // spelled on disk, then the rest as given; a folder made there lands below the existing ones.
    std::filesystem::path path;
    // Ambiguous: the two entries whose names differ only in case.
    std::array<std::filesystem::path, 2> candidates;
};

PathOnDisk findPathOnDisk(const std::filesystem::path& path);

// The path as found on disk, whether or not it exists; nullopt after a message naming both entries
// when two names differ only in case.
std::optional<std::filesystem::path> pathAsFoundOnDisk(const std::filesystem::path& path, Dialogs& dialogs,
                                                       Language language);

// Each of `paths` replaced by its path as found on disk; false after the message about the first
// that is ambiguous (the rest are then left as they were).
bool findPathsOnDisk(std::initializer_list<std::filesystem::path*> paths, Dialogs& dialogs, Language language);

// The same, with the message put in `report`.
std::optional<std::filesystem::path> pathAsFoundOnDisk(const std::filesystem::path& path, Report& report);
bool findPathsOnDisk(std::initializer_list<std::filesystem::path*> paths, Report& report);

}  // namespace zw
