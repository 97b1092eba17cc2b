#include "install/CtrCheck.h"

#include <tuple>

#include "base/AsciiCase.h"
#include "base/Encoding.h"
#include "base/FolderListing.h"
#include "install/PairNames.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/TrackSetSections.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

using Kind = GameFolderFindingKind;

// No pair of a CTR comes near this; a larger file is not read, so that one file cannot take the
// machine's memory.
constexpr uintmax_t kLargestFile = uintmax_t{512} << 20;

std::string utf8Name(const fs::path& name) { return displayName(name).utf8; }

}  // namespace

std::vector<FolderEntry> listFolderEntries(const fs::path& folder, std::error_code& error) {
    std::vector<FolderEntry> entries;
    for (ListedEntry& listed : listFolder(folder, error)) {
        entries.push_back({std::move(listed.name), listed.isFolder && !listed.isLink});
    }
    return entries;
}

CtrCheckResult CtrCheck::check(CtrKind folderKind, const fs::path& kindFolder, const FolderEntry& entry) {
    result_ = {};
    CheckedCtr& ctr = result_.ctr;
    ctr.name = utf8Name(entry.name);
    ctr.entry = entry.name;
    ctr.folderKind = folderKind;
    ctr.kindFolder = kindFolder;
    const std::string name = nameForMessage(entry.name);
    const bool trackSet = folderKind == CtrKind::Ride && nameStartsWith(entry.name, namePrefixOf(CtrKind::Track));
    const bool pair = nameStartsWith(entry.name, namePrefixOf(folderKind));
    if (isTemporaryName(entry.name)) {
        add(Kind::Leftover, "", "gameCheckLeftover", {displayName(entry.name)});
    } else if (!entry.isFolder) {
        add(Kind::LooseFile, "", "gameCheckLooseFile", {displayName(entry.name)});
    } else if (!trackSet && !pair) {
        add(Kind::NotACtr, "", "gameCheckNotACtr", {displayName(entry.name)});
    } else {
        std::error_code error;
        const fs::path folder = kindFolder / entry.name;
        const std::vector<FolderEntry> entries = listFolderEntries(folder, error);
        if (error) {
            add(Kind::FolderNotRead, "", "gameCheckFolderNotRead", {displayName(folder), asciiOnlyText(error.message())});
        } else if (trackSet) {
            checkTrackSet(folder, name, entries);
        } else {
            checkPairCtr(folder, name, entries);
        }
    }
    return std::move(result_);
}

void CtrCheck::add(Kind kind, std::string file, MessageId id, std::initializer_list<MessageArg> args) {
    addText(kind, std::move(file), message(id, language_, args));
}

void CtrCheck::addText(Kind kind, std::string file, std::string text) {
    result_.ctr.findings.push_back({kind, severityOf(kind), std::move(file), std::move(text)});
}

// Notes for the entries that are not the CTR's own.
void CtrCheck::noteOthers(const std::vector<FolderEntry>& entries, const CtrFolderLayout& layout) {
    for (size_t i = 0; i < entries.size(); ++i) {
        if (layout.roles[i] == EntryRole::Belongs) continue;
        const DisplayName shown = displayName(entries[i].name);
        const std::string& file = shown.utf8;
        switch (layout.roles[i]) {
            case EntryRole::Belongs: break;
            case EntryRole::Leftover: add(Kind::Leftover, file, "gameCheckLeftover", {shown}); break;
            case EntryRole::LooseFile: add(Kind::LooseFile, file, "gameCheckLooseFile", {shown}); break;
            case EntryRole::NestedFolder: add(Kind::NestedFolder, file, "gameCheckNestedFolder", {shown}); break;
        }
    }
}

// False after a finding when the pair's two files are not both found once.
bool CtrCheck::pairPresent(const std::vector<FolderEntry>& entries, const std::string& pairName,
                           const EntryMatch& common, const EntryMatch& unique) {
    bool present = true;
    for (const auto& [match, other, suffix] : {std::tuple{&common, &unique, ".common.ovl"},
                                               std::tuple{&unique, &common, ".unique.ovl"}}) {
        const std::string wanted = pairName + suffix;
        if (match->status == EntryMatch::Status::Ambiguous) {
            add(Kind::NamesDifferInCase, cp1252ToUtf8(wanted), "gameCheckNamesDifferInCase",
                {displayName(entries[match->index].name), displayName(entries[match->other].name)});
            present = false;
        } else if (match->status == EntryMatch::Status::Missing) {
            present = false;
            if (other->status != EntryMatch::Status::Missing) {
                add(Kind::PairFileMissing, cp1252ToUtf8(wanted), "gameCheckPairFileMissing", {wanted});
            }
        }
    }
    return present;
}

// Reads a file into `buffer` (one of the buffers kept from pair to pair); false after a finding.
bool CtrCheck::readFile(const fs::path& path, FileBuffer& buffer) {
    std::error_code error;
    if (!buffer.read(path, error, kLargestFile)) {
        if (error == std::errc::file_too_large) {
            add(Kind::FileNotRead, utf8Name(path.filename()), "gameCheckFileTooLarge",
                {displayName(path.filename()), std::to_string(buffer.fileSize() >> 20)});
        } else {
            add(Kind::FileNotRead, utf8Name(path.filename()), "gameCheckFileNotRead",
                {displayName(path.filename()), asciiOnlyText(error.message())});
        }
        return false;
    }
    result_.bytesRead += buffer.bytes().size();
    return true;
}

// Reads a pair whose common file may have been read into `commonBytes_` already; nullopt after a
// finding. The pair reads its files where they lie in the buffers: it must be let go before the next
// read.
std::optional<OvlPairReader> CtrCheck::readPair(const fs::path& folder, const FolderEntry& common,
                                                const FolderEntry& unique, bool commonRead, PairKind* kind) {
    if (!commonRead) commonRead = readFile(folder / common.name, commonBytes_);
    const bool uniqueRead = readFile(folder / unique.name, uniqueBytes_);
    if (!commonRead || !uniqueRead) return std::nullopt;
    const std::string uniqueName = nameForMessage(unique.name);
    if (kind) *kind = scanPairKind(uniqueBytes_.bytes(), uniqueName);
    try {
        OvlPairReader pair = OvlPairReader::ofKeptBytes(commonBytes_.bytes(), nameForMessage(common.name),
                                                        uniqueBytes_.bytes(), uniqueName);
        ++result_.pairsRead;
        return pair;
    } catch (const BinaryReadError& e) {
        addText(Kind::PairMalformed, cp1252ToUtf8(e.source), message("gameCheckPairMalformed", language_, {e.what()}));
        return std::nullopt;
    }
}

void CtrCheck::inspect(const OvlPairReader& pair) {
    const OvlPairInspection inspection = checkOvlPair(pair, language_);
    // Each line begins with the file it is about; the finding names the file apart.
    const auto addLine = [&](Kind kind, const std::string& line) {
        for (const OvlFile* file : {&pair.unique(), &pair.common()}) {
            const std::string prefix = cp1252ToUtf8(file->name) + ": ";
            if (line.rfind(prefix, 0) == 0) return addText(kind, prefix.substr(0, prefix.size() - 2), line.substr(prefix.size()));
        }
        addText(kind, cp1252ToUtf8(pair.common().name), line);
    };
    for (const std::string& line : inspection.violations) addLine(Kind::StructureError, line);
    for (const std::string& line : inspection.notes) addLine(Kind::StructureNote, line);
}

void CtrCheck::checkPairCtr(const fs::path& folder, const std::string& name, const std::vector<FolderEntry>& entries) {
    CheckedCtr& ctr = result_.ctr;
    const CtrFolderLayout layout = layOutCtrFolder(name, entries);
    if (layout.common.status == EntryMatch::Status::Missing && layout.unique.status == EntryMatch::Status::Missing) {
        add(Kind::HalfInstalled, "", "gameCheckPairAbsent", {name});
        noteOthers(entries, layout);
        return;
    }
    const bool present = pairPresent(entries, name, layout.common, layout.unique);
    noteOthers(entries, layout);
    if (!present) return;
    PairKind kind = PairKind::Unknown;
    std::optional<OvlPairReader> pair =
        readPair(folder, entries[layout.common.index], entries[layout.unique.index], false, &kind);
    if (!pair) return;
    ctr.kind = kind == PairKind::Ride ? CheckedKind::Ride : kind == PairKind::Car ? CheckedKind::Car : CheckedKind::Other;
    const std::string uniqueFile = utf8Name(entries[layout.unique.index].name);
    const bool wrongFolder = kind != PairKind::Unknown && (kind == PairKind::Car) != (ctr.folderKind == CtrKind::Car);
    if (kind == PairKind::Unknown) {
        add(Kind::UnknownContent, uniqueFile, "gameCheckUnknownContent", {displayName(entries[layout.unique.index].name)});
    } else if (wrongFolder) {
        add(Kind::WrongFolder, "", kind == PairKind::Car ? MessageId("gameCheckCarAmongRides") : MessageId("gameCheckRideAmongCars"), {name});
    }
    inspect(*pair);
    PairNames names = pairNamesOf(*pair);
    const std::optional<std::string>& objectName = kind == PairKind::Car ? names.trainName : names.rideName;
    if (kind != PairKind::Unknown && objectName) {
        if (*objectName != name) {
            add(Kind::NameMismatch, utf8Name(entries[layout.common.index].name), "gameCheckNameMismatch", {name, *objectName});
        }
        // Where the game does not look, the object takes no name from the others.
        if (!wrongFolder) {
            result_.objectName = *objectName;
            result_.objectTag = kind == PairKind::Car ? "rit" : "trr";
        }
    }
    if (kind == PairKind::Ride && ctr.folderKind == CtrKind::Ride) {
        result_.namesOthers = true;
        result_.namingFile = utf8Name(entries[layout.common.index].name);
        result_.carTypes = std::move(names.carTypes);
        result_.trackSections = std::move(names.trackSections);
    }
}

void CtrCheck::checkTrackSet(const fs::path& folder, const std::string& name, const std::vector<FolderEntry>& entries) {
    result_.ctr.kind = CheckedKind::TrackSet;
    CtrFolderLayout layout = layOutCtrFolder(name, entries);
    if (layout.common.status != EntryMatch::Status::Found) {
        if (layout.common.status == EntryMatch::Status::Missing) {
            add(Kind::HalfInstalled, cp1252ToUtf8(name + ".common.ovl"), "gameCheckTrackSetWithoutCommon", {name});
        } else {
            pairPresent(entries, name, layout.common, layout.unique);
        }
        noteOthers(entries, layout);
        return;
    }
    const FolderEntry& commonEntry = entries[layout.common.index];
    bool commonRead = readFile(folder / commonEntry.name, commonBytes_);
    std::vector<std::string> sections;
    if (commonRead) {
        TrackSetSections read = readTrackSetSections(commonBytes_.bytes(), nameForMessage(commonEntry.name));
        if (read.status == TrackSetSections::Status::NotVersion1) {
            add(Kind::PairMalformed, utf8Name(commonEntry.name), "gameCheckTrackSetNotVersion1",
                {displayName(commonEntry.name)});
            commonRead = false;
        } else if (read.status == TrackSetSections::Status::Damaged) {
            add(Kind::PairMalformed, utf8Name(commonEntry.name), "gameCheckPairMalformed",
                {DisplayName{displayName(commonEntry.name).utf8 + ": " + cp1252ToUtf8(read.problem)}});
            commonRead = false;
        }
        sections = std::move(read.names);
    }
    layout = layOutCtrFolder(name, entries, sections);
    const bool present = pairPresent(entries, name, layout.common, layout.unique);
    noteOthers(entries, layout);
    if (present && commonRead) {
        if (auto pair = readPair(folder, commonEntry, entries[layout.unique.index], true)) inspect(*pair);
    }
    for (const CtrFolderLayout::Section& section : layout.sections) {
        result_.installedSections.push_back(lowerAscii(section.name));
        if (!pairPresent(entries, section.name + "_data", section.common, section.unique)) {
            if (section.common.status == EntryMatch::Status::Missing && section.unique.status == EntryMatch::Status::Missing) {
                add(Kind::PairFileMissing, cp1252ToUtf8(section.name + "_data.common.ovl"), "gameCheckSectionAbsent",
                    {section.name});
            }
            continue;
        }
        if (auto pair = readPair(folder, entries[section.common.index], entries[section.unique.index], false)) {
            inspect(*pair);
        }
    }
}

}  // namespace zw
