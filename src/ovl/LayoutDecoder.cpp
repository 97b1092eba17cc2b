#include "ovl/LayoutDecoder.h"

#include <stdexcept>

namespace zw {

std::string fieldName(const StructureField& field) {
    return field.name.empty() ? "unknown " + std::to_string(field.offset) : std::string(field.name);
}

const StructureField& LayoutDecoder::next(std::string_view name, FieldKind kind) {
    size_t i = cursor_;
    while (i < layout_.fields.size() && layout_.fields[i].name != name) ++i;
    if (i == layout_.fields.size()) {
        throw std::logic_error("no field \"" + std::string(name) + "\" ahead in the layout");
    }
    const StructureField& field = layout_.fields[i];
    const bool sameKind = field.kind == kind ||
                          (kind == FieldKind::Text && field.kind == FieldKind::OptionalText) ||
                          (kind == FieldKind::Reference && field.kind == FieldKind::OptionalReference);
    if (!sameKind) throw std::logic_error("field \"" + std::string(name) + "\" is of another kind");
    while (cursor_ < i) print(layout_.fields[cursor_++]);
    ++cursor_;
    return field;
}

void LayoutDecoder::print(const StructureField& field) {
    const std::string name = fieldName(field);
    switch (field.kind) {
        case FieldKind::Unsigned: r_.u32(field.offset, name); break;
        case FieldKind::Signed: r_.i32(field.offset, name); break;
        case FieldKind::Float: r_.f32(field.offset, name); break;
        case FieldKind::Flags: r_.flags(field.offset, name); break;
        case FieldKind::Text: r_.text(field.offset, name); break;
        case FieldKind::OptionalText: r_.text(field.offset, name, true); break;
        case FieldKind::WideText: r_.wideText(field.offset, name); break;
        case FieldKind::Reference: r_.reference(field.offset, name, true); break;
        case FieldKind::OptionalReference: r_.reference(field.offset, name, false); break;
        case FieldKind::Pointer:
        case FieldKind::Special: throw std::logic_error("field \"" + name + "\" needs its decoder");
    }
}

uint32_t LayoutDecoder::u32(std::string_view name) {
    const StructureField& f = next(name, FieldKind::Unsigned);
    return r_.u32(f.offset, fieldName(f));
}

int32_t LayoutDecoder::i32(std::string_view name) {
    const StructureField& f = next(name, FieldKind::Signed);
    return r_.i32(f.offset, fieldName(f));
}

float LayoutDecoder::f32(std::string_view name) {
    const StructureField& f = next(name, FieldKind::Float);
    return r_.f32(f.offset, fieldName(f));
}

uint32_t LayoutDecoder::flags(std::string_view name) {
    const StructureField& f = next(name, FieldKind::Flags);
    return r_.flags(f.offset, fieldName(f));
}

std::optional<std::string> LayoutDecoder::text(std::string_view name) {
    const StructureField& f = next(name, FieldKind::Text);
    return r_.text(f.offset, fieldName(f), f.kind == FieldKind::OptionalText);
}

std::optional<std::string> LayoutDecoder::reference(std::string_view name) {
    const StructureField& f = next(name, FieldKind::Reference);
    return r_.reference(f.offset, fieldName(f), f.kind == FieldKind::Reference);
}

std::optional<uint32_t> LayoutDecoder::pointer(std::string_view name, uint64_t count, uint64_t entrySize,
                                               bool zeroWhenEmpty) {
    const StructureField& f = next(name, FieldKind::Pointer);
    return r_.pointer(f.offset, fieldName(f), count, entrySize, zeroWhenEmpty);
}

uint32_t LayoutDecoder::special(std::string_view name) { return next(name, FieldKind::Special).offset; }

void LayoutDecoder::rest() {
    while (cursor_ < layout_.fields.size()) print(layout_.fields[cursor_++]);
}

}  // namespace zw
