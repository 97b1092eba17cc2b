#include "datafiles/RideDataRewrite.h"

#include <cmath>

#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "base/Settings.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/DataFileWrite.h"
#include "datafiles/Formatters.h"
#include "datafiles/KeyFieldVisit.h"
#include "datafiles/RideDataHeader.h"

namespace zw {
namespace {

constexpr size_t kValueColumn = 32;  // 0-based: values start in the 33rd column

template <typename T, typename Format>
std::string joined(const std::vector<T>& values, Format format) {
    std::string out;
    for (size_t i = 0; i < values.size(); ++i) {
        if (i) out += ", ";
        out += format(values[i]);
    }
    return out;
}

std::string valueText(const DataFileKey& key, const RideData& r) {
    std::string text;
    visitKeyField(key.field, r, overloaded{
        [&](ConstRideFlag flag) { text = flag.isSet() ? "1" : "0"; },
        [&](const std::string& value) { text = value; },
        [&](int32_t number) { text = key.values == KeyValues::Money ? formatMoney(number) : integerText(number); },
        [&](double decimal) { text = formatDecimal(decimal); },
        [&](const std::vector<std::string>& texts) { text = joined(texts, [](const std::string& s) { return s; }); },
        [&](const std::vector<int32_t>& amounts) { text = joined(amounts, formatMoney); },
    });
    return text;
}

// The unit line: exactly one of the three for the factors the reader gives.
std::string unitLine(const DataFileKey& key, double speedUnitFactor, bool english) {
    const std::string& name = english ? key.englishName : key.names.front();
    const double factorPercent = std::trunc(speedUnitFactor * 100.0);
    std::string line;
    if (factorPercent >= 96 && factorPercent <= 104) line += alignedKeyLine(name, "SI [m/s]", kValueColumn);
    if (factorPercent >= 21 && factorPercent <= 29)
        line += alignedKeyLine(name, english ? "Metric [km/h]" : "Metrisch [km/h]", kValueColumn);
    if (factorPercent >= 41 && factorPercent <= 49)
        line += alignedKeyLine(name, english ? "Imperial [mph]" : "Englisch [mph]", kValueColumn);
    return line;
}

}  // namespace

std::string rideDataFileContent(const RideData& r, bool english, bool addOnsEnabled) {
    std::string text = rideDataHeader();
    const DataFileKey* unitKey = nullptr;
    bool addOnsBegun = false;
    // The unit closes the keys every ride has; the add-ons follow under a heading of their own.
    auto writeUnit = [&] {
        text += "\r\n";
        text += unitLine(*unitKey, r.SpeedUnitFactor, english);
    };
    for (const DataFileKey& key : rideKeys()) {
        if (key.values == KeyValues::SpeedUnit) {
            unitKey = &key;
            continue;
        }
        if (key.use == KeyUse::AddOn && !addOnsBegun) {
            addOnsBegun = true;
            writeUnit();
            if (!addOnsEnabled) return text;
            const std::string rule = "// " + std::string(83, '-') + "\r\n";
            text += "\r\n" + rule + std::string(kRideAddOnHeading) + "\r\n" + rule;
        }
        if (key.group != GroupStart::No) text += "\r\n";
        text += alignedKeyLine(english ? key.englishName : key.names.front(), valueText(key, r), kValueColumn);
    }
    if (!addOnsBegun) writeUnit();
    return text;
}

std::filesystem::path rideDataRewriteTarget(const RideData& ride) {
    const std::string name = ride.RideObjectName.size() > 4 ? ride.RideObjectName.substr(4) : std::string();
    return ride.DataFileFolder / pathFromCp1252("CTR_BahnDaten_" + name + ".txt");
}

Result<std::filesystem::path> rewriteRideDataFile(const RideData& ride, const Settings& settings,
                                                  const Answers& answers) {
    return writeDataFile(rideDataRewriteTarget(ride), rideDataFileContent(ride, settings.UseEnglish, settings.AddOnsEnabled),
                         "overwriteRideDataFile", "rideDataFileNotWritten", settings.OverwriteWithoutPrompt, answers);
}

}  // namespace zw
