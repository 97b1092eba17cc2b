// The windows' suite starts wx itself (on the X display that xvfb-run provides) with the program's own
// application object, so an exception that escapes a click meets the program's exception box.
#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>

#include "gui/WxText.h"
#include "gui/ZorbaltwerkApp.h"

namespace {

// A message box that no test expected would wait for a click forever: it fails the test instead.
class UnexpectedMessageBoxes : public wxModalDialogHook {
protected:
    int Enter(wxDialog* dialog) override {
        auto* box = dynamic_cast<wxMessageDialogBase*>(dialog);
        if (!box) return wxID_NONE;
        ADD_FAILURE() << "unexpected message box: " << zw::gui::fromWx(box->GetMessage());
        return wxID_OK;
    }
    void Exit(wxDialog*) override {}
};

}  // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new zw::gui::ZorbaltwerkApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "wx could not start (no X display?)\n");
        return 1;
    }
    // A failed wx assertion would open a box of its own: it fails the test instead.
    wxSetAssertHandler([](const wxString& file, int line, const wxString&, const wxString& condition,
                          const wxString& text) {
        ADD_FAILURE() << "wx assertion failed at " << file.utf8_string() << ":" << line << ": "
                      << condition.utf8_string() << " " << text.utf8_string();
    });
    UnexpectedMessageBoxes hook;
    hook.Register();
    const int result = RUN_ALL_TESTS();
    hook.Unregister();
    wxEntryCleanup();
    return result;
}
