#pragma once
// The check of a whole game folder: every entry of the rides' and the cars' folder (found in any
// letter case), each pair read once and put through the structure checks of the pair inspector
// (CtrCheck); then what the CTRs say of each other (two with one object name, a ride naming
// a car type or track section that is nowhere). Nothing is written; nothing is asked.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "datafiles/DataFileCheck.h"  // FindingSeverity
#include "install/GameFolders.h"

namespace zw {

enum class GameFolderFindingKind {
    FolderNotRead,        // a folder that cannot be listed
    FileNotRead,          // a file that cannot be read
    NamesDifferInCase,    // two entries whose names differ only in case, neither spelled as wanted
    HalfInstalled,        // a CTR folder without its pair, a track set without its own common file
    PairFileMissing,      // one file of a pair without the other
    Leftover,             // what an interrupted run left (.zwtmp, .zwnew, .zwold)
    UnknownContent,       // a pair that is neither ride nor car
    WrongFolder,          // a car among the rides or a ride among the cars
    NameMismatch,         // the object name inside the pair is not the folder's name
    SharedObjectName,     // two CTRs with one object name (in any letter case)
    PairMalformed,        // the pair's files cannot be read as OVL files
    StructureError,       // an error of the pair inspector's checks
    StructureNote,        // a note of the pair inspector's checks
    CarTypeMissing,       // a ride's car type that is neither an installed car nor one of the game's
    TrackSectionMissing,  // a ride's track section that is neither installed nor one of the game's
    LooseFile,            // a file the game does not load there
    NestedFolder,         // a folder inside a CTR's folder
    NotACtr,              // a folder not named as a CTR ("CTR_", "TrackCTR_")
};

// The kind's name in reports for other programs ("half-installed").
std::string_view findingKindName(GameFolderFindingKind kind);
FindingSeverity severityOf(GameFolderFindingKind kind);
// What the finding means in the game, and what to do about it, in `language` (UTF-8).
std::string findingMeaning(GameFolderFindingKind kind, Language language);
std::string findingAction(GameFolderFindingKind kind, Language language);

struct GameFolderFinding {
    GameFolderFindingKind kind = GameFolderFindingKind::LooseFile;
    FindingSeverity severity = FindingSeverity::Note;
    std::string file;  // the file or folder inside the CTR's folder (UTF-8); empty for the CTR itself
    std::string text;  // what was found (UTF-8, in the report's language)
};

enum class CheckedKind { Ride, Car, TrackSet, Other };
std::string_view checkedKindName(CheckedKind kind);  // "ride", "car", "track set", "other"
// The kind as the report shows it, in `language` ("Bahn", "ride").
std::string checkedKindWord(CheckedKind kind, Language language);
// "Fehler" / "error", "Hinweis" / "note".
std::string severityWord(FindingSeverity severity, Language language);

struct CheckedCtr {
    std::string name;                 // the entry's name (UTF-8)
    std::filesystem::path entry;      // the entry's name as found on disk
    CtrKind folderKind = CtrKind::Ride;  // Ride: below the rides' folder (tracks too); Car: the cars' folder
    std::filesystem::path kindFolder;    // that folder as found on disk; empty for the game folder's own findings
    CheckedKind kind = CheckedKind::Other;
    std::vector<GameFolderFinding> findings;

    // The worst severity among the findings; nothing when there is none.
    bool hasErrors() const;
    bool hasFindings() const { return !findings.empty(); }
};

// The names the game itself knows: its car types and track sections (the assistant's catalogue,
// completed from the game folder). Unknown sections are only reported when every track type's
// sections are known.
struct GameNames {
    bool carTypesKnown = false;
    std::vector<std::string> carTypes;
    bool allTrackSectionsKnown = false;
    std::vector<std::string> trackSections;
};

struct GameFolderReport {
    std::vector<CheckedCtr> ctrs;  // the rides' folder's entries by name, then the cars'
    size_t pairsRead = 0;
    size_t bytesRead = 0;
    // Names of rides' car types and sections that could not be compared (no or an incomplete catalogue).
    size_t carTypesNotCompared = 0;
    size_t trackSectionsNotCompared = 0;

    size_t errors() const;
    size_t notes() const;
};

// Called on the calling thread before each entry's findings are taken: how many were taken, of how
// many, and the entry's name.
using CheckProgress = std::function<void(size_t done, size_t total, const std::string& name)>;

// `threads`: how many entries are checked at once (0: as the machine allows, at most two). The report
// is the same for any number.
GameFolderReport checkGameFolder(const std::filesystem::path& gamePath, const GameNames& names, Language language,
                                 const CheckProgress& progress = {}, unsigned threads = 0);

}  // namespace zw
