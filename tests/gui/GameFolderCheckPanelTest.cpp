// The install window's check tab in the real window: the shared list gives way, the check fills the
// CTR list and the findings, and the uninstall removes the selected CTR.
#include <gtest/gtest.h>
#include <wx/listctrl.h>
#include <wx/notebook.h>
#include <wx/textctrl.h>

#include "GuiFixture.h"

namespace zw::test {
namespace {

namespace fs = std::filesystem;

TEST_F(GuiTest, TheCheckTabChecksTheGameFolderAndUninstallsTheSelectedCtr) {
    language = "English";
    writeBytes(game.ridesFolder() / "CTR_Halb" / "CTR_Halb.common.ovl", "x");
    writeBytes(game.carsFolder() / "notes.txt", "x");
    start();
    gui::InstallDialog* window = program->installWindow();
    program->installModel().onActivate();
    window->refreshFromModel();
    auto* pages = control<wxNotebook>(window, "TabSheetKomplett");
    pages->SetSelection(4);  // as a click on the tab
    EXPECT_FALSE(control(window, "ListBox")->IsShown());

    click(window, "GameCheckButton");
    auto* ctrs = control<wxListCtrl>(window, "GameCheckCtrList");
    ASSERT_EQ(ctrs->GetItemCount(), 2);
    EXPECT_EQ(gui::fromWx(ctrs->GetItemText(0)), "CTR_Halb");
    EXPECT_EQ(gui::fromWx(ctrs->GetItemText(0, 2)), "CTR_Halb.unique.ovl is missing; the other file of its pair is there.");
    EXPECT_EQ(labelOf(control(window, "GameCheckSummary")), "2 entries checked: 1 errors, 1 notes.");
    const std::string findings = gui::fromWx(control<wxTextCtrl>(window, "GameCheckFindings")->GetValue());
    EXPECT_NE(findings.find("error: CTR_Halb.unique.ovl\nCTR_Halb.unique.ovl is missing"), std::string::npos) << findings;
    EXPECT_NE(findings.find("To do: Install the CTR again."), std::string::npos) << findings;
    EXPECT_TRUE(control(window, "GameCheckUninstallButton")->IsEnabled());

    click(window, "GameCheckUninstallButton");
    EXPECT_FALSE(fs::exists(game.ridesFolder() / "CTR_Halb"));
    ASSERT_EQ(ctrs->GetItemCount(), 1);
    EXPECT_EQ(gui::fromWx(ctrs->GetItemText(0)), "notes.txt");
    // A loose file is selected by hand; the uninstall does not take it.
    program->installModel().gameFolderCheck.selectCtr(0);
    window->refreshFromModel();
    EXPECT_FALSE(control(window, "ListBox")->IsShown() && pages->GetSelection() == 4);

    // Back on another tab the shared list is there again.
    pages->SetSelection(1);
    EXPECT_TRUE(control(window, "ListBox")->IsShown());
}

}  // namespace
}  // namespace zw::test
