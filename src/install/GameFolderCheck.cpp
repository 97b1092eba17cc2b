#include "install/GameFolderCheck.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "base/AsciiCase.h"
#include "base/Encoding.h"
#include "base/FolderListing.h"
#include "base/PathOnDisk.h"
#include "base/SafeFile.h"
#include "install/CtrFolderLayout.h"
#include "ovl/PairKindScan.h"
#include "install/PairNames.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"
#include "ovl/TrackSetSections.h"

namespace zw {

namespace fs = std::filesystem;

namespace {

using Kind = GameFolderFindingKind;

struct KindText {
    std::string_view name;
    FindingSeverity severity;
    MessageId meaning;
    MessageId action;
};

constexpr FindingSeverity kError = FindingSeverity::Error;
constexpr FindingSeverity kNote = FindingSeverity::Note;

// In the order of GameFolderFindingKind.
constexpr KindText kKindTexts[] = {
    {"folder-not-read", kError, "gameCheckMeansUnchecked", "gameCheckDoFolderNotRead"},
    {"file-not-read", kError, "gameCheckMeansUnchecked", "gameCheckDoFileNotRead"},
    {"names-differ-in-case", kError, "gameCheckMeansUnchecked", "gameCheckDoNamesDifferInCase"},
    {"half-installed", kError, "gameCheckMeansNotLoaded", "gameCheckDoHalfInstalled"},
    {"pair-file-missing", kError, "gameCheckMeansNotLoaded", "gameCheckDoPairFileMissing"},
    {"leftover", kNote, "gameCheckMeansHarmless", "gameCheckDoLeftover"},
    {"unknown-content", kError, "gameCheckMeansNotLoaded", "gameCheckDoUnknownContent"},
    {"wrong-folder", kError, "gameCheckMeansNotLoaded", "gameCheckDoWrongFolder"},
    {"name-mismatch", kNote, "gameCheckMeansNameMismatch", "gameCheckDoNameMismatch"},
    {"shared-object-name", kError, "gameCheckMeansConflict", "gameCheckDoSharedObjectName"},
    {"pair-malformed", kError, "gameCheckMeansCrash", "gameCheckDoPairMalformed"},
    {"structure-error", kError, "gameCheckMeansCrash", "gameCheckDoStructureError"},
    {"structure-note", kNote, "gameCheckMeansImplausible", "gameCheckDoStructureNote"},
    {"car-type-missing", kError, "gameCheckMeansRideNotOffered", "gameCheckDoCarTypeMissing"},
    {"track-section-missing", kError, "gameCheckMeansRideNotOffered", "gameCheckDoTrackSectionMissing"},
    {"loose-file", kNote, "gameCheckMeansHarmless", "gameCheckDoLooseFile"},
    {"nested-folder", kNote, "gameCheckMeansHarmless", "gameCheckDoNestedFolder"},
    {"not-a-ctr", kNote, "gameCheckMeansHarmless", "gameCheckDoNotACtr"},
};
static_assert(std::size(kKindTexts) == static_cast<size_t>(Kind::NotACtr) + 1);

const KindText& textsOf(Kind kind) { return kKindTexts[static_cast<size_t>(kind)]; }

// No pair of a CTR comes near this; a larger file is not read, so that one file cannot take the
// machine's memory.
constexpr uintmax_t kLargestFile = uintmax_t{512} << 20;

std::string utf8Name(const fs::path& name) { return displayName(name).utf8; }

// A ride's names of other objects, compared once every CTR is read.
struct RideNeeds {
    size_t ctr;
    std::string file;  // UTF-8
    std::vector<std::string> carTypes;
    std::vector<std::string> trackSections;
};

struct ObjectName {
    size_t ctr;
    std::string name;  // Windows-1252
    std::string tag;
};

std::set<std::string> lowerSet(const std::vector<std::string>& names) {
    std::set<std::string> out;
    for (const std::string& n : names) out.insert(lowerAscii(n));
    return out;
}

class FolderCheck {
public:
    FolderCheck(const fs::path& gamePath, const GameNames& names, Language language, const CheckProgress& progress)
        : gamePath_(gamePath), names_(names), language_(language), progress_(progress) {}

    GameFolderReport run() {
        struct Listed {
            CtrKind kind;
            fs::path folder;
            std::vector<FolderEntry> entries;
        };
        std::vector<Listed> listed;
        std::error_code error;
        if (!fs::is_directory(gamePath_, error)) {
            CheckedCtr& game = folderItself(CtrKind::Ride, utf8Name(gamePath_.filename()));
            add(game, Kind::FolderNotRead, "", "gameCheckFolderNotRead",
                {displayName(gamePath_), asciiOnlyText(error ? error.message() : "not a folder")});
            return finish();
        }
        for (CtrKind kind : {CtrKind::Ride, CtrKind::Car}) {
            const fs::path wanted = gameFolderOf(kind, gamePath_);
            const PathOnDisk found = findPathOnDisk(wanted);
            const std::string shown = utf8Name(wanted.parent_path().filename()) + "/" + utf8Name(wanted.filename());
            if (found.status == PathOnDisk::Status::Ambiguous) {
                add(folderItself(kind, shown), Kind::NamesDifferInCase, "", "gameCheckNamesDifferInCase",
                    {displayName(found.candidates[0]), displayName(found.candidates[1])});
                continue;
            }
            if (found.status == PathOnDisk::Status::Missing) continue;  // nothing of that kind installed
            std::vector<FolderEntry> entries = listFolder(found.path, error);
            if (error) {
                add(folderItself(kind, shown), Kind::FolderNotRead, "", "gameCheckFolderNotRead",
                    {displayName(found.path), asciiOnlyText(error.message())});
                continue;
            }
            std::sort(entries.begin(), entries.end(),
                      [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
            listed.push_back({kind, found.path, std::move(entries)});
        }
        size_t total = 0, done = 0;
        for (const Listed& l : listed) total += l.entries.size();
        for (const Listed& l : listed) {
            for (const FolderEntry& entry : l.entries) {
                if (progress_) progress_(done, total, utf8Name(entry.name));
                checkEntry(l.kind, l.folder, entry);
                ++done;
            }
        }
        if (progress_) progress_(done, total, std::string());
        compareNames();
        return finish();
    }

private:
    static std::vector<FolderEntry> listFolder(const fs::path& folder, std::error_code& error) {
        std::vector<FolderEntry> entries;
        for (ListedEntry& listed : zw::listFolder(folder, error)) {
            // A link is not followed: what it names lies outside the game's folders.
            entries.push_back({std::move(listed.name), listed.isFolder && !listed.isLink});
        }
        return entries;
    }

    GameFolderReport finish() { return std::move(report_); }

    CheckedCtr& folderItself(CtrKind kind, std::string name) {
        CheckedCtr ctr;
        ctr.name = std::move(name);
        ctr.folderKind = kind;
        report_.ctrs.push_back(std::move(ctr));
        return report_.ctrs.back();
    }

    void add(CheckedCtr& ctr, Kind kind, std::string file, MessageId id,
             std::initializer_list<MessageArg> args) {
        addText(ctr, kind, std::move(file), message(id, language_, args));
    }

    void addText(CheckedCtr& ctr, Kind kind, std::string file, std::string text) {
        ctr.findings.push_back({kind, textsOf(kind).severity, std::move(file), std::move(text)});
    }

    void checkEntry(CtrKind folderKind, const fs::path& kindFolder, const FolderEntry& entry) {
        CheckedCtr ctr;
        ctr.name = utf8Name(entry.name);
        ctr.entry = entry.name;
        ctr.folderKind = folderKind;
        ctr.kindFolder = kindFolder;
        const std::string name = nameForMessage(entry.name);
        const bool trackSet = folderKind == CtrKind::Ride && nameStartsWith(entry.name, namePrefixOf(CtrKind::Track));
        const bool pair = nameStartsWith(entry.name, namePrefixOf(folderKind));
        if (isTemporaryName(entry.name)) {
            add(ctr, Kind::Leftover, "", "gameCheckLeftover", {displayName(entry.name)});
        } else if (!entry.isFolder) {
            add(ctr, Kind::LooseFile, "", "gameCheckLooseFile", {displayName(entry.name)});
        } else if (!trackSet && !pair) {
            add(ctr, Kind::NotACtr, "", "gameCheckNotACtr", {displayName(entry.name)});
        } else {
            std::error_code error;
            const fs::path folder = kindFolder / entry.name;
            const std::vector<FolderEntry> entries = listFolder(folder, error);
            if (error) {
                add(ctr, Kind::FolderNotRead, "", "gameCheckFolderNotRead",
                    {displayName(folder), asciiOnlyText(error.message())});
            } else {
                report_.ctrs.push_back(std::move(ctr));
                const size_t index = report_.ctrs.size() - 1;
                if (trackSet) {
                    checkTrackSet(index, folder, name, entries);
                } else {
                    checkPairCtr(index, folder, name, entries);
                }
                return;
            }
        }
        report_.ctrs.push_back(std::move(ctr));
    }

    // Notes for the entries that are not the CTR's own.
    void noteOthers(CheckedCtr& ctr, const std::vector<FolderEntry>& entries, const CtrFolderLayout& layout) {
        for (size_t i = 0; i < entries.size(); ++i) {
            if (layout.roles[i] == EntryRole::Belongs) continue;
            const DisplayName shown = displayName(entries[i].name);
            const std::string& file = shown.utf8;
            switch (layout.roles[i]) {
                case EntryRole::Belongs: break;
                case EntryRole::Leftover: add(ctr, Kind::Leftover, file, "gameCheckLeftover", {shown}); break;
                case EntryRole::LooseFile: add(ctr, Kind::LooseFile, file, "gameCheckLooseFile", {shown}); break;
                case EntryRole::NestedFolder: add(ctr, Kind::NestedFolder, file, "gameCheckNestedFolder", {shown}); break;
            }
        }
    }

    // False after a finding when the pair's two files are not both found once.
    bool pairPresent(CheckedCtr& ctr, const std::vector<FolderEntry>& entries, const std::string& pairName,
                     const EntryMatch& common, const EntryMatch& unique) {
        bool present = true;
        for (const auto& [match, other, suffix] : {std::tuple{&common, &unique, ".common.ovl"},
                                                   std::tuple{&unique, &common, ".unique.ovl"}}) {
            const std::string wanted = pairName + suffix;
            if (match->status == EntryMatch::Status::Ambiguous) {
                add(ctr, Kind::NamesDifferInCase, cp1252ToUtf8(wanted), "gameCheckNamesDifferInCase",
                    {displayName(entries[match->index].name), displayName(entries[match->other].name)});
                present = false;
            } else if (match->status == EntryMatch::Status::Missing) {
                present = false;
                if (other->status != EntryMatch::Status::Missing) {
                    add(ctr, Kind::PairFileMissing, cp1252ToUtf8(wanted), "gameCheckPairFileMissing", {wanted});
                }
            }
        }
        return present;
    }

    // Reads a file into `buffer` (one of the buffers kept from pair to pair); false after a finding.
    bool readFile(CheckedCtr& ctr, const fs::path& path, FileBuffer& buffer) {
        std::error_code error;
        if (!buffer.read(path, error, kLargestFile)) {
            if (error == std::errc::file_too_large) {
                add(ctr, Kind::FileNotRead, utf8Name(path.filename()), "gameCheckFileTooLarge",
                    {displayName(path.filename()), std::to_string(buffer.fileSize() >> 20)});
            } else {
                add(ctr, Kind::FileNotRead, utf8Name(path.filename()), "gameCheckFileNotRead",
                    {displayName(path.filename()), asciiOnlyText(error.message())});
            }
            return false;
        }
        report_.bytesRead += buffer.bytes().size();
        return true;
    }

    // Reads a pair whose common file may have been read into `commonBytes_` already; nullopt after
    // a finding. The pair reads its files where they lie in the buffers: it must be let go before
    // the next read.
    std::optional<OvlPairReader> readPair(CheckedCtr& ctr, const fs::path& folder, const FolderEntry& common,
                                          const FolderEntry& unique, bool commonRead, PairKind* kind = nullptr) {
        if (!commonRead) commonRead = readFile(ctr, folder / common.name, commonBytes_);
        const bool uniqueRead = readFile(ctr, folder / unique.name, uniqueBytes_);
        if (!commonRead || !uniqueRead) return std::nullopt;
        const std::string uniqueName = nameForMessage(unique.name);
        if (kind) *kind = scanPairKind(uniqueBytes_.bytes(), uniqueName);
        try {
            OvlPairReader pair = OvlPairReader::ofKeptBytes(commonBytes_.bytes(), nameForMessage(common.name),
                                                            uniqueBytes_.bytes(), uniqueName);
            ++report_.pairsRead;
            return pair;
        } catch (const BinaryReadError& e) {
            addText(ctr, Kind::PairMalformed, cp1252ToUtf8(e.source),
                    message("gameCheckPairMalformed", language_, {e.what()}));
            return std::nullopt;
        }
    }

    void inspect(CheckedCtr& ctr, const OvlPairReader& pair) {
        const OvlPairInspection inspection = checkOvlPair(pair, language_);
        // Each line begins with the file it is about; the finding names the file apart.
        const auto addLine = [&](Kind kind, const std::string& line) {
            for (const OvlFile* file : {&pair.unique(), &pair.common()}) {
                const std::string prefix = cp1252ToUtf8(file->name) + ": ";
                if (line.rfind(prefix, 0) == 0) return addText(ctr, kind, prefix.substr(0, prefix.size() - 2), line.substr(prefix.size()));
            }
            addText(ctr, kind, cp1252ToUtf8(pair.common().name), line);
        };
        for (const std::string& line : inspection.violations) addLine(Kind::StructureError, line);
        for (const std::string& line : inspection.notes) addLine(Kind::StructureNote, line);
    }

    void checkPairCtr(size_t index, const fs::path& folder, const std::string& name,
                      const std::vector<FolderEntry>& entries) {
        CheckedCtr& ctr = report_.ctrs[index];
        const CtrFolderLayout layout = layOutCtrFolder(name, entries);
        if (layout.common.status == EntryMatch::Status::Missing && layout.unique.status == EntryMatch::Status::Missing) {
            add(ctr, Kind::HalfInstalled, "", "gameCheckPairAbsent", {name});
            noteOthers(ctr, entries, layout);
            return;
        }
        const bool present = pairPresent(ctr, entries, name, layout.common, layout.unique);
        noteOthers(ctr, entries, layout);
        if (!present) return;
        PairKind kind = PairKind::Unknown;
        std::optional<OvlPairReader> pair =
            readPair(ctr, folder, entries[layout.common.index], entries[layout.unique.index], false, &kind);
        if (!pair) return;
        ctr.kind = kind == PairKind::Ride ? CheckedKind::Ride : kind == PairKind::Car ? CheckedKind::Car : CheckedKind::Other;
        const std::string uniqueFile = utf8Name(entries[layout.unique.index].name);
        const bool wrongFolder = kind != PairKind::Unknown && (kind == PairKind::Car) != (ctr.folderKind == CtrKind::Car);
        if (kind == PairKind::Unknown) {
            add(ctr, Kind::UnknownContent, uniqueFile, "gameCheckUnknownContent", {displayName(entries[layout.unique.index].name)});
        } else if (wrongFolder) {
            add(ctr, Kind::WrongFolder, "", kind == PairKind::Car ? MessageId("gameCheckCarAmongRides") : MessageId("gameCheckRideAmongCars"), {name});
        }
        inspect(ctr, *pair);
        PairNames names = pairNamesOf(*pair);
        const std::optional<std::string>& objectName = kind == PairKind::Car ? names.trainName : names.rideName;
        if (kind != PairKind::Unknown && objectName) {
            if (*objectName != name) {
                add(ctr, Kind::NameMismatch, utf8Name(entries[layout.common.index].name), "gameCheckNameMismatch",
                    {name, *objectName});
            }
            // Where the game does not look, the object takes no name from the others.
            if (!wrongFolder) objectNames_.push_back({index, *objectName, kind == PairKind::Car ? "rit" : "trr"});
        }
        if (kind == PairKind::Ride && ctr.folderKind == CtrKind::Ride) {
            rides_.push_back({index, utf8Name(entries[layout.common.index].name), std::move(names.carTypes),
                              std::move(names.trackSections)});
        }
    }

    void checkTrackSet(size_t index, const fs::path& folder, const std::string& name,
                       const std::vector<FolderEntry>& entries) {
        CheckedCtr& ctr = report_.ctrs[index];
        ctr.kind = CheckedKind::TrackSet;
        CtrFolderLayout layout = layOutCtrFolder(name, entries);
        if (layout.common.status != EntryMatch::Status::Found) {
            if (layout.common.status == EntryMatch::Status::Missing) {
                add(ctr, Kind::HalfInstalled, cp1252ToUtf8(name + ".common.ovl"), "gameCheckTrackSetWithoutCommon", {name});
            } else {
                pairPresent(ctr, entries, name, layout.common, layout.unique);
            }
            noteOthers(ctr, entries, layout);
            return;
        }
        const FolderEntry& commonEntry = entries[layout.common.index];
        bool commonRead = readFile(ctr, folder / commonEntry.name, commonBytes_);
        std::vector<std::string> sections;
        if (commonRead) {
            TrackSetSections read = readTrackSetSections(commonBytes_.bytes(), nameForMessage(commonEntry.name));
            if (read.status == TrackSetSections::Status::NotVersion1) {
                add(ctr, Kind::PairMalformed, utf8Name(commonEntry.name), "gameCheckTrackSetNotVersion1",
                    {displayName(commonEntry.name)});
                commonRead = false;
            } else if (read.status == TrackSetSections::Status::Damaged) {
                add(ctr, Kind::PairMalformed, utf8Name(commonEntry.name), "gameCheckPairMalformed",
                    {DisplayName{displayName(commonEntry.name).utf8 + ": " + cp1252ToUtf8(read.problem)}});
                commonRead = false;
            }
            sections = std::move(read.names);
        }
        layout = layOutCtrFolder(name, entries, sections);
        const bool present = pairPresent(ctr, entries, name, layout.common, layout.unique);
        noteOthers(ctr, entries, layout);
        if (present && commonRead) {
            if (auto pair = readPair(ctr, folder, commonEntry, entries[layout.unique.index], true)) {
                inspect(ctr, *pair);
            }
        }
        for (const CtrFolderLayout::Section& section : layout.sections) {
            installedSections_.insert(lowerAscii(section.name));
            if (!pairPresent(ctr, entries, section.name + "_data", section.common, section.unique)) {
                if (section.common.status == EntryMatch::Status::Missing &&
                    section.unique.status == EntryMatch::Status::Missing) {
                    add(ctr, Kind::PairFileMissing, cp1252ToUtf8(section.name + "_data.common.ovl"),
                        "gameCheckSectionAbsent", {section.name});
                }
                continue;
            }
            if (auto pair = readPair(ctr, folder, entries[section.common.index], entries[section.unique.index],
                                     false)) {
                inspect(ctr, *pair);
            }
        }
    }

    // What the CTRs say of each other and of the game's own objects.
    void compareNames() {
        std::map<std::string, std::vector<const ObjectName*>> byName;
        for (const ObjectName& o : objectNames_) byName[o.tag + ":" + lowerAscii(o.name)].push_back(&o);
        for (const auto& [key, same] : byName) {
            if (same.size() < 2) continue;
            for (const ObjectName* o : same) {
                DisplayName others;
                for (const ObjectName* other : same) {
                    if (other == o) continue;
                    // The name of a CTR checked in its folder is its entry's display name.
                    if (!others.utf8.empty()) others.utf8 += ", ";
                    others.utf8 += report_.ctrs[other->ctr].name;
                }
                add(report_.ctrs[o->ctr], Kind::SharedObjectName, "", "gameCheckSharedObjectName", {o->name, others});
            }
        }
        std::set<std::string> cars = lowerSet(names_.carTypes);
        for (const ObjectName& o : objectNames_) {
            const CheckedCtr& ctr = report_.ctrs[o.ctr];
            if (o.tag == "rit" && ctr.folderKind == CtrKind::Car) cars.insert(lowerAscii(o.name));
        }
        std::set<std::string> sections = lowerSet(names_.trackSections);
        sections.insert(installedSections_.begin(), installedSections_.end());
        for (const RideNeeds& ride : rides_) {
            CheckedCtr& ctr = report_.ctrs[ride.ctr];
            for (const std::string& car : ride.carTypes) {
                if (cars.count(lowerAscii(car))) continue;
                if (!names_.carTypesKnown) {
                    ++report_.carTypesNotCompared;
                } else {
                    add(ctr, Kind::CarTypeMissing, ride.file, "gameCheckCarTypeMissing", {car});
                }
            }
            for (const std::string& section : ride.trackSections) {
                if (sections.count(lowerAscii(section))) continue;
                if (!names_.allTrackSectionsKnown) {
                    ++report_.trackSectionsNotCompared;
                } else {
                    add(ctr, Kind::TrackSectionMissing, ride.file, "gameCheckTrackSectionMissing", {section});
                }
            }
        }
    }

    const fs::path& gamePath_;
    const GameNames& names_;
    Language language_;
    const CheckProgress& progress_;
    GameFolderReport report_;
    std::vector<ObjectName> objectNames_;
    std::vector<RideNeeds> rides_;
    std::set<std::string> installedSections_;
    // Kept from pair to pair, so that reading a thousand pairs asks the system for memory only as
    // often as a pair is larger than all before it.
    FileBuffer commonBytes_, uniqueBytes_;
};

}  // namespace

std::string_view findingKindName(GameFolderFindingKind kind) { return textsOf(kind).name; }
FindingSeverity severityOf(GameFolderFindingKind kind) { return textsOf(kind).severity; }
std::string findingMeaning(GameFolderFindingKind kind, Language language) { return message(textsOf(kind).meaning, language); }
std::string findingAction(GameFolderFindingKind kind, Language language) { return message(textsOf(kind).action, language); }

std::string_view checkedKindName(CheckedKind kind) {
    switch (kind) {
        case CheckedKind::Ride: return "ride";
        case CheckedKind::Car: return "car";
        case CheckedKind::TrackSet: return "track set";
        case CheckedKind::Other: break;
    }
    return "other";
}

std::string checkedKindWord(CheckedKind kind, Language language) {
    switch (kind) {
        case CheckedKind::Ride: return message("gameCheckKindRide", language);
        case CheckedKind::Car: return message("gameCheckKindCar", language);
        case CheckedKind::TrackSet: return message("gameCheckKindTrackSet", language);
        case CheckedKind::Other: break;
    }
    return message("gameCheckKindOther", language);
}

std::string severityWord(FindingSeverity severity, Language language) {
    return message(severity == FindingSeverity::Error ? MessageId("gameCheckError") : MessageId("gameCheckNote"), language);
}

bool CheckedCtr::hasErrors() const {
    return std::any_of(findings.begin(), findings.end(),
                       [](const GameFolderFinding& f) { return f.severity == FindingSeverity::Error; });
}

size_t GameFolderReport::errors() const {
    size_t n = 0;
    for (const CheckedCtr& c : ctrs) {
        n += static_cast<size_t>(std::count_if(c.findings.begin(), c.findings.end(),
                                               [](const GameFolderFinding& f) { return f.severity == FindingSeverity::Error; }));
    }
    return n;
}

size_t GameFolderReport::notes() const {
    size_t n = 0;
    for (const CheckedCtr& c : ctrs) n += c.findings.size();
    return n - errors();
}

GameFolderReport checkGameFolder(const fs::path& gamePath, const GameNames& names, Language language,
                                 const CheckProgress& progress) {
    return FolderCheck(gamePath, names, language, progress).run();
}

}  // namespace zw
