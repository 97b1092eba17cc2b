#include "workflow/CarModelCheck.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "ovl/ModelPairCarChecks.h"

namespace zw {

namespace {

// Keeps the messages of a model reading instead of showing them.
class KeptMessages : public Dialogs {
public:
    void showMessage(const std::string& text) override { texts.push_back(text); }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string&, const std::filesystem::path&) override {
        return std::nullopt;
    }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::string clipboardText() override { return {}; }

    std::vector<std::string> texts;
};

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

// The first line whose key is one of the role's model keys and whose first value is `model`.
std::optional<Naming> namingOf(const LoadedDataFiles& files, CarRole role, const std::string& model) {
    const std::string prefix = std::string(carRoleName(role)) + "_";
    const size_t count = std::min<size_t>(files.Lines.LineCount, files.Lines.LineStart.size());
    for (size_t i = 0; i < count; ++i) {
        const auto start = static_cast<size_t>(files.Lines.LineStart[i]);
        const auto line = static_cast<uint32_t>(i + 2);  // the file's first line is never indexed
        for (const char* name : {"ModellnameTeilA", "ModelNamePartA", "ModellnameTeilB", "ModelNamePartB"}) {
            const std::string key = prefix + name;
            if (!lineBeginsWithKey(files.CarFileText, start, key)) continue;
            std::string first;
            scanKeyLine(files.CarFileText, start + key.size(), ValueKind::Text, [&](const LineValue& value) {
                first = value.text;
                return false;
            });
            if (first == model) return Naming{key, line};
        }
    }
    return std::nullopt;
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
            const std::optional<Naming> naming = namingOf(files, role, *model);
            if (!naming) continue;
            KeptMessages kept;
            if (readCarModelPair(car.CarFolder, *model, kept, language) || kept.texts.empty()) continue;
            DataFileFinding finding;
            finding.line = naming->line;
            finding.text = cp1252ToUtf8(naming->key) + ": " + oneLine(kept.texts.front());
            findings.push_back(std::move(finding));
        }
    }
    std::stable_sort(findings.begin(), findings.end(),
                     [](const DataFileFinding& a, const DataFileFinding& b) { return a.line < b.line; });
    return findings;
}

}  // namespace zw
