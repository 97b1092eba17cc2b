#include "datafiles/CarDataRewrite.h"

#include <optional>
#include <string>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/DataFileWrite.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"
#include "datafiles/KeyFieldVisit.h"

namespace zw {
namespace {

constexpr std::size_t kValueColumn = 40;  // 0-based: values start in the 41st column
constexpr std::string_view kLineEnd = "\r\n";

template <typename T, typename Format>
std::string joined(const std::vector<T>& values, Format format) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) out += ", ";
        out += format(values[i]);
    }
    return out;
}

std::string valueText(const DataFileKey& key, const CarData& car) {
    std::string text;
    auto format = overloaded{
        [&](const std::string& value) { text = value; },
        [&](std::int32_t integer) { text = integerText(integer); },
        [&](double decimal) { text = formatDecimal(decimal); },
        [&](const std::vector<std::int32_t>& integers) {
            text = joined(integers, [](std::int32_t v) { return integerText(v); });
        },
        [&](const std::vector<std::string>& texts) { text = joined(texts, [](const std::string& s) { return s; }); },
    };
    if (key.role) visitKeyField(key.field, car.role(*key.role), format);
    else visitKeyField(key.field, car, format);
    return text;
}

}  // namespace

std::string carKeyLine(std::string_view key, std::string_view value) {
    if (key == "PenultimateCar_InertiaPartA" || key == "PenultimateCar_InertiaPartB") {
        // These two have always stood one tab further out; kept so files stay alike.
        return std::string(key) + "\t\t\t" + std::string(value) + std::string(kLineEnd);
    }
    return alignedKeyLine(key, value, kValueColumn);
}

std::string carDataFileContent(const CarData& car, bool useEnglish, bool hiddenSettings) {
    std::string text(kCarDataHeader);
    std::optional<CarRole> role;
    for (const DataFileKey& key : carKeys()) {
        if (key.role != role) {
            text += kLineEnd;
            text += kCarRoleSeparatorLine;
            text += kLineEnd;
            text += kLineEnd;
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

std::filesystem::path carDataRewriteTarget(const CarData& car) {
    const std::string_view objectName = car.CarObjectName;
    const std::string_view namePart = objectName.size() > 4 ? objectName.substr(4) : std::string_view{};
    return car.CarFolder / pathFromCp1252("CTR_WagenDaten_" + std::string(namePart) + ".txt");
}

Result<std::filesystem::path> rewriteCarDataFile(const CarData& car, const Settings& settings, const Answers& answers) {
    return writeDataFile(carDataRewriteTarget(car), carDataFileContent(car, settings.UseEnglish, settings.HiddenSettings),
                         "overwriteCarDataFile", "carDataFileNotWritten", settings.OverwriteWithoutPrompt, answers);
}

}  // namespace zw
