#include "gui/Screenshot.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/dcscreen.h>
#include <wx/image.h>
#include <wx/utils.h>
#include <wx/window.h>

namespace zw::gui {

bool saveScreenshot(wxWindow* window, const wxString& file) {
    window->Show();
    window->Raise();
    // Let the window be mapped and painted before its pixels are read from the screen.
    for (int round = 0; round < 20; ++round) {
        wxTheApp->Yield(true);
        wxMilliSleep(25);
    }
    window->Update();
    wxTheApp->Yield(true);

    const wxRect area = window->GetScreenRect();
    wxBitmap picture(area.width, area.height, 24);
    {
        wxScreenDC screen;
        wxMemoryDC memory(picture);
        if (!memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y)) return false;
    }
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    return picture.ConvertToImage().SaveFile(file, wxBITMAP_TYPE_PNG);
}

}  // namespace zw::gui
