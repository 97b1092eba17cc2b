#pragma once
// Domain strings (data files, names, OVL strings) are bytes of the 8-bit code page; shown texts are
// UTF-8. These are the only conversions between the two. The code page is Windows-1252, except on a
// Windows system whose ANSI code page is another single-byte one (codePageName): the functions
// named for Windows-1252 then convert that code page, as the system's own programs do.

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/DisplayName.h"

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

// The name of the 8-bit code page of data files and the names written into pairs: on Windows the
// system's ANSI code page where that is a single-byte one ("Windows-1251" on Russian systems),
// otherwise, and everywhere else, "Windows-1252".
std::string codePageName();

// The byte of `cp` in the 8-bit code page, if it holds the character.
std::optional<char> codePageByte(char32_t cp);

// One UTF-8 sequence at `i`: its code point, with `i` moved past it. Overlong forms, surrogates,
// code points past U+10FFFF and cut or broken sequences are malformed: false, `i` moved by one byte.
bool decodeUtf8(std::string_view utf8, size_t& i, char32_t& cp);

// A code point as messages name it: "U+" and at least four hexadecimal digits ("U+0141").
std::string codePointText(char32_t cp);

// A file-system path from a Windows-1252 name, and the Windows-1252 name of a path (throws
// EncodingError when the path holds a character Windows-1252 cannot hold).
std::filesystem::path pathFromCp1252(std::string_view cp1252);
std::string pathToCp1252(const std::filesystem::path& path);

// A file-system path from UTF-8 text and back: any folder, whatever the code page holds.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& path);

// Texts for message arguments. A system text (Windows-1252) shows anything beyond ASCII as '?'; a
// path shows with every character it holds, whatever the code page (a byte that is no UTF-8 shows
// as '?'). A path's Windows-1252 name where one is needed besides messages: pathForMessage, with
// characters the code page cannot hold shown as '?'.
std::string asciiOnlyText(std::string_view text);
DisplayName displayName(const std::filesystem::path& path);
std::string pathForMessage(const std::filesystem::path& path);

}  // namespace zw
