#pragma once
// A data file loaded for the key lookups: one element per byte of the file (0..255), followed by a
// trailer of two line breaks padded with zeros, so every scan that runs past the last byte of the
// file meets a carriage return before it can leave the array.

#include <cstdint>
#include <string_view>
#include <vector>

namespace zw {

using DataFileText = std::vector<int32_t>;

inline constexpr size_t kDataFileTrailerLength = 100;

// The file's bytes followed by the trailer 13, 10, 48 zeros, 13, 10, 48 zeros.
DataFileText makeDataFileText(std::string_view fileBytes);

// The character at `position`, or a carriage return past the end: callers never leave the array.
inline int32_t charAt(const DataFileText& text, size_t position) {
    return position < text.size() ? text[position] : 13;
}

}  // namespace zw
