#include "base/FileInUse.h"

#include "base/Encoding.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zw {
namespace {

class HeldFileCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "held file"; }
    std::string message(int) const override { return "The file is held open by another program."; }
};

const HeldFileCategory& heldFileCategory() {
    static const HeldFileCategory category;
    return category;
}

std::string trimmedEnd(std::string text) {
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

#ifdef _WIN32
// FormatMessage's text for a Windows error number, in UTF-8; empty when it has none.
std::string windowsText(DWORD code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
        reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::string utf8;
    if (length > 0) {
        const int size = WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
        utf8.resize(static_cast<size_t>(size));
        WideCharToMultiByte(CP_UTF8, 0, buffer, static_cast<int>(length), utf8.data(), size, nullptr, nullptr);
    }
    LocalFree(buffer);
    return utf8;
}
#endif

}  // namespace

bool isFileInUse(const std::error_code& error) {
    if (error.category() == heldFileCategory()) return true;
#ifdef _WIN32
    return error.category() == std::system_category() &&
           (error.value() == ERROR_SHARING_VIOLATION || error.value() == ERROR_LOCK_VIOLATION);
#else
    return false;
#endif
}

std::error_code fileInUseFault() { return {1, heldFileCategory()}; }

std::string systemReasonOf(const std::error_code& error) {
    std::string utf8;
#ifdef _WIN32
    if (error.category() == std::system_category()) utf8 = windowsText(static_cast<DWORD>(error.value()));
#endif
    if (utf8.empty()) utf8 = error.message();
    utf8 = trimmedEnd(std::move(utf8));
    try {
        return utf8ToCp1252(utf8);
    } catch (const EncodingError&) {
        return asciiOnlyText(utf8);
    }
}

std::string fileInUseMessage(MessageArg name, const std::error_code& error, Language language) {
    return message("fileInUse", language, {name, systemReasonOf(error)});
}

bool shownAsFileInUse(const std::error_code& error, MessageArg name, Language language, Dialogs& dialogs) {
    if (!isFileInUse(error)) return false;
    dialogs.showError(fileInUseMessage(name, error, language));
    return true;
}

bool reportedAsFileInUse(const std::error_code& error, MessageArg name, Report& report) {
    if (!isFileInUse(error)) return false;
    report.error("fileInUse", {name, systemReasonOf(error)});
    return true;
}

}  // namespace zw
