#include "gui/InstallDialog.h"

#include <wx/button.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include <functional>

#include "gui/GameFolderCheckPanel.h"
#include "gui/WxText.h"
#include "workflow/InstallWindow.h"

namespace zw::gui {
namespace {

constexpr long kFixedDialog = wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX;

using Tab = InstallWindow::Tab;

struct TabControls {
    Tab tab;
    std::string_view page;
    std::string_view label;
    std::string_view button;
};

// In the order of the page control's pages.
constexpr TabControls kTabs[] = {
    {Tab::InstallFolder, "InstallOrdnerTab", "Label1", "OrdnerInstallButton"},
    {Tab::UninstallRide, "DeinstallBahnTab", "Label2", "BahnDeinstallButton"},
    {Tab::UninstallTracks, "DeinstallSchienenTab", "Label3", "SchienenDeinstallButton"},
    {Tab::UninstallCar, "DeinstallWagenTab", "Label4", "WagenDeinstallButton"},
};

wxString wxName(std::string_view name) { return wxString::FromUTF8(name.data(), name.size()); }

// The notice on an uninstall tab: "DeinstallBahnTabNotice".
wxString noticeName(const TabControls& tab) { return wxName(tab.page) + "Notice"; }

}  // namespace

InstallDialog::InstallDialog(wxWindow* parent, InstallWindow& model)
    : wxDialog(parent, wxID_ANY, toWx(model.caption("TForm3")), wxDefaultPosition, wxDefaultSize, kFixedDialog),
      model_(model) {
    SetName("TForm3");
    auto* column = new wxBoxSizer(wxVERTICAL);

    auto* pages = new wxNotebook(this, wxID_ANY);
    pages->SetName("TabSheetKomplett");
    for (const TabControls& tab : kTabs) {
        auto* page = new wxPanel(pages);
        page->SetName(wxName(tab.page));
        auto* pageSizer = new wxBoxSizer(wxVERTICAL);
        auto* label = new wxStaticText(page, wxID_ANY, toWx(model_.caption(tab.label)));
        label->SetName(wxName(tab.label));
        auto* button = new wxButton(page, wxID_ANY, toWx(model_.caption(tab.button)));
        button->SetName(wxName(tab.button));
        button->Bind(wxEVT_BUTTON, [this, which = tab.tab](wxCommandEvent&) { onTabButton(which); });
        pageSizer->Add(label, 0, wxALL, 6);
        pageSizer->Add(button, 0, wxALL, 6);
        if (tab.tab != Tab::InstallFolder) {
            // Why the list is empty when the tab cannot list its objects (a missing game folder).
            auto* notice = new wxStaticText(page, wxID_ANY, wxEmptyString);
            notice->SetName(noticeName(tab));
            notice->SetForegroundColour(wxColour(160, 0, 0));
            pageSizer->Add(notice, 0, wxEXPAND | wxALL, 6);
        }
        page->SetSizer(pageSizer);
        pages->AddPage(page, toWx(model_.caption(tab.page)));
    }
    // The game folder's check: a tab with lists of its own, so the shared list is hidden there.
    pages->AddPage(new GameFolderCheckPanel(pages, model_.gameFolderCheck),
                   toWx(model_.gameFolderCheck.caption("gameCheckTab")));
    pages->Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, [this](wxBookCtrlEvent& event) {
        const int page = event.GetSelection();
        const bool checkTab = page == static_cast<int>(std::size(kTabs));
        showSharedList(!checkTab);
        if (page < 0 || page >= static_cast<int>(std::size(kTabs))) return;
        model_.onTabChosen(kTabs[page].tab);
        afterHandler();
    });
    // Wide enough for all four tabs side by side.
    int tabsWidth = 0;
    for (std::size_t i = 0; i < pages->GetPageCount(); ++i) {
        tabsWidth += pages->GetTextExtent(pages->GetPageText(i)).x + FromDIP(40);
    }
    pages->SetMinSize(wxSize(tabsWidth, -1));
    column->Add(pages, 0, wxEXPAND | wxALL, 6);

    auto* list = new wxListBox(this, wxID_ANY, wxDefaultPosition, wxSize(FromDIP(420), FromDIP(260)), 0, nullptr,
                               wxLB_SINGLE | wxLB_HSCROLL);
    list->SetName("ListBox");
    list->Bind(wxEVT_LISTBOX, [this](wxCommandEvent& event) {
        model_.onListItemClicked(event.GetSelection());
        enableUninstallButtons();
    });
    list->Bind(wxEVT_LISTBOX_DCLICK, [this](wxCommandEvent& event) {
        model_.onListItemClicked(event.GetSelection());
        model_.onListItemDoubleClicked();
        afterHandler();
    });
    column->Add(list, 1, wxEXPAND | wxLEFT | wxRIGHT, 6);

    auto* close = new wxButton(this, wxID_ANY, toWx(model_.caption("CloseButton")));
    close->SetName("CloseButton");
    close->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        model_.onCloseButton();
        afterHandler();
    });
    column->Add(close, 0, wxALIGN_RIGHT | wxALL, 6);
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) {
        model_.onCloseButton();
        afterHandler();
    });

    SetSizerAndFit(column);
    SetSizeHints(GetSize(), GetSize());
}

void InstallDialog::refreshFromModel() {
    auto* pages = dynamic_cast<wxNotebook*>(FindWindowByName("TabSheetKomplett", this));
    for (std::size_t i = 0; i < std::size(kTabs); ++i) {
        if (kTabs[i].tab == model_.ActivePage && pages->GetSelection() != static_cast<int>(i)) {
            pages->ChangeSelection(i);  // no page-change event: the model has already changed
        }
    }
    showSharedList(pages->GetSelection() != static_cast<int>(std::size(kTabs)));
    for (const TabControls& tab : kTabs) {
        if (tab.tab == Tab::InstallFolder) continue;
        auto* notice = dynamic_cast<wxStaticText*>(FindWindowByName(noticeName(tab), this));
        const wxString text = tab.tab == model_.ActivePage ? toWx(model_.ListNotice) : wxString();
        if (notice->GetLabel() == text) continue;
        notice->SetLabel(text);
        // The page may not be laid out yet: the page control's width it will have.
        notice->Wrap(pages->GetClientSize().x - FromDIP(30));
        notice->GetParent()->Layout();
    }
    auto* list = dynamic_cast<wxListBox*>(FindWindowByName("ListBox", this));
    wxArrayString items;
    for (const std::string& item : model_.ListBox) items.Add(toWx(item));
    if (list->GetStrings() != items) list->Set(items);
    if (model_.ItemIndex >= 0 && model_.ItemIndex < static_cast<int>(list->GetCount())) {
        list->SetSelection(model_.ItemIndex);
    } else {
        list->SetSelection(wxNOT_FOUND);
    }
    enableUninstallButtons();
}

void InstallDialog::enableUninstallButtons() {
    for (const TabControls& tab : kTabs) {
        if (tab.tab == Tab::InstallFolder) continue;
        if (wxWindow* button = FindWindowByName(wxName(tab.button), this)) button->Enable(model_.uninstallEnabled());
    }
}

void InstallDialog::showSharedList(bool show) {
    wxWindow* list = FindWindowByName("ListBox", this);
    if (list->IsShown() == show) return;
    // Without the shared list the page control takes its room.
    list->Show(show);
    GetSizer()->GetItem(FindWindowByName("TabSheetKomplett", this))->SetProportion(show ? 0 : 1);
    Layout();
}

void InstallDialog::checkGameFolder() {
    auto* pages = dynamic_cast<wxNotebook*>(FindWindowByName("TabSheetKomplett", this));
    pages->SetSelection(std::size(kTabs));
    dynamic_cast<GameFolderCheckPanel*>(pages->GetPage(std::size(kTabs)))->check();
}

void InstallDialog::onTabButton(InstallWindow::Tab tab) {
    switch (tab) {
        case Tab::InstallFolder: model_.installFolder(); break;
        case Tab::UninstallRide: model_.uninstallRide(); break;
        case Tab::UninstallTracks: model_.uninstallTrackSet(); break;
        case Tab::UninstallCar: model_.uninstallCar(); break;
    }
    afterHandler();
}

void InstallDialog::afterHandler() {
    if (model_.Closed) {
        model_.Closed = false;
        if (IsModal()) EndModal(wxID_CLOSE);
        else Hide();
        return;
    }
    refreshFromModel();
}

}  // namespace zw::gui
