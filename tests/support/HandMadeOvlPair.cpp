#include "support/HandMadeOvlPair.h"

#include <cstring>
#include <fstream>
#include <stdexcept>

namespace zw::test {

std::string leFloat(float value) {
    uint32_t raw;
    std::memcpy(&raw, &value, 4);
    return le32(raw);
}

namespace {

bool isWord(const HandMadeOvlPair::Piece& p) { return p.target >= 0 || p.string >= 0; }
uint32_t pieceSize(const HandMadeOvlPair::Piece& p) { return isWord(p) ? 4 : static_cast<uint32_t>(p.raw.size()); }

}  // namespace

// Blocks in address order: .common t0b1, t2b1, t2b2, t4b1, t4b2; .unique t2b1 … t2b5.
struct HandMadeOvlPair::Layout {
    std::vector<uint32_t> symbolNameOffset;     // per symbol, in the string table
    std::vector<uint32_t> referenceNameOffset;  // per reference
    std::vector<uint32_t> stringOffset;         // per further string
    std::string strings;
    uint32_t stringsAt = 0, commonSymbolsAt = 0, commonLoadersAt = 0, commonItemsAt = 0, commonDataAt = 0;
    uint32_t uniqueSymbolsAt = 0, uniqueLoadersAt = 0, referencesAt = 0, uniqueItemsAt = 0, uniqueDataAt = 0, end = 0;
    std::vector<uint32_t> itemAddress;
    std::vector<int> commonSymbols, uniqueSymbols;  // symbol numbers per file, in order
};

int HandMadeOvlPair::addItem(File file, Area area, std::vector<Piece> pieces) {
    items.push_back(Item{file, area, std::move(pieces)});
    return static_cast<int>(items.size()) - 1;
}

void HandMadeOvlPair::addSymbol(std::string name, int item, File file, uint32_t loaderType) {
    Symbol s;
    s.name = std::move(name);
    s.item = item;
    s.file = file;
    s.loaderType = loaderType;
    symbols.push_back(std::move(s));
}

HandMadeOvlPair::Layout HandMadeOvlPair::layout() const {
    Layout l;
    for (const Symbol& s : symbols) {
        l.symbolNameOffset.push_back(static_cast<uint32_t>(l.strings.size()));
        l.strings += s.name + '\0';
    }
    for (const Reference& r : references) {
        l.referenceNameOffset.push_back(static_cast<uint32_t>(l.strings.size()));
        l.strings += r.name + '\0';
    }
    for (const std::string& text : strings) {
        l.stringOffset.push_back(static_cast<uint32_t>(l.strings.size()));
        l.strings += text + '\0';
    }
    for (size_t i = 0; i < symbols.size(); ++i) {
        (symbols[i].file == File::Common ? l.commonSymbols : l.uniqueSymbols).push_back(static_cast<int>(i));
    }
    auto areaSize = [&](File file, Area area) {
        uint32_t size = 0;
        for (const Item& item : items) {
            if (item.file != file || item.area != area) continue;
            for (const Piece& p : item.pieces) size += pieceSize(p);
        }
        return size;
    };
    const uint32_t stringBytes = commonFaults.emptyStringTable || commonFaults.noStringTable ? 0 : static_cast<uint32_t>(l.strings.size());
    l.stringsAt = 0;
    l.commonSymbolsAt = stringBytes;
    l.commonLoadersAt = l.commonSymbolsAt + 12 * static_cast<uint32_t>(l.commonSymbols.size());
    l.commonItemsAt = l.commonLoadersAt + 20 * static_cast<uint32_t>(l.commonSymbols.size());
    l.commonDataAt = l.commonItemsAt + areaSize(File::Common, Area::Structures);
    l.uniqueSymbolsAt = l.commonDataAt + areaSize(File::Common, Area::Data);
    l.uniqueLoadersAt = l.uniqueSymbolsAt + 12 * static_cast<uint32_t>(l.uniqueSymbols.size());
    l.referencesAt = l.uniqueLoadersAt + 20 * static_cast<uint32_t>(l.uniqueSymbols.size());
    l.uniqueItemsAt = l.referencesAt + 12 * static_cast<uint32_t>(references.size());
    l.uniqueDataAt = l.uniqueItemsAt + areaSize(File::Unique, Area::Structures);
    l.end = l.uniqueDataAt + areaSize(File::Unique, Area::Data);
    uint32_t next[2][2] = {{l.commonItemsAt, l.commonDataAt}, {l.uniqueItemsAt, l.uniqueDataAt}};
    for (const Item& item : items) {
        uint32_t& at = next[item.file == File::Common ? 0 : 1][item.area == Area::Structures ? 0 : 1];
        l.itemAddress.push_back(at);
        for (const Piece& p : item.pieces) at += pieceSize(p);
    }
    return l;
}

uint32_t HandMadeOvlPair::address(int item) const { return layout().itemAddress.at(item); }

namespace {

struct FileBuilder {
    std::vector<std::pair<int, std::string>> blocks;  // type, data
    std::vector<uint32_t> relocations;
};

std::string shortText(const std::string& text) { return le16(static_cast<uint16_t>(text.size())) + text; }

std::string header(uint32_t magic, uint32_t version, const std::vector<std::string>& references,
                   const std::vector<LoaderType>& loaderTypes) {
    std::string out = le32(magic) + le32(0) + le32(version) + le32(static_cast<uint32_t>(references.size()));
    for (const std::string& r : references) out += shortText(r);
    out += le32(0) + le32(static_cast<uint32_t>(loaderTypes.size()));
    for (const LoaderType& t : loaderTypes) out += shortText(t.loader) + shortText(t.type) + le32(t.number) + shortText(t.tag);
    return out;
}

std::string fileBytes(const FileBuilder& f, uint32_t magic, uint32_t version, const std::vector<std::string>& references,
                      const std::vector<LoaderType>& loaderTypes,
                      const std::optional<std::array<uint32_t, 9>>& countsOverride) {
    std::array<uint32_t, 9> counts{};
    for (const auto& [type, data] : f.blocks) ++counts[type];
    if (countsOverride) counts = *countsOverride;
    std::string out = header(magic, version, references, loaderTypes);
    for (uint32_t c : counts) out += le32(c);
    for (int type = 0; type < 9; ++type) {
        for (const auto& [t, data] : f.blocks) {
            if (t == type) out += le32(static_cast<uint32_t>(data.size())) + data;
        }
    }
    out += le32(static_cast<uint32_t>(f.relocations.size()));
    for (uint32_t r : f.relocations) out += le32(r);
    return out;
}

}  // namespace

std::string HandMadeOvlPair::itemBlock(const Layout& l, File file, Area area, std::vector<uint32_t>& relocations) const {
    std::string block;
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].file != file || items[i].area != area) continue;
        uint32_t at = l.itemAddress[i];
        for (const Piece& p : items[i].pieces) {
            if (p.target >= 0) {
                relocations.push_back(at);
                block += le32(l.itemAddress.at(p.target) + p.plus);
            } else if (p.string >= 0) {
                relocations.push_back(at);
                block += le32(l.stringsAt + l.stringOffset.at(p.string));
            } else {
                block += p.raw;
            }
            at += pieceSize(p);
        }
    }
    return block;
}

std::string HandMadeOvlPair::commonBytes() const {
    const Layout l = layout();
    FileBuilder f;
    if (!commonFaults.noStringTable) f.blocks.push_back({0, commonFaults.emptyStringTable ? std::string() : l.strings});
    std::string symbolsBlock, loadersBlock;
    for (size_t k = 0; k < l.commonSymbols.size(); ++k) {
        const Symbol& s = symbols[l.commonSymbols[k]];
        const uint32_t entry = l.commonSymbolsAt + 12 * static_cast<uint32_t>(k);
        symbolsBlock += le32(s.rawNameAddress.value_or(l.symbolNameOffset[l.commonSymbols[k]]));
        const uint32_t data = s.rawAddress.value_or(s.item >= 0 ? l.itemAddress[s.item] : 0);
        symbolsBlock += le32(data) + le32(1);
        loadersBlock += le32(s.loaderType) + le32(data) + le32(0) + le32(entry) + le32(0);
        const uint32_t loader = l.commonLoadersAt + 20 * static_cast<uint32_t>(k);
        for (uint32_t r : {entry, entry + 4, loader + 4, loader + 12}) f.relocations.push_back(r);
    }
    f.blocks.push_back({2, symbolsBlock});
    f.blocks.push_back({2, loadersBlock});
    for (Area area : {Area::Structures, Area::Data}) f.blocks.push_back({4, itemBlock(l, File::Common, area, f.relocations)});
    for (uint32_t i = 0; i < commonFaults.emptyType5Blocks; ++i) f.blocks.push_back({5, std::string()});
    return fileBytes(f, commonFaults.magic, commonFaults.version, headerReferences, loaderTypes, commonFaults.blockCounts);
}

std::string HandMadeOvlPair::uniqueBytes() const {
    const Layout l = layout();
    FileBuilder f;
    std::string symbolsBlock, loadersBlock, referencesBlock;
    for (size_t k = 0; k < l.uniqueSymbols.size(); ++k) {
        const Symbol& s = symbols[l.uniqueSymbols[k]];
        const uint32_t entry = l.uniqueSymbolsAt + 12 * static_cast<uint32_t>(k);
        symbolsBlock += le32(s.rawNameAddress.value_or(l.symbolNameOffset[l.uniqueSymbols[k]]));
        const uint32_t data = s.rawAddress.value_or(s.item >= 0 ? l.itemAddress[s.item] : 0);
        symbolsBlock += le32(data) + le32(1);
        const uint32_t count = k == 0 ? static_cast<uint32_t>(references.size()) : 0;
        loadersBlock += le32(s.loaderType) + le32(data) + le32(0) + le32(entry) + le32(count);
        const uint32_t loader = l.uniqueLoadersAt + 20 * static_cast<uint32_t>(k);
        for (uint32_t r : {entry, entry + 4, loader + 4, loader + 12}) f.relocations.push_back(r);
    }
    for (size_t r = 0; r < references.size(); ++r) {
        const uint32_t slot = l.itemAddress.at(references[r].item) + references[r].offset;
        const uint32_t loader = l.uniqueSymbols.empty() ? 0 : l.uniqueLoadersAt;
        referencesBlock += le32(slot) + le32(l.referenceNameOffset[r]) + le32(loader);
        const uint32_t entry = l.referencesAt + 12 * static_cast<uint32_t>(r);
        f.relocations.push_back(entry);
        f.relocations.push_back(entry + 4);
        if (loader != 0) f.relocations.push_back(entry + 8);
    }
    f.blocks.push_back({2, symbolsBlock});
    f.blocks.push_back({2, loadersBlock});
    f.blocks.push_back({2, referencesBlock});
    for (Area area : {Area::Structures, Area::Data}) f.blocks.push_back({2, itemBlock(l, File::Unique, area, f.relocations)});
    for (uint32_t i = 0; i < uniqueFaults.emptyType5Blocks; ++i) f.blocks.push_back({5, std::string()});
    return fileBytes(f, uniqueFaults.magic, uniqueFaults.version, headerReferences, loaderTypes, uniqueFaults.blockCounts);
}

void HandMadeOvlPair::write(const std::string& folder, const std::string& name) const {
    for (const auto& [suffix, bytes] : {std::pair{".common.ovl", commonBytes()}, std::pair{".unique.ovl", uniqueBytes()}}) {
        std::ofstream out(folder + "/" + name + suffix, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!out) throw std::runtime_error("cannot write the fixture " + name + suffix);
    }
}

}  // namespace zw::test
