#pragma once
// Domain strings (data files, names, OVL strings) are Windows-1252 bytes; shown texts are UTF-8.
// These are the only conversions between the two.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace zw {

struct EncodingError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Every byte has a character: the five bytes Windows-1252 leaves undefined map to U+0081 … U+009D
// as Windows itself maps them, so the conversion never fails and round-trips.
std::string cp1252ToUtf8(std::string_view cp1252);

// The UTF-8 bytes of the code point `cp` appended to `out`.
void appendUtf8(std::string& out, char32_t cp);

// Throws EncodingError for malformed UTF-8 or a character Windows-1252 cannot hold.
std::string utf8ToCp1252(std::string_view utf8);

// A file-system path from a Windows-1252 name, and the Windows-1252 name of a path (throws
// EncodingError when the path holds a character Windows-1252 cannot hold).
std::filesystem::path pathFromCp1252(std::string_view cp1252);
std::string pathToCp1252(const std::filesystem::path& path);

// Texts for message arguments (Windows-1252). A system text shows anything beyond ASCII as '?'; a
// path shows as its Windows-1252 name, or ASCII-only when the code page cannot hold it.
std::string asciiOnlyText(std::string_view text);
std::string pathForMessage(const std::filesystem::path& path);

}  // namespace zw
