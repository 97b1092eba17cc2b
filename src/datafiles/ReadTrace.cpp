#include "datafiles/ReadTrace.h"

#include <algorithm>

#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"

namespace zw {

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
            TracedLine line{match.lineIndex, n, std::move(match.values), {}, match.end};
            for (const LineValue& value : line.values) line.texts.push_back(readValueText(key, value));
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
