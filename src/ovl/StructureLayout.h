#pragma once
// The layout of a binary structure, stated once: the offset, name and kind of each field, and the
// structure's size. The builders write through these offsets (OvlPartWriter::at, endsAt), and the
// inspector prints the fields from the same tables (LayoutDecoder), so a field moved or renamed in
// the table moves for both.
//
// A layout is a compile-time table:
//
//     inline constexpr auto kGuiSkinItem = structureLayout(16, {
//         {0, Unsigned, ""}, {4, Reference, "texture"}, {8, Pointer, "rectangle"}, {12, Unsigned, ""}});
//     out.at(kGuiSkinItem["texture"]).reference(…);   // a name not in the table does not compile
//
// Every field is a 32-bit word except those of kind Special, which the decoder reads its own way.
// A field whose meaning is not known has an empty name and is shown as "unknown <offset>".
// A part that two structures share (e.g. the TrackedRide's station fields) is its own table,
// placed into each structure at its offset (placedAt, joined).

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace zw {

enum class FieldKind : uint8_t {
    Unsigned,
    Signed,
    Float,
    Flags,              // shown in hexadecimal
    Text,               // pointer to a string of the string table
    OptionalText,       // the same, or a plain 0
    WideText,           // pointer to a 16-bit text
    Reference,          // symbol reference slot the game needs filled
    OptionalReference,  // symbol reference slot that may be a plain 0
    Pointer,            // address of data; the decoder knows its count and entry size
    Special,            // read and shown by the decoder its own way
};

struct StructureField {
    uint32_t offset = 0;
    FieldKind kind = FieldKind::Unsigned;
    std::string_view name;  // empty: not known, shown as "unknown <offset>"
};

// The fields and the size, as the decoder and the tests take them.
struct LayoutView {
    std::span<const StructureField> fields;
    uint32_t size = 0;
};

template <size_t N>
struct StructureLayout {
    uint32_t size = 0;
    std::array<StructureField, N> fields{};

    // The offset of the one field named `name`; does not compile when no field or more than one
    // has that name.
    consteval uint32_t operator[](std::string_view name) const {
        // An index, not a pointer: the sanitizers' checks of pointers are no constant expressions.
        size_t found = N;
        for (size_t i = 0; i < N; ++i) {
            if (fields[i].name != name) continue;
            if (found != N) throw "two fields have this name";
            found = i;
        }
        if (found == N) throw "no field has this name";
        return fields[found].offset;
    }

    // Implicit, so that a decoder or a check takes any layout.
    constexpr operator LayoutView() const { return {fields, size}; }
};

template <size_t N>
consteval StructureLayout<N> structureLayout(uint32_t size, const StructureField (&fields)[N]) {
    StructureLayout<N> layout{size, {}};
    for (size_t i = 0; i < N; ++i) layout.fields[i] = fields[i];
    return layout;
}

// `part`'s fields moved by `offset`, for joining into a larger structure.
template <size_t N>
consteval StructureLayout<N> placedAt(uint32_t offset, const StructureLayout<N>& part) {
    StructureLayout<N> moved = part;
    moved.size += offset;
    for (StructureField& f : moved.fields) f.offset += offset;
    return moved;
}

// One structure of `size` bytes made of `parts` in order.
template <size_t... N>
consteval StructureLayout<(N + ...)> joined(uint32_t size, const StructureLayout<N>&... parts) {
    StructureLayout<(N + ...)> all{size, {}};
    size_t i = 0;
    ((([&] {
         for (const StructureField& f : parts.fields) all.fields[i++] = f;
     })()),
     ...);
    return all;
}

// True when the fields stand in increasing order of offset, each word 4-byte aligned and inside
// the size, none overlapping the next.
constexpr bool isWellFormed(LayoutView layout) {
    uint32_t next = 0;
    for (const StructureField& f : layout.fields) {
        if (f.offset % 4 != 0 || f.offset < next) return false;
        next = f.offset + 4;
    }
    return next <= layout.size;
}

}  // namespace zw
