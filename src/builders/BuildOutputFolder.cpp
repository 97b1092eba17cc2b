#include "builders/BuildOutputFolder.h"

#include <system_error>

#include "base/Dialogs.h"
#include "base/Encoding.h"

namespace zw {

bool BuildOutputFolder::prepare(const std::filesystem::path& commonFile, const std::filesystem::path& uniqueFile,
                                bool OverwriteWithoutPrompt, std::string_view questionId, Dialogs& dialogs,
                                Language language) {
    std::error_code error;
    made_ = std::filesystem::create_directory(folder_, error);
    if (made_) return true;
    if (!std::filesystem::is_directory(folder_)) {
        // Not there and not made (or a file of that name): nothing could be written into it.
        dialogs.showMessage(message("outputFolderNotCreated", language,
                                    {pathForMessage(folder_), asciiOnlyText(error ? error.message() : "not a folder")}));
        return false;
    }
    const bool earlierPair = std::filesystem::exists(commonFile) || std::filesystem::exists(uniqueFile);
    if (!earlierPair || OverwriteWithoutPrompt) return true;
    return dialogs.askYesNo(message("warningCaption", language), message(questionId, language));
}

void BuildOutputFolder::removeIfMadeAndEmpty(Dialogs* dialogs, Language language) {
    if (!made_) return;
    std::error_code error;
    if (!std::filesystem::is_empty(folder_, error) || error) return;  // whatever stands in it is not ours to drop
    std::filesystem::remove(folder_, error);
    if (error && dialogs) {
        dialogs->showMessage(
            message("outputFolderNotRemoved", language, {pathForMessage(folder_), asciiOnlyText(error.message())}));
    }
    made_ = false;
}

bool prepareBuildTempFolder(const std::filesystem::path& TempFolder, Dialogs& dialogs, Language language) {
    std::error_code error;
    std::filesystem::create_directories(TempFolder, error);
    if (!error) return true;
    dialogs.showMessage(
        message("outputFolderNotCreated", language, {pathForMessage(TempFolder), asciiOnlyText(error.message())}));
    return false;
}

}  // namespace zw
