#pragma once
// The main window (MainFrame): group boxes, labels and the sixteen command buttons of the MainWindow
// model. A click runs the model's handler (or opens a modal window through the program), then every
// button shows the model's enabled state.

#include <wx/frame.h>

#include "workflow/MainWindow.h"

namespace zw::gui {

class Program;

class MainFrame : public wxFrame {
public:
    explicit MainFrame(Program& program);

    // Every button's enabled state from the model.
    void refreshFromModel();

private:
    void onCommand(Command which);

    Program& program_;
};

}  // namespace zw::gui
