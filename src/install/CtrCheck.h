#pragma once
// The check of one entry of the rides' or the cars' folder: what it is, whether its files are all
// there, and each of its pairs read once and put through the pair inspector's structure checks. It
// touches nothing outside the entry, so that two entries can be checked at once; what the CTRs say of
// each other is compared afterwards from what each check gives.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "base/SafeFile.h"
#include "install/CtrFolderLayout.h"
#include "install/GameFolderCheck.h"
#include "ovl/OvlPairReader.h"
#include "ovl/PairKindScan.h"

namespace zw {

struct CtrCheckResult {
    CheckedCtr ctr;
    // The name the game knows the object by, with its type ("trr" for a ride, "rit" for a car); none
    // when the pair gives none or lies where the game does not look for its kind.
    std::optional<std::string> objectName;  // Windows-1252
    std::string objectTag;
    // A ride in the rides' folder: the file that names them, and the car types and track sections it names.
    bool namesOthers = false;
    std::string namingFile;  // UTF-8
    std::vector<std::string> carTypes;
    std::vector<std::string> trackSections;
    std::vector<std::string> installedSections;  // a track set's sections, in lower case
    size_t pairsRead = 0;
    size_t bytesRead = 0;
};

// The entries of `folder`; a link counts as a file, never as a folder, since what it names lies outside
// the game's folders.
std::vector<FolderEntry> listFolderEntries(const std::filesystem::path& folder, std::error_code& error);

// Keeps its read buffers from entry to entry: one per thread that checks.
class CtrCheck {
public:
    explicit CtrCheck(Language language) : language_(language) {}

    CtrCheckResult check(CtrKind folderKind, const std::filesystem::path& kindFolder, const FolderEntry& entry);

private:
    void add(GameFolderFindingKind kind, std::string file, MessageId id, std::initializer_list<MessageArg> args);
    void addText(GameFolderFindingKind kind, std::string file, std::string text);
    void noteOthers(const std::vector<FolderEntry>& entries, const CtrFolderLayout& layout);
    bool pairPresent(const std::vector<FolderEntry>& entries, const std::string& pairName, const EntryMatch& common,
                     const EntryMatch& unique);
    bool readFile(const std::filesystem::path& path, FileBuffer& buffer);
    std::optional<OvlPairReader> readPair(const std::filesystem::path& folder, const FolderEntry& common,
                                          const FolderEntry& unique, bool commonRead, PairKind* kind = nullptr);
    void inspect(const OvlPairReader& pair);
    void checkPairCtr(const std::filesystem::path& folder, const std::string& name,
                      const std::vector<FolderEntry>& entries);
    void checkTrackSet(const std::filesystem::path& folder, const std::string& name,
                       const std::vector<FolderEntry>& entries);

    Language language_;
    CtrCheckResult result_;
    // Kept from pair to pair, so that reading a thousand pairs asks the system for memory only as
    // often as a pair is larger than all before it.
    FileBuffer commonBytes_, uniqueBytes_;
};

}  // namespace zw
