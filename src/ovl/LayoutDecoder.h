#pragma once
// Prints a record field by field in the order of its layout (StructureLayout.h). The decoder asks
// by name for the fields whose values it needs or that it shows its own way (counts, pointers,
// Special fields); every field before them is printed on the way, as its kind says, and rest()
// prints those after the last one asked for.
//
// Asking for a field the cursor has passed, one that is not in the layout, or one of another kind,
// and leaving a Pointer or Special field to be printed on the way, are programming errors
// (std::logic_error): the decoder and its layout cannot drift apart unnoticed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ovl/StructureDecoding.h"
#include "ovl/StructureLayout.h"

namespace zw {

class LayoutDecoder {
public:
    LayoutDecoder(RecordDecoder& record, LayoutView layout) : r_(record), layout_(layout) {}

    uint32_t u32(std::string_view name);
    int32_t i32(std::string_view name);
    float f32(std::string_view name);
    uint32_t flags(std::string_view name);
    std::optional<std::string> text(std::string_view name);
    std::optional<std::string> reference(std::string_view name);
    // A Pointer field: see RecordDecoder::pointer.
    std::optional<uint32_t> pointer(std::string_view name, uint64_t count, uint64_t entrySize,
                                    bool zeroWhenEmpty = false);
    // A Special field: its offset, for the decoder to read and show.
    uint32_t special(std::string_view name);

    // Prints the fields not yet printed.
    void rest();

private:
    // Prints the fields before the next one named `name` and returns that one.
    const StructureField& next(std::string_view name, FieldKind kind);
    void print(const StructureField& field);

    RecordDecoder& r_;
    LayoutView layout_;
    size_t cursor_ = 0;
};

// The name a field is shown with: its own, or "unknown <offset>".
std::string fieldName(const StructureField& field);

}  // namespace zw
