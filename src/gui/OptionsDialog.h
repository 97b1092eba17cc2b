#pragma once
// The options window (OptionsDialog), bound to the OptionsWindow model: radio buttons, check boxes and the
// game-folder edit show the model; Browse, OK, Cancel and the close box run its handlers.

#include <wx/dialog.h>

namespace zw {
class OptionsWindow;
}

namespace zw::gui {

class OptionsDialog : public wxDialog {
public:
    OptionsDialog(wxWindow* parent, OptionsWindow& model);

    // The controls as the model holds them.
    void refreshFromModel();

private:
    void onOkay();
    void onBrowse();
    void onCancel();
    void onClose();

    OptionsWindow& model_;
};

}  // namespace zw::gui
