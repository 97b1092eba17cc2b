#include "ovl/StructureSpace.h"

#include <algorithm>
#include <set>

#include "base/LittleEndian.h"
#include "ovl/ModelPair.h"
#include "ovl/OvlPairReader.h"

namespace zw {
namespace {

// The strings of a string table that starts at `address`: one at its start and one after each NUL.
void readStringTable(std::string_view table, uint32_t address, std::map<uint32_t, std::string>& out) {
    for (size_t start = 0; start < table.size();) {
        const size_t nul = table.find('\0', start);
        if (nul == std::string_view::npos) break;  // the last text has no end: no string
        out.emplace(address + static_cast<uint32_t>(start), std::string(table.substr(start, nul - start)));
        start = nul + 1;
    }
}

}  // namespace

StructureSpace StructureSpace::of(const OvlPairReader& pair) { return of(pair, false); }

StructureSpace StructureSpace::inPlace(const OvlPairReader& pair) { return of(pair, true); }

StructureSpace StructureSpace::of(const OvlPairReader& pair, bool inPlace) {
    StructureSpace space;
    space.names_[0] = pair.common().name;
    space.names_[1] = pair.unique().name;
    space.inPlace_ = inPlace;
    if (!inPlace) {
        pair.addressSpaceBytesInto(space.ownedBytes_);
        space.bytes_ = space.ownedBytes_;
    }
    space.size_ = pair.addressSpaceSize();
    // The blocks lie one after the other, in file order, .common first (as the pair places them).
    uint32_t address = 0;
    for (OvlFileKind kind : {OvlFileKind::Common, OvlFileKind::Unique}) {
        const OvlFile& file = pair.file(kind);
        for (const OvlBlock& block : file.blocks) {
            if (block.size > 0) {
                const char* data = inPlace ? file.bytes().data() + block.fileOffset : space.bytes_.data() + address;
                space.blocks_.push_back({address, block.size, kind, data});
            }
            address += block.size;
            if (kind == OvlFileKind::Common) space.commonSize_ = address;
        }
    }
    if (const OvlBlock* table = pair.common().block(0, 1)) {
        readStringTable(pair.common().data(*table), pair.blockAddress(OvlFileKind::Common, *table), space.strings_);
    }
    for (const OvlSymbolReferenceEntry& r : pair.symbolReferences()) {
        if (auto name = pair.stringAt(r.nameAddress)) space.references_.emplace(r.slotAddress, std::string(*name));
    }
    space.loaderTypes_ = pair.common().header.loaderTypes;
    for (const OvlExtraData& entry : pair.common().extraData) space.extraData_.push_back(pair.common().data(entry));

    std::vector<SpaceStructure> byLoader, bySymbol;
    for (OvlFileKind kind : {OvlFileKind::Common, OvlFileKind::Unique}) {
        const std::vector<OvlSymbolEntry> symbols = pair.symbols(kind);
        for (const OvlLoaderEntry& l : pair.loaders(kind)) {
            SpaceStructure s;
            s.address = l.structureAddress;
            s.file = kind;
            s.loaderType = l.loaderType;
            s.loaderEntry = l.entryAddress;
            s.extraData = l.extraData != 0;
            s.symbolEntry = l.symbolAddress;
            byLoader.push_back(std::move(s));
        }
        for (const OvlSymbolEntry& e : symbols) {
            SpaceStructure s;
            s.address = e.structureAddress;
            s.file = kind;
            s.symbolEntry = e.entryAddress;
            auto name = pair.stringAt(e.nameAddress);
            s.symbol = name ? std::string(*name) : std::string();
            bySymbol.push_back(std::move(s));
        }
    }
    space.addStructuresOf(std::move(byLoader), std::move(bySymbol));
    return space;
}

StructureSpace StructureSpace::of(const ModelPair& model) {
    StructureSpace space;
    space.names_[0] = model.fileName(OvlFileKind::Common);
    space.names_[1] = model.fileName(OvlFileKind::Unique);
    space.bytes_ = model.helpData();
    space.size_ = static_cast<uint32_t>(space.bytes_.size());
    const ModelBlockIndex& index = model.blockIndex();
    for (OvlFileKind kind : {OvlFileKind::Common, OvlFileKind::Unique}) {
        for (int type = 0; type < kOvlBlockTypeCount; ++type) {
            for (uint32_t b = 1; b <= index.count(kind, type); ++b) {
                const ModelBlock* block = index.block(kind, type, b);
                if (block->size > 0) {
                    space.blocks_.push_back({block->position, block->size, kind, space.bytes_.data() + block->position});
                }
            }
        }
    }
    // The help data holds the blocks in file order, so sorting by position gives address order.
    std::sort(space.blocks_.begin(), space.blocks_.end(),
              [](const SpaceBlock& a, const SpaceBlock& b) { return a.address < b.address; });
    for (const SpaceBlock& b : space.blocks_) {
        if (b.file == OvlFileKind::Common) space.commonSize_ = b.address + b.size;
    }
    space.strings_ = model.strings();
    for (const ModelSymbolReference& r : model.symbolReferences()) space.references_.emplace(r.slotAddress, r.name);
    space.loaderTypes_ = model.loaderTypes();

    std::vector<SpaceStructure> byLoader, bySymbol;
    for (const ModelLoader& l : model.loaders()) {
        SpaceStructure s;
        s.address = l.structureAddress;
        s.file = l.file;
        s.loaderType = l.loaderType;
        s.loaderEntry = l.entryAddress;
        s.extraData = l.extraData != 0;
        s.symbolEntry = l.symbolAddress;
        byLoader.push_back(std::move(s));
    }
    for (const ModelSymbol& symbol : model.symbols()) {
        SpaceStructure s;
        s.address = symbol.dataAddress;
        s.file = symbol.file;
        s.symbol = symbol.name;
        s.symbolEntry = symbol.entryAddress;
        bySymbol.push_back(std::move(s));
    }
    space.addStructuresOf(std::move(byLoader), std::move(bySymbol));
    return space;
}

// A loader names its symbol by the symbol entry's address; a symbol that no loader names stands
// on its own (the game would not load it, but its kind is known from its tag).
void StructureSpace::addStructuresOf(std::vector<SpaceStructure> byLoader, std::vector<SpaceStructure> bySymbol) {
    std::set<uint32_t> named;
    int extraData = 0;
    for (SpaceStructure& s : byLoader) {
        // The game hands the extra-data entries to the loaders that ask for them, in order.
        if (s.extraData && s.file == OvlFileKind::Common) s.extraDataIndex = extraData++;
        if (s.symbolEntry != 0) {
            auto symbol = std::find_if(bySymbol.begin(), bySymbol.end(),
                                       [&](const SpaceStructure& y) { return y.symbolEntry == s.symbolEntry; });
            if (symbol != bySymbol.end()) {
                s.symbol = symbol->symbol;
                named.insert(s.symbolEntry);
            }
        }
        structures_.push_back(std::move(s));
    }
    for (SpaceStructure& s : bySymbol) {
        if (!named.count(s.symbolEntry)) structures_.push_back(std::move(s));
    }
}

const SpaceBlock* StructureSpace::blockAt(uint64_t address) const {
    auto it = std::upper_bound(blocks_.begin(), blocks_.end(), address,
                               [](uint64_t a, const SpaceBlock& b) { return a < b.address; });
    if (it == blocks_.begin()) return nullptr;
    --it;
    return address - it->address < it->size ? &*it : nullptr;
}

OvlFileKind StructureSpace::fileAt(uint64_t address) const {
    return address < commonSize_ ? OvlFileKind::Common : OvlFileKind::Unique;
}

bool StructureSpace::inOneBlock(uint64_t address, uint64_t count) const {
    const SpaceBlock* block = blockAt(address);
    if (block == nullptr) return count == 0 && address <= size_;
    return count <= uint64_t{block->address} + block->size - address;
}

std::string_view StructureSpace::blockRest(uint64_t address) const {
    const SpaceBlock* block = blockAt(address);
    if (block == nullptr) return {};
    const uint64_t offset = address - block->address;
    return {block->data + offset, block->size - offset};
}

const char* StructureSpace::atInPlace(uint64_t address) const {
    const SpaceBlock* block = blockAt(address);
    return block ? block->data + (address - block->address) : nullptr;
}

uint32_t StructureSpace::wordInPlace(uint64_t address) const {
    const std::string_view rest = blockRest(address);
    return rest.size() >= 4 ? loadLittleEndian<uint32_t>(rest.data()) : 0;
}

std::optional<std::string_view> StructureSpace::tableString(uint32_t address) const {
    auto it = strings_.find(address);
    if (it == strings_.end()) return std::nullopt;
    return std::string_view(it->second);
}

const std::string* StructureSpace::referenceAt(uint32_t slot) const {
    auto it = references_.find(slot);
    return it == references_.end() ? nullptr : &it->second;
}

}  // namespace zw
