#pragma once
// The options window (TForm2), bound to the OptionsWindow model: radio buttons, check boxes and the
// game-folder edit show the model; OK, Cancel and the close box run its handlers.

#include <wx/dialog.h>

namespace zw {
class OptionsWindow;
}

namespace zw::gui {

class TForm2 : public wxDialog {
public:
    TForm2(wxWindow* parent, OptionsWindow& model);

    // The controls as the model holds them.
    void refreshFromModel();

private:
    void onOkay();
    void onCancel();
    void onClose();

    OptionsWindow& model_;
};

}  // namespace zw::gui
