#include "gui/AssistantFrame.h"

#include <functional>

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/menu.h>
#include <wx/notebook.h>
#include <wx/sizer.h>
#include <wx/stattext.h>
#include <wx/settings.h>
#include <wx/textctrl.h>

#include "assistant/CheckInput.h"
#include "assistant/ControlBindings.h"
#include "assistant/RideAssistant.h"
#include "base/Messages.h"
#include "gui/WxText.h"

namespace zw::gui {
namespace {

constexpr int kTrackMenuFirstId = wxID_HIGHEST + 100;

wxString shown(const std::string& utf8) { return toWx(utf8); }
std::string utf8(const wxString& text) { return fromWx(text); }

// The caret of a text control as a byte position in the UTF-8 text the model holds.
size_t caretBytes(const wxString& text, long insertionPoint) {
    if (insertionPoint <= 0) return 0;
    return utf8(text.Left(static_cast<size_t>(insertionPoint))).size();
}

// Brings a control's items to `items`. A change in the middle (one item moved in or out) is made in
// place, so a long list keeps its scroll position; a larger change refills the control.
void syncItems(wxItemContainer& control, std::vector<std::string>& shownItems, const std::vector<std::string>& items) {
    if (shownItems == items) return;
    size_t prefix = 0;
    while (prefix < shownItems.size() && prefix < items.size() && shownItems[prefix] == items[prefix]) ++prefix;
    size_t suffix = 0;
    while (suffix < shownItems.size() - prefix && suffix < items.size() - prefix &&
           shownItems[shownItems.size() - 1 - suffix] == items[items.size() - 1 - suffix]) {
        ++suffix;
    }
    const size_t removed = shownItems.size() - prefix - suffix;
    const size_t added = items.size() - prefix - suffix;
    if (removed + added > 64 || control.GetCount() != shownItems.size()) {
        wxArrayString all;
        all.reserve(items.size());
        for (const auto& item : items) all.Add(shown(item));
        control.Set(all);
    } else {
        for (size_t i = 0; i < removed; ++i) control.Delete(static_cast<unsigned>(prefix));
        if (added > 0) {
            wxArrayString inserted;
            for (size_t i = prefix; i < prefix + added; ++i) inserted.Add(shown(items[i]));
            control.Insert(inserted, static_cast<unsigned>(prefix));
        }
    }
    shownItems = items;
}

void syncSelection(wxItemContainer& control, int index) {
    if (index < 0 || static_cast<unsigned>(index) >= control.GetCount()) index = wxNOT_FOUND;
    if (control.GetSelection() != index) control.SetSelection(index);
}

}  // namespace

int assistantTrackMenuId(size_t index) { return kTrackMenuFirstId + static_cast<int>(index); }

wxDialog* createAssistantWindow(wxWindow* parent, RideAssistant& model, Dialogs& /*dialogs: the model holds its own*/) {
    return new AssistantFrame(parent, model);
}

AssistantFrame::AssistantFrame(wxWindow* parent, RideAssistant& model)
    : wxDialog(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX, "TForm4"),
      model_(model) {
    SetTitle(shown(message("assistantWindowCaption", model_.language())));

    auto* top = new wxBoxSizer(wxVERTICAL);
    buildToolBar(top);
    pages_ = new wxNotebook(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, "PageControl1");
    buildPropertiesPage(pages_);
    buildTrackPage(pages_);
    buildGeneralPage(pages_);
    buildAdvancedPage(pages_);
    buildAddOnPage(pages_);
    buildStatisticsPage(pages_);
    buildAboutPage(pages_);
    top->Add(pages_, 1, wxEXPAND | wxALL, 4);
    // The status line: where the last open, save or build read or wrote.
    status_ = new wxStaticText(this, wxID_ANY, " ", wxDefaultPosition, wxDefaultSize, wxST_ELLIPSIZE_MIDDLE,
                               "lblStatus");
    top->Add(status_, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);
    SetSizer(top);

    showShownOnlyControls();
    applyCaptions();
    refreshFromModel();
    bindEvents();

    // A fixed window: as large as its widest page needs in the language it was made in.
    top->SetSizeHints(this);
    const wxSize size = GetSize();
    SetMinSize(size);
    SetMaxSize(size);
    CentreOnParent();
}

int AssistantFrame::ShowModal() {
    model_.Visible = true;
    refreshFromModel();
    return wxDialog::ShowModal();
}

// ---- binding ---------------------------------------------------------------------------------------

void AssistantFrame::readIntoModel() {
    for (auto& binding : edits_) {
        const wxString text = binding.control->GetValue();
        binding.model->Text = utf8(text);
        long from = 0, to = 0;
        binding.control->GetSelection(&from, &to);
        if (from == to) from = to = binding.control->GetInsertionPoint();
        binding.model->SelStart = caretBytes(text, from);
        binding.model->SelLength = caretBytes(text, to) - binding.model->SelStart;
    }
    for (auto& binding : checks_) binding.model->Checked = binding.control->GetValue();
    for (auto& binding : lists_) binding.model->ItemIndex = binding.control->GetSelection();
    for (auto& binding : checkLists_) {
        auto& list = *binding.model;
        for (size_t i = 0; i < list.Checked.size() && i < binding.control->GetCount(); ++i) {
            list.Checked[i] = binding.control->IsChecked(static_cast<unsigned>(i));
        }
        list.ItemIndex = binding.control->GetSelection();
    }
    model_.lstIcons.ItemIndex = icons_->GetSelection();
    model_.lstIcons.Text = utf8(icons_->GetValue());
}

void AssistantFrame::refreshFromModel() {
    for (auto& binding : edits_) {
        const wxString text = shown(binding.model->Text);
        if (binding.control->GetValue() != text) binding.control->ChangeValue(text);
    }
    for (auto& binding : checks_) {
        if (binding.control->GetValue() != binding.model->Checked) binding.control->SetValue(binding.model->Checked);
    }
    for (auto& binding : lists_) {
        if (binding.shown != binding.model->Items) {
            binding.window->Freeze();
            syncItems(*binding.control, binding.shown, binding.model->Items);
            binding.window->Thaw();
        }
        syncSelection(*binding.control, binding.model->ItemIndex);
    }
    for (auto& binding : checkLists_) {
        const auto& list = *binding.model;
        auto* control = binding.control;
        if (control->GetCount() != list.Items.size()) {
            wxArrayString items;
            for (const auto& item : list.Items) items.Add(shown(item));
            control->Set(items);
        }
        for (size_t i = 0; i < list.Items.size(); ++i) {
            const auto n = static_cast<unsigned>(i);
            if (control->GetString(n) != shown(list.Items[i])) control->SetString(n, shown(list.Items[i]));
            const bool checked = i < list.Checked.size() && list.Checked[i];
            if (control->IsChecked(n) != checked) control->Check(n, checked);
        }
        syncSelection(*control, list.ItemIndex);
    }
    syncItems(*icons_, iconsShown_, model_.lstIcons.Items);
    syncSelection(*icons_, model_.lstIcons.ItemIndex);
    if (icons_->GetValue() != shown(model_.lstIcons.Text)) icons_->ChangeValue(shown(model_.lstIcons.Text));
    const wxString status = model_.StatusText.empty() ? wxString(" ") : shown(model_.StatusText);
    if (status_->GetLabel() != status) status_->SetLabel(status);
    applyCaptions();
}

void AssistantFrame::applyCaptions() {
    for (const auto& [target, text] : model_.Captions) {
        const wxString caption = shown(text);
        if (target.rfind("Tab", 0) == 0) {
            for (size_t page = 0; page < pages_->GetPageCount(); ++page) {
                if (pages_->GetPage(page)->GetName() == target && pages_->GetPageText(page) != caption) {
                    pages_->SetPageText(page, caption);
                }
            }
            continue;
        }
        wxWindow* control = wxWindow::FindWindowByName(shown(target), this);
        if (control && control->GetLabel() != caption) control->SetLabel(caption);
    }
}

template <class Handler>
void AssistantFrame::handle(Handler&& handler) {
    readIntoModel();
    try {
        handler();
    } catch (...) {
        // The escaped-exception box shows the failure; the window still shows what the model holds.
        refreshFromModel();
        throw;
    }
    refreshFromModel();
    if (!model_.Visible) {
        if (IsModal()) {
            EndModal(wxID_CLOSE);
        } else {
            Hide();
        }
    }
}

// ---- events ----------------------------------------------------------------------------------------

void AssistantFrame::onNumericChar(wxKeyEvent& event) {
    auto* control = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    const int key = event.GetUnicodeKey();
    // Keys that type no character (arrows, Delete, Tab, Enter, Escape, backspace, shortcuts) are no
    // key presses of the number: they move the caret, delete, copy or paste, or leave the field.
    TEdit* field = control ? model_.edit(utf8(control->GetName())) : nullptr;
    if (!field || key == WXK_NONE || key < 0x20 || key == WXK_DELETE || event.GetModifiers() == wxMOD_CONTROL) {
        event.Skip();
        return;
    }
    // Characters beyond ASCII can never belong to a number; they reach the filter as a refused key.
    const char typed = key < 0x80 ? static_cast<char>(key) : '\0';
    readIntoModel();
    // Not skipped: the model puts the key in place of the selection, or drops it.
    if (!model_.onNumberFieldKey(*field, typed)) return;
    control->ChangeValue(shown(field->Text));
    control->SetInsertionPoint(static_cast<long>(shown(field->Text.substr(0, field->SelStart)).length()));
}

void AssistantFrame::onNumericPaste(wxClipboardTextEvent& event) {
    // Not skipped: the toolkit pastes nothing itself. The model takes the clipboard's text as typed
    // keys, in place of the selection.
    auto* control = dynamic_cast<wxTextCtrl*>(event.GetEventObject());
    TEdit* field = control ? model_.edit(utf8(control->GetName())) : nullptr;
    if (!field) return;
    handle([&] { model_.PasteIntoNumberField(*field); });
    control->SetInsertionPoint(static_cast<long>(shown(field->Text.substr(0, field->SelStart)).length()));
}

void AssistantFrame::showShownOnlyControls() {
    // A control whose field no data file holds shows its value, cannot be changed and says why.
    const wxString why = shown(message("assistantShownOnly", model_.language()));
    for (const auto& binding : controlBindings()) {
        if (binding.binding != Binding::ShownOnly) continue;
        wxWindow* control = wxWindow::FindWindowByName(shown(std::string(binding.control)), this);
        if (!control) continue;
        if (auto* text = dynamic_cast<wxTextCtrl*>(control)) {
            text->SetEditable(false);
            text->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
        } else {
            control->Disable();
        }
        control->SetToolTip(why);
        if (binding.caption != binding.control) {
            if (wxWindow* label = wxWindow::FindWindowByName(shown(std::string(binding.caption)), this)) {
                label->SetToolTip(why);
            }
        }
    }
}

void AssistantFrame::bindEvents() {
    auto on = [this](const char* name) { return wxWindow::FindWindowByName(name, this); };
    using Action = std::function<void()>;
    auto bind = [&](const char* name, wxEventTypeTag<wxCommandEvent> type, Action action) {
        on(name)->Bind(type, [this, action](wxCommandEvent&) { handle(action); });
    };
    bind("ToolButton1", wxEVT_BUTTON, [this] { model_.onNewRide(); });
    bind("ToolButton2", wxEVT_BUTTON, [this] { model_.onOpenRide(); });
    bind("ToolButton3", wxEVT_BUTTON, [this] { model_.onSaveRide(); });
    bind("ToolButton4", wxEVT_BUTTON, [this] { model_.onBuildRide(); });
    bind("ToolButton8", wxEVT_BUTTON, [this] { model_.onCloseAssistant(); });
    bind("btnInsertTrackSections", wxEVT_BUTTON, [this] { model_.onInsertTrackSections(); });
    bind("btnAchterbahn", wxEVT_BUTTON, [this] { model_.onRollerCoasterPreset(); });
    bind("btnThemenfahrt", wxEVT_BUTTON, [this] { model_.onThemedRidePreset(); });

    bind("txtWagentypen", wxEVT_LISTBOX_DCLICK, [this] { model_.onCarTypeChosen(); });
    bind("lstSelWagen", wxEVT_LISTBOX_DCLICK, [this] { model_.onChosenCarTypeRemoved(); });
    bind("txtStreckensektionen", wxEVT_LISTBOX_DCLICK, [this] { model_.onTrackSectionChosen(); });
    bind("lstSelSektionen", wxEVT_LISTBOX_DCLICK, [this] { model_.onChosenSectionRemoved(); });
    bind("lstStreckensektionskosten", wxEVT_LISTBOX_DCLICK, [this] { model_.onSectionCostRemoved(); });
    bind("lstZusatzTrackListe", wxEVT_LISTBOX_DCLICK, [this] { model_.onExtraTrackTypeChosen(); });
    bind("SelZusatzTrackListe", wxEVT_LISTBOX_DCLICK, [this] { model_.onChosenExtraTrackTypeRemoved(); });

    bind("lstSelSektionen", wxEVT_LISTBOX, [this] { model_.onChosenSectionSelected(); });
    bind("lstStreckensektionskosten", wxEVT_LISTBOX, [this] { model_.onSectionCostSelected(); });

    // Releasing the right mouse button over a chosen list returns its items; over a start option
    // list it clears the checks.
    auto rightUp = [&](const char* name, Action action) {
        on(name)->Bind(wxEVT_RIGHT_UP, [this, action](wxMouseEvent& event) {
            handle(action);
            event.Skip();
        });
    };
    rightUp("lstSelWagen", [this] { model_.onChosenCarTypesMouseUp(true); });
    rightUp("lstSelSektionen", [this] { model_.onChosenSectionsMouseUp(true); });
    rightUp("SelZusatzTrackListe", [this] { model_.onChosenExtraTrackTypesMouseUp(true); });
    rightUp("lstBahnStartArt", [this] { model_.onStartModesMouseUp(true); });
    rightUp("lstPreStart", [this] { model_.onPreStartModesMouseUp(true); });

    on("lstPreStart")->Bind(wxEVT_CHECKLISTBOX, [this](wxCommandEvent& event) {
        const int index = event.GetInt();
        handle([&] { model_.onPreStartModeTicked(index); });
    });
    on("lstGeschwindigkeitsEinheit")->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        handle([&] { model_.onSpeedUnitChosen(); });
    });

    // "Track auswählen": the menu over the catalogue, opened at the mouse position.
    on("Button1")->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        wxMenu menu;
        for (size_t i = 0; i < model_.trackTypeMenu.size(); ++i) {
            menu.Append(assistantTrackMenuId(i), shown(model_.trackTypeMenu[i].trackType));
        }
        PopupMenu(&menu);
    });
    if (!model_.trackTypeMenu.empty()) {
        Bind(
            wxEVT_MENU,
            [this](wxCommandEvent& event) {
                const auto index = static_cast<size_t>(event.GetId() - kTrackMenuFirstId);
                handle([&] { model_.chooseTrackType(index); });
            },
            assistantTrackMenuId(0), assistantTrackMenuId(model_.trackTypeMenu.size() - 1));
    }

    for (auto name : RideAssistant::numericFields()) {
        on(std::string(name).c_str())->Bind(wxEVT_CHAR, &AssistantFrame::onNumericChar, this);
        on(std::string(name).c_str())->Bind(wxEVT_TEXT_PASTE, &AssistantFrame::onNumericPaste, this);
    }

    // The frame's close box closes the assistant as its own button does; it stays open when the
    // author wanted the changes saved and the save did not complete.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
        handle([&] { model_.onClose(); });
        if (model_.Visible) {
            if (event.CanVeto()) {
                event.Veto();
            } else {
                model_.Visible = false;
                Hide();
            }
        }
    });
}

}  // namespace zw::gui
