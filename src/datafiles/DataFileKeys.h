#pragma once
// The keys of a data file kind written down once: each key's names in lookup order, the field its
// value fills, what its values are, its default, the group it opens in a rewrite and when the
// program uses it. The reader, the rewrite, the check and the CLI's dump all work from these
// tables, in the order they list the keys (the order the readers look them up).

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "datafiles/CarData.h"
#include "datafiles/Lookups.h"
#include "datafiles/RideData.h"

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
    Hidden,  // a car key used only with the hidden settings on (and written only by a German rewrite)
};

// The game's lists that a key's entries should come from.
enum class KnownList { None, CarTypes, TrackSections, Icons, Stations };

// Whether a key opens a group, which a rewrite sets off with a blank line before it.
enum class GroupStart {
    No,
    Yes,
    InGermanOnly,  // only a German rewrite sets it off (a car role's model names)
};

// A flag kept as a bit of RideData::RideFlags.
struct RideFlagBit {
    uint32_t bit;
    bool operator==(const RideFlagBit&) const = default;
};

// A cell of the ride's rating table.
struct RatingCell {
    size_t row;
    RatingColumn column;
    bool operator==(const RatingCell&) const = default;
};

// The field a key's value fills: a member of the ride, of the car's train or of a car role.
using KeyField = std::variant<std::monostate, std::string RideData::*, int32_t RideData::*, double RideData::*,
                              std::vector<std::string> RideData::*, std::vector<int32_t> RideData::*, RideFlagBit,
                              RatingCell, std::string CarData::*, int32_t CarData::*, double CarData::*,
                              std::vector<std::string> CarData::*, std::string CarRoleData::*,
                              int32_t CarRoleData::*, double CarRoleData::*, std::vector<int32_t> CarRoleData::*>;

struct DataFileKey {
    std::vector<std::string> names;  // the German name first, then the aliases in lookup order
    std::string englishName;         // the name an English rewrite writes
    KeyField field;
    std::string fieldName;              // the field's name in a dump
    std::optional<CarRole> role;        // a car role's key; none for the ride's and the train's keys
    KeyValues values = KeyValues::Text;
    std::string defaultText;  // the default as a rewrite writes it; empty where there is none or a rule decides
    double number = 0;        // a number's default (money in hundredths; a speed in metres per second)
    GroupStart group = GroupStart::No;
    KeyUse use = KeyUse::Always;
    KnownList list = KnownList::None;
    bool settledByRule = false;  // a rule over several keys settles the value (the car's names and inertias)
};

// A list key's default as the reader takes it (its defaultText "a, b, c" as entries).
std::vector<std::string> defaultListOf(const DataFileKey& key);

// The key of `keys` that fills `field`; null when none does.
const DataFileKey* keyFilling(const std::vector<DataFileKey>& keys, const KeyField& field);

// A CTR track type, which takes no additional track types and is none itself.
inline bool isCtrTrackType(std::string_view type) { return type.starts_with("TrackCTR"); }

// The lookup kind that reads a key's values.
ValueKind scanKindOf(KeyValues values);

// True for the keys that take every value found rather than the first.
bool takesAllValues(KeyValues values);

// The ride data file's keys (CTR_BahnDaten), in reading order.
const std::vector<DataFileKey>& rideKeys();

// The car data file's keys (CTR_WagenDaten): the train keys, then each role's keys, in reading order.
const std::vector<DataFileKey>& carKeys();

// A key line of a rewrite: the key, tabs up to the value column (a blank where the key reaches
// it), the value and CR LF.
std::string alignedKeyLine(std::string_view key, std::string_view value, size_t valueColumn);

// The speed unit names the ride reader knows, and the factor each gives.
struct SpeedUnitName {
    std::string_view name;
    double factor;
};
const std::vector<SpeedUnitName>& speedUnitNames();

// The factor a speed unit name gives; an unknown unit counts as SI.
double speedUnitFactorOf(std::string_view unit);
bool isKnownSpeedUnit(std::string_view unit);

// A flag as the readers take it: 1 when the number read is exactly 1, else 0.
constexpr int32_t flagValue(int32_t read) { return read == 1 ? 1 : 0; }

// A decimal key's default as read: a speed's default is metres per second in the file's unit.
inline double defaultDecimalOf(const DataFileKey& key, double speedUnitFactor) {
    return key.values == KeyValues::Speed ? key.number / speedUnitFactor : key.number;
}

}  // namespace zw
