#include "ParsedRidePair.h"

#include <cstring>
#include <stdexcept>

#include "base/SafeFile.h"
#include "ovl/ByteReader.h"

namespace zw::test {
namespace {

std::string shortText(ByteReader& in) { return std::string(in.bytes(in.u16())); }

ParsedOvlFile parseFile(const std::filesystem::path& path, uint32_t& address) {
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) throw std::runtime_error("cannot read " + path.string());
    ByteReader in(*bytes, path.string());
    ParsedOvlFile file;
    if (in.bytes(4) != "FGRK" || in.u32() != 0 || in.u32() != 1) in.fail("no version-1 header");
    for (uint32_t r = in.u32(); r > 0; --r) file.references.push_back(shortText(in));
    if (in.u32() != 0) in.fail("spare word not 0");
    for (uint32_t l = in.u32(); l > 0; --l) {
        std::string row = shortText(in) + "/";
        row += shortText(in) + "/";
        row += std::to_string(in.u32()) + "/";
        row += shortText(in);
        file.loaderTypeRows.push_back(row);
    }
    for (uint32_t& count : file.blockCounts) count = in.u32();
    for (uint32_t type = 0; type < 9; ++type) {
        for (uint32_t b = 0; b < file.blockCounts[type]; ++b) {
            const uint32_t size = in.u32();
            file.blocks.push_back({type, address, std::string(in.bytes(size))});
            address += size;
        }
    }
    for (uint32_t r = in.u32(); r > 0; --r) file.relocations.push_back(in.u32());
    while (!in.atEnd()) file.extraData.emplace_back(in.bytes(in.u32()));
    return file;
}

}  // namespace

const ParsedOvlFile::Block& ParsedOvlFile::block(uint32_t type, size_t b) const {
    for (const Block& block : blocks) {
        if (block.type == type && b-- == 0) return block;
    }
    throw std::out_of_range("no such block");
}

ParsedRidePair parseRidePair(const std::filesystem::path& common, const std::filesystem::path& unique) {
    ParsedRidePair pair;
    uint32_t address = 0;
    pair.common = parseFile(common, address);
    pair.unique = parseFile(unique, address);
    for (const auto* file : {&pair.common, &pair.unique}) {
        for (const auto& block : file->blocks) pair.space += block.bytes;
        pair.relocated.insert(file->relocations.begin(), file->relocations.end());
    }
    const auto& symbols = pair.unique.block(2, 0);
    for (uint32_t e = 0; e < symbols.bytes.size(); e += 12) {
        pair.uniqueSymbols[pair.text(pair.word(symbols.address + e))] = pair.word(symbols.address + e + 4);
    }
    const auto& loaders = pair.unique.block(2, 1);
    for (uint32_t e = 0; e < loaders.bytes.size(); e += 20) {
        const uint32_t a = loaders.address + e;
        pair.uniqueLoaders.push_back({pair.word(a), pair.word(a + 4), pair.word(a + 8), pair.word(a + 12), pair.word(a + 16)});
    }
    const auto& references = pair.unique.block(2, 2);
    for (uint32_t e = 0; e < references.bytes.size(); e += 12) {
        pair.referenceBySlot[pair.word(references.address + e)] = pair.text(pair.word(references.address + e + 4));
    }
    return pair;
}

uint32_t ParsedRidePair::word(uint32_t address) const {
    ByteReader in(space, "pair");
    return in.u32At(address);
}

float ParsedRidePair::floatAt(uint32_t address) const {
    const uint32_t raw = word(address);
    float value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

std::string ParsedRidePair::text(uint32_t address) const {
    ByteReader in(space, "pair");
    return std::string(in.cstringAt(address));
}

std::string ParsedRidePair::wideText(uint32_t address) const {
    ByteReader in(space, "pair");
    std::string narrow;
    for (uint32_t a = address;; a += 2) {
        const uint16_t c = in.u16At(a);
        if (c == 0) return narrow;
        narrow += static_cast<char>(c & 0xFF);
    }
}

}  // namespace zw::test
