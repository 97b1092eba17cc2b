#pragma once
// Case without a locale: only the letters A … Z and a … z have a case; other bytes (Windows-1252
// umlauts among them) keep theirs. The game, the registry and the lists compare names this way.

#include <algorithm>
#include <string>
#include <string_view>

namespace zw {

inline char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string lowerAscii(std::string text) {
    for (char& c : text) c = lowerAscii(c);
    return text;
}

inline bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

inline bool lessIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return lowerAscii(x) < lowerAscii(y); });
}

}  // namespace zw
