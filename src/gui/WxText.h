#pragma once
// The one crossing between the core's texts and wx: shown texts are UTF-8 in the core, paths are
// std::filesystem::path. Line ends of messages are "\r\n" in the catalogue; wx wants "\n".

#include <wx/string.h>

#include <filesystem>
#include <string>

namespace zw::gui {

inline wxString toWx(const std::string& utf8) {
    wxString text = wxString::FromUTF8(utf8.data(), utf8.size());
    text.Replace("\r\n", "\n");
    return text;
}

inline std::string fromWx(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

inline wxString pathToWx(const std::filesystem::path& path) {
#ifdef _WIN32
    return wxString(path.wstring());
#else
    return wxString(path.c_str(), *wxConvFileName);
#endif
}

inline std::filesystem::path pathFromWx(const wxString& text) {
#ifdef _WIN32
    return std::filesystem::path(text.ToStdWstring());
#else
    const wxCharBuffer native = text.fn_str();
    return std::filesystem::path(std::string(native.data(), native.length()));
#endif
}

}  // namespace zw::gui
