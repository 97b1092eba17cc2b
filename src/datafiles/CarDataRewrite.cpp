#include "datafiles/CarDataRewrite.h"

#include <optional>
#include <string>
#include <variant>

#include "base/Encoding.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"

namespace zw {
namespace {

constexpr std::size_t kValueColumn = 40;  // 0-based: values start in the 41st column
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRoleSeparator = "\r\n// -------------------------------------\r\n\r\n";

template <typename T, typename Format>
std::string joined(const std::vector<T>& values, Format format) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ", ";
        out += format(values[i]);
    }
    return out;
}

template <typename Record>
std::optional<std::string> valueOf(const DataFileKey& key, const Record& record) {
    if (const auto* text = std::get_if<std::string Record::*>(&key.field)) return record.**text;
    if (const auto* integer = std::get_if<std::int32_t Record::*>(&key.field)) return integerText(record.**integer);
    if (const auto* decimal = std::get_if<double Record::*>(&key.field)) return formatDecimal(record.**decimal);
    return std::nullopt;
}

std::string valueText(const DataFileKey& key, const CarData& car) {
    if (key.role) {
        const CarRoleData& role = car.role(*key.role);
        if (const auto* integers = std::get_if<std::vector<std::int32_t> CarRoleData::*>(&key.field))
            return joined(role.**integers, [](std::int32_t v) { return integerText(v); });
        return valueOf(key, role).value_or(std::string());
    }
    if (const auto* texts = std::get_if<std::vector<std::string> CarData::*>(&key.field))
        return joined(car.**texts, [](const std::string& s) { return s; });
    return valueOf(key, car).value_or(std::string());
}

}  // namespace

std::string carKeyLine(std::string_view key, std::string_view value) {
    if (key == "PenultimateCar_InertiaPartA" || key == "PenultimateCar_InertiaPartB") {
        // These two have always stood one tab further out; kept so files stay alike.
        return std::string(key) + "\t\t\t" + std::string(value) + std::string(kLineEnd);
    }
    return alignedKeyLine(key, value, kValueColumn);
}

std::string composeCarDataFile(const CarData& car, bool useEnglish, bool hiddenSettings) {
    std::string text(kCarDataHeader);
    std::optional<CarRole> role;
    for (const DataFileKey& key : carKeys()) {
        if (key.role != role) {
            text += kRoleSeparator;
            role = key.role;
        }
        if (key.group == GroupStart::Yes || (key.group == GroupStart::InGermanOnly && !useEnglish)) text += kLineEnd;
        // The hidden keys are written only by a German rewrite with the hidden settings on.
        if (key.use == KeyUse::Hidden && (useEnglish || !hiddenSettings)) continue;
        text += carKeyLine(useEnglish ? key.englishName : key.names.front(), valueText(key, car));
    }
    text += kLineEnd;
    return text;
}

std::filesystem::path carDataTargetPath(const CarData& car) {
    const std::string_view objectName = car.CarObjectName;
    const std::string_view namePart = objectName.size() > 4 ? objectName.substr(4) : std::string_view{};
    return car.CarFolder / pathFromCp1252("CTR_WagenDaten_" + std::string(namePart) + ".txt");
}

}  // namespace zw
