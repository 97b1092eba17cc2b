#pragma once
// What the assistant window needs before it opens: its lists from the shipped files, completed with
// the track section names of the game folder. Every failure is a message of the report.

#include <filesystem>
#include <optional>

#include "assistant/AssistantLists.h"
#include "assistant/TrackCatalogue.h"
#include "base/Report.h"

namespace zw {

// Reads the ":tks" names of a track type's common OVL the way the install reads a track set.
std::vector<std::string> readTrackTypeSections(const std::filesystem::path& commonOvl);

// The lists, or none when the shipped files are missing or damaged (message in the report; the
// assistant cannot open). Track types whose file in the game folder cannot be read are named in one
// message and keep no sections.
Result<AssistantLists> loadAssistantListsForStart(const std::filesystem::path& executableFolder,
                                                  const std::filesystem::path& gamePath,
                                                  const TksNameReader& reader = readTrackTypeSections);

}  // namespace zw
