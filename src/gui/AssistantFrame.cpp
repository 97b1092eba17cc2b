// Placeholder, replaced by the assistant window: an empty modal window with the assistant's caption
// and a close box that runs the model's FormClose, so the program can open and close it.
#include "gui/AssistantFrame.h"

#include <wx/dialog.h>

#include "assistant/TForm4.h"

namespace zw::gui {

wxDialog* createAssistantWindow(wxWindow* parent, TForm4& model, Dialogs&) {
    auto* window = new wxDialog(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxSize(640, 480));
    window->SetName("TForm4");
    window->Bind(wxEVT_CLOSE_WINDOW, [window, &model](wxCloseEvent&) {
        model.FormClose();
        window->EndModal(wxID_CANCEL);
    });
    return window;
}

}  // namespace zw::gui
