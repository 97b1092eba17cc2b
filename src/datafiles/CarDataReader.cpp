#include "datafiles/CarDataReader.h"

#include <array>
#include <type_traits>
#include <variant>

#include "datafiles/DataFileKeys.h"

namespace zw {
namespace {

// The values of the first key, in lookup order, that gives any value.
template <typename Lookup>
auto firstFound(const std::vector<std::string>& keys, Lookup lookup) {
    decltype(lookup(std::string_view{})) values;
    for (const auto& key : keys) {
        values = lookup(key);
        if (!values.empty()) break;
    }
    return values;
}

template <typename T>
T firstOr(const std::vector<T>& values, std::type_identity_t<T> fallback) {
    return values.empty() ? fallback : values.front();
}

struct RoleFound {
    std::vector<std::string> IncludeRIC, IncludeSVDPartA, IncludeSVDPartB;
    std::vector<std::string> ModelNamePartA, ModelNamePartB;
    std::vector<double> InertiaPartA, InertiaPartB;
};

// The names and inertias of a role, settled in this order; later rules see what earlier ones left.
void settleRole(CarRole role, const RoleFound& found, bool hiddenSettings, CarRoleData& data) {
    const std::string none;
    // 1. Parts taken from other OVLs are a hidden setting.
    data.IncludeRIC = hiddenSettings ? firstOr(found.IncludeRIC, none) : none;
    data.IncludeSVDPartA = hiddenSettings ? firstOr(found.IncludeSVDPartA, none) : none;
    data.IncludeSVDPartB = hiddenSettings ? firstOr(found.IncludeSVDPartB, none) : none;
    // 2. A whole car structure from elsewhere needs no models.
    if (!data.IncludeRIC.empty()) {
        data.IncludeSVDPartA.clear();
        data.IncludeSVDPartB.clear();
    }
    // 3., 4. A part taken from elsewhere has no model of its own.
    data.ModelNamePartA = firstOr(found.ModelNamePartA, none);
    if (!data.IncludeRIC.empty() || !data.IncludeSVDPartA.empty()) data.ModelNamePartA.clear();
    data.ModelNamePartB = firstOr(found.ModelNamePartB, none);
    if (!data.IncludeRIC.empty() || !data.IncludeSVDPartB.empty()) data.ModelNamePartB.clear();
    // 5. A car given only a B part is a one-part car.
    if (data.ModelNamePartA.empty() && data.IncludeSVDPartA.empty() && !data.ModelNamePartB.empty()) {
        data.ModelNamePartA = std::move(data.ModelNamePartB);
        data.ModelNamePartB.clear();
    }
    // The front car always needs a model; the example name stands in only when nothing else gave
    // the front car a model, so a lone B name is not pushed aside by it.
    if (role == CarRole::FrontCar && found.ModelNamePartA.empty() && data.ModelNamePartA.empty() &&
        data.IncludeRIC.empty() && data.IncludeSVDPartA.empty()) {
        data.ModelNamePartA = "BeispielWagenModell";
    }
    // 6. Inertia, -1 standing for "none".
    data.InertiaPartA = firstOr(found.InertiaPartA, 500.0);
    data.InertiaPartB = firstOr(found.InertiaPartB, -1.0);
    if (data.ModelNamePartB.empty()) {
        if (data.InertiaPartA == -1.0) data.InertiaPartA = data.InertiaPartB;
        if (data.InertiaPartA == -1.0) data.InertiaPartA = 500.0;
        data.InertiaPartB = -1.0;
    } else {
        if (data.InertiaPartA == -1.0) data.InertiaPartA = 0.0;
        if (data.InertiaPartB == -1.0) data.InertiaPartB = 500.0;
    }
}

// The values of the first of a key's names that gives any, read as the key's kind.
struct FoundValues {
    std::vector<std::int32_t> integers;
    std::vector<double> decimals;
    std::vector<std::string> texts;
};

FoundValues lookUp(CarKeyLookup& lookup, const DataFileKey& key) {
    FoundValues found;
    switch (scanKindOf(key.values)) {
        case ValueKind::Integer:
            found.integers = firstFound(key.names, [&](std::string_view k) { return lookup.integers(k); });
            break;
        case ValueKind::Decimal:
            found.decimals = firstFound(key.names, [&](std::string_view k) { return lookup.decimals(k); });
            break;
        case ValueKind::Text:
            found.texts = firstFound(key.names, [&](std::string_view k) { return lookup.texts(k); });
            break;
        case ValueKind::TextWithSpaces:
            found.texts = firstFound(key.names, [&](std::string_view k) { return lookup.textsWithSpaces(k); });
            break;
    }
    return found;
}

// Where a role's settled field collects what its key gave; null for the fields read directly.
std::vector<std::string>* settledTexts(RoleFound& found, std::string CarRoleData::*field) {
    if (field == &CarRoleData::IncludeRIC) return &found.IncludeRIC;
    if (field == &CarRoleData::IncludeSVDPartA) return &found.IncludeSVDPartA;
    if (field == &CarRoleData::IncludeSVDPartB) return &found.IncludeSVDPartB;
    if (field == &CarRoleData::ModelNamePartA) return &found.ModelNamePartA;
    if (field == &CarRoleData::ModelNamePartB) return &found.ModelNamePartB;
    return nullptr;
}
std::vector<double>* settledDecimals(RoleFound& found, double CarRoleData::*field) {
    if (field == &CarRoleData::InertiaPartA) return &found.InertiaPartA;
    if (field == &CarRoleData::InertiaPartB) return &found.InertiaPartB;
    return nullptr;
}

// A hidden key is looked up always but used only with the hidden settings on.
double decimalOf(const DataFileKey& key, const FoundValues& found, bool used) {
    return used ? firstOr(found.decimals, key.number) : key.number;
}

std::int32_t integerOf(const DataFileKey& key, const FoundValues& found) {
    const std::int32_t value = firstOr(found.integers, static_cast<std::int32_t>(key.number));
    if (key.values == KeyValues::Flag) return value == 1 ? 1 : 0;
    return value;
}

void readTrainKey(const DataFileKey& key, FoundValues found, bool used, CarData& car) {
    if (const auto* texts = std::get_if<std::vector<std::string> CarData::*>(&key.field)) {
        if (!used) return;
        if (found.texts.size() > kMaxIncludePaths) found.texts.resize(kMaxIncludePaths);
        car.**texts = std::move(found.texts);
    } else if (const auto* text = std::get_if<std::string CarData::*>(&key.field)) {
        car.**text = firstOr(found.texts, key.defaultText);
    } else if (const auto* integer = std::get_if<std::int32_t CarData::*>(&key.field)) {
        car.**integer = integerOf(key, found);
    } else if (const auto* decimal = std::get_if<double CarData::*>(&key.field)) {
        car.**decimal = decimalOf(key, found, used);
    }
}

void readRoleKey(const DataFileKey& key, FoundValues found, bool used, Report& report, RoleFound& settled,
                 CarRoleData& data) {
    if (const auto* text = std::get_if<std::string CarRoleData::*>(&key.field)) {
        if (auto* target = settledTexts(settled, *text)) *target = std::move(found.texts);
    } else if (const auto* decimal = std::get_if<double CarRoleData::*>(&key.field)) {
        if (auto* target = settledDecimals(settled, *decimal))
            *target = std::move(found.decimals);
        else
            data.**decimal = decimalOf(key, found, used);
    } else if (const auto* integer = std::get_if<std::int32_t CarRoleData::*>(&key.field)) {
        data.**integer = integerOf(key, found);
    } else if (const auto* integers = std::get_if<std::vector<std::int32_t> CarRoleData::*>(&key.field)) {
        auto& positions = data.**integers;
        positions = std::move(found.integers);
        if (positions.empty()) positions = {static_cast<std::int32_t>(key.number)};
        if (positions.size() > kMaxPeepSeatingPositions) {
            // The car structure has room for this many; say so rather than drop the rest unseen.
            report.message("peepSeatingPositionsCut", {carRoleName(*key.role), std::to_string(positions.size()),
                                                       std::to_string(kMaxPeepSeatingPositions)});
            positions.resize(kMaxPeepSeatingPositions);
        }
    }
}

}  // namespace

std::vector<std::int32_t> CarFileLookup::integers(std::string_view key) {
    lookups_.collect(DataFileKind::Car, ValueKind::Integer, key);
    return lookups_.results().FoundInts;
}

std::vector<double> CarFileLookup::decimals(std::string_view key) {
    lookups_.collect(DataFileKind::Car, ValueKind::Decimal, key);
    return lookups_.results().FoundDecimals;
}

std::vector<std::string> CarFileLookup::texts(std::string_view key) {
    lookups_.collect(DataFileKind::Car, ValueKind::Text, key);
    return lookups_.results().FoundTexts;
}

std::vector<std::string> CarFileLookup::textsWithSpaces(std::string_view key) {
    lookups_.collect(DataFileKind::Car, ValueKind::TextWithSpaces, key);
    return lookups_.results().FoundTexts;
}

CarData readCarFields(CarKeyLookup& lookup, bool hiddenSettings, Report& report) {
    CarData car;
    std::array<RoleFound, kCarRoleCount> settled;
    for (const DataFileKey& key : carKeys()) {
        const bool used = key.use != KeyUse::Hidden || hiddenSettings;
        if (key.role) {
            const auto index = static_cast<std::size_t>(*key.role) - 1;
            readRoleKey(key, lookUp(lookup, key), used, report, settled[index], car.role(*key.role));
        } else {
            readTrainKey(key, lookUp(lookup, key), used, car);
        }
    }
    for (CarRole role : kCarRoles)
        settleRole(role, settled[static_cast<std::size_t>(role) - 1], hiddenSettings, car.role(role));
    return car;
}

}  // namespace zw
