#include "base/WineRegistry.h"

#include <cstdlib>
#include <string_view>

#include "base/AsciiCase.h"
#include "base/Encoding.h"
#include "base/SafeFile.h"

namespace zw {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Reads an escaped text up to the unescaped `terminator` starting at `pos`, as the registry file
// writes names and strings: \\ \" \a \b \e \f \n \r \t \v, \xHHHH (UTF-16 units, 1 to 4 digits),
// \ooo octal, and any other escaped character standing for itself. Returns the text in UTF-8 and
// leaves `pos` after the terminator; nullopt when the terminator is missing.
std::optional<std::string> readEscaped(std::string_view line, std::size_t& pos, char terminator) {
    std::string out;
    char16_t pendingHighSurrogate = 0;
    auto putUnit = [&](char32_t unit) {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            pendingHighSurrogate = static_cast<char16_t>(unit);
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF && pendingHighSurrogate) {
            appendUtf8(out, 0x10000 + ((pendingHighSurrogate - 0xD800) << 10) + (unit - 0xDC00));
        } else {
            appendUtf8(out, unit);
        }
        pendingHighSurrogate = 0;
    };
    while (pos < line.size()) {
        const char c = line[pos++];
        if (c == terminator) return out;
        if (c != '\\' || pos >= line.size()) {
            out += c;  // plain bytes, UTF-8 included, stand for themselves
            continue;
        }
        const char e = line[pos++];
        switch (e) {
            case 'a': putUnit('\a'); break;
            case 'b': putUnit('\b'); break;
            case 'e': putUnit(0x1B); break;
            case 'f': putUnit('\f'); break;
            case 'n': putUnit('\n'); break;
            case 'r': putUnit('\r'); break;
            case 't': putUnit('\t'); break;
            case 'v': putUnit('\v'); break;
            case 'x': {
                char32_t unit = 0;
                int digits = 0;
                while (digits < 4 && pos < line.size() && hexDigit(line[pos]) >= 0) {
                    unit = unit * 16 + static_cast<char32_t>(hexDigit(line[pos++]));
                    ++digits;
                }
                if (digits == 0) {
                    out += 'x';
                } else {
                    putUnit(unit);
                }
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    char32_t unit = static_cast<char32_t>(e - '0');
                    for (int digits = 1; digits < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7';
                         ++digits) {
                        unit = unit * 8 + static_cast<char32_t>(line[pos++] - '0');
                    }
                    putUnit(unit);
                } else {
                    out += e;
                }
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::filesystem::path> defaultWinePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) return std::filesystem::path(prefix);
    if (const char* home = std::getenv("HOME"); home && *home) return std::filesystem::path(home) / ".wine";
    return std::nullopt;
}

std::optional<std::string> mapIntoWinePrefix(const std::filesystem::path& prefix, const std::string& windowsPath) {
    const bool isDrivePath = windowsPath.size() >= 2 && windowsPath[1] == ':' &&
                             ((windowsPath[0] >= 'A' && windowsPath[0] <= 'Z') ||
                              (windowsPath[0] >= 'a' && windowsPath[0] <= 'z')) &&
                             (windowsPath.size() == 2 || windowsPath[2] == '\\' || windowsPath[2] == '/');
    if (!isDrivePath) return windowsPath;

    const char drive = lowerAscii(windowsPath.substr(0, 1))[0];
    std::error_code ignored;
    std::filesystem::path base = prefix / "dosdevices" / (std::string(1, drive) + ":");
    if (!std::filesystem::exists(base, ignored)) {
        if (drive != 'c') return std::nullopt;
        base = prefix / "drive_c";
    }

    std::string rest = windowsPath.substr(2);
    for (char& c : rest) {
        if (c == '\\') c = '/';
    }
    while (!rest.empty() && rest.front() == '/') rest.erase(rest.begin());
    std::string mapped = pathToUtf8(base);
    if (!rest.empty()) mapped += "/" + rest;
    return mapped;
}

WineRegistry::WineRegistry(std::filesystem::path prefix) : prefix_(std::move(prefix)) {
    if (const auto text = readWholeFile(prefix_ / "system.reg")) readKeys(*text);
}

WineRegistry::WineRegistry(std::filesystem::path prefix, std::string_view systemReg) : prefix_(std::move(prefix)) {
    readKeys(systemReg);
}

void WineRegistry::readKeys(std::string_view text) {
    Values* current = nullptr;
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = text.size();
        std::string_view line(text.data() + lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        std::size_t pos = 1;
        if (line.front() == '[') {
            // "[Software\\Atari\\RCT3] 1234567890": a key and its modification time.
            auto name = readEscaped(line, pos, ']');
            current = name ? &keys_[lowerAscii(*name)] : nullptr;
            continue;
        }
        if (!current) continue;

        std::string valueName;
        if (line.front() == '@') {
            // the key's default value has no name
        } else if (line.front() == '"') {
            auto name = readEscaped(line, pos, '"');
            if (!name) continue;
            valueName = lowerAscii(*name);
        } else {
            continue;  // options (#time=…), comments and continued binary data
        }
        if (pos >= line.size() || line[pos] != '=') continue;
        std::string_view data = line.substr(pos + 1);
        if (data.starts_with("str(2):")) data.remove_prefix(7);  // expandable string
        if (!data.starts_with('"')) continue;                  // dword, hex and other kinds
        std::size_t dataPos = 1;
        auto value = readEscaped(data, dataPos, '"');
        if (!value) continue;
        (*current)[valueName] = *value;
    }
}

const WineRegistry::Values* WineRegistry::find(const std::string& key) const {
    const std::string wanted = lowerAscii(key);
    if (auto it = keys_.find(wanted); it != keys_.end()) return &it->second;
    // A 32-bit installer in a 64-bit prefix writes its keys below Wow6432Node.
    constexpr std::string_view software = "software\\";
    if (wanted.starts_with(software)) {
        const std::string redirected = "software\\wow6432node\\" + wanted.substr(software.size());
        if (auto it = keys_.find(redirected); it != keys_.end()) return &it->second;
    }
    return nullptr;
}

bool WineRegistry::keyExists(const std::string& key) { return find(key) != nullptr; }

std::optional<std::string> WineRegistry::readString(const std::string& key, const std::string& valueName) {
    const Values* values = find(key);
    if (!values) return std::nullopt;
    auto it = values->find(lowerAscii(valueName));
    if (it == values->end()) return std::nullopt;
    return mapIntoWinePrefix(prefix_, it->second);
}

}  // namespace zw
