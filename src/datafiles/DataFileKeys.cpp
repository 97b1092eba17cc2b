// What the key tables of both data file kinds share.
#include "datafiles/DataFileKeys.h"

#include <algorithm>

namespace zw {

const std::vector<SpeedUnitName>& speedUnitNames() {
    static const std::vector<SpeedUnitName> names = {
        {"SI", 1.0},           {"m/s", 1.0},          {"Metrisch", 0.277778}, {"Metric", 0.277778},
        {"km/h", 0.277778},    {"Englisch", 0.44704}, {"Imperial", 0.44704},  {"mph", 0.44704},
    };
    return names;
}

double speedUnitFactorOf(std::string_view unit) {
    for (const SpeedUnitName& known : speedUnitNames())
        if (known.name == unit) return known.factor;
    return 1.0;
}

bool isKnownSpeedUnit(std::string_view unit) {
    const auto& units = speedUnitNames();
    return std::any_of(units.begin(), units.end(), [&](const SpeedUnitName& u) { return u.name == unit; });
}

ValueKind scanKindOf(KeyValues values) {
    switch (values) {
        case KeyValues::Integer:
        case KeyValues::Flag:
        case KeyValues::IntegerList: return ValueKind::Integer;
        case KeyValues::Decimal:
        case KeyValues::Speed:
        case KeyValues::Money:
        case KeyValues::MoneyList: return ValueKind::Decimal;
        case KeyValues::TextWithSpaces: return ValueKind::TextWithSpaces;
        default: return ValueKind::Text;
    }
}

bool takesAllValues(KeyValues values) {
    return values == KeyValues::TextList || values == KeyValues::MoneyList || values == KeyValues::IntegerList;
}

std::vector<std::string> defaultListOf(const DataFileKey& key) {
    const std::string& text = key.defaultText;
    std::vector<std::string> entries;
    for (size_t begin = 0; begin < text.size();) {
        const size_t comma = text.find(", ", begin);
        entries.push_back(text.substr(begin, comma == std::string::npos ? std::string::npos : comma - begin));
        begin = comma == std::string::npos ? text.size() : comma + 2;
    }
    return entries;
}

const DataFileKey* keyFilling(const std::vector<DataFileKey>& keys, const KeyField& field) {
    for (const DataFileKey& key : keys)
        if (key.field == field) return &key;
    return nullptr;
}

std::string alignedKeyLine(std::string_view key, std::string_view value, size_t valueColumn) {
    std::string line(key);
    if (key.size() >= valueColumn) {
        line += ' ';
    } else {
        for (size_t column = key.size(); column < valueColumn; column = (column / 8 + 1) * 8) line += '\t';
    }
    line += value;
    line += "\r\n";
    return line;
}

}  // namespace zw
