#pragma once
// The last step of a ride or car rewrite: the new text replaces the data file.

#include <filesystem>
#include <string>

#include "base/Report.h"

namespace zw {

// Writes `content` to `target`. When the target exists, `question` is asked first unless
// `overwriteWithoutPrompt`; the text goes to a temporary file beside the target and is renamed over
// it, so a failure leaves the old file as it was and gives `notWritten` with the target and the reason.
Result<std::filesystem::path> writeDataFile(const std::filesystem::path& target, const std::string& content,
                                            MessageId question, MessageId notWritten, bool overwriteWithoutPrompt,
                                            const Answers& answers);

}  // namespace zw
