#pragma once
// The install/uninstall window (InstallDialog), bound to the InstallWindow model: the page control with its
// four tabs, the one list that all tabs share, the tabs' buttons and the close button.

#include <wx/dialog.h>

#include "workflow/InstallWindow.h"

namespace zw::gui {

class InstallDialog : public wxDialog {
public:
    InstallDialog(wxWindow* parent, InstallWindow& model);

    // The active tab, the list's items and its selection as the model holds them, the active uninstall
    // tab's notice, and the uninstall buttons enabled only with a selection.
    void refreshFromModel();
    // Opens the tab "Check game folder" and checks the game folder (for the guide's picture).
    void checkGameFolder();

private:
    void onTabButton(InstallWindow::Tab tab);  // the button on the tab
    void afterHandler();
    void showSharedList(bool show);  // hidden on the check tab, which has lists of its own
    void enableUninstallButtons();  // only with an item selected

    InstallWindow& model_;
};

}  // namespace zw::gui
