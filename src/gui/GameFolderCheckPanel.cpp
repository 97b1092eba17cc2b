#include "gui/GameFolderCheckPanel.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "gui/WxText.h"

namespace zw::gui {

namespace {

wxListCtrl* listNamed(wxWindow* parent, const char* name) {
    return dynamic_cast<wxListCtrl*>(wxWindow::FindWindowByName(name, parent));
}

void fillRow(wxListCtrl* list, long row, std::initializer_list<const std::string*> cells) {
    int column = 0;
    for (const std::string* cell : cells) {
        if (column == 0) {
            list->InsertItem(row, toWx(*cell));
        } else {
            list->SetItem(row, column, toWx(*cell));
        }
        ++column;
    }
}

const wxColour kErrorColour(176, 0, 0);

}  // namespace

GameFolderCheckPanel::GameFolderCheckPanel(wxWindow* parent, GameFolderCheckTab& model)
    : wxPanel(parent), model_(model) {
    SetName("GameCheckTab");
    auto* column = new wxBoxSizer(wxVERTICAL);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    auto* checkButton = new wxButton(this, wxID_ANY, toWx(model_.caption("gameCheckButton")));
    checkButton->SetName("GameCheckButton");
    checkButton->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { check(); });
    auto* uninstall = new wxButton(this, wxID_ANY, toWx(model_.caption("gameCheckUninstallButton")));
    uninstall->SetName("GameCheckUninstallButton");
    uninstall->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { uninstallSelected(); });
    top->Add(checkButton, 0, wxRIGHT, 6);
    top->Add(uninstall, 0);
    column->Add(top, 0, wxALL, 6);

    auto* summary = new wxStaticText(this, wxID_ANY, toWx(model_.Summary), wxDefaultPosition, wxDefaultSize,
                                     wxST_NO_AUTORESIZE);
    summary->SetName("GameCheckSummary");
    summary->SetMinSize(wxSize(FromDIP(560), FromDIP(34)));
    column->Add(summary, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);

    // Small at least: the other tabs share the page control's height; this tab gets the shared list's room.
    auto* ctrs = new wxListCtrl(this, wxID_ANY, wxDefaultPosition, wxSize(FromDIP(560), FromDIP(50)),
                                wxLC_REPORT | wxLC_SINGLE_SEL);
    ctrs->SetName("GameCheckCtrList");
    ctrs->AppendColumn(toWx(model_.caption("gameCheckColumnCtr")), wxLIST_FORMAT_LEFT, FromDIP(170));
    ctrs->AppendColumn(toWx(model_.caption("gameCheckColumnKind")), wxLIST_FORMAT_LEFT, FromDIP(70));
    ctrs->AppendColumn(toWx(model_.caption("gameCheckColumnWorst")), wxLIST_FORMAT_LEFT, FromDIP(700));
    ctrs->Bind(wxEVT_LIST_ITEM_SELECTED, [this](wxListEvent& event) {
        if (event.GetIndex() == model_.CtrIndex) return;
        model_.selectCtr(static_cast<int>(event.GetIndex()));
        refreshFromModel();
    });
    column->Add(ctrs, 3, wxEXPAND | wxALL, 6);

    // The findings of the selected CTR: each with its file, what it means in the game and what to do.
    auto* findings = new wxTextCtrl(this, wxID_ANY, wxEmptyString, wxDefaultPosition,
                                    wxSize(FromDIP(560), FromDIP(40)), wxTE_MULTILINE | wxTE_READONLY | wxTE_RICH2);
    findings->SetName("GameCheckFindings");
    column->Add(findings, 2, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);

    SetSizer(column);
    refreshFromModel();
}

void GameFolderCheckPanel::refreshFromModel() {
    auto* summary = dynamic_cast<wxStaticText*>(FindWindowByName("GameCheckSummary", this));
    summary->SetLabel(toWx(model_.Summary));
    summary->Wrap(summary->GetSize().x);

    wxListCtrl* ctrs = listNamed(this, "GameCheckCtrList");
    ctrs->Freeze();
    if (ctrs->GetItemCount() != static_cast<int>(model_.CtrList.size()) ||
        (ctrs->GetItemCount() > 0 && fromWx(ctrs->GetItemText(0)) != model_.CtrList.front().name)) {
        ctrs->DeleteAllItems();
        for (size_t i = 0; i < model_.CtrList.size(); ++i) {
            const auto& row = model_.CtrList[i];
            fillRow(ctrs, static_cast<long>(i), {&row.name, &row.kind, &row.worst});
            if (row.hasErrors) ctrs->SetItemTextColour(static_cast<long>(i), kErrorColour);
        }
    }
    for (long i = 0; i < ctrs->GetItemCount(); ++i) {
        const bool selected = i == model_.CtrIndex;
        if (selected != (ctrs->GetItemState(i, wxLIST_STATE_SELECTED) != 0)) {
            ctrs->SetItemState(i, selected ? wxLIST_STATE_SELECTED : 0, wxLIST_STATE_SELECTED);
        }
    }
    if (model_.CtrIndex >= 0) ctrs->EnsureVisible(model_.CtrIndex);
    ctrs->Thaw();

    auto* findings = dynamic_cast<wxTextCtrl*>(FindWindowByName("GameCheckFindings", this));
    findings->Clear();
    for (const auto& row : model_.Findings) {
        findings->SetDefaultStyle(wxTextAttr(row.error ? kErrorColour : findings->GetForegroundColour()));
        findings->AppendText(toWx(row.severity + (row.file.empty() ? std::string() : ": " + row.file) + "\n"));
        findings->SetDefaultStyle(wxTextAttr(findings->GetForegroundColour()));
        findings->AppendText(toWx(row.text + "\n" + model_.caption("gameCheckMeaning") + row.meaning + "\n" +
                                  model_.caption("gameCheckAction") + row.action + "\n\n"));
    }
    findings->ShowPosition(0);
    FindWindowByName("GameCheckUninstallButton", this)->Enable(model_.canUninstallSelected());
}

void GameFolderCheckPanel::check() {
    wxBusyCursor busy;
    auto* summary = dynamic_cast<wxStaticText*>(FindWindowByName("GameCheckSummary", this));
    // A long check shows how far it has come.
    model_.check([&](size_t done, size_t total, const std::string& name) {
        if (done % 20 != 0 || name.empty()) return;
        summary->SetLabel(
            toWx(model_.caption("gameCheckProgress", {std::to_string(done), std::to_string(total)}) + name));
        summary->Update();
    });
    refreshFromModel();
}

void GameFolderCheckPanel::uninstallSelected() {
    wxBusyCursor busy;
    model_.uninstallSelected();
    refreshFromModel();
}

}  // namespace zw::gui
