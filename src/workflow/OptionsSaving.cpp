#include "workflow/OptionsSaving.h"

#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "workflow/ReportShowing.h"

namespace zw {

Report gameFolderQuestion(const Settings& settings, OptionsStatus status, const OptionsChoice& choice,
                          const Answers& answers) {
    Report report;
    const std::string gamePath = normaliseGamePath(choice.GamePathText);
    // An empty folder or one with a quote is refused by the writer with its own message.
    if (gamePath.empty() || gamePath.find('\'') != std::string::npos) return report;
    if (status == OptionsStatus::Fine && gamePath == settings.GamePath) return report;
    const PathOnDisk exe = findPathOnDisk(pathFromUtf8(gamePath) / "RCT3.exe");
    std::error_code error;
    if (exe.status == PathOnDisk::Status::Found && std::filesystem::is_regular_file(exe.path, error)) return report;
    report.ask({"optionsNoGameCaption", "optionsNoGameQuestion", {displayName(pathFromUtf8(gamePath))}, true},
               answers);
    return report;
}

OptionsWriteResult saveOptions(Settings& settings, OptionsChoice& choice, const std::filesystem::path& workFolder,
                               OptionsStatus status, Dialogs& dialogs) {
    const Report asked = runAsking(dialogs, languageOf(settings.UseEnglish), [&](const Answers& answers) {
        return gameFolderQuestion(settings, status, choice, answers);
    });
    if (asked.question()) return OptionsWriteResult::Refused;
    return writeOptionsFile(settings, choice, workFolder, dialogs);
}

}  // namespace zw
