#include "datafiles/DataFileCheck.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

#include "base/Encoding.h"
#include "datafiles/CarDataHeader.h"
#include "datafiles/CarDataReader.h"
#include "datafiles/CarDataRewrite.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"
#include "datafiles/NearestName.h"
#include "datafiles/ReadTrace.h"
#include "datafiles/RideData.h"
#include "datafiles/RideDataHeader.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"

namespace zw {
namespace {

constexpr int32_t CR = 13, LF = 10;

bool isDigit(int32_t c) { return c >= '0' && c <= '9'; }

std::string joined(const std::vector<std::string>& parts) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) out += (i ? ", " : "") + parts[i];
    return out;
}

// The comment lines that a rewrite writes itself: the header's and the dividing lines.
std::vector<std::string> ownCommentLines() {
    std::vector<std::string> own;
    for (std::string_view header : {std::string_view(rideDataHeader()), kCarDataHeader}) {
        size_t from = 0;
        for (size_t end; (end = header.find("\r\n", from)) != std::string_view::npos; from = end + 2)
            own.emplace_back(header.substr(from, end - from));
    }
    own.emplace_back(kRideAddOnHeading);
    own.emplace_back(kCarRoleSeparatorLine);
    return own;
}

// The reader's trace of the keys of `kind` in `files`: the reader's own pass over the keys, run
// again with a trace (its messages are the reader's to show, not the check's).
ReadTrace readTrace(DataFileKind kind, const LoadedDataFiles& files, bool hiddenSettings) {
    ReadTrace trace;
    LookupResults results;
    Report report;
    Lookups lookups(files, results, report, &trace);
    traceLines(trace, files, kind);
    if (kind == DataFileKind::Ride) {
        (void)rideDataFromKeys(lookups, {});
    } else {
        CarFileLookup carLookup(lookups);
        (void)readCarFields(carLookup, hiddenSettings, report);
    }
    return trace;
}

// A key line as the reader traced it, with what the check needs beside it.
struct ScannedLine {
    const TracedLine* traced = nullptr;
    uint32_t number = 0;  // the file's line number
    bool wordIsName = false;  // the line's word is a known name (else the name is only its beginning)
};

class Checker {
public:
    Checker(DataFileKind kind, const LoadedDataFiles& files, const DataFileCheckSettings& settings)
        : c_(kind == DataFileKind::Ride ? files.RideFileText : files.CarFileText),
          source_(kind == DataFileKind::Ride ? files.RideFileSource : files.CarFileSource),
          keys_(kind == DataFileKind::Ride ? rideKeys() : carKeys()),
          settings_(settings),
          trace_(readTrace(kind, files, settings.hiddenSettings)),
          lines_(trace_.lines) {
        for (const auto& key : keys_) allNames_.insert(allNames_.end(), key.names.begin(), key.names.end());
    }

    std::vector<DataFileFinding> run() {
        std::vector<bool> read(lines_.size(), false);
        for (const auto& key : keys_) checkKey(key, read);
        for (size_t i = 0; i < lines_.size(); ++i) {
            if (!read[i]) checkUnreadLine(lines_[i]);
        }
        checkComments();
        checkSource();
        checkLoneCarriageReturns();
        if (!settings_.catalogueProblem.empty())
            note(0, say("checkCatalogueUnreadable", {settings_.catalogueProblem}));
        std::stable_sort(findings_.begin(), findings_.end(),
                         [](const auto& a, const auto& b) { return a.line < b.line; });
        return std::move(findings_);
    }

private:
    std::string say(MessageId id, std::initializer_list<MessageArg> args = {}) const {
        return message(id, settings_.language, args);
    }
    void error(uint32_t line, std::string text) { findings_.push_back({line, FindingSeverity::Error, std::move(text), std::nullopt}); }
    void note(uint32_t line, std::string text) { findings_.push_back({line, FindingSeverity::Note, std::move(text), std::nullopt}); }

    bool isKnownName(const std::string& word) const {
        return std::find(allNames_.begin(), allNames_.end(), word) != allNames_.end();
    }

    // A line a lookup matched, as the reader traced it.
    ScannedLine scanned(const TracedLine& traced) const {
        return {&traced, lines_[traced.lineIndex].number, isKnownName(traced.word)};
    }

    // Why a value was not read as written, as far as the written text tells.
    std::string hint(const DataFileKey& key, const ScannedLine& s) const {
        const std::string& raw = s.traced->written;
        auto between = [&](char mark) {
            for (size_t i = 1; i + 1 < raw.size(); ++i)
                if (raw[i] == mark && isDigit(static_cast<unsigned char>(raw[i - 1])) &&
                    isDigit(static_cast<unsigned char>(raw[i + 1])))
                    return true;
            return false;
        };
        const ValueKind kind = scanKindOf(key.values);
        if (s.traced->end == LineScanEnd::Hexadecimal) return say("checkHintHexadecimal");
        if (kind == ValueKind::Decimal && between(',')) return say("checkHintDecimalComma");
        if (kind == ValueKind::Integer && (between('.') || between(','))) return say("checkHintWholeNumbers");
        if (kind == ValueKind::Decimal) {
            const size_t dot = raw.find('.');
            if (dot != std::string::npos && dot + 4 < raw.size() &&
                std::all_of(raw.begin() + static_cast<long>(dot) + 1, raw.begin() + static_cast<long>(dot) + 5,
                            [](char ch) { return isDigit(static_cast<unsigned char>(ch)); }))
                return say("checkHintThreeDecimals");
        }
        if (!takesAllValues(key.values) && s.traced->values.size() > 1 && s.traced->everythingRead) return say("checkHintOneValue");
        return {};
    }

    void readAs(const DataFileKey& key, const ScannedLine& s, const std::string& used, const std::string& extra = {}) {
        std::string why = extra.empty() ? hint(key, s) : extra;
        error(s.number, say("checkValueReadAs", {s.traced->word, s.traced->written, used}) + why);
        if (!key.settledByRule) findings_.back().usedValue = used;
    }

    void checkKey(const DataFileKey& key, std::vector<bool>& read) {
        // Every line that one of the key's names matches, and the name whose values the reader took.
        const KeyTrace& traced = trace_.keys.at(&key);
        std::vector<ScannedLine> matched;
        for (const TracedLine& line : traced.lines) {
            read[line.lineIndex] = true;
            matched.push_back(scanned(line));
        }
        const std::optional<size_t> chosenName = traced.nameUsed;
        std::vector<const ScannedLine*> counted;
        std::vector<std::string> used;
        // The reader takes nothing after a hexadecimal value that ended its lookup.
        const auto afterCut = [&](const ScannedLine& s) {
            return traced.cut == LookupCut::Hexadecimal && s.traced->lineIndex > traced.cutLine;
        };
        for (const auto& s : matched) {
            if (chosenName && s.traced->nameIndex == *chosenName && !s.traced->values.empty() && !afterCut(s)) {
                counted.push_back(&s);
                used.insert(used.end(), s.traced->texts.begin(), s.traced->texts.end());
            }
        }
        usedByKey_[&key] = used;
        const bool all = takesAllValues(key.values);

        for (const auto& s : matched) {
            if (!s.wordIsName) {
                const std::string values = joined(s.traced->texts);
                error(s.number, say("checkKeyReadAs", {s.traced->word, key.names[s.traced->nameIndex], values}));
            }
        }
        if (key.use == KeyUse::Hidden && !settings_.hiddenSettings) {
            if (!counted.empty()) error(counted.front()->number, say("checkHiddenKey", {counted.front()->traced->word}));
            return;
        }
        if (key.use == KeyUse::AddOn && !settings_.addOnsEnabled && !counted.empty())
            note(counted.front()->number, say("checkAddOnKeyDropped", {counted.front()->traced->word}));

        for (const auto& s : matched) {
            const bool isCounted = std::find(counted.begin(), counted.end(), &s) != counted.end();
            if (!s.wordIsName) continue;  // reported with what it is read as
            if (used.empty()) {
                // Nothing found anywhere: the default is used.
                const std::string& fallback = traced.defaultText;
                const bool emptyAllowed = s.traced->written.empty() && fallback.empty() &&
                                          scanKindOf(key.values) != ValueKind::Integer &&
                                          scanKindOf(key.values) != ValueKind::Decimal;
                if (emptyAllowed) continue;
                if (key.settledByRule) {
                    error(s.number, say("checkNothingReadByRule", {s.traced->word, s.traced->written}) + hint(key, s));
                } else {
                    error(s.number,
                          say("checkNothingRead", {s.traced->word, s.traced->written, fallback}) + hint(key, s));
                    findings_.back().usedValue = fallback;
                }
                continue;
            }
            if (all && !isCounted && chosenName && s.traced->nameIndex == *chosenName && afterCut(s)) {
                error(s.number, say("checkAfterHexadecimal", {s.traced->word, s.traced->written,
                                                              std::to_string(lines_[traced.cutLine].number)}));
                continue;
            }
            if (!isCounted && !(all && chosenName && s.traced->nameIndex == *chosenName)) {
                const uint32_t countingLine = counted.front()->number;
                const bool same = !s.traced->values.empty() && s.traced->texts == counted.front()->traced->texts;
                const std::string text = say("checkGivenAgain", {s.traced->word, std::to_string(countingLine)});
                same ? note(s.number, text) : error(s.number, text);
                continue;
            }
            if (all) {
                checkListLine(key, s);
            } else if (&s == counted.front()) {
                checkSingleValue(key, s);
            } else {
                // A later line of the same key: its values follow the first line's and are not used.
                const bool same = s.traced->texts == counted.front()->traced->texts;
                const std::string text =
                    say("checkGivenAgain", {s.traced->word, std::to_string(counted.front()->number)});
                same ? note(s.number, text) : error(s.number, text);
            }
        }
        if (key.field == KeyField(&RideData::TrackSectionKosten)) {
            checkCostCount(key, traced, counted, used);
        } else if (key.field == KeyField(&RideData::ZusatzTrackTyp)) {
            checkAdditionalTrackTypes(traced, counted);
        } else if (!traced.beyondLimit.empty() && !counted.empty()) {
            // A list longer than the room for it: the reader kept the first ones.
            error(counted.front()->number,
                  say("checkValuesBeyondLimit", {counted.front()->traced->word, std::to_string(used.size()),
                                                 std::to_string(used.size() - traced.beyondLimit.size())}));
        }
        if (key.list != KnownList::None && settings_.known) checkKnown(key, counted);
    }

    void checkSingleValue(const DataFileKey& key, const ScannedLine& s) {
        const LineValue& first = s.traced->values.front();
        const std::string& used = s.traced->texts.front();
        if (key.values == KeyValues::SpeedUnit) {
            if (!isKnownSpeedUnit(first.text)) readAs(key, s, used, say("checkHintSpeedUnit"));
            return;  // the canonical unit line names the unit twice ("SI [m/s]")
        }
        if (!s.traced->everythingRead || s.traced->values.size() > 1 || s.traced->end == LineScanEnd::Hexadecimal) {
            readAs(key, s, used);
        } else if (key.values == KeyValues::Flag && first.integer != 0 && first.integer != 1) {
            readAs(key, s, used, say("checkHintFlag"));
        } else if (key.values == KeyValues::Money && !wholeHundredths(first.decimal)) {
            readAs(key, s, used, say("checkHintMoney"));
        }
    }

    void checkListLine(const DataFileKey& key, const ScannedLine& s) {
        const bool truncated = key.values == KeyValues::MoneyList &&
                               std::any_of(s.traced->values.begin(), s.traced->values.end(),
                                           [](const LineValue& v) { return !wholeHundredths(v.decimal); });
        if (!s.traced->everythingRead || s.traced->end == LineScanEnd::Hexadecimal) {
            readAs(key, s, joined(s.traced->texts));
        } else if (truncated) {
            readAs(key, s, joined(s.traced->texts), say("checkHintMoney"));
        }
    }

    static bool wholeHundredths(double value) {
        const double thousandths = std::round(std::fabs(value) * 1000.0);
        return std::fmod(thousandths, 10.0) == 0.0;
    }

    // What the reader took for the ride key filling `field` (read before the key asking).
    const std::vector<std::string>& usedFor(const KeyField& field) { return usedByKey_[keyFilling(keys_, field)]; }

    // One cost per track section: the reader says how many sections there are and which costs it left.
    void checkCostCount(const DataFileKey& costKey, const KeyTrace& traced, const std::vector<const ScannedLine*>& counted,
                        const std::vector<std::string>& costs) {
        const size_t sections = traced.entriesWanted.value_or(costs.size());
        if (counted.empty() || costs.size() == sections) return;
        const uint32_t line = counted.front()->number;
        const std::string word = counted.front()->traced->word;
        if (!traced.beyondLimit.empty()) {
            error(line, say("checkTooManyCosts", {word, std::to_string(costs.size()), std::to_string(sections),
                                                  std::to_string(traced.beyondLimit.size())}));
        } else if (costs.size() < sections) {
            note(line, say("checkTooFewCosts", {word, std::to_string(costs.size()), std::to_string(sections),
                                                formatMoney(static_cast<int32_t>(costKey.number))}));
        }
    }

    // The additional track types the reader did not keep.
    void checkAdditionalTrackTypes(const KeyTrace& traced, const std::vector<const ScannedLine*>& counted) {
        if (counted.empty()) return;
        const uint32_t line = counted.front()->number;
        const std::string word = counted.front()->traced->word;
        if (traced.notUsed) {
            const DataFileKey& trackTypeKey = *keyFilling(keys_, &RideData::TrackTyp);
            const auto& trackType = usedFor(trackTypeKey.field);
            const std::string type = trackType.empty() ? trace_.keys.at(&trackTypeKey).defaultText : trackType.front();
            error(line, say("checkNoAdditionalTrackTypes", {word, type}));
            return;
        }
        if (!traced.leftOut.empty()) error(line, say("checkCtrAdditionalTrackType", {word, joined(traced.leftOut)}));
        if (!traced.beyondLimit.empty())
            error(line, say("checkAdditionalTrackTypesBeyondTen", {word, joined(traced.beyondLimit)}));
    }

    void checkKnown(const DataFileKey& key, const std::vector<const ScannedLine*>& counted) {
        const KnownNames& known = *settings_.known;
        const std::vector<std::string>& list = key.list == KnownList::CarTypes        ? known.carTypes
                                               : key.list == KnownList::TrackSections ? known.trackSections
                                               : key.list == KnownList::Icons         ? known.icons
                                                                                      : known.stations;
        const bool all = takesAllValues(key.values);
        for (const auto* s : counted) {
            for (const auto& value : s->traced->texts) {
                const auto known = [&](const std::string& name) { return sameNameIgnoringCase(name, value); };
                if (value.empty() || std::any_of(list.begin(), list.end(), known)) continue;
                const auto suggestion = nearestName(value, list);
                note(s->number, suggestion ? say("checkNotInCatalogueSuggest", {s->traced->word, value, *suggestion})
                                                 : say("checkNotInCatalogue", {s->traced->word, value}));
                if (!all) break;
            }
            if (!all) break;
        }
    }

    void checkUnreadLine(const FileLine& line) {
        if (line.blank || line.comment) return;
        if (line.word.empty()) {
            error(line.number, say("checkNotFirstColumn"));
            return;
        }
        const auto suggestion = nearestName(line.word, allNames_);
        error(line.number, suggestion ? say("checkUnknownKeySuggest", {line.word, *suggestion})
                                      : say("checkUnknownKey", {line.word}));
    }

    void checkComments() {
        static const std::vector<std::string> own = ownCommentLines();
        std::vector<uint32_t> dropped;
        for (const auto& line : lines_) {
            if (!line.hasComment) continue;
            if (line.comment && std::find(own.begin(), own.end(), line.commentLine) != own.end()) continue;
            dropped.push_back(line.number);
        }
        if (dropped.empty()) return;
        std::string numbers;
        for (size_t i = 0; i < dropped.size() && i < 5; ++i) numbers += (i ? ", " : "") + std::to_string(dropped[i]);
        if (dropped.size() > 5) numbers += ", ...";
        note(dropped.front(), say("checkCommentsDropped", {numbers}));
    }

    // The encoding and line ends the text was made from, and what could not be converted.
    void checkSource() {
        const std::string codePage = codePageName();
        if (source_.encoding == DataFileEncoding::Utf8) note(0, say("checkEncodingUtf8", {codePage}));
        if (source_.encoding == DataFileEncoding::Utf8WithByteOrderMark)
            note(0, say("checkEncodingUtf8WithByteOrderMark", {codePage}));
        if (source_.lfOnlyLines == 1) note(0, say("checkLfOnlyLine"));
        if (source_.lfOnlyLines > 1) note(0, say("checkLfOnlyLines", {std::to_string(source_.lfOnlyLines)}));
        for (const UnwritableCharacter& u : source_.unwritable)
            error(u.line, say("checkUnwritableCharacter",
                              {codePointText(u.codePoint), codePage, std::string(1, kUnwritableReplacement)}));
    }

    // A CR without LF is no line break: the scans stop at it, and nothing up to the next line
    // break is read. Harmless only where nothing but blanks follows it.
    void checkLoneCarriageReturns() {
        uint32_t line = 1;
        std::optional<uint32_t> reported;
        for (size_t a = 0; a + 1 < c_.size(); ++a) {
            if (c_[a] == CR && c_[a + 1] == LF) {
                ++line;
                ++a;
                continue;
            }
            if (c_[a] != CR || reported == line) continue;
            reported = line;
            size_t next = a + 1;
            while (charAt(c_, next) == CR || isBlank(charAt(c_, next))) {
                if (charAt(c_, next) == CR && charAt(c_, next + 1) == LF) break;
                ++next;
            }
            const bool nothingFollows = charAt(c_, next) == CR || charAt(c_, next) == LF;
            nothingFollows ? note(line, say("checkLoneCarriageReturnAtEnd")) : error(line, say("checkLoneCarriageReturn"));
        }
    }

    const DataFileText& c_;
    const DataFileSource& source_;
    const std::vector<DataFileKey>& keys_;
    const DataFileCheckSettings& settings_;
    ReadTrace trace_;
    const std::vector<FileLine>& lines_;
    std::vector<std::string> allNames_;
    std::vector<DataFileFinding> findings_;
    std::map<const DataFileKey*, std::vector<std::string>> usedByKey_;  // what the reader took for each key
};

}  // namespace

std::vector<DataFileFinding> checkDataFile(DataFileKind kind, const LoadedDataFiles& files,
                                           const DataFileCheckSettings& settings) {
    return Checker(kind, files, settings).run();
}

bool hasErrors(const std::vector<DataFileFinding>& findings) { return errorCount(findings) != 0; }

std::size_t errorCount(const std::vector<DataFileFinding>& findings) {
    return static_cast<std::size_t>(std::count_if(findings.begin(), findings.end(), [](const DataFileFinding& f) {
        return f.severity == FindingSeverity::Error;
    }));
}

std::string findingLine(const DataFileFinding& finding, Language language) {
    std::string line = finding.line ? message("checkLinePrefix", language, {std::to_string(finding.line)}) : "";
    if (finding.severity == FindingSeverity::Note) line += message("checkNotePrefix", language);
    return line + finding.text;
}

std::string findingsMessage(MessageArg fileName, const std::vector<DataFileFinding>& findings,
                            Language language, size_t shown) {
    std::string text = message("checkFindingsHeading", language, {fileName});
    for (size_t i = 0; i < findings.size() && i < shown; ++i) text += "\n" + findingLine(findings[i], language);
    if (findings.size() > shown)
        text += "\n" + message("checkFindingsMore", language, {std::to_string(findings.size() - shown)});
    return text;
}

}  // namespace zw
