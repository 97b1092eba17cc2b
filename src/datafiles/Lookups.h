#pragma once
// The key lookup family. Each lookup scans every indexed line that begins with the key (first
// column, case-sensitive, only the key's length compared) and collects the values that follow it,
// in line order, into the result area of its kind. A missing key is no error: the count is 0 and
// the caller applies its default.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Messages.h"
#include "base/Report.h"
#include "datafiles/DataFileDecoding.h"
#include "datafiles/DataFileText.h"
#include "datafiles/LineIndex.h"

namespace zw {

struct ReadTrace;

// The loaded texts of both file kinds, what each was made from, and the line index of the file
// loaded last.
struct LoadedDataFiles {
    DataFileText RideFileText;
    DataFileText CarFileText;
    DataFileSource RideFileSource;
    DataFileSource CarFileSource;
    LineIndex Lines;
};

// The result areas; each lookup empties its own before it searches. Entry 1 is element 0.
struct LookupResults {
    static constexpr size_t kValueLimit = 500;

    std::vector<int32_t> FoundInts;
    std::vector<double> FoundDecimals;
    std::vector<std::string> FoundTexts;  // Windows-1252 bytes
};

enum class DataFileKind { Ride, Car };

enum class ValueKind {
    Integer,
    Decimal,
    Text,            // a value ends at a blank, tab, comma, line end or "//"
    TextWithSpaces,  // a value ends only at a tab, line end or "//"
};

// One value of a key line, as every lookup reads it: the characters it was read from, [begin, end)
// of the loaded text, and the value of the lookup's kind.
struct LineValue {
    size_t begin = 0;
    size_t end = 0;
    int32_t integer = 0;  // Integer
    double decimal = 0;   // Decimal
    std::string text;     // Text, TextWithSpaces: Windows-1252 bytes
};

enum class LineScanEnd {
    LineDone,     // the line ended
    Stopped,      // the visitor asked to stop
    Hexadecimal,  // an integer value began with "$" (the lookup shows 911 and ends)
};

// Scans the key line whose key ends at `afterKey` and hands every value read to `visit`, which
// returns false to stop. This is the scan of every lookup: the character after the key and after
// each value is stepped over unexamined, then blanks, tabs and commas.
LineScanEnd scanKeyLine(const DataFileText& c, size_t afterKey, ValueKind kind,
                        const std::function<bool(const LineValue&)>& visit);

// True when the indexed line starting at `lineStart` begins with `key` (the lookups' key match).
bool lineBeginsWithKey(const DataFileText& c, size_t lineStart, std::string_view key);

// The position of the carriage return, line feed or "//" that ends the line at or after `a`.
size_t lineContentEnd(const DataFileText& c, size_t a);

// The characters the scans step over between values, and a blank (a separator but the comma).
bool isValueSeparator(int32_t c);
bool isBlank(int32_t c);

// One line that a key matched, as a lookup reads it: its index in the line index, where it starts,
// every value its scan gave and how the scan ended.
struct KeyLineMatch {
    size_t lineIndex = 0;
    size_t lineStart = 0;
    std::vector<LineValue> values;
    LineScanEnd end = LineScanEnd::LineDone;
};

// Every indexed line of `c` that begins with `key`, in line order, each scanned to its end (a lookup
// takes their values in this order until a hexadecimal value or the value limit stops it).
std::vector<KeyLineMatch> matchKeyLines(const DataFileText& c, const LineIndex& lines, std::string_view key,
                                        ValueKind kind);

// The lookups' alias precedence: of the names of a key, in lookup order, the first whose lines give
// any value; none when no name does. `valuesOf(i)` is the number of values the i-th name gives.
template <typename ValuesOf>
std::optional<size_t> firstNameWithValues(size_t nameCount, ValuesOf valuesOf) {
    for (size_t i = 0; i < nameCount; ++i)
        if (valuesOf(i) != 0) return i;
    return std::nullopt;
}

// The decimal scan of one value starting at `a` (a digit, or "-" and a digit); `a` is left on the
// last character that belongs to the value (the line scan steps over it).
double scanDecimalAt(const DataFileText& c, size_t& a);

class Lookups {
public:
    // The lookups' messages (911 and the limit messages) go to `report`. With a `trace` the readers
    // record what they did for each key into it (see ReadTrace.h).
    Lookups(const LoadedDataFiles& files, LookupResults& results, Report& report, ReadTrace* trace = nullptr)
        : files_(files), results_(results), report_(report), trace_(trace) {}

    // One lookup of `kind` in the file of `file`.
    void collect(DataFileKind file, ValueKind kind, std::string_view key);

    // The German name first; each alias only while nothing was found. Returns the number of
    // values found (the count of the kind's result area).
    size_t collectWithAliases(DataFileKind file, ValueKind kind, std::initializer_list<std::string_view> names);
    size_t collectWithAliases(DataFileKind file, ValueKind kind, const std::vector<std::string>& names);

    const LookupResults& results() const { return results_; }
    const LoadedDataFiles& files() const { return files_; }
    ReadTrace* trace() const { return trace_; }

private:
    template <typename Names>
    size_t collectFirst(DataFileKind file, ValueKind kind, const Names& names);
    size_t countOf(ValueKind kind) const;

    const LoadedDataFiles& files_;
    LookupResults& results_;
    Report& report_;
    ReadTrace* trace_;
};

}  // namespace zw
