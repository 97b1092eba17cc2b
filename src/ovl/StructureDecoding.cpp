#include "ovl/StructureDecoding.h"

#include <charconv>
#include <cstring>

#include "base/LittleEndian.h"

namespace zw {

std::string floatText(float value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string hexText(uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out = "0x";
    for (int shift = 28; shift >= 0; shift -= 4) out += kDigits[(value >> shift) & 0xF];
    return out;
}

RecordDecoder::RecordDecoder(const StructureSpace& space, StructureReport& report, OvlFileKind file, std::string label,
                             uint32_t address, uint64_t size, int depth)
    : space_(space), report_(report), file_(file), label_(std::move(label)), address_(address), depth_(depth),
      whole_(space.inOneBlock(address, size)), size_(size) {
    if (whole_) record_ = space.at(address);
    if (!whole_) {
        finding(StructureSeverity::Error, 0, "structure", std::to_string(address), "structureNotInBlock",
                {std::to_string(size)});
    }
}

uint32_t RecordDecoder::peek(uint32_t offset) const {
    if (!whole_) return 0;
    // Inside the record from its first byte; past it, as the space reads it.
    if (uint64_t{offset} + 4 <= size_) return loadLittleEndian<uint32_t>(record_ + offset);
    return space_.word(uint64_t{address_} + offset);
}

uint16_t RecordDecoder::u16(uint32_t offset) {
    if (!whole_) return 0;
    if (uint64_t{offset} + 2 <= size_) return loadLittleEndian<uint16_t>(record_ + offset);
    const std::string_view rest = space_.blockRest(uint64_t{address_} + offset);
    return rest.size() >= 2 ? loadLittleEndian<uint16_t>(rest.data()) : 0;
}

void RecordDecoder::line(std::string_view text) {
    if (whole_ && report_.listed()) report_.listing << std::string(4 + 2 * depth_, ' ') << text << '\n';
}

void RecordDecoder::field(uint32_t offset, std::string_view name, std::string_view value) {
    if (!whole_ || !report_.listed()) return;
    std::string at = std::to_string(offset);
    report_.listing << std::string(4 + 2 * depth_ + (at.size() < 4 ? 4 - at.size() : 0), ' ') << at << ' ' << name
                    << ": " << value << '\n';
}

void RecordDecoder::finding(StructureSeverity severity, uint32_t offset, std::string_view field, std::string value,
                            MessageId reason, std::vector<std::string> args) {
    StructureFinding f;
    f.severity = severity;
    f.file = space_.fileName(file_);
    f.structure = label_;
    f.address = address_;
    f.offset = offset;
    f.field = std::string(field);
    f.value = std::move(value);
    f.reason = reason;
    f.reasonArgs = std::move(args);
    report_.findings.push_back(std::move(f));
}

// The fields' texts are made only for a listing: a check of many pairs lists nothing.
uint32_t RecordDecoder::u32(uint32_t offset, std::string_view name) {
    const uint32_t v = peek(offset);
    if (report_.listed()) field(offset, name, std::to_string(v));
    return v;
}

int32_t RecordDecoder::i32(uint32_t offset, std::string_view name) {
    const int32_t v = static_cast<int32_t>(peek(offset));
    if (report_.listed()) field(offset, name, std::to_string(v));
    return v;
}

float RecordDecoder::f32(uint32_t offset, std::string_view name) {
    const uint32_t raw = peek(offset);
    float v;
    std::memcpy(&v, &raw, sizeof v);
    if (report_.listed()) field(offset, name, floatText(v));
    return v;
}

uint32_t RecordDecoder::flags(uint32_t offset, std::string_view name) {
    const uint32_t v = peek(offset);
    if (report_.listed()) field(offset, name, hexText(v));
    return v;
}

bool RecordDecoder::checkArray(uint32_t offset, std::string_view name, uint32_t target, uint64_t count,
                               uint64_t entrySize) {
    const bool outside = count == 0 ? target > space_.size() : target >= space_.size();
    if (outside) {
        finding(StructureSeverity::Error, offset, name, std::to_string(target), "structurePointerOutside",
                {std::to_string(space_.size())});
        return false;
    }
    if (!space_.inOneBlock(target, count * entrySize)) {
        const SpaceBlock* block = space_.blockAt(target);
        const uint64_t room = block ? (uint64_t{block->address} + block->size - target) / entrySize : 0;
        finding(StructureSeverity::Error, offset, name, std::to_string(target), "structureArrayOutsideBlock",
                {std::to_string(count), std::to_string(entrySize), std::to_string(room)});
        return false;
    }
    return true;
}

std::optional<uint32_t> RecordDecoder::pointer(uint32_t offset, std::string_view name, uint64_t count,
                                               uint64_t entrySize, bool zeroWhenEmpty) {
    if (!whole_) return std::nullopt;
    const uint32_t target = peek(offset);
    if (target == 0 && count == 0 && zeroWhenEmpty) {
        field(offset, name, "0");
        return std::nullopt;
    }
    if (report_.listed()) {
        std::string shown = "-> " + std::to_string(target);
        if (count != 1) shown += " (" + std::to_string(count) + " x " + std::to_string(entrySize) + " bytes)";
        field(offset, name, shown);
    }
    if (!checkArray(offset, name, target, count, entrySize)) return std::nullopt;
    return target;
}

std::optional<std::string> RecordDecoder::text(uint32_t offset, std::string_view name, bool optional) {
    if (!whole_) return std::nullopt;
    const uint32_t target = peek(offset);
    if (target == 0 && optional) {
        field(offset, name, "0");
        return std::nullopt;
    }
    if (std::optional<std::string_view> s = space_.tableString(target)) {
        if (report_.listed()) field(offset, name, "\"" + std::string(*s) + "\"");
        return std::string(*s);
    }
    if (report_.listed()) field(offset, name, "-> " + std::to_string(target));
    if (target >= space_.size()) {
        finding(StructureSeverity::Error, offset, name, std::to_string(target), "structurePointerOutside",
                {std::to_string(space_.size())});
        return std::nullopt;
    }
    const std::string_view rest = space_.blockRest(target);
    const bool ends = rest.find('\0') != std::string_view::npos;
    finding(StructureSeverity::Error, offset, name, std::to_string(target),
            ends ? MessageId("structureTextNotInTable") : MessageId("structureTextUnterminated"));
    return std::nullopt;
}

void RecordDecoder::wideText(uint32_t offset, std::string_view name) {
    if (!whole_) return;
    const uint32_t target = peek(offset);
    const SpaceBlock* block = target < space_.size() ? space_.blockAt(target) : nullptr;
    if (block == nullptr) {
        field(offset, name, "-> " + std::to_string(target));
        finding(StructureSeverity::Error, offset, name, std::to_string(target), "structurePointerOutside",
                {std::to_string(space_.size())});
        return;
    }
    const std::string_view rest = space_.blockRest(target);
    std::string shown;
    for (size_t i = 0; i + 1 < rest.size(); i += 2) {
        const uint16_t c = loadLittleEndian<uint16_t>(rest.data() + i);
        if (c == 0) {
            if (report_.listed()) field(offset, name, "L\"" + shown + "\"");
            return;
        }
        shown += c < 256 ? static_cast<char>(c) : '?';
    }
    field(offset, name, "-> " + std::to_string(target));
    finding(StructureSeverity::Error, offset, name, std::to_string(target), "structureTextUnterminated");
}

std::optional<std::string> RecordDecoder::reference(uint32_t offset, std::string_view name, bool required) {
    if (!whole_) return std::nullopt;
    const std::string* referenced = space_.referenceAt(address_ + offset);
    if (referenced != nullptr) {
        if (report_.listed()) field(offset, name, "reference \"" + *referenced + "\"");
        return *referenced;
    }
    const uint32_t value = peek(offset);
    if (report_.listed()) field(offset, name, std::to_string(value));
    if (required) {
        finding(StructureSeverity::Error, offset, name, std::to_string(value), "structureReferenceMissing");
    }
    return std::nullopt;
}

}  // namespace zw
