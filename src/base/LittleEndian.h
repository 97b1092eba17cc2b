#pragma once
// Little-endian numbers, the byte order of every binary format here: the one place that lays out
// the bytes of a number and reads them back.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace zw {

// Writes the sizeof(T) bytes of `value` to `out`, least significant first.
template <typename T>
void storeLittleEndian(char* out, T value) {
    static_assert(std::is_unsigned_v<T>, "little-endian values are unsigned; cast signed ones");
    // On a little-endian machine the bytes are the value's own: one copy (the loop below is not
    // made into one by every compiler, and the model checks read millions of words).
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(out, &value, sizeof(T));
        return;
    }
    for (std::size_t i = 0; i < sizeof(T); ++i) out[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// Reads sizeof(T) bytes at `in`, least significant first.
template <typename T>
T loadLittleEndian(const char* in) {
    static_assert(std::is_unsigned_v<T>, "little-endian values are unsigned; cast signed ones");
    T value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, in, sizeof(T));
        return value;
    }
    for (std::size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(static_cast<T>(static_cast<uint8_t>(in[i])) << (8 * i));
    return value;
}

// The bytes of `value` appended to `out`.
template <typename T>
void appendLittleEndian(std::string& out, T value) {
    char raw[sizeof(T)];
    storeLittleEndian(raw, value);
    out.append(raw, sizeof(T));
}

}  // namespace zw
