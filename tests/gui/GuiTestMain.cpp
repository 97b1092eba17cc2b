// The windows' suite starts wx itself (on the X display that xvfb-run provides) before the tests run.
#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/init.h>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    wxApp::SetInstance(new wxApp());
    if (!wxEntryStart(argc, argv)) {
        std::fprintf(stderr, "wx could not start (no X display?)\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    wxEntryCleanup();
    return result;
}
