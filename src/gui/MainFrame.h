#pragma once
// The main window (TForm1): group boxes, labels and the sixteen command buttons of the MainWindow
// model. A click runs the model's handler (or opens a modal window through the program), then every
// button shows the model's enabled state.

#include <wx/frame.h>

namespace zw::gui {

class Program;

class TForm1 : public wxFrame {
public:
    explicit TForm1(Program& program);

    // Every button's enabled state from the model.
    void refreshFromModel();

private:
    void onButton(wxWindow* button);

    Program& program_;
};

}  // namespace zw::gui
