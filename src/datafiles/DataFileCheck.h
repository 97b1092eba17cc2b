#pragma once
// The check of a data file that was read: where what the reader takes differs from what the author
// wrote, and what a canonical rewrite would drop, each with its line number. It runs the reader's key
// pass with a ReadTrace and formats what the reader recorded for each key and line.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "datafiles/Lookups.h"

namespace zw {

enum class FindingSeverity {
    Error,  // the value used is not what was written
    Note,   // worth knowing; what was written is used
};

struct DataFileFinding {
    uint32_t line = 0;  // line of the file, the header's first line being 1; 0 for the file as a whole
    FindingSeverity severity = FindingSeverity::Error;
    std::string text;  // UTF-8, without the line number
    // For a value not read as written: what the reader takes instead, as a rewrite writes it
    // (Windows-1252); none where a rule over several keys decides.
    std::optional<std::string> usedValue;
};

// The game's names that list entries should come from (Windows-1252).
struct KnownNames {
    std::vector<std::string> carTypes;
    std::vector<std::string> trackSections;
    std::vector<std::string> icons;
    std::vector<std::string> stations;
};

struct DataFileCheckSettings {
    Language language = Language::German;
    bool addOnsEnabled = false;          // a ride rewrite writes the add-on keys
    bool hiddenSettings = false;         // the car's hidden keys are used
    const KnownNames* known = nullptr;   // nullptr: list entries are not compared
    std::string catalogueProblem;        // why there is no catalogue to compare with, when there should be one
};

// Checks the text of `kind` in `files` with the line index built over it (the file loaded last).
// Findings come in line order.
std::vector<DataFileFinding> checkDataFile(DataFileKind kind, const LoadedDataFiles& files,
                                           const DataFileCheckSettings& settings);

bool hasErrors(const std::vector<DataFileFinding>& findings);
// How many findings are errors (notes do not count).
std::size_t errorCount(const std::vector<DataFileFinding>& findings);

// One finding as a line of text ("line 12: ...", a note marked as one).
std::string findingLine(const DataFileFinding& finding, Language language);

// The findings of the file `fileName` as one message: at most `shown` of them,
// then how many more there are.
std::string findingsMessage(MessageArg fileName, const std::vector<DataFileFinding>& findings,
                            Language language, size_t shown = 20);

}  // namespace zw
