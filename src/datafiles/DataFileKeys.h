#pragma once
// The keys of a data file kind written down once: each key's names in lookup order, what its values
// are, its default as a rewrite writes it, and when the program uses it. The check of a data file
// works from these tables; they list the keys in the order the readers look them up.

#include <string>
#include <vector>

#include "datafiles/Lookups.h"

namespace zw {

// What a key's values are and how the reader takes them.
enum class KeyValues {
    Integer,         // the first integer
    Flag,            // the first integer: 1 when it is 1, else 0
    Decimal,         // the first decimal
    Speed,           // the first decimal, in the file's speed unit
    Money,           // the first decimal, as whole hundredths (truncated)
    Text,            // the first text
    TextWithSpaces,  // the first text with spaces
    SpeedUnit,       // the first text, one of the unit names
    TextList,        // every text
    MoneyList,       // every decimal, as hundredths: one per track section
    IntegerList,     // every integer
};

// When the program uses a key beyond the plain read.
enum class KeyUse {
    Always,
    AddOn,   // written by a ride rewrite only with the add-ons on
    Hidden,  // a car key used (and written) only with the hidden settings on
};

// The game's lists that a key's entries should come from.
enum class KnownList { None, CarTypes, TrackSections, Icons, Stations };

struct DataFileKey {
    std::vector<std::string> names;  // the German name first, then the aliases in lookup order
    KeyValues values = KeyValues::Text;
    std::string defaultText;  // the default as a rewrite writes it; empty where there is none or a rule decides
    double speedDefault = 0;  // Speed: the default in metres per second (written in the file's unit)
    KeyUse use = KeyUse::Always;
    KnownList list = KnownList::None;
    bool settledByRule = false;  // a rule over several keys settles the value (the car's names and inertias)
};

// A key with its names, values and default; used always, no list, no rule.
DataFileKey dataFileKey(std::vector<std::string> names, KeyValues values, std::string defaultText);

// The lookup kind that reads a key's values.
ValueKind scanKindOf(KeyValues values);

// True for the keys that take every value found rather than the first.
bool takesAllValues(KeyValues values);

// The ride data file's keys (CTR_BahnDaten), in reading order.
const std::vector<DataFileKey>& rideKeys();

// The car data file's keys (CTR_WagenDaten): the train keys, then each role's keys, in reading order.
const std::vector<DataFileKey>& carKeys();

// The speed unit names the ride reader knows, and the factor each gives.
struct SpeedUnitName {
    std::string_view name;
    double factor;
};
const std::vector<SpeedUnitName>& speedUnitNames();

}  // namespace zw
