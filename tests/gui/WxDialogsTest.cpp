#include <gtest/gtest.h>
#include <wx/clipbrd.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <wx/textdlg.h>

#include <functional>
#include <stdexcept>

#include "gui/WxDialogs.h"
#include "gui/WxText.h"
#include "support/TempFolder.h"

namespace zw::test {
namespace {

// Takes every modal dialog instead of showing it: records what it would show and answers with what
// `answer` returns for it.
class DialogCatcher : public wxModalDialogHook {
public:
    struct Shown {
        std::string title;
        std::string text;
    };
    std::vector<Shown> shown;
    std::function<int(wxDialog*)> answer = [](wxDialog*) { return wxID_CANCEL; };

    DialogCatcher() { Register(); }
    ~DialogCatcher() override { Unregister(); }

protected:
    int Enter(wxDialog* dialog) override {
        std::string text;
        if (auto* box = dynamic_cast<wxMessageDialogBase*>(dialog)) text = gui::fromWx(box->GetMessage());
        shown.push_back({gui::fromWx(dialog->GetTitle()), text});
        return answer(dialog);
    }
    void Exit(wxDialog*) override {}
};

TEST(WxDialogs, MessageBoxesAreCaptionedWithTheProgramAndShowTheCataloguesLineBreaks) {
    DialogCatcher catcher;
    gui::WxDialogs dialogs;
    catcher.answer = [](wxDialog*) { return wxID_OK; };
    dialogs.showMessage("Fehler 730! Zeile 1\r\nZeile 2 mit Ü");
    ASSERT_EQ(catcher.shown.size(), 1u);
    EXPECT_EQ(catcher.shown[0].title, "Zorbaltwerk");
    EXPECT_EQ(catcher.shown[0].text, "Fehler 730! Zeile 1\nZeile 2 mit Ü");
}

TEST(WxDialogs, YesNoBoxesCarryTheirCaptionAndGiveTheAnswer) {
    DialogCatcher catcher;
    gui::WxDialogs dialogs;
    catcher.answer = [](wxDialog*) { return wxID_YES; };
    EXPECT_TRUE(dialogs.askYesNo("Warnung", "Eine gleichnamige Bahn existiert bereits."));
    catcher.answer = [](wxDialog*) { return wxID_NO; };
    EXPECT_FALSE(dialogs.askYesNo("Warning", "File already exists. Overwrite?"));
    ASSERT_EQ(catcher.shown.size(), 2u);
    EXPECT_EQ(catcher.shown[0].title, "Warnung");
    EXPECT_EQ(catcher.shown[0].text, "Eine gleichnamige Bahn existiert bereits.");
    EXPECT_EQ(catcher.shown[1].title, "Warning");
}

TEST(WxDialogs, TheOpenDialogUsesTheFilterAndTheInitialFolder) {
    TempFolder folder;
    DialogCatcher catcher;
    gui::WxDialogs dialogs;
    wxString wildcard, directory;
    catcher.answer = [&](wxDialog* dialog) {
        auto* files = dynamic_cast<wxFileDialog*>(dialog);
        if (!files) return wxID_ABORT;
        wildcard = files->GetWildcard();
        directory = files->GetDirectory();
        return wxID_CANCEL;
    };
    EXPECT_EQ(dialogs.chooseFileToOpen("CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt", folder.path()), std::nullopt);
    EXPECT_EQ(gui::fromWx(wildcard), "CTR_WagenDaten_*.txt|CTR_WagenDaten_*.txt");
    EXPECT_EQ(gui::pathFromWx(directory), folder.path());
}

TEST(WxDialogs, TheInputBoxGivesTheTypedTextOrNothingWhenCancelled) {
    DialogCatcher catcher;
    gui::WxDialogs dialogs;
    std::string shownDefault;
    catcher.answer = [&](wxDialog* dialog) {
        auto* input = dynamic_cast<wxTextEntryDialog*>(dialog);
        if (!input) return wxID_ABORT;
        shownDefault = gui::fromWx(input->GetValue());
        input->SetValue(wxString::FromUTF8("Blitzbahn Ü"));
        return wxID_OK;
    };
    EXPECT_EQ(dialogs.askText("Bahnname", "Tragen Sie hier den Namen ihrer Bahn ein:", "MeinEigenerCTR"),
              "Blitzbahn Ü");
    EXPECT_EQ(shownDefault, "MeinEigenerCTR");
    ASSERT_EQ(catcher.shown.size(), 1u);
    EXPECT_EQ(catcher.shown[0].title, "Bahnname");

    catcher.answer = [](wxDialog*) { return wxID_CANCEL; };
    EXPECT_EQ(dialogs.askText("Ordnername", "Name:", "CTR_MeinEigenerCTR"), std::nullopt);
}

TEST(WxDialogs, TheClipboardIsReadAsText) {
    ASSERT_TRUE(wxTheClipboard->Open());
    wxTheClipboard->SetData(new wxTextDataObject(wxString::FromUTF8("straight\t12,5\r\nturn\t3")));
    wxTheClipboard->Close();
    gui::WxDialogs dialogs;
    // The toolkit hands the text with line ends of its choice (LF on Windows); the words are what count.
    std::string text = dialogs.clipboardText();
    std::erase(text, '\r');
    EXPECT_EQ(text, "straight\t12,5\nturn\t3");
}

TEST(WxDialogs, AnEscapedExceptionIsShownWithItsText) {
    DialogCatcher catcher;
    catcher.answer = [](wxDialog*) { return wxID_OK; };
    gui::showExceptionBox(std::make_exception_ptr(std::runtime_error("Datei kaputt")), Language::German);
    gui::showExceptionBox(std::make_exception_ptr(42), Language::English);
    ASSERT_EQ(catcher.shown.size(), 2u);
    EXPECT_EQ(catcher.shown[0].title, "Zorbaltwerk");
    EXPECT_EQ(catcher.shown[0].text, "Datei kaputt");
    EXPECT_EQ(catcher.shown[1].text, "Unknown exception.");
}

}  // namespace
}  // namespace zw::test
