#include "workflow/NamedPairCheck.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "base/Encoding.h"
#include "base/Report.h"
#include "builders/PeepSplines.h"
#include "builders/RideIconExtraData.h"
#include "ovl/ModelPairCarChecks.h"

namespace zw {

namespace {

// A finding is one line: the message's own line breaks become blanks.
std::string oneLine(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        out += c == '\n' ? ' ' : c;
    }
    return out;
}

struct Naming {
    std::string key;  // as the file spells it
    uint32_t line = 0;
};

// The first line whose key is one of `keys` and, when `value` is given, whose first value is it.
std::optional<Naming> firstNaming(const DataFileText& text, const LineIndex& lines,
                                  const std::vector<std::string>& keys, const std::string* value) {
    const size_t count = std::min<size_t>(lines.LineCount, lines.LineStart.size());
    for (size_t i = 0; i < count; ++i) {
        const auto start = static_cast<size_t>(lines.LineStart[i]);
        const auto line = static_cast<uint32_t>(i + 2);  // the file's first line is never indexed
        for (const std::string& key : keys) {
            if (!lineBeginsWithKey(text, start, key)) continue;
            if (!value) return Naming{key, line};
            std::string first;
            scanKeyLine(text, start + key.size(), ValueKind::Text, [&](const LineValue& found) {
                first = found.text;
                return false;
            });
            if (first == *value) return Naming{key, line};
        }
    }
    return std::nullopt;
}

// The role's model keys, in both spellings.
std::vector<std::string> modelKeys(CarRole role) {
    const std::string prefix = std::string(carRoleName(role)) + "_";
    return {prefix + "ModellnameTeilA", prefix + "ModelNamePartA", prefix + "ModellnameTeilB",
            prefix + "ModelNamePartB"};
}

DataFileFinding findingAt(const Naming& naming, const std::string& messageText) {
    DataFileFinding finding;
    finding.line = naming.line;
    finding.text = cp1252ToUtf8(naming.key) + ": " + oneLine(messageText);
    return finding;
}

}  // namespace

std::vector<DataFileFinding> checkCarModels(const CarData& car, const LoadedDataFiles& files, Language language) {
    std::vector<DataFileFinding> findings;
    std::set<std::string> checked;
    for (CarRole role : kCarRoles) {
        const CarRoleData& r = car.role(role);
        for (const std::string* model : {&r.ModelNamePartA, &r.ModelNamePartB}) {
            if (model->empty() || !checked.insert(*model).second) continue;
            // The model a car without model names is given is the build's to report.
            const std::optional<Naming> naming = firstNaming(files.CarFileText, files.Lines, modelKeys(role), model);
            if (!naming) continue;
            Report kept;
            if (readCarModelPair(car.CarFolder, *model, kept) || kept.messages().empty()) continue;
            findings.push_back(findingAt(*naming, kept.messages().front().text(language)));
        }
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const DataFileFinding& a, const DataFileFinding& b) { return a.line < b.line; });
    return findings;
}

namespace {

std::optional<DataFileFinding> peepSplinePairFinding(const RideData& ride, const LoadedDataFiles& files,
                                                     Language language) {
    if (PeepSplineCount(ride) == 0) return std::nullopt;
    const std::optional<Naming> naming =
        firstNaming(files.RideFileText, files.Lines, {"PeepLoopSplineName", "PeepPathSplineName"}, nullptr);
    Report kept;
    if (!naming || readModelPair(ride.DataFileFolder, kPeepSplinePairName, kPeepSplineMessageIds, kept) ||
        kept.messages().empty()) {
        return std::nullopt;
    }
    return findingAt(*naming, kept.messages().front().text(language));
}

// Only "Style" and "style" take the icon from a pair beside the file.
std::optional<DataFileFinding> iconPairFinding(const RideData& ride, const LoadedDataFiles& files,
                                               Language language) {
    if (ride.BahnIcon != "Style" && ride.BahnIcon != "style") return std::nullopt;
    const std::optional<Naming> naming = firstNaming(files.RideFileText, files.Lines, {"BahnIcon", "RideIcon"}, nullptr);
    Report kept;
    if (!naming || obtainIconExtraData(ride.BahnIcon, ride.DataFileFolder, kept) || kept.messages().empty()) {
        return std::nullopt;
    }
    return findingAt(*naming, kept.messages().front().text(language));
}

}  // namespace

std::vector<DataFileFinding> checkRidePairs(const RideData& ride, const LoadedDataFiles& files, Language language) {
    std::vector<DataFileFinding> findings;
    for (auto finding : {peepSplinePairFinding(ride, files, language), iconPairFinding(ride, files, language)}) {
        if (finding) findings.push_back(std::move(*finding));
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const DataFileFinding& a, const DataFileFinding& b) { return a.line < b.line; });
    return findings;
}

}  // namespace zw
