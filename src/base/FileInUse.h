#pragma once
// A file that another program holds open. A running game keeps its OVL files open, and Windows then
// refuses to open, rename or delete them with a sharing or lock violation. Elsewhere nothing holds a
// file so; there only the test seam (FileFaults.h) makes one held.

#include <string>
#include <system_error>

#include "base/Dialogs.h"
#include "base/Messages.h"
#include "base/Report.h"

namespace zw {

// True when `error` says that another program holds the file open.
bool isFileInUse(const std::error_code& error);

// The error the test seam fails with for a held file; isFileInUse() knows it on every system.
std::error_code fileInUseFault();

// The system's own words for `error`, as a Windows-1252 message argument.
std::string systemReasonOf(const std::error_code& error);

// The message for a held file: `name` is in use, close the game, nothing was changed; with the
// system's reason.
std::string fileInUseMessage(MessageArg name, const std::error_code& error, Language language);

// When another program holding the file caused `error`: shows that message as an error and returns
// true. Otherwise shows nothing and returns false, for the caller's own message.
bool shownAsFileInUse(const std::error_code& error, MessageArg name, Language language, Dialogs& dialogs);

// The same for a core command: the message goes to `report` as an error.
bool reportedAsFileInUse(const std::error_code& error, MessageArg name, Report& report);

}  // namespace zw
