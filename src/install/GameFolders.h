#pragma once
// Where the game keeps custom rides, track sets and cars, and which folder entries count as such
// objects. Rides and track sets share one folder; their name prefixes keep them apart.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/Messages.h"
#include "base/Report.h"

namespace zw {

enum class CtrKind { Ride, Track, Car };

// The folder below the game folder that holds the objects of `kind`, as the program names it.
std::filesystem::path gameFolderOf(CtrKind kind, const std::filesystem::path& gamePath);

// That folder as found on disk, names matched as Windows matches them ("Tracks" for "tracks"), whether
// or not it exists; nullopt after the report's message when two entries differ only in case.
std::optional<std::filesystem::path> findGameFolder(CtrKind kind, const std::filesystem::path& gamePath,
                                                    Report& report);

// "CTR_" for rides and cars, "TrackCTR_" for track sets.
std::string_view namePrefixOf(CtrKind kind);

// True when the entry name starts with `asciiPrefix`, compared case-sensitively.
bool nameStartsWith(const std::filesystem::path& name, std::string_view asciiPrefix);

// Entry names holding a dot (files with an extension) are never listed.
bool nameHasDot(const std::filesystem::path& name);

// A single plain entry name: not empty, no separator, not "." or "..".
bool isPlainEntryName(const std::filesystem::path& name);

// The entries of `folder` other than ".", ".." and names with a dot, in the order the file system
// delivers them; files and folders alike. `error` is set when the folder cannot be listed.
std::vector<std::filesystem::path> listUndottedEntries(const std::filesystem::path& folder, std::error_code& error);

// The installed objects of `kind`: the undotted entries of its game folder `kindFolder` (as found
// by findGameFolder) with the kind's prefix.
std::vector<std::filesystem::path> listInstalledObjects(CtrKind kind, const std::filesystem::path& kindFolder,
                                                        std::error_code& error);

// The installed objects of `kind` and the folder they lie in (as findGameFolder finds it).
struct InstalledObjects {
    std::filesystem::path folder;
    std::vector<std::filesystem::path> names;
};

// The installed objects of `kind` in the game folder `gamePath`; a kind folder that does not exist yet
// holds none. No value when they cannot be listed: `problem` is then the message saying why (the
// game folder does not exist, or message 730 naming the folder that cannot be read; the install
// window shows it in place of the list), or none after the report's message about two names that
// differ only in case.
Result<InstalledObjects> findInstalledObjects(CtrKind kind, const std::filesystem::path& gamePath,
                                              std::optional<ReportMessage>& problem);

// An entry name as a Windows-1252 domain string, for comparing it with object names and naming it to
// the pair readers; characters that Windows-1252 cannot hold become "?". Messages take displayName.
std::string nameForMessage(const std::filesystem::path& name);

// A folder's text with one separator at its end, the form the install window keeps its folder in.
std::filesystem::path withTrailingSeparator(const std::filesystem::path& folder);

}  // namespace zw
