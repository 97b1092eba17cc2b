#include "datafiles/CarDataReader.h"

#include <array>
#include <optional>
#include <type_traits>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/DataFileOpening.h"
#include "datafiles/HeaderCheck.h"
#include "datafiles/KeyFieldVisit.h"
#include "datafiles/ReadTrace.h"

namespace zw {
namespace {

constexpr std::size_t kCarFilePrefixLength = 15;  // "CTR_WagenDaten_", which the dialog's filter ensures
constexpr std::size_t kCarFileSuffixLength = 4;   // ".txt"

AcceptedHeaderSums acceptedCarHeaders() {
    return {headerSums(kCarDataHeader), kCarHeaderFullSumOffsets, kCarHeaderStrideSumOffsets};
}

// The object name becomes part of OVL symbol names, which hold Windows-1252 characters only: the
// file's name in that code page, or nullopt after the message.
std::optional<std::string> carFileName(const std::filesystem::path& path, Report& report) {
    try {
        return pathToCp1252(path.filename());
    } catch (const EncodingError&) {
        report.message("carFileNameNotWindows1252");
        return std::nullopt;
    }
}


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

// Where a role's settled field (of `data`) collects what its key gave; null for the fields read directly.
std::vector<std::string>* settledTexts(RoleFound& found, const CarRoleData& data, const std::string& field) {
    if (&field == &data.IncludeRIC) return &found.IncludeRIC;
    if (&field == &data.IncludeSVDPartA) return &found.IncludeSVDPartA;
    if (&field == &data.IncludeSVDPartB) return &found.IncludeSVDPartB;
    if (&field == &data.ModelNamePartA) return &found.ModelNamePartA;
    if (&field == &data.ModelNamePartB) return &found.ModelNamePartB;
    return nullptr;
}
std::vector<double>* settledDecimals(RoleFound& found, const CarRoleData& data, const double& field) {
    if (&field == &data.InertiaPartA) return &found.InertiaPartA;
    if (&field == &data.InertiaPartB) return &found.InertiaPartB;
    return nullptr;
}

// A hidden key is looked up always but used only with the hidden settings on.
double decimalOf(const DataFileKey& key, const FoundValues& found, bool used) {
    return used ? firstOr(found.decimals, key.number) : key.number;
}

std::int32_t integerOf(const DataFileKey& key, const FoundValues& found) {
    const std::int32_t value = firstOr(found.integers, static_cast<std::int32_t>(key.number));
    if (key.values == KeyValues::Flag) return flagValue(value);
    return value;
}

void readTrainKey(const DataFileKey& key, FoundValues found, bool used, KeyTrace* traced, CarData& car) {
    visitKeyField(key.field, car, overloaded{
        [&](std::vector<std::string>& texts) {
            if (!used) return;
            if (found.texts.size() > kMaxIncludePaths) {
                if (traced) traced->beyondLimit.assign(found.texts.begin() + kMaxIncludePaths, found.texts.end());
                found.texts.resize(kMaxIncludePaths);
            }
            texts = std::move(found.texts);
        },
        [&](std::string& text) { text = firstOr(found.texts, key.defaultText); },
        [&](std::int32_t& integer) { integer = integerOf(key, found); },
        [&](double& decimal) { decimal = decimalOf(key, found, used); },
    });
}

void readRoleKey(const DataFileKey& key, FoundValues found, bool used, KeyTrace* traced, Report& report,
                 RoleFound& settled, CarRoleData& data) {
    visitKeyField(key.field, data, overloaded{
        [&](std::string& text) {
            if (auto* target = settledTexts(settled, data, text)) *target = std::move(found.texts);
        },
        [&](double& decimal) {
            if (auto* target = settledDecimals(settled, data, decimal))
                *target = std::move(found.decimals);
            else
                decimal = decimalOf(key, found, used);
        },
        [&](std::int32_t& integer) { integer = integerOf(key, found); },
        [&](std::vector<std::int32_t>& positions) {
        positions = std::move(found.integers);
        if (positions.empty()) positions = {static_cast<std::int32_t>(key.number)};
        if (positions.size() > kMaxPeepSeatingPositions) {
            // The car structure has room for this many; say so rather than drop the rest unseen.
            report.message("peepSeatingPositionsCut", {carRoleName(*key.role), std::to_string(positions.size()),
                                                       std::to_string(kMaxPeepSeatingPositions)});
            if (traced)
                for (size_t i = kMaxPeepSeatingPositions; i < positions.size(); ++i)
                    traced->beyondLimit.push_back(std::to_string(positions[i]));
            positions.resize(kMaxPeepSeatingPositions);
        }
        },
    });
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

KeyTrace* CarFileLookup::trace(const DataFileKey& key) {
    ReadTrace* trace = lookups_.trace();
    if (!trace) return nullptr;
    traceKey(*trace, lookups_.files(), DataFileKind::Car, key);
    return &trace->keys[&key];
}

CarData readCarFields(CarKeyLookup& lookup, bool hiddenSettings, Report& report) {
    CarData car;
    std::array<RoleFound, kCarRoleCount> settled;
    for (const DataFileKey& key : carKeys()) {
        const bool used = key.use != KeyUse::Hidden || hiddenSettings;
        if (key.role) {
            const auto index = static_cast<std::size_t>(*key.role) - 1;
            KeyTrace* traced = lookup.trace(key);
            readRoleKey(key, lookUp(lookup, key), used, traced, report, settled[index], car.role(*key.role));
        } else {
            KeyTrace* traced = lookup.trace(key);
            readTrainKey(key, lookUp(lookup, key), used, traced, car);
        }
    }
    for (CarRole role : kCarRoles)
        settleRole(role, settled[static_cast<std::size_t>(role) - 1], hiddenSettings, car.role(role));
    return car;
}

Result<CarData> readCarDataFile(const std::filesystem::path& path, LoadedDataFiles& files, LookupResults& results,
                                const Settings& settings) {
    Result<CarData> read;
    if (!carFileName(path, read.report)) return read;
    const auto bytes = readWholeFile(path);
    if (!bytes) {
        read.report.message("161");
        return read;
    }
    return readCarDataBytes(*bytes, path, files, results, settings);
}

Result<CarData> readCarDataBytes(const std::string& bytes, const std::filesystem::path& path, LoadedDataFiles& files,
                                 LookupResults& results, const Settings& settings) {
    Result<CarData> read;
    const std::optional<std::string> fileName = carFileName(path, read.report);
    if (!fileName) return read;
    if (!openDataFileText(bytes, acceptedCarHeaders(), {"162", "163", "167"}, files.CarFileText, files.CarFileSource,
                          files.Lines, read.report)) {
        return read;
    }

    const std::size_t affixes = kCarFilePrefixLength + kCarFileSuffixLength;
    const std::string namePart =
        fileName->size() > affixes ? fileName->substr(kCarFilePrefixLength, fileName->size() - affixes) : std::string();

    Lookups lookups(files, results, read.report);
    CarFileLookup carLookup(lookups);
    CarData car = readCarFields(carLookup, settings.HiddenSettings, read.report);
    car.CarFolder = path.parent_path();
    car.CarObjectName = namePart.empty() ? "CTR_UnbenannterWagen" : "CTR_" + namePart;
    read.value = std::move(car);
    return read;
}

}  // namespace zw
