#include "gui/WxDialogs.h"

#include <wx/app.h>
#include <wx/clipbrd.h>
#include <wx/dataobj.h>
#include <wx/dirdlg.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/stockitem.h>
#include <wx/textdlg.h>
#include <wx/toplevel.h>

#include <stdexcept>

#include "gui/WxText.h"

namespace zw::gui {
namespace {

const char* const kTitle = "Zorbaltwerk";

// The buttons' labels from the toolkit's translations of the interface language (useInterfaceLanguage):
// the system would label them in its own language, whatever the program speaks.
void labelButtons(wxMessageDialog& box) {
    box.SetYesNoLabels(wxGetStockLabel(wxID_YES), wxGetStockLabel(wxID_NO));
    box.SetOKLabel(wxGetStockLabel(wxID_OK));
}

int showBox(wxWindow* parent, const wxString& text, const wxString& caption, long style) {
    wxMessageDialog box(parent, text, caption, style);
    labelButtons(box);
    return box.ShowModal();
}

}  // namespace

wxWindow* WxDialogs::parent() const {
    if (wxWindow* active = wxGetActiveWindow()) return wxGetTopLevelParent(active);
    return parent_;
}

void WxDialogs::showMessage(const std::string& text) { showBox(parent(), toWx(text), kTitle, wxOK | wxCENTRE); }

void WxDialogs::showError(const std::string& text) {
    showBox(parent(), toWx(text), kTitle, wxOK | wxCENTRE | wxICON_ERROR);
}

bool WxDialogs::askYesNo(const std::string& caption, const std::string& text) {
    return showBox(parent(), toWx(text), toWx(caption), wxYES_NO | wxCENTRE | wxICON_QUESTION) == wxID_YES;
}

bool WxDialogs::askYesNoDefaultNo(const std::string& caption, const std::string& text) {
    return showBox(parent(), toWx(text), toWx(caption), wxYES_NO | wxNO_DEFAULT | wxCENTRE | wxICON_WARNING) ==
           wxID_YES;
}

std::optional<std::filesystem::path> WxDialogs::chooseFolder(const std::string& caption,
                                                             const std::filesystem::path& initialFolder) {
    wxDirDialog dialog(parent(), toWx(caption), pathToWx(initialFolder), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return pathFromWx(dialog.GetPath());
}

std::optional<std::filesystem::path> WxDialogs::chooseFileToOpen(const std::string& filter,
                                                                 const std::filesystem::path& initialFolder) {
    // The filter is "description|pattern", which is wx's own wildcard form.
    wxFileDialog dialog(parent(), wxEmptyString, pathToWx(initialFolder), wxEmptyString, toWx(filter),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return pathFromWx(dialog.GetPath());
}

std::optional<std::filesystem::path> WxDialogs::chooseFileToSave(const std::string& filter,
                                                                 const std::filesystem::path& initialFolder,
                                                                 const std::string& fileName) {
    // No overwrite question here: the writer asks before it replaces a file.
    wxFileDialog dialog(parent(), wxEmptyString, pathToWx(initialFolder), toWx(fileName), toWx(filter), wxFD_SAVE);
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    return pathFromWx(dialog.GetPath());
}

std::optional<std::string> WxDialogs::askText(const std::string& caption, const std::string& prompt,
                                              const std::string& defaultText) {
    wxTextEntryDialog box(parent(), toWx(prompt), toWx(caption), toWx(defaultText));
    if (box.ShowModal() != wxID_OK) return std::nullopt;
    return fromWx(box.GetValue());
}

std::string WxDialogs::clipboardText() {
    std::string text;
    if (!wxTheClipboard->Open()) return text;
    if (wxTheClipboard->IsSupported(wxDF_UNICODETEXT) || wxTheClipboard->IsSupported(wxDF_TEXT)) {
        wxTextDataObject data;
        if (wxTheClipboard->GetData(data)) text = fromWx(data.GetText());
    }
    wxTheClipboard->Close();
    return text;
}

void showExceptionBox(std::exception_ptr error, Language language) {
    wxString text = "?";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        text = toWx(e.what());
        // A text that is no UTF-8 is shown byte by byte rather than not at all.
        if (text.empty() && *e.what()) text = wxString(e.what(), wxConvISO8859_1);
    } catch (...) {
        text = toWx(message("unknownException", language));
    }
    wxWindow* active = wxGetActiveWindow();
    showBox(active ? wxGetTopLevelParent(active) : nullptr, text, kTitle, wxOK | wxICON_ERROR | wxCENTRE);
}

}  // namespace zw::gui
