#include "assistant/AssistantStart.h"

#include "base/Dialogs.h"
#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "ovl/TrackSetSections.h"

namespace zw {
namespace {

std::string pathText(const std::filesystem::path& path) {
    try {
        return pathToCp1252(path);
    } catch (const EncodingError&) {
        return "?";
    }
}

}  // namespace

std::vector<std::string> readTrackTypeSections(const std::filesystem::path& commonOvl) {
    std::error_code error;
    auto bytes = readWholeFile(commonOvl, &error);
    if (!bytes) throw std::runtime_error(error.message());
    TrackSetSections sections = readTrackSetSections(*bytes, pathText(commonOvl));
    switch (sections.status) {
        case TrackSetSections::Status::Read: return sections.names;
        case TrackSetSections::Status::NotVersion1: throw std::runtime_error("no OVL version 1 file");
        case TrackSetSections::Status::Damaged: break;
    }
    throw std::runtime_error(sections.problem);
}

std::optional<AssistantLists> loadAssistantListsForStart(const std::filesystem::path& executableFolder,
                                                         const std::filesystem::path& gamePath, Dialogs& dialogs,
                                                         Language language, const TksNameReader& reader) {
    auto folder = findAssistantDataFolder(executableFolder);
    if (!folder) {
        dialogs.showMessage(message("assistantListsUnreadable", language,
                                    {pathText(executableFolder / "data" / "assistant" / kTrackCatalogueFile) +
                                     ": not found"}));
        return std::nullopt;
    }
    AssistantLists lists;
    try {
        lists = loadAssistantLists(*folder);
    } catch (const AssistantDataError& e) {
        dialogs.showMessage(message("assistantListsUnreadable", language, {pathText(e.file) + ": " + e.what()}));
        return std::nullopt;
    }
    auto failures = readTrackSectionsFromGame(lists, gamePath, reader);
    if (!failures.empty()) {
        std::string list;
        for (const auto& failure : failures) {
            list += "\r\n" + failure.trackType + " (" + pathText(failure.file) + "): " + failure.reason;
        }
        dialogs.showMessage(message("assistantTrackTypesUnreadable", language, {list}));
    }
    return lists;
}

}  // namespace zw
