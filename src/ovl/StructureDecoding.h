#pragma once
// Decoding one record of a structure field by field: each read prints a line "offset name: value"
// into the listing and checks what the field leads to. A pointer must lead into the pair and the
// array it counts must lie in the target's block; a text pointer must lead to a string of the
// string table; a reference slot must be named by a symbol reference when the game needs one.
//
// A record that does not lie whole in one block gets one finding and reads as zeros, so that a
// decoder can go on without checking every read.

#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ovl/StructureFinding.h"
#include "ovl/StructureSpace.h"

namespace zw {

// What the decoders produce: the listing (Windows-1252, one line each) and the findings. A check
// that wants only the findings puts the listing's stream out of use (skipListing): every write to
// it is then dropped at once.
struct StructureReport {
    std::ostringstream listing;
    std::vector<StructureFinding> findings;

    void skipListing() { listing.setstate(std::ios::badbit); }
    bool listed() const { return listing.good(); }
};

// A float as the listing shows it: the shortest text that reads back as the same value.
std::string floatText(float value);
std::string hexText(uint32_t value);

class RecordDecoder {
public:
    // `label` names the record in findings, e.g. BoneShape "BobShape1:bsh" mesh 2; `depth` indents
    // the listing. The header line is printed by the caller.
    RecordDecoder(const StructureSpace& space, StructureReport& report, OvlFileKind file, std::string label,
                  uint32_t address, uint64_t size, int depth);

    const StructureSpace& space() const { return space_; }
    StructureReport& report() const { return report_; }
    OvlFileKind file() const { return file_; }
    const std::string& label() const { return label_; }
    uint32_t address() const { return address_; }
    int depth() const { return depth_; }
    bool whole() const { return whole_; }

    // A field read and printed.
    uint32_t u32(uint32_t offset, std::string_view field);
    int32_t i32(uint32_t offset, std::string_view field);
    float f32(uint32_t offset, std::string_view field);
    uint32_t flags(uint32_t offset, std::string_view field);  // printed in hexadecimal
    uint16_t u16(uint32_t offset);                              // read only
    // The word at `offset`, not printed.
    uint32_t peek(uint32_t offset) const;
    // A field printed as `value` says (a word with a meaning of its own, e.g. "none").
    void show(uint32_t offset, std::string_view field, std::string_view value) { this->field(offset, field, value); }

    // A pointer to `count` entries of `entrySize` bytes. A plain 0 is allowed when there are no
    // entries and `zeroWhenEmpty`; a pointer to no entries may stand at the end of its block, as
    // nothing is read there. Returns the target when the entries lie in its block.
    std::optional<uint32_t> pointer(uint32_t offset, std::string_view field, uint64_t count, uint64_t entrySize,
                                    bool zeroWhenEmpty = false);
    // A pointer to a string of the string table; a plain 0 allowed when `optional`.
    std::optional<std::string> text(uint32_t offset, std::string_view field, bool optional = false);
    // A pointer to a 16-bit text that ends with a 16-bit 0.
    void wideText(uint32_t offset, std::string_view field);
    // A symbol reference slot: the name that a symbol reference gives it. `required`: the game
    // needs one (a plain 0 is allowed otherwise).
    std::optional<std::string> reference(uint32_t offset, std::string_view field, bool required);

    // A line of the listing at this record's depth (Windows-1252).
    void line(std::string_view text);
    void finding(StructureSeverity severity, uint32_t offset, std::string_view field, std::string value,
                 MessageId reason, std::vector<std::string> args = {});

private:
    void field(uint32_t offset, std::string_view name, std::string_view value);
    bool checkArray(uint32_t offset, std::string_view field, uint32_t target, uint64_t count, uint64_t entrySize);

    const StructureSpace& space_;
    StructureReport& report_;
    OvlFileKind file_;
    std::string label_;
    uint32_t address_;
    int depth_;
    bool whole_;
    const char* record_ = nullptr;  // its first byte, when whole
    uint64_t size_ = 0;
};

}  // namespace zw
