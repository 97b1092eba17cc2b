#pragma once
// The car preview (WagenVorschau): the front, middle and rear cars that the car data file read last
// names, drawn side by side from the model pairs beside it, each with its role and model names; a car
// that cannot be drawn shows why. Dragging with the mouse turns the cars, the wheel comes closer.

#include <wx/dialog.h>

#include <vector>

#include "base/Messages.h"
#include "ovl/ModelRenderer.h"
#include "workflow/CarPreview.h"

namespace zw::gui {

class CarPreviewDialog : public wxDialog {
public:
    CarPreviewDialog(wxWindow* parent, const wxString& title, std::vector<PreviewCar> cars, Language language);

private:
    void onPaint();
    void onMouse(wxMouseEvent& event);

    std::vector<PreviewCar> cars_;
    Language language_;
    RenderView view_;
    wxPoint dragFrom_;
    wxWindow* canvas_ = nullptr;
};

}  // namespace zw::gui
