#pragma once
// Little-endian output into a growing byte buffer, with patching of words already written.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "base/LittleEndian.h"

namespace zw {

class ByteWriter {
public:
    void u8(uint8_t v) { bytes_ += static_cast<char>(v); }
    void u16(uint16_t v) { put(v); }
    void u32(uint32_t v) { put(v); }
    void i32(int32_t v) { put(static_cast<uint32_t>(v)); }
    // Doubles become IEEE single precision at the moment they are written.
    void f32(double v) {
        float f = static_cast<float>(v);
        uint32_t raw;
        std::memcpy(&raw, &f, sizeof raw);
        put(raw);
    }
    void bytes(std::string_view raw) { bytes_ += raw; }
    void zeros(size_t count) { bytes_.append(count, '\0'); }

    void patchU32(size_t offset, uint32_t v) {
        (void)bytes_.at(offset + 3);  // throws std::out_of_range for a word that was never written
        storeLittleEndian(bytes_.data() + offset, v);
    }

    size_t size() const { return bytes_.size(); }
    const std::string& data() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

private:
    template <typename T>
    void put(T v) {
        appendLittleEndian(bytes_, v);
    }
    std::string bytes_;
};

}  // namespace zw
