#include "gui/InterfaceLanguage.h"

#include <wx/intl.h>
#include <wx/translation.h>

#include "gui/WxText.h"

namespace zw::gui {

bool useInterfaceLanguage(Language language, const std::filesystem::path& programFolder) {
    // The lookup prefixes are kept for the whole process: added once.
    static bool prefixAdded = false;
    if (!prefixAdded && !programFolder.empty()) {
        wxFileTranslationsLoader::AddCatalogLookupPathPrefix(pathToWx(programFolder / "locale"));
        prefixAdded = true;
    }
    auto* translations = new wxTranslations;
    wxTranslations::Set(translations);  // takes ownership, replacing the one set before
    if (language == Language::English) {
        translations->SetLanguage(wxLANGUAGE_ENGLISH_US);
        return true;
    }
    translations->SetLanguage(wxLANGUAGE_GERMAN);
    return translations->AddStdCatalog();
}

}  // namespace zw::gui
