#pragma once
// The key lookup family. Each lookup scans every indexed line that begins with the key (first
// column, case-sensitive, only the key's length compared) and collects the values that follow it,
// in line order, into the result area of its kind. A missing key is no error: the count is 0 and
// the caller applies its default.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "app/Dialogs.h"
#include "app/Messages.h"
#include "datafiles/DataFileText.h"
#include "datafiles/LineIndex.h"

namespace zw {

// The loaded texts of both file kinds and the line index of the file loaded last.
struct LoadedDataFiles {
    DataFileText RideFileText;
    DataFileText CarFileText;
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
    Integer,         // SammelWerte
    Decimal,         // SammelDezimalwerte
    Text,            // SammelTexte: a value ends at a blank, tab, comma, line end or "//"
    TextWithSpaces,  // SammelTextemitLeerzeichen: a value ends only at a tab, line end or "//"
};

class Lookups {
public:
    Lookups(const LoadedDataFiles& files, LookupResults& results, Dialogs& dialogs, Language language)
        : files_(files), results_(results), dialogs_(dialogs), language_(language) {}

    void SammelWerte(std::string_view key) { collect(DataFileKind::Ride, ValueKind::Integer, key); }
    void SammelWerteWagen(std::string_view key) { collect(DataFileKind::Car, ValueKind::Integer, key); }
    void SammelDezimalwerte(std::string_view key) { collect(DataFileKind::Ride, ValueKind::Decimal, key); }
    void SammelDezimalwerteWagen(std::string_view key) { collect(DataFileKind::Car, ValueKind::Decimal, key); }
    void SammelTexte(std::string_view key) { collect(DataFileKind::Ride, ValueKind::Text, key); }
    void SammelTextemitLeerzeichen(std::string_view key) {
        collect(DataFileKind::Ride, ValueKind::TextWithSpaces, key);
    }
    void SammelTexteWagen(std::string_view key) { collect(DataFileKind::Car, ValueKind::Text, key); }
    void SammelTexteWagenmitLeerzeichen(std::string_view key) {
        collect(DataFileKind::Car, ValueKind::TextWithSpaces, key);
    }

    // One lookup of `kind` in the file of `file`.
    void collect(DataFileKind file, ValueKind kind, std::string_view key);

    // The German name first; each alias only while nothing was found. Returns the number of
    // values found (the count of the kind's result area).
    size_t collectWithAliases(DataFileKind file, ValueKind kind, std::initializer_list<std::string_view> names);

    const LookupResults& results() const { return results_; }

private:
    size_t countOf(ValueKind kind) const;
    void showMessage(std::string_view id);

    const LoadedDataFiles& files_;
    LookupResults& results_;
    Dialogs& dialogs_;
    Language language_;
};

}  // namespace zw
