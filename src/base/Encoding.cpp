#include "base/Encoding.h"

#include <array>

namespace zw {
namespace {

// Code points of the bytes 0x80 … 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80] : static_cast<char32_t>(byte);
}

char byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
    }
    throw EncodingError("character U+" + std::to_string(static_cast<unsigned long>(cp)) +
                        " cannot be written in Windows-1252");
}

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string cp1252ToUtf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252) appendUtf8(out, codePointOf(static_cast<unsigned char>(c)));
    return out;
}

std::string utf8ToCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        auto lead = static_cast<unsigned char>(utf8[i]);
        size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
        if (length == 0 || i + length > utf8.size()) throw EncodingError("malformed UTF-8 text");
        char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; k < length; ++k) {
            auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) throw EncodingError("malformed UTF-8 text");
            cp = (cp << 6) | (next & 0x3F);
        }
        out += byteOf(cp);
        i += length;
    }
    return out;
}

std::filesystem::path pathFromCp1252(std::string_view cp1252) {
    std::string utf8 = cp1252ToUtf8(cp1252);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToCp1252(const std::filesystem::path& path) {
    std::u8string utf8 = path.u8string();
    return utf8ToCp1252(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
}

std::string asciiOnlyText(std::string_view text) {
    std::string ascii;
    for (char c : text) ascii += static_cast<unsigned char>(c) < 0x80 ? c : '?';
    return ascii;
}

std::string pathForMessage(const std::filesystem::path& path) {
    try {
        return pathToCp1252(path);
    } catch (const EncodingError&) {
        return asciiOnlyText(path.generic_string());
    }
}

}  // namespace zw
