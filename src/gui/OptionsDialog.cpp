#include "gui/OptionsDialog.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/textctrl.h>

#include "gui/WxText.h"
#include "workflow/OptionsWindow.h"

namespace zw::gui {
namespace {

constexpr long kFixedDialog = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX;

constexpr std::string_view kCheckControls[] = {"DeutschRadioButton",    "EnglischRadioButton",
                                               "ohneAddOnsRadioButton", "mitAddOnsRadioButton",
                                               "UeberschreibenCheckBox", "HiddenSettingsCheckBox"};

wxString wxName(std::string_view name) { return wxString::FromUTF8(name.data(), name.size()); }

}  // namespace

OptionsDialog::OptionsDialog(wxWindow* parent, OptionsWindow& model)
    : wxDialog(parent, wxID_ANY, toWx(std::string(model.caption("TForm2"))), wxDefaultPosition, wxDefaultSize,
               kFixedDialog),
      model_(model) {
    SetName("TForm2");
    auto caption = [&](std::string_view name) { return toWx(std::string(model_.caption(name))); };
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto group = [&](std::string_view name, int orientation) {
        auto* box = new wxStaticBoxSizer(orientation, this, caption(name));
        box->GetStaticBox()->SetName(wxName(name));
        column->Add(box, 0, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 8);
        return box;
    };
    auto radioPair = [&](wxStaticBoxSizer* box, std::string_view first, std::string_view second) {
        for (std::string_view name : {first, second}) {
            auto* radio = new wxRadioButton(box->GetStaticBox(), wxID_ANY, caption(name), wxDefaultPosition,
                                            wxDefaultSize, name == first ? wxRB_GROUP : 0);
            radio->SetName(wxName(name));
            radio->Bind(wxEVT_RADIOBUTTON, [this, name](wxCommandEvent&) { model_.setChecked(name, true); });
            box->Add(radio, 1, wxALL, 4);
        }
    };

    radioPair(group("SpracheGroupBox", wxHORIZONTAL), "DeutschRadioButton", "EnglischRadioButton");
    auto* pathBox = group("RCT3PfadGroupBox", wxVERTICAL);
    auto* pathEdit = new wxTextCtrl(pathBox->GetStaticBox(), wxID_ANY, wxEmptyString, wxDefaultPosition,
                                    wxSize(FromDIP(380), -1));
    pathEdit->SetName("RCT3PfadEdit");
    auto* browse = new wxButton(pathBox->GetStaticBox(), wxID_ANY, caption("RCT3PfadBrowseButton"));
    browse->SetName("RCT3PfadBrowseButton");
    browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onBrowse(); });
    auto* pathRow = new wxBoxSizer(wxHORIZONTAL);
    pathRow->Add(pathEdit, 1, wxALIGN_CENTER_VERTICAL | wxALL, 4);
    pathRow->Add(browse, 0, wxALIGN_CENTER_VERTICAL | wxALL, 4);
    pathBox->Add(pathRow, 0, wxEXPAND);
    radioPair(group("AddOnGroupBox", wxHORIZONTAL), "ohneAddOnsRadioButton", "mitAddOnsRadioButton");
    auto* extra = group("ZusatzoptionenGroupBox", wxVERTICAL);
    for (std::string_view name : {"UeberschreibenCheckBox", "HiddenSettingsCheckBox"}) {
        auto* box = new wxCheckBox(extra->GetStaticBox(), wxID_ANY, caption(name));
        box->SetName(wxName(name));
        box->Bind(wxEVT_CHECKBOX, [this, box, name](wxCommandEvent&) { model_.setChecked(name, box->GetValue()); });
        extra->Add(box, 0, wxALL, 4);
    }

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    auto* okay = new wxButton(this, wxID_ANY, caption("OkayButton"));
    okay->SetName("OkayButton");
    okay->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onOkay(); });
    auto* cancel = new wxButton(this, wxID_ANY, caption("CancelButton"));
    cancel->SetName("CancelButton");
    cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { onCancel(); });
    buttons->Add(okay, 0, wxALL, 4);
    buttons->Add(cancel, 0, wxALL, 4);
    column->Add(buttons, 0, wxALIGN_RIGHT | wxALL, 6);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { onClose(); });

    SetSizerAndFit(column);
    SetSizeHints(GetSize(), GetSize());
    refreshFromModel();
}

void OptionsDialog::refreshFromModel() {
    for (std::string_view name : kCheckControls) {
        wxWindow* control = FindWindowByName(wxName(name), this);
        if (auto* radio = dynamic_cast<wxRadioButton*>(control)) radio->SetValue(model_.checked(name));
        if (auto* box = dynamic_cast<wxCheckBox*>(control)) {
            box->SetValue(model_.checked(name));
            box->Enable(model_.enabled(name));
        }
    }
    if (auto* edit = dynamic_cast<wxTextCtrl*>(FindWindowByName("RCT3PfadEdit", this))) {
        edit->ChangeValue(toWx(model_.gameFolderText()));
    }
}

void OptionsDialog::onOkay() {
    auto* edit = dynamic_cast<wxTextCtrl*>(FindWindowByName("RCT3PfadEdit", this));
    model_.setGameFolderText(fromWx(edit->GetValue()));
    const bool closes = model_.onOk();
    refreshFromModel();
    if (closes && IsModal()) EndModal(wxID_OK);
}

void OptionsDialog::onBrowse() {
    auto* edit = dynamic_cast<wxTextCtrl*>(FindWindowByName("RCT3PfadEdit", this));
    model_.setGameFolderText(fromWx(edit->GetValue()));
    model_.RCT3PfadBrowseButtonClick();
    edit->ChangeValue(toWx(model_.gameFolderText()));
}

void OptionsDialog::onCancel() {
    model_.CancelButtonClick();
    refreshFromModel();
    if (IsModal()) EndModal(wxID_CANCEL);
}

void OptionsDialog::onClose() {
    model_.onClose();
    refreshFromModel();
    if (IsModal()) EndModal(wxID_CANCEL);
    else Hide();
}

}  // namespace zw::gui
