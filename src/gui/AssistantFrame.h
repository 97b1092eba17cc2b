#pragma once
// The ride data assistant's window (TForm4), bound to its model.

class wxDialog;
class wxWindow;

namespace zw {
class Dialogs;
class TForm4;
}  // namespace zw

namespace zw::gui {

// Creates the assistant's window (hidden) for `model`, whose FormCreate has run. The program opens it
// with ShowModal each time the main window's assistant button is clicked; the window ends its modal
// run itself when the model closes it ("Assistent beenden" or the frame's close box). Messages and
// questions go through `dialogs`. The window belongs to `parent` (wx destroys it with its parent).
wxDialog* createAssistantWindow(wxWindow* parent, TForm4& model, Dialogs& dialogs);

}  // namespace zw::gui
