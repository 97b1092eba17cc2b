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
        {Language::German, "Ja", "Nein", "Abbrechen", "Schließen"},
        {Language::English, "Yes", "No", "Cancel", "Close"},
        {Language::German, "Ja", "Nein", "Abbrechen", "Schließen"},
    };
    // Without the mnemonics, which differ between the systems.
    auto label = [](wxWindowID id) { return gui::fromWx(wxGetStockLabel(id, wxSTOCK_NOFLAGS)); };
    for (const auto& c : cases) {
        EXPECT_TRUE(gui::useInterfaceLanguage(c.language, buildFolder));
        EXPECT_EQ(label(wxID_YES), c.yes);
        EXPECT_EQ(label(wxID_NO), c.no);
        EXPECT_EQ(label(wxID_CANCEL), c.cancel);
        EXPECT_EQ(label(wxID_CLOSE), c.close);
    }
}

TEST_F(GuiTest, TheProgramSetsTheStockLabelsOfItsLanguage) {
    for (const char* options : {"English", "Deutsch"}) {
        language = options;
        std::filesystem::remove(exampleRide());
        std::filesystem::remove(exampleCar());
        start();
        // As the program starts: its own folder (here the build's) holds the catalogue on Windows.
        program.reset();
        program = std::make_unique<gui::Program>(dialogs, registry, game.root(), executableFolder().parent_path());
        EXPECT_EQ(gui::fromWx(wxGetStockLabel(wxID_YES, wxSTOCK_NOFLAGS)), std::string(options) == "English" ? "Yes" : "Ja");
        program.reset();
    }
}

}  // namespace
}  // namespace zw::test
