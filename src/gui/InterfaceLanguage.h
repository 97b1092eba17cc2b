#pragma once
// The toolkit's own texts (the stock labels Yes, No, OK, Cancel, Close of message boxes and dialogs)
// in the program's language rather than the system's: the toolkit's German catalogue (wxstd.mo) is
// loaded for a German interface. The Windows program ships it beside itself (locale/de/LC_MESSAGES);
// elsewhere the system's catalogue of the toolkit is used. No C locale is set: numbers are read and
// written as before.

#include <filesystem>

#include "base/Messages.h"

namespace zw::gui {

// Sets the toolkit's translations for `language`; false when the German catalogue was not found (the
// stock labels then stay English).
bool useInterfaceLanguage(Language language, const std::filesystem::path& programFolder);

}  // namespace zw::gui
