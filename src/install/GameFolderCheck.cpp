#include "install/GameFolderCheck.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "base/AsciiCase.h"
#include "base/Encoding.h"
#include "base/InOrderParallel.h"
#include "base/PathOnDisk.h"
#include "install/CtrCheck.h"

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
    FolderCheck(const fs::path& gamePath, const GameNames& names, Language language, const CheckProgress& progress,
                unsigned threads)
        : gamePath_(gamePath), names_(names), language_(language), progress_(progress), threads_(threads) {}

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
            std::vector<FolderEntry> entries = listFolderEntries(found.path, error);
            if (error) {
                add(folderItself(kind, shown), Kind::FolderNotRead, "", "gameCheckFolderNotRead",
                    {displayName(found.path), asciiOnlyText(error.message())});
                continue;
            }
            std::sort(entries.begin(), entries.end(),
                      [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
            listed.push_back({kind, found.path, std::move(entries)});
        }
        struct Entry {
            const Listed* in;
            const FolderEntry* entry;
        };
        std::vector<Entry> all;
        for (const Listed& l : listed) {
            for (const FolderEntry& entry : l.entries) all.push_back({&l, &entry});
        }
        const size_t total = all.size();
        if (progress_ && total > 0) progress_(0, total, utf8Name(all[0].entry->name));
        const auto makeCheck = [&] {
            return [&, check = CtrCheck(language_)](size_t i) mutable {
                return check.check(all[i].in->kind, all[i].in->folder, *all[i].entry);
            };
        };
        runInOrder(total, threads_, makeCheck, [&](size_t i, CtrCheckResult&& checked) {
            take(std::move(checked));
            if (progress_ && i + 1 < total) progress_(i + 1, total, utf8Name(all[i + 1].entry->name));
        });
        if (progress_) progress_(total, total, std::string());
        compareNames();
        return finish();
    }

private:
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

    // One entry's check, in the entries' order.
    void take(CtrCheckResult&& checked) {
        const size_t index = report_.ctrs.size();
        report_.ctrs.push_back(std::move(checked.ctr));
        report_.pairsRead += checked.pairsRead;
        report_.bytesRead += checked.bytesRead;
        if (checked.objectName) objectNames_.push_back({index, std::move(*checked.objectName), std::move(checked.objectTag)});
        if (checked.namesOthers) {
            rides_.push_back({index, std::move(checked.namingFile), std::move(checked.carTypes),
                              std::move(checked.trackSections)});
        }
        installedSections_.insert(checked.installedSections.begin(), checked.installedSections.end());
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
    unsigned threads_;
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
                                 const CheckProgress& progress, unsigned threads) {
    // Two at once: while one thread waits for the system to copy a file's bytes, the other checks
    // what it has read. More would each keep buffers of their own and gain little, as the reads
    // share the memory's bandwidth.
    return FolderCheck(gamePath, names, language, progress, threads > 0 ? threads : threadsUpTo(2)).run();
}

}  // namespace zw
