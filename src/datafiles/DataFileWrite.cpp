#include "datafiles/DataFileWrite.h"

#include "base/Encoding.h"
#include "base/SafeFile.h"

namespace zw {

Result<std::filesystem::path> writeDataFile(const std::filesystem::path& target, const std::string& content,
                                            MessageId question, MessageId notWritten, bool overwriteWithoutPrompt,
                                            const Answers& answers) {
    Result<std::filesystem::path> written;
    std::error_code ignored;
    if (std::filesystem::exists(target, ignored) && !overwriteWithoutPrompt &&
        !written.report.ask({"warningCaption", question}, answers))
        return written;
    if (const std::error_code error = writeFileAtomically(target, content)) {
        written.report.message(notWritten, {displayName(target), error.message()});
        return written;
    }
    written.value = target;
    return written;
}

}  // namespace zw
