#pragma once
// The only way binary input is read: a bounds-checked little-endian view of a file's bytes.
// A read past the end throws BinaryReadError naming the file, never undefined behaviour.

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/LittleEndian.h"

namespace zw {

struct BinaryReadError : std::runtime_error {
    BinaryReadError(const std::string& source, const std::string& what)
        : std::runtime_error(source + ": " + what), source(source) {}
    std::string source;
};

class ByteReader {
public:
    // `bytes` must outlive the reader; `source` names the file in errors.
    ByteReader(std::string_view bytes, std::string source) : bytes_(bytes), source_(std::move(source)) {}

    size_t size() const { return bytes_.size(); }
    size_t position() const { return position_; }
    const std::string& source() const { return source_; }
    bool atEnd() const { return position_ >= bytes_.size(); }

    void seek(size_t offset) {
        if (offset > bytes_.size()) fail("seek to " + std::to_string(offset) + " past the end");
        position_ = offset;
    }
    void skip(size_t count) { seek(checkedEnd(position_, count)); }

    // Sequential reads from the current position.
    uint8_t u8() { return advance<uint8_t>(); }
    uint16_t u16() { return advance<uint16_t>(); }
    uint32_t u32() { return advance<uint32_t>(); }
    int32_t i32() { return static_cast<int32_t>(advance<uint32_t>()); }
    float f32() {
        uint32_t raw = u32();
        float value;
        std::memcpy(&value, &raw, sizeof value);
        return value;
    }
    std::string_view bytes(size_t count) {
        std::string_view view = bytesAt(position_, count);
        position_ += count;
        return view;
    }

    // Reads at an absolute offset; the position does not move.
    uint8_t u8At(size_t offset) const { return valueAt<uint8_t>(offset); }
    uint16_t u16At(size_t offset) const { return valueAt<uint16_t>(offset); }
    uint32_t u32At(size_t offset) const { return valueAt<uint32_t>(offset); }
    std::string_view bytesAt(size_t offset, size_t count) const {
        return bytes_.substr(offset, checkedEnd(offset, count) - offset);
    }
    // The NUL-terminated text starting at `offset` (without the NUL); a text with no NUL before the
    // end is an error.
    std::string_view cstringAt(size_t offset) const {
        if (offset >= bytes_.size()) fail("text at " + std::to_string(offset) + " lies past the end");
        size_t end = bytes_.find('\0', offset);
        if (end == std::string_view::npos) fail("text at " + std::to_string(offset) + " has no end");
        return bytes_.substr(offset, end - offset);
    }

    [[noreturn]] void fail(const std::string& what) const { throw BinaryReadError(source_, what); }

private:
    size_t checkedEnd(size_t offset, size_t count) const {
        if (offset > bytes_.size() || count > bytes_.size() - offset) {
            fail("reading " + std::to_string(count) + " bytes at " + std::to_string(offset) + " runs past the end (" +
                 std::to_string(bytes_.size()) + " bytes)");
        }
        return offset + count;
    }
    template <typename T>
    T valueAt(size_t offset) const {
        return loadLittleEndian<T>(bytesAt(offset, sizeof(T)).data());
    }
    template <typename T>
    T advance() {
        T value = valueAt<T>(position_);
        position_ += sizeof(T);
        return value;
    }

    std::string_view bytes_;
    std::string source_;
    size_t position_ = 0;
};

}  // namespace zw
