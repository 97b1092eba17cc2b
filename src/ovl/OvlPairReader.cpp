#include "ovl/OvlPairReader.h"

#include <algorithm>

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
                ByteReader(f.bytes, f.name).fail("the blocks of the pair pass 4 GB");
            }
            placed_.push_back(Placed{kind, b, static_cast<uint32_t>(address)});
            address += f.blocks[b].size;
        }
    }
    size_ = static_cast<uint32_t>(address);
}

void OvlPairReader::giveBytesTo(std::string& commonBytes, std::string& uniqueBytes) {
    commonBytes = std::move(common_.bytes);
    uniqueBytes = std::move(unique_.bytes);
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
    return littleWord(std::string_view(file(at->file).bytes).substr(at->fileOffset, 4));
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

std::vector<std::vector<uint32_t>> OvlPairReader::entries(OvlFileKind kind, int type, uint32_t index,
                                                         uint32_t entrySize) const {
    std::vector<std::vector<uint32_t>> out;
    const OvlFile& f = file(kind);
    const OvlBlock* block = f.block(type, index);
    if (block == nullptr) return out;
    const uint32_t start = blockAddress(kind, *block);
    std::string_view data = f.data(*block);
    for (uint32_t at = 0; data.size() - at >= entrySize; at += entrySize) {
        std::vector<uint32_t> words{start + at};
        for (uint32_t w = 0; w < entrySize; w += 4) words.push_back(littleWord(data.substr(at + w, 4)));
        out.push_back(std::move(words));
    }
    return out;
}

std::vector<OvlSymbolEntry> OvlPairReader::symbols(OvlFileKind kind) const {
    std::vector<OvlSymbolEntry> out;
    for (const auto& e : entries(kind, 2, 1, kSymbolEntrySize)) out.push_back({e[0], e[1], e[2], e[3]});
    return out;
}

std::vector<OvlLoaderEntry> OvlPairReader::loaders(OvlFileKind kind) const {
    std::vector<OvlLoaderEntry> out;
    for (const auto& e : entries(kind, 2, 2, kLoaderEntrySize)) out.push_back({e[0], e[1], e[2], e[3], e[4], e[5]});
    return out;
}

std::vector<OvlSymbolReferenceEntry> OvlPairReader::symbolReferences() const {
    std::vector<OvlSymbolReferenceEntry> out;
    for (const auto& e : entries(OvlFileKind::Unique, 2, 3, kSymbolReferenceEntrySize)) {
        out.push_back({e[0], e[1], e[2], e[3]});
    }
    return out;
}

}  // namespace zw
