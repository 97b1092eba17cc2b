#ifdef _WIN32

#include "base/WindowsRegistry.h"

#include <string_view>

#include "base/Encoding.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace zw {
namespace {

// Reading only; never creating a key.
constexpr REGSAM kReadAccess = KEY_READ | KEY_WOW64_32KEY;

std::wstring toWide(const std::string& cp1252) {
    const std::string utf8 = cp1252ToUtf8(cp1252);
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::optional<std::string> fromWide(std::wstring_view wide) {
    if (wide.empty()) return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                           nullptr, nullptr);
    if (length <= 0) return std::nullopt;
    std::string utf8(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), length, nullptr,
                        nullptr);
    return utf8;
}

class OpenKey {
public:
    explicit OpenKey(const std::string& key) {
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, toWide(key).c_str(), 0, kReadAccess, &handle_) != ERROR_SUCCESS)
            handle_ = nullptr;
    }
    ~OpenKey() {
        if (handle_) RegCloseKey(handle_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY get() const { return handle_; }

private:
    HKEY handle_ = nullptr;
};

}  // namespace

bool WindowsRegistry::keyExists(const std::string& key) { return OpenKey(key).get() != nullptr; }

std::optional<std::string> WindowsRegistry::readString(const std::string& key, const std::string& valueName) {
    OpenKey opened(key);
    if (!opened.get()) return std::nullopt;
    const std::wstring name = toWide(valueName);
    // The value may change between asking for its size and reading it: ask again while it grows.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
        // A stored string need not end with a NUL, nor be a whole number of characters long.
        std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
        DWORD capacity = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LONG result =
            RegQueryValueExW(opened.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(text.data()), &capacity);
        if (result == ERROR_MORE_DATA) continue;
        if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
        text.resize(capacity / sizeof(wchar_t));
        const size_t end = text.find(L'\0');
        if (end != std::wstring::npos) text.resize(end);
        return fromWide(text);
    }
    return std::nullopt;
}

}  // namespace zw

#endif
