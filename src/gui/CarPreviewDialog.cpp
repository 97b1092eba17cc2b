#include "gui/CarPreviewDialog.h"

#include <wx/dcbuffer.h>
#include <wx/image.h>
#include <wx/sizer.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "gui/WxText.h"
#include "ovl/CarPairPicture.h"

namespace zw::gui {
namespace {

constexpr float kDegreesPerPixel = 0.5f;
constexpr float kLowestZoom = 0.4f, kHighestZoom = 3.0f;

std::string joined(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& n : names) out += (out.empty() ? "" : " + ") + n;
    return out;
}

wxBitmap bitmapOf(const RgbaPicture& picture) {
    wxImage image(static_cast<int>(picture.width), static_cast<int>(picture.height), false);
    unsigned char* rgb = image.GetData();
    for (size_t i = 0, n = size_t{picture.width} * picture.height; i < n; ++i) {
        std::memcpy(rgb + 3 * i, &picture.rgba[4 * i], 3);
    }
    return wxBitmap(image);
}

}  // namespace

CarPreviewDialog::CarPreviewDialog(wxWindow* parent, const wxString& title, std::vector<PreviewCar> cars,
                                   Language language)
    : wxDialog(parent, wxID_ANY, title, wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxRESIZE_BORDER),
      cars_(std::move(cars)), language_(language) {
    SetName("WagenVorschau");
    canvas_ = new wxWindow(this, wxID_ANY, wxDefaultPosition, FromDIP(wxSize(960, 420)));
    canvas_->SetName("WagenBild");
    canvas_->SetBackgroundStyle(wxBG_STYLE_PAINT);
    canvas_->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { onPaint(); });
    canvas_->Bind(wxEVT_SIZE, [this](wxSizeEvent& e) {
        canvas_->Refresh();
        e.Skip();
    });
    canvas_->Bind(wxEVT_LEFT_DOWN, &CarPreviewDialog::onMouse, this);
    canvas_->Bind(wxEVT_LEFT_UP, &CarPreviewDialog::onMouse, this);
    canvas_->Bind(wxEVT_MOTION, &CarPreviewDialog::onMouse, this);
    canvas_->Bind(wxEVT_MOUSEWHEEL, &CarPreviewDialog::onMouse, this);
    canvas_->Bind(wxEVT_MOUSE_CAPTURE_LOST, [](wxMouseCaptureLostEvent&) {});
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(canvas_, 1, wxEXPAND);
    SetSizerAndFit(sizer);
}

void CarPreviewDialog::onPaint() {
    wxAutoBufferedPaintDC dc(canvas_);
    const wxSize size = canvas_->GetClientSize();
    if (cars_.empty() || size.x < static_cast<int>(cars_.size()) || size.y < 1) return;
    RenderView view = view_;
    view.width = static_cast<uint32_t>(size.x) / static_cast<uint32_t>(cars_.size());
    view.height = static_cast<uint32_t>(size.y);
    for (size_t i = 0; i < cars_.size(); ++i) {
        const RgbaPicture panel = labelledPanel(cars_[i].role, joined(cars_[i].models), cars_[i].result, view, language_);
        dc.DrawBitmap(bitmapOf(panel), static_cast<int>(i * view.width), 0);
        if (i > 0) {
            dc.SetPen(wxPen(wxColour(180, 186, 196)));
            dc.DrawLine(static_cast<int>(i * view.width), 0, static_cast<int>(i * view.width), size.y);
        }
    }
}

void CarPreviewDialog::onMouse(wxMouseEvent& event) {
    if (event.GetEventType() == wxEVT_MOUSEWHEEL) {
        const float steps = static_cast<float>(event.GetWheelRotation()) / static_cast<float>(std::max(event.GetWheelDelta(), 1));
        view_.zoom = std::clamp(view_.zoom * std::pow(1.1f, steps), kLowestZoom, kHighestZoom);
        canvas_->Refresh();
        return;
    }
    if (event.LeftDown()) {
        dragFrom_ = event.GetPosition();
        if (!canvas_->HasCapture()) canvas_->CaptureMouse();
    } else if (event.LeftUp()) {
        if (canvas_->HasCapture()) canvas_->ReleaseMouse();
    } else if (event.Dragging() && event.LeftIsDown()) {
        const wxPoint now = event.GetPosition();
        view_.yawDegrees -= kDegreesPerPixel * static_cast<float>(now.x - dragFrom_.x);
        view_.pitchDegrees = std::clamp(view_.pitchDegrees + kDegreesPerPixel * static_cast<float>(now.y - dragFrom_.y),
                                        -89.0f, 89.0f);
        dragFrom_ = now;
        canvas_->Refresh();
    }
    event.Skip();
}

}  // namespace zw::gui
