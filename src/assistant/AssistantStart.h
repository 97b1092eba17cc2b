#pragma once
// What the assistant window needs before it opens: its lists from the shipped files, completed with
// the track section names of the game folder. Every failure is shown as a message.

#include <filesystem>
#include <optional>

#include "assistant/AssistantLists.h"
#include "assistant/TrackCatalogue.h"
#include "base/Messages.h"

namespace zw {

class Dialogs;

// Reads the ":tks" names of a track type's common OVL the way the install reads a track set.
std::vector<std::string> readTrackTypeSections(const std::filesystem::path& commonOvl);

// The lists, or nullopt when the shipped files are missing or damaged (message shown; the assistant
// cannot open). Track types whose file in the game folder cannot be read are named in one message
// and keep no sections.
std::optional<AssistantLists> loadAssistantListsForStart(const std::filesystem::path& executableFolder,
                                                         const std::filesystem::path& gamePath, Dialogs& dialogs,
                                                         Language language,
                                                         const TksNameReader& reader = readTrackTypeSections);

}  // namespace zw
