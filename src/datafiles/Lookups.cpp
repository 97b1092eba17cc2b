#include "datafiles/Lookups.h"

#include <algorithm>

namespace zw {
namespace {

constexpr int32_t CR = 13, LF = 10;

bool isDigit(int32_t c) { return c >= '0' && c <= '9'; }
bool isCommentStart(const DataFileText& c, size_t a) { return charAt(c, a) == '/' && charAt(c, a + 1) == '/'; }
bool isLineEnd(const DataFileText& c, size_t a) {
    return charAt(c, a) == CR || charAt(c, a) == LF || isCommentStart(c, a);
}
bool startsValue(const DataFileText& c, size_t a) {
    return isDigit(charAt(c, a)) || (charAt(c, a) == '-' && isDigit(charAt(c, a + 1)));
}

// Digits accumulate in 32 bits and wrap; a leading "-" negates.
int32_t readInteger(const DataFileText& c, size_t& a) {
    const bool negative = charAt(c, a) == '-';
    if (negative) ++a;
    uint32_t value = 0;
    while (isDigit(charAt(c, a))) value = value * 10u + static_cast<uint32_t>(charAt(c, a++) - '0');
    return static_cast<int32_t>(negative ? 0u - value : value);
}

std::string readText(const DataFileText& c, size_t& a, bool withSpaces) {
    std::string value;
    while (!isLineEnd(c, a)) {
        const int32_t ch = charAt(c, a);
        if (ch == '\t' || (!withSpaces && (ch == ' ' || ch == ','))) break;
        value.push_back(static_cast<char>(ch));
        ++a;
    }
    return value;
}

}  // namespace

bool isValueSeparator(int32_t c) { return c == ' ' || c == '\t' || c == ','; }
bool isBlank(int32_t c) { return c == ' ' || c == '\t'; }

bool lineBeginsWithKey(const DataFileText& c, size_t lineStart, std::string_view key) {
    for (size_t i = 0; i < key.size(); ++i) {
        if (charAt(c, lineStart + i) != static_cast<unsigned char>(key[i])) return false;
    }
    return true;
}

size_t lineContentEnd(const DataFileText& c, size_t a) {
    while (!isLineEnd(c, a)) ++a;
    return a;
}

// At most three decimals; the comma is never a decimal mark. After the last decimal digit read
// the scan stands on that digit (the next step of the scan steps over it); after a "." that no
// digit follows it stands on the character after the ".".
double scanDecimalAt(const DataFileText& c, size_t& a) {
    const bool negative = charAt(c, a) == '-';
    if (negative) ++a;
    double acc = 0.0;
    while (isDigit(charAt(c, a))) acc = acc * 10.0 + (charAt(c, a++) - '0');
    if (charAt(c, a) == '.') {
        if (!isDigit(charAt(c, a + 1))) {
            ++a;
        } else {
            static constexpr double kPlace[] = {0.1, 0.01, 0.001};
            ++a;
            for (int place = 0; place < 3; ++place) {
                acc = acc + (charAt(c, a) - '0') * kPlace[place];
                if (place == 2 || !isDigit(charAt(c, a + 1))) break;
                ++a;
            }
        }
    }
    return negative ? -acc : acc;
}

LineScanEnd scanKeyLine(const DataFileText& c, size_t afterKey, ValueKind kind,
                        const std::function<bool(const LineValue&)>& visit) {
    size_t a = afterKey;
    LineValue value;
    while (!isLineEnd(c, a)) {
        // The character the scan stands on is stepped over unexamined, then blanks, tabs, commas.
        ++a;
        while (isValueSeparator(charAt(c, a))) ++a;

        value.begin = a;
        switch (kind) {
            case ValueKind::Integer:
                if (charAt(c, a) == '$') return LineScanEnd::Hexadecimal;
                if (!startsValue(c, a)) continue;
                value.integer = readInteger(c, a);
                break;
            case ValueKind::Decimal:
                if (!startsValue(c, a)) continue;
                value.decimal = scanDecimalAt(c, a);
                break;
            case ValueKind::Text:
            case ValueKind::TextWithSpaces:
                if (isLineEnd(c, a)) continue;
                value.text = readText(c, a, kind == ValueKind::TextWithSpaces);
                break;
        }
        // A decimal scan stands on its last digit; every other scan on the character after the value.
        value.end = kind == ValueKind::Decimal && a < c.size() && isDigit(charAt(c, a)) ? a + 1 : a;
        if (!visit(value)) return LineScanEnd::Stopped;
    }
    return LineScanEnd::LineDone;
}

size_t Lookups::countOf(ValueKind kind) const {
    switch (kind) {
        case ValueKind::Integer: return results_.FoundInts.size();
        case ValueKind::Decimal: return results_.FoundDecimals.size();
        default: return results_.FoundTexts.size();
    }
}

void Lookups::collect(DataFileKind file, ValueKind kind, std::string_view key) {
    const bool ride = file == DataFileKind::Ride;
    const DataFileText& c = ride ? files_.RideFileText : files_.CarFileText;
    MessageId limitMessage;
    switch (kind) {
        case ValueKind::Integer:
            results_.FoundInts.clear();
            limitMessage = ride ? MessageId("912") : MessageId("913");
            break;
        case ValueKind::Decimal:
            results_.FoundDecimals.clear();
            limitMessage = ride ? MessageId("917") : MessageId("918");
            break;
        default:
            results_.FoundTexts.clear();
            limitMessage = ride ? MessageId("922") : MessageId("923");
            break;
    }

    // The values in line order; a 501st value or a hexadecimal one ends the lookup.
    for (const KeyLineMatch& match : matchKeyLines(c, files_.Lines, key, kind)) {
        for (const LineValue& value : match.values) {
            if (countOf(kind) == LookupResults::kValueLimit) {
                report_.message(limitMessage);
                return;
            }
            switch (kind) {
                case ValueKind::Integer: results_.FoundInts.push_back(value.integer); break;
                case ValueKind::Decimal: results_.FoundDecimals.push_back(value.decimal); break;
                default: results_.FoundTexts.push_back(value.text); break;
            }
        }
        if (match.end == LineScanEnd::Hexadecimal) {
            report_.message("911");
            return;
        }
    }
}

std::vector<KeyLineMatch> matchKeyLines(const DataFileText& c, const LineIndex& lines, std::string_view key,
                                        ValueKind kind) {
    std::vector<KeyLineMatch> matches;
    const size_t lineCount = std::min<size_t>(lines.LineCount, lines.LineStart.size());
    for (size_t line = 0; line < lineCount; ++line) {
        const size_t start = static_cast<size_t>(lines.LineStart[line]);
        if (!lineBeginsWithKey(c, start, key)) continue;
        KeyLineMatch match{line, start, {}, LineScanEnd::LineDone};
        match.end = scanKeyLine(c, start + key.size(), kind, [&](const LineValue& value) {
            match.values.push_back(value);
            return true;
        });
        matches.push_back(std::move(match));
    }
    return matches;
}

template <typename Names>
size_t Lookups::collectFirst(DataFileKind file, ValueKind kind, const Names& names) {
    const std::vector<std::string_view> inOrder(names.begin(), names.end());
    (void)firstNameWithValues(inOrder.size(), [&](size_t i) {
        collect(file, kind, inOrder[i]);
        return countOf(kind);
    });
    return countOf(kind);
}

size_t Lookups::collectWithAliases(DataFileKind file, ValueKind kind, std::initializer_list<std::string_view> names) {
    return collectFirst(file, kind, names);
}

size_t Lookups::collectWithAliases(DataFileKind file, ValueKind kind, const std::vector<std::string>& names) {
    return collectFirst(file, kind, names);
}

}  // namespace zw
