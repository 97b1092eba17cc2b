#pragma once
// The string table of a pair under construction (the bytes of part file 1): names, each followed
// by one NUL, shared by all structures.
//
// Every position right after a NUL (and position 0) starts a string, also inside the 16-bit texts
// stored there, whose characters are separated by NULs. A name is found at the last such position
// where it stands followed by a NUL. An index from each string to its last start answers this in
// constant time; a name that itself holds a NUL is looked up by scanning the table.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace zw {

class OvlStringTable {
public:
    void clear();

    const std::string& text() const { return text_; }

    // The offset of the last copy of `name`, if the table holds it as a whole string.
    std::optional<uint32_t> find(std::string_view name) const;

    // Appends `name` and a NUL; returns the offset of the new copy.
    uint32_t append(std::string_view name);

private:
    std::string text_;
    std::unordered_map<std::string, uint32_t> lastStart_;
};

}  // namespace zw
