#pragma once
// The ride data assistant's window (RideAssistant): real controls bound to the toolkit-free model. Each
// control carries its model name as its wx name; before an event reaches the model the controls'
// state is read into it, and afterwards the window shows the model's state again. Every rule stays
// in the model.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <wx/dialog.h>

class wxCheckBox;
class wxCheckListBox;
class wxComboBox;
class wxItemContainer;
class wxKeyEvent;
class wxNotebook;
class wxSizer;
class wxTextCtrl;
class wxWindow;

namespace zw {
class Dialogs;
class RideAssistant;
struct TCheckBox;
struct TCheckListBox;
struct TEdit;
struct TListBox;
}  // namespace zw::gui

namespace zw::gui {

// Creates the assistant's window (hidden) for `model`, whose onCreate has run. The program opens it
// with ShowModal each time the main window's assistant button is clicked; the window ends its modal
// run itself when the model closes it ("Assistent beenden" or the frame's close box). The model asks
// its questions and reads the clipboard through its own Dialogs, the same as `dialogs`. The window
// belongs to `parent` (wx destroys it with its parent).
wxDialog* createAssistantWindow(wxWindow* parent, RideAssistant& model, Dialogs& dialogs);

// The menu id of item `index` of the "Track auswählen" menu.
int assistantTrackMenuId(size_t index);

class AssistantFrame : public wxDialog {
public:
    AssistantFrame(wxWindow* parent, RideAssistant& model);

    // Shows the model's state, then runs modally until the model closes the window.
    int ShowModal() override;

    // The model's state into the controls, and the controls' state into the model.
    void refreshFromModel();
    void readIntoModel();

private:
    struct EditBinding {
        TEdit* model;
        wxTextCtrl* control;
    };
    struct CheckBinding {
        TCheckBox* model;
        wxCheckBox* control;
    };
    struct ListBinding {
        TListBox* model;
        wxWindow* window;
        wxItemContainer* control;
        std::vector<std::string> shown;  // the items the control holds
    };
    struct CheckListBinding {
        TCheckListBox* model;
        wxCheckListBox* control;
    };

    // Runs a model handler between reading the controls and showing the result.
    template <class Handler>
    void handle(Handler&& handler);

    // Builders of the pages (AssistantPages.cpp).
    void buildToolBar(wxSizer* sizer);
    void buildPropertiesPage(wxNotebook* book);
    void buildTrackPage(wxNotebook* book);
    void buildGeneralPage(wxNotebook* book);
    void buildAdvancedPage(wxNotebook* book);
    void buildAddOnPage(wxNotebook* book);
    void buildStatisticsPage(wxNotebook* book);
    void buildAboutPage(wxNotebook* book);

    // Controls bound to the model's control of the same name.
    wxTextCtrl* edit(wxWindow* parent, const char* name, int width = 90);
    wxCheckBox* checkBox(wxWindow* parent, const char* name);
    wxWindow* listBox(wxWindow* parent, const char* name, wxSize size);
    wxWindow* choice(wxWindow* parent, const char* name);
    wxCheckListBox* checkListBox(wxWindow* parent, TCheckListBox& model, const char* name, wxSize size);
    wxComboBox* iconBox(wxWindow* parent);
    // A label whose caption comes from the model's captions.
    wxWindow* label(wxWindow* parent, const char* name);
    // Label and edit in one row of a two-column grid.
    wxTextCtrl* labelledEdit(wxWindow* parent, wxSizer* grid, const char* labelName, const char* editName,
                             int width = 90);
    // A group box named `groupName` holding one labelled edit per (label, edit) pair.
    wxSizer* editGroup(wxWindow* parent, const char* groupName,
                       std::initializer_list<std::pair<const char*, const char*>> edits);

    void bindEvents();
    void onNumericChar(wxKeyEvent& event);
    void onNumericPaste(wxClipboardTextEvent& event);
    void applyCaptions();
    void showShownOnlyControls();

    RideAssistant& model_;
    wxNotebook* pages_ = nullptr;
    std::vector<EditBinding> edits_;
    std::vector<CheckBinding> checks_;
    std::vector<ListBinding> lists_;
    std::vector<CheckListBinding> checkLists_;
    wxComboBox* icons_ = nullptr;
    wxWindow* status_ = nullptr;
    std::vector<std::string> iconsShown_;
};

}  // namespace zw::gui
