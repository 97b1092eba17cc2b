#pragma once
// The install window's tab "Check game folder" without a window toolkit: the check's report as a
// list of the CTRs with their worst finding, the findings of the selected one, and the uninstall of
// the selected CTR (the same uninstall as the window's other tabs), after which the folder is checked
// again.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/Dialogs.h"
#include "install/GameFolderCheck.h"
#include "install/InstallSettings.h"

namespace zw {

class GameFolderCheckTab {
public:
    GameFolderCheckTab(Dialogs& dialogs, std::function<InstallSettings()> settings,
                       std::filesystem::path executableFolder);

    struct CtrRow {
        std::string name;   // UTF-8
        std::string kind;   // "Bahn" / "ride", ...
        std::string worst;  // the first error, else the first note, else "no findings"
        bool hasErrors = false;
        bool hasFindings = false;
    };
    struct FindingRow {
        std::string severity;  // "Fehler" / "error", "Hinweis" / "note"
        std::string file;
        std::string text;
        std::string meaning;
        std::string action;
        bool error = false;
    };

    // Controls' state.
    std::vector<CtrRow> CtrList;
    int CtrIndex = -1;
    std::vector<FindingRow> Findings;  // of the selected CTR
    std::string Summary;               // the summary line, or the text shown before the first check

    // Event handlers.
    void check(const CheckProgress& progress = {});
    void selectCtr(int index);
    // Uninstalls the selected CTR; true when something was selected that can be uninstalled.
    bool uninstallSelected();
    // True when the selected CTR is one that the uninstall can remove (named "CTR_" or "TrackCTR_").
    bool canUninstallSelected() const;

    const GameFolderReport& report() const { return report_; }
    // Catalogue message `id` in the language in force (the tab's captions).
    std::string caption(MessageId id, std::initializer_list<MessageArg> args = {}) const {
        return message(id, settings_().language, args);
    }

private:
    void showReport();

    Dialogs& dialogs_;
    std::function<InstallSettings()> settings_;
    std::filesystem::path executableFolder_;
    GameFolderReport report_;
};

}  // namespace zw
