#include "ovl/OvlPairReader.h"

#include <algorithm>
#include <array>

#include "base/LittleEndian.h"

namespace zw {
namespace {

uint32_t littleWord(std::string_view raw) { return loadLittleEndian<uint32_t>(raw.data()); }

}  // namespace

OvlPairPaths ovlPairPaths(const std::filesystem::path& pairOrFile) {
    std::filesystem::path base = pairOrFile;
    if (pairOrFile.extension() == ".ovl") {
        const std::filesystem::path inner = pairOrFile.stem();
        if (inner.extension() == ".common" || inner.extension() == ".unique") {
            base = pairOrFile.parent_path() / inner.stem();
        }
    }
    OvlPairPaths paths{base, base};
    paths.common += ".common.ovl";
    paths.unique += ".unique.ovl";
    return paths;
}

OvlPairReader::OvlPairReader(std::string commonBytes, std::string commonName, std::string uniqueBytes,
                             std::string uniqueName)
    : OvlPairReader(readOvlFile(std::move(commonBytes), std::move(commonName)),
                    readOvlFile(std::move(uniqueBytes), std::move(uniqueName))) {}

OvlPairReader::OvlPairReader(OvlFile common, OvlFile unique) : common_(std::move(common)), unique_(std::move(unique)) {
    uint64_t address = 0;
    for (OvlFileKind kind : {OvlFileKind::Common, OvlFileKind::Unique}) {
        const OvlFile& f = file(kind);
        for (size_t b = 0; b < f.blocks.size(); ++b) {
            if (address + f.blocks[b].size > UINT32_MAX) {
                ByteReader(f.bytes(), f.name).fail("the blocks of the pair pass 4 GB");
            }
            placed_.push_back(Placed{kind, b, static_cast<uint32_t>(address)});
            address += f.blocks[b].size;
        }
    }
    size_ = static_cast<uint32_t>(address);
}

OvlPairReader OvlPairReader::ofKeptBytes(std::string_view commonBytes, std::string commonName,
                                         std::string_view uniqueBytes, std::string uniqueName) {
    return OvlPairReader(readKeptOvlFile(commonBytes, std::move(commonName)),
                         readKeptOvlFile(uniqueBytes, std::move(uniqueName)));
}

std::optional<OvlPairReader::Location> OvlPairReader::locate(uint32_t address) const {
    if (address >= size_) return std::nullopt;
    // The last block that starts at or before the address and is not empty.
    auto it = std::upper_bound(placed_.begin(), placed_.end(), address,
                               [](uint32_t a, const Placed& p) { return a < p.address; });
    while (it != placed_.begin()) {
        --it;
        const OvlBlock& block = blockOf(*it);
        if (block.size > address - it->address) {
            return Location{it->file, &block, it->address, block.fileOffset + (address - it->address)};
        }
        if (block.size != 0) break;
    }
    return std::nullopt;
}

uint32_t OvlPairReader::blockAddress(OvlFileKind kind, const OvlBlock& block) const {
    for (const Placed& p : placed_) {
        if (p.file == kind && &blockOf(p) == &block) return p.address;
    }
    return 0;
}

std::optional<uint32_t> OvlPairReader::wordAt(uint32_t address) const {
    std::optional<Location> at = locate(address);
    if (!at || at->block->size - (address - at->blockAddress) < 4) return std::nullopt;
    return littleWord(file(at->file).bytes().substr(at->fileOffset, 4));
}

std::string OvlPairReader::addressSpaceBytes() const {
    std::string out;
    addressSpaceBytesInto(out);
    return out;
}

void OvlPairReader::addressSpaceBytesInto(std::string& out) const {
    out.clear();
    out.reserve(size_);
    for (const Placed& p : placed_) out += file(p.file).data(blockOf(p));
}

std::optional<std::string_view> OvlPairReader::stringAt(uint32_t address) const {
    const OvlBlock* table = common_.block(0, 1);
    if (table == nullptr) return std::nullopt;
    const uint32_t start = blockAddress(OvlFileKind::Common, *table);
    if (address < start || address - start >= table->size) return std::nullopt;
    std::string_view data = common_.data(*table).substr(address - start);
    const size_t nul = data.find('\0');
    if (nul == std::string_view::npos) return std::nullopt;
    return data.substr(0, nul);
}

template <size_t Words, class Entry, class Make>
std::vector<Entry> OvlPairReader::entries(OvlFileKind kind, int type, uint32_t index, Make make) const {
    constexpr uint32_t entrySize = 4 * Words;
    std::vector<Entry> out;
    const OvlFile& f = file(kind);
    const OvlBlock* block = f.block(type, index);
    if (block == nullptr) return out;
    const uint32_t start = blockAddress(kind, *block);
    const std::string_view data = f.data(*block);
    out.reserve(data.size() / entrySize);
    for (uint32_t at = 0; data.size() - at >= entrySize; at += entrySize) {
        std::array<uint32_t, Words> words;
        for (size_t w = 0; w < Words; ++w) words[w] = littleWord(data.substr(at + 4 * w, 4));
        out.push_back(make(start + at, words));
    }
    return out;
}

std::vector<OvlSymbolEntry> OvlPairReader::symbols(OvlFileKind kind) const {
    return entries<kSymbolEntrySize / 4, OvlSymbolEntry>(kind, 2, 1, [](uint32_t address, const auto& e) {
        return OvlSymbolEntry{address, e[0], e[1], e[2]};
    });
}

std::vector<OvlLoaderEntry> OvlPairReader::loaders(OvlFileKind kind) const {
    return entries<kLoaderEntrySize / 4, OvlLoaderEntry>(kind, 2, 2, [](uint32_t address, const auto& e) {
        return OvlLoaderEntry{address, e[0], e[1], e[2], e[3], e[4]};
    });
}

std::vector<OvlSymbolReferenceEntry> OvlPairReader::symbolReferences() const {
    return entries<kSymbolReferenceEntrySize / 4, OvlSymbolReferenceEntry>(
        OvlFileKind::Unique, 2, 3, [](uint32_t address, const auto& e) {
            return OvlSymbolReferenceEntry{address, e[0], e[1], e[2]};
        });
}

}  // namespace zw
