#include <gtest/gtest.h>
#include <wx/stockitem.h>

#include "GuiFixture.h"
#include "base/AppFolders.h"
#include "gui/InterfaceLanguage.h"

namespace zw::test {
namespace {

// The toolkit's stock labels (message boxes' Yes/No, dialogs' Cancel) follow the program's language,
// from the catalogue beside the program (the build's locale/) or the system's.
TEST(InterfaceLanguage, StockLabelsFollowTheProgramsLanguage) {
    const std::filesystem::path buildFolder = executableFolder().parent_path();
    const struct {
        Language language;
        std::string yes, no, cancel, close;
    } cases[] = {
        {Language::German, "&Ja", "&Nein", "Ab&brechen", "&Schließen"},
        {Language::English, "&Yes", "&No", "&Cancel", "&Close"},
        {Language::German, "&Ja", "&Nein", "Ab&brechen", "&Schließen"},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(gui::useInterfaceLanguage(c.language, buildFolder));
        EXPECT_EQ(gui::fromWx(wxGetStockLabel(wxID_YES)), c.yes);
        EXPECT_EQ(gui::fromWx(wxGetStockLabel(wxID_NO)), c.no);
        EXPECT_EQ(gui::fromWx(wxGetStockLabel(wxID_CANCEL)), c.cancel);
        EXPECT_EQ(gui::fromWx(wxGetStockLabel(wxID_CLOSE)), c.close);
    }
}

TEST_F(GuiTest, TheProgramSetsTheStockLabelsOfItsLanguage) {
    for (const char* options : {"English", "Deutsch"}) {
        language = options;
        std::filesystem::remove(exampleRide());
        std::filesystem::remove(exampleCar());
        start();
        EXPECT_EQ(gui::fromWx(wxGetStockLabel(wxID_YES)), std::string(options) == "English" ? "&Yes" : "&Ja");
        program.reset();
    }
}

}  // namespace
}  // namespace zw::test
