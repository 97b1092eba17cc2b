#pragma once
// What a read did for each key: every line a name of the key begins, the values each line's scan
// gave and what the reader makes of them, the name whose values were taken or the default taken
// instead, and where the lookup was cut. The readers fill a trace only when given one (the check
// asks for one); a read without a trace scans nothing more.

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "datafiles/Lookups.h"

namespace zw {

struct DataFileKey;

// One line that a name of a key begins.
struct TracedLine {
    size_t lineIndex = 0;             // in the line index
    size_t nameIndex = 0;             // the key's name that matched it (the first of its names that does)
    std::string word;                 // the line's first word (up to a separator, the line end or "//")
    std::string written;              // what follows the word up to the line end or "//", without outer blanks
    std::vector<LineValue> values;    // every value the line's scan gives
    std::vector<std::string> texts;   // each value as the reader takes it, as a rewrite writes it
    LineScanEnd end = LineScanEnd::LineDone;
    bool everythingRead = true;       // every character after the word but separators belongs to a value
};

// Why the lookup of a key stopped before its last line.
enum class LookupCut {
    None,
    Hexadecimal,  // a value began with "$": the lookup ends on that line
    ValueLimit,   // more values than the result area holds
};

struct KeyTrace {
    // Every line any of the key's names begins, by name in lookup order, then in line order. The
    // lines of names after `nameUsed` are never looked up by the reader; they are here because a key
    // given under several names is worth telling.
    std::vector<TracedLine> lines;
    std::optional<size_t> nameUsed;  // the first name whose lookup gives a value; none: the default is taken
    std::string defaultText;         // the default as the reader takes it, as a rewrite writes it
    LookupCut cut = LookupCut::None;
    size_t cutLine = 0;  // the line index the cut came on

    // What a rule of the reader did with the values taken (lists).
    bool notUsed = false;                  // none of them is used (additional track types of a TrackCTR type)
    std::optional<size_t> entriesWanted;   // a list of one value per entry of another list: how many it takes
    std::vector<std::string> beyondLimit;  // taken but beyond the number the field keeps
    std::vector<std::string> leftOut;      // within that number but not kept (TrackCTR types as additional ones)
};

// An indexed line of the file, for what the reader never looks at: the lines no key name matches and
// the comments.
struct FileLine {
    uint32_t number = 0;      // the file's line number, the first line (never indexed) being 1
    std::string word;         // the first word: up to a blank, tab, comma, line end or "//"
    bool blank = false;
    bool comment = false;     // nothing but a comment
    bool hasComment = false;  // a "//" ends what is read of it
    std::string commentLine;  // a comment-only line without its leading blanks
};

// The keys of one read, by their entry in the key table, and the file's indexed lines.
struct ReadTrace {
    std::map<const DataFileKey*, KeyTrace> keys;
    std::vector<FileLine> lines;
};

// Records every indexed line of the text of `file` into `trace`.
void traceLines(ReadTrace& trace, const LoadedDataFiles& files, DataFileKind file);

// Records the lookup of `key` in the text of `file` into `trace`: its lines and values, the name the
// lookups' alias precedence takes, and the default (a speed's in the file's speed unit).
void traceKey(ReadTrace& trace, const LoadedDataFiles& files, DataFileKind file, const DataFileKey& key,
              double speedUnitFactor = 1.0);

// A value as the reader takes it for `key`, written as a rewrite writes it.
std::string readValueText(const DataFileKey& key, const LineValue& value);

}  // namespace zw
