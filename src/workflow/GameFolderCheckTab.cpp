#include "workflow/GameFolderCheckTab.h"

#include <optional>

#include "install/Uninstall.h"
#include "workflow/GameFolderChecking.h"
#include "workflow/ReportShowing.h"

namespace zw {

namespace {

// The uninstall's kind of a checked entry: its folder and its name's prefix.
std::optional<CtrKind> uninstallKindOf(const CheckedCtr& ctr) {
    if (ctr.kindFolder.empty() || ctr.entry.empty()) return std::nullopt;
    if (ctr.folderKind == CtrKind::Car) {
        return nameStartsWith(ctr.entry, namePrefixOf(CtrKind::Car)) ? std::optional(CtrKind::Car) : std::nullopt;
    }
    if (nameStartsWith(ctr.entry, namePrefixOf(CtrKind::Track))) return CtrKind::Track;
    if (nameStartsWith(ctr.entry, namePrefixOf(CtrKind::Ride))) return CtrKind::Ride;
    return std::nullopt;
}

}  // namespace

GameFolderCheckTab::GameFolderCheckTab(Dialogs& dialogs, std::function<InstallSettings()> settings,
                                       std::filesystem::path executableFolder)
    : dialogs_(dialogs), settings_(std::move(settings)), executableFolder_(std::move(executableFolder)) {
    Summary = message("gameCheckNotYetChecked", settings_().language);
}

void GameFolderCheckTab::check(const CheckProgress& progress) {
    const InstallSettings settings = settings_();
    report_ = checkGameFolderWithCatalogue(settings.gamePath, settings.language, executableFolder_, progress);
    showReport();
}

void GameFolderCheckTab::showReport() {
    const Language language = settings_().language;
    CtrList.clear();
    for (const CheckedCtr& ctr : report_.ctrs) {
        CtrRow row{ctr.name, checkedKindWord(ctr.kind, language), message("gameCheckNoFinding", language), ctr.hasErrors(),
                   ctr.hasFindings()};
        // The worst finding: the first error, else the first note.
        for (const GameFolderFinding& f : ctr.findings) {
            if (f.severity == FindingSeverity::Error || &f == &ctr.findings.front()) row.worst = f.text;
            if (f.severity == FindingSeverity::Error) break;
        }
        CtrList.push_back(std::move(row));
    }
    std::string summary = message("gameCheckSummary", language,
                                  {std::to_string(report_.ctrs.size()), std::to_string(report_.errors()),
                                   std::to_string(report_.notes())});
    if (report_.carTypesNotCompared) {
        summary += " " + message("gameCheckCarTypesNotCompared", language, {std::to_string(report_.carTypesNotCompared)});
    }
    if (report_.trackSectionsNotCompared) {
        summary += " " + message("gameCheckSectionsNotCompared", language,
                                 {std::to_string(report_.trackSectionsNotCompared)});
    }
    Summary = summary;
    // The first CTR with an error, else the first with a finding, is selected.
    int first = -1;
    for (size_t i = 0; i < CtrList.size() && first < 0; ++i) {
        if (CtrList[i].hasErrors) first = static_cast<int>(i);
    }
    for (size_t i = 0; i < CtrList.size() && first < 0; ++i) {
        if (CtrList[i].hasFindings) first = static_cast<int>(i);
    }
    selectCtr(first);
}

void GameFolderCheckTab::selectCtr(int index) {
    Findings.clear();
    CtrIndex = index >= 0 && index < static_cast<int>(report_.ctrs.size()) ? index : -1;
    if (CtrIndex < 0) return;
    const Language language = settings_().language;
    for (const GameFolderFinding& f : report_.ctrs[static_cast<size_t>(CtrIndex)].findings) {
        const bool error = f.severity == FindingSeverity::Error;
        Findings.push_back({severityWord(f.severity, language), f.file, f.text,
                            findingMeaning(f.kind, language), findingAction(f.kind, language), error});
    }
}

bool GameFolderCheckTab::canUninstallSelected() const {
    return CtrIndex >= 0 && uninstallKindOf(report_.ctrs[static_cast<size_t>(CtrIndex)]).has_value();
}

bool GameFolderCheckTab::uninstallSelected() {
    if (!canUninstallSelected()) return false;
    const CheckedCtr& ctr = report_.ctrs[static_cast<size_t>(CtrIndex)];
    const InstallSettings settings = settings_();
    runAsking(dialogs_, settings.language, [&](const Answers& answers) {
        return uninstallObject(*uninstallKindOf(ctr), ctr.kindFolder, ctr.entry, asksBeforeUninstalling(settings),
                               answers);
    });
    check();
    return true;
}

}  // namespace zw
