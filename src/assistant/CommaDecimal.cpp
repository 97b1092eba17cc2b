#include "assistant/CommaDecimal.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zw {
namespace {

struct DecimalParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

std::optional<DecimalParts> splitDecimal(std::string_view text) {
    text = trimBlanks(text);
    DecimalParts parts;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        parts.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    size_t i = 0;
    while (i < text.size() && isDigit(text[i])) ++i;
    parts.integerDigits = text.substr(0, i);
    if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
        size_t start = ++i;
        while (i < text.size() && isDigit(text[i])) ++i;
        parts.fractionDigits = text.substr(start, i - start);
    }
    if (i != text.size()) return std::nullopt;
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) return std::nullopt;
    return parts;
}

}  // namespace

std::optional<double> commaTextToDouble(std::string_view text) {
    auto parts = splitDecimal(text);
    if (!parts) return std::nullopt;
    std::string normal = parts->negative ? "-" : "";
    normal += parts->integerDigits.empty() ? "0" : std::string(parts->integerDigits);
    if (!parts->fractionDigits.empty()) normal += "." + std::string(parts->fractionDigits);
    double value = 0.0;
    auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (error != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int32_t> commaTextToHundredths(std::string_view text) {
    auto parts = splitDecimal(text);
    if (!parts) return std::nullopt;
    int64_t amount = 0;
    for (char c : parts->integerDigits) {
        amount = amount * 10 + (c - '0');
        if (amount > int64_t{1} << 40) return std::nullopt;
    }
    std::string_view fraction = parts->fractionDigits.substr(0, 2);
    amount = amount * 10 + (fraction.size() > 0 ? fraction[0] - '0' : 0);
    amount = amount * 10 + (fraction.size() > 1 ? fraction[1] - '0' : 0);
    if (parts->negative) amount = -amount;
    if (amount < std::numeric_limits<int32_t>::min() || amount > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(amount);
}

std::optional<int32_t> commaTextToInt(std::string_view text) {
    text = trimBlanks(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

std::optional<int32_t> commaTextToTruncatedInt(std::string_view text) {
    auto value = commaTextToDouble(text);
    if (!value) return std::nullopt;
    double truncated = std::trunc(*value);
    if (truncated < std::numeric_limits<int32_t>::min() || truncated > std::numeric_limits<int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int32_t>(truncated);
}

std::string doubleToCommaText(double x) {
    // Thousandths as an integer, rounded half away from zero as a fixed-format conversion does.
    double scaled = std::round(x * 1000.0);
    if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e15) scaled = 0.0;
    int64_t thousandths = static_cast<int64_t>(scaled);
    bool negative = thousandths < 0;
    uint64_t magnitude = negative ? static_cast<uint64_t>(-thousandths) : static_cast<uint64_t>(thousandths);
    std::string fraction = std::to_string(magnitude % 1000);
    fraction.insert(0, 3 - fraction.size(), '0');
    return std::string(negative ? "-" : "") + std::to_string(magnitude / 1000) + "," + fraction;
}

std::string hundredthsToCommaText(int64_t amount) {
    bool negative = amount < 0;
    uint64_t magnitude = negative ? static_cast<uint64_t>(-amount) : static_cast<uint64_t>(amount);
    std::string fraction = std::to_string(magnitude % 100);
    fraction.insert(0, 2 - fraction.size(), '0');
    return std::string(negative ? "-" : "") + std::to_string(magnitude / 100) + "," + fraction + "0";
}

}  // namespace zw
