#pragma once
// Saving the author's choice of options, as the options window's OK does and "options set" does on
// the command line.

#include <filesystem>

#include "base/Dialogs.h"
#include "base/Report.h"
#include "base/Settings.h"

namespace zw {

// A game folder that holds no RCT3.exe is saved only when the author says so: the question, asked
// when the folder is new or the options are not confirmed yet (`status`), unless `answers` say Yes.
// The report is empty when the folder may be saved.
Report gameFolderQuestion(const Settings& settings, OptionsStatus status, const OptionsChoice& choice,
                          const Answers& answers);

// Asks that question through `dialogs`, then writes the options file (writeOptionsFile, which asks
// for the add-ons promise itself) and takes the choice into `settings`. Refused, with nothing saved,
// when the author declined either question or the writer refused the choice.
OptionsWriteResult saveOptions(Settings& settings, OptionsChoice& choice, const std::filesystem::path& workFolder,
                               OptionsStatus status, Dialogs& dialogs);

}  // namespace zw
