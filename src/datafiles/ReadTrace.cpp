#include "datafiles/ReadTrace.h"

#include <algorithm>

#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"

namespace zw {
namespace {

std::string textOf(const DataFileText& c, size_t begin, size_t end) {
    std::string out;
    for (size_t a = begin; a < end && a < c.size(); ++a) out.push_back(static_cast<char>(charAt(c, a)));
    return out;
}

std::string withoutOuterBlanks(std::string text) {
    while (!text.empty() && isBlank(static_cast<unsigned char>(text.back()))) text.pop_back();
    size_t first = 0;
    while (first < text.size() && isBlank(static_cast<unsigned char>(text[first]))) ++first;
    return text.substr(first);
}

// Where the first word of the line at `lineStart` ends: at a separator, the line end or "//".
size_t wordEndOf(const DataFileText& c, size_t lineStart, size_t contentEnd) {
    size_t wordEnd = lineStart;
    while (wordEnd < contentEnd && !isValueSeparator(charAt(c, wordEnd))) ++wordEnd;
    return wordEnd;
}

// The line's first word, what follows it and whether the scan took all of that.
void describeLine(const DataFileText& c, size_t lineStart, TracedLine& line) {
    const size_t contentEnd = lineContentEnd(c, lineStart);
    const size_t wordEnd = wordEndOf(c, lineStart, contentEnd);
    line.word = textOf(c, lineStart, wordEnd);
    line.written = withoutOuterBlanks(textOf(c, wordEnd, contentEnd));
    for (size_t a = wordEnd; a < contentEnd && line.everythingRead; ++a) {
        if (isValueSeparator(charAt(c, a))) continue;
        line.everythingRead = std::any_of(line.values.begin(), line.values.end(),
                                          [a](const LineValue& v) { return a >= v.begin && a < v.end; });
    }
}

}  // namespace

void traceLines(ReadTrace& trace, const LoadedDataFiles& files, DataFileKind file) {
    constexpr int32_t CR = 13, LF = 10;
    const DataFileText& c = file == DataFileKind::Ride ? files.RideFileText : files.CarFileText;
    const size_t count = std::min<size_t>(files.Lines.LineCount, files.Lines.LineStart.size());
    trace.lines.clear();
    for (size_t i = 0; i < count; ++i) {
        FileLine line;
        line.number = static_cast<uint32_t>(i + 2);
        const size_t start = static_cast<size_t>(files.Lines.LineStart[i]);
        size_t end = start;
        while (charAt(c, end) != CR && charAt(c, end) != LF) ++end;
        const size_t contentEnd = lineContentEnd(c, start);
        size_t first = start;
        while (isBlank(charAt(c, first))) ++first;
        line.blank = first == end;
        line.comment = !line.blank && first == contentEnd;
        line.hasComment = contentEnd != end;
        if (line.comment) line.commentLine = textOf(c, first, end);
        line.word = textOf(c, start, wordEndOf(c, start, contentEnd));
        trace.lines.push_back(std::move(line));
    }
}

std::string readValueText(const DataFileKey& key, const LineValue& value) {
    switch (key.values) {
        case KeyValues::Integer:
        case KeyValues::IntegerList: return integerText(value.integer);
        case KeyValues::Flag: return integerText(flagValue(value.integer));
        case KeyValues::Decimal:
        case KeyValues::Speed: return formatDecimal(value.decimal);
        case KeyValues::Money:
        case KeyValues::MoneyList: return formatMoney(toHundredths(value.decimal));
        case KeyValues::SpeedUnit: return isKnownSpeedUnit(value.text) ? value.text : key.defaultText;
        default: return value.text;
    }
}

void traceKey(ReadTrace& trace, const LoadedDataFiles& files, DataFileKind file, const DataFileKey& key,
              double speedUnitFactor) {
    const DataFileText& c = file == DataFileKind::Ride ? files.RideFileText : files.CarFileText;
    const ValueKind kind = scanKindOf(key.values);
    KeyTrace& traced = trace.keys[&key];
    traced = {};
    traced.defaultText = key.values == KeyValues::Speed ? formatDecimal(defaultDecimalOf(key, speedUnitFactor))
                                                        : key.defaultText;
    for (size_t n = 0; n < key.names.size(); ++n) {
        // As a lookup of this name counts: the values in line order up to a hexadecimal value.
        size_t counted = 0;
        LookupCut cut = LookupCut::None;
        size_t cutLine = 0;
        for (KeyLineMatch& match : matchKeyLines(c, files.Lines, key.names[n], kind)) {
            if (cut == LookupCut::None) {
                counted += match.values.size();
                if (counted > LookupResults::kValueLimit) cut = LookupCut::ValueLimit, cutLine = match.lineIndex;
                if (cut == LookupCut::None && match.end == LineScanEnd::Hexadecimal)
                    cut = LookupCut::Hexadecimal, cutLine = match.lineIndex;
            }
            // A line that an earlier name matches ("TrackTyp" for "TrackType") is that name's.
            const auto same = [&](const TracedLine& t) { return t.lineIndex == match.lineIndex; };
            if (std::any_of(traced.lines.begin(), traced.lines.end(), same)) continue;
            TracedLine line;
            line.lineIndex = match.lineIndex;
            line.nameIndex = n;
            line.values = std::move(match.values);
            line.end = match.end;
            for (const LineValue& value : line.values) line.texts.push_back(readValueText(key, value));
            describeLine(c, match.lineStart, line);
            traced.lines.push_back(std::move(line));
        }
        if (!traced.nameUsed && counted != 0) {
            traced.nameUsed = n;
            traced.cut = cut;
            traced.cutLine = cutLine;
        }
    }
}

}  // namespace zw
