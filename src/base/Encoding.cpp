#include "base/Encoding.h"

#include <array>

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

namespace zw {
namespace {

// Code points of the bytes 0x80 … 0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The characters of the bytes 0x80 … 0xFF of an 8-bit code page.
struct CodePage {
    std::string name;
    std::array<char32_t, 128> high{};
};

CodePage windows1252() {
    CodePage page{"Windows-1252", {}};
    for (size_t i = 0; i < page.high.size(); ++i)
        page.high[i] = i < kHighControls.size() ? kHighControls[i] : static_cast<char32_t>(0x80 + i);
    return page;
}

#ifdef _WIN32
// The system's ANSI code page where it is a single-byte one other than Windows-1252 (Central
// European, Cyrillic, Greek, ...). UTF-8 (65001) and the multi-byte code pages keep Windows-1252.
// A byte the code page leaves undefined stands for the control character of its own number, as
// Windows-1252's five undefined bytes do, so every byte keeps a character and round-trips.
std::optional<CodePage> systemCodePage() {
    const UINT ansi = GetACP();
    CPINFO info{};
    if (ansi == 1252 || !GetCPInfo(ansi, &info) || info.MaxCharSize != 1) return std::nullopt;
    CodePage page{"Windows-" + std::to_string(ansi), {}};
    for (unsigned b = 0x80; b <= 0xFF; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t wide = 0;
        const bool defined = MultiByteToWideChar(ansi, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) == 1;
        page.high[b - 0x80] = defined ? static_cast<char32_t>(wide) : static_cast<char32_t>(b);
    }
    return page;
}
#endif

// Chosen once: the code page does not change while the program runs.
const CodePage& activeCodePage() {
    static const CodePage page = [] {
#ifdef _WIN32
        if (auto system = systemCodePage()) return *system;
#endif
        return windows1252();
    }();
    return page;
}

char32_t codePointOf(unsigned char byte) {
    return byte < 0x80 ? static_cast<char32_t>(byte) : activeCodePage().high[byte - 0x80];
}

char byteOf(char32_t cp) {
    if (const auto byte = codePageByte(cp)) return *byte;
    throw EncodingError("character " + codePointText(cp) + " cannot be written in " + codePageName());
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
        char32_t cp = 0;
        if (!decodeUtf8(utf8, i, cp)) throw EncodingError("malformed UTF-8 text");
        out += byteOf(cp);
    }
    return out;
}

std::string codePageName() { return activeCodePage().name; }

std::optional<char> codePageByte(char32_t cp) {
    if (cp < 0x80) return static_cast<char>(cp);
    const auto& high = activeCodePage().high;
    for (size_t i = 0; i < high.size(); ++i) {
        if (high[i] == cp) return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

bool decodeUtf8(std::string_view utf8, size_t& i, char32_t& cp) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > utf8.size()) {
        ++i;
        return false;
    }
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(utf8[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return false;
        }
        value = (value << 6) | (next & 0x3F);
    }
    // The shortest form only; no surrogate halves, nothing past the last code point.
    constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < kShortest[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
        ++i;
        return false;
    }
    cp = value;
    i += length;
    return true;
}

std::string codePointText(char32_t cp) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (char32_t rest = cp; rest != 0 || hex.size() < 4; rest >>= 4) hex.insert(hex.begin(), kDigits[rest & 0xF]);
    return "U+" + hex;
}

std::filesystem::path pathFromCp1252(std::string_view cp1252) {
    std::string utf8 = cp1252ToUtf8(cp1252);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::filesystem::path pathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
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

DisplayName displayName(const std::filesystem::path& path) {
    const std::string utf8 = pathToUtf8(path);
    DisplayName shown;
    shown.utf8.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const size_t start = i;
        char32_t cp = 0;
        if (decodeUtf8(utf8, i, cp)) shown.utf8.append(utf8, start, i - start);
        else shown.utf8 += '?';
    }
    return shown;
}

std::string pathForMessage(const std::filesystem::path& path) {
    try {
        return pathToCp1252(path);
    } catch (const EncodingError&) {
        return asciiOnlyText(path.generic_string());
    }
}

}  // namespace zw
