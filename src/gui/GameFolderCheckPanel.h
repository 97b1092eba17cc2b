#pragma once
// The install window's tab "Check game folder", bound to the GameFolderCheckTab model: the check
// button, the summary, the CTRs with their worst finding, the findings of the selected one, and the
// uninstall of the selected CTR.

#include <wx/panel.h>

#include "workflow/GameFolderCheckTab.h"

namespace zw::gui {

class GameFolderCheckPanel : public wxPanel {
public:
    GameFolderCheckPanel(wxWindow* parent, GameFolderCheckTab& model);

    // The lists, the selection and the summary as the model holds them.
    void refreshFromModel();
    void check();
    void uninstallSelected();

private:
    GameFolderCheckTab& model_;
};

}  // namespace zw::gui
