#pragma once
// Pictures of the windows for the documentation: a window is shown, painted, and its pixels saved as a
// PNG file.

#include <wx/string.h>

class wxWindow;

namespace zw::gui {

// Shows `window` (not modally), lets it paint and writes its picture to `file`; false on failure.
bool saveScreenshot(wxWindow* window, const wxString& file);

}  // namespace zw::gui
