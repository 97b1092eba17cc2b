#include "assistant/AssistantStart.h"

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

Result<AssistantLists> loadAssistantListsForStart(const std::filesystem::path& executableFolder,
                                                  const std::filesystem::path& gamePath, const TksNameReader& reader) {
    Result<AssistantLists> loaded;
    auto folder = findAssistantDataFolder(executableFolder);
    if (!folder) {
        loaded.report.message("assistantListsUnreadable",
                              {pathText(executableFolder / "data" / "assistant" / kTrackCatalogueFile) + ": not found"});
        return loaded;
    }
    AssistantLists lists;
    try {
        lists = loadAssistantLists(*folder);
    } catch (const AssistantDataError& e) {
        loaded.report.message("assistantListsUnreadable", {pathText(e.file) + ": " + e.what()});
        return loaded;
    }
    auto failures = readTrackSectionsFromGame(lists, gamePath, reader);
    if (!failures.empty()) {
        std::string list;
        for (const auto& failure : failures) {
            list += "\r\n" + failure.trackType + " (" + pathText(failure.file) + "): " + failure.reason;
        }
        loaded.report.message("assistantTrackTypesUnreadable", {list});
    }
    loaded.value = std::move(lists);
    return loaded;
}

}  // namespace zw
