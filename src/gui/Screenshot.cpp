#include "gui/Screenshot.h"

#include <wx/app.h>
#include <wx/bitmap.h>
#include <wx/brush.h>
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
#ifdef __WXMSW__
    // On Windows the window's rectangle holds its frame and title bar, which the system draws itself.
    wxBitmap picture(area.width, area.height, 24);
    {
        wxMemoryDC memory(picture);
        wxScreenDC screen;
        if (!memory.Blit(0, 0, area.width, area.height, &screen, area.x, area.y)) return false;
    }
#else
    // The virtual display has no window manager, so the picture gets a plain title bar of its own
    // with the window's caption, as a desktop would frame it.
    const int titleHeight = window->FromDIP(28);
    wxBitmap picture(area.width + 2, area.height + titleHeight + 1, 24);
    {
        wxMemoryDC memory(picture);
        memory.SetBackground(wxBrush(wxColour(60, 60, 60)));
        memory.Clear();
        wxFont font = window->GetFont();
        font.MakeBold();
        memory.SetFont(font);
        memory.SetTextForeground(*wxWHITE);
        const wxString title = window->GetLabel();
        const int textHeight = memory.GetTextExtent(title).y;
        memory.DrawText(title, window->FromDIP(10), (titleHeight - textHeight) / 2);
        wxScreenDC screen;
        if (!memory.Blit(1, titleHeight, area.width, area.height, &screen, area.x, area.y)) return false;
    }
#endif
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    return picture.ConvertToImage().SaveFile(file, wxBITMAP_TYPE_PNG);
}

}  // namespace zw::gui
