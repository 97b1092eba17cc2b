#include "ovl/OvlPairInspection.h"

#include <map>
#include <sstream>

#include "base/Encoding.h"
#include "ovl/OvlSymbolOrder.h"
#include "ovl/StructureInspection.h"
#include "ovl/StructureSpace.h"

namespace zw {
namespace {

using std::to_string;

class Inspector {
public:
    Inspector(const OvlPairReader& pair, Language language, bool findingsOnly)
        : pair_(pair), language_(language), findingsOnly_(findingsOnly) {
        if (findingsOnly_) out_.setstate(std::ios::badbit);
    }

    OvlPairInspection run() {
        if (pair_.common().header.loaderTypes != pair_.unique().header.loaderTypes) violate("ovlCheckLoaderTypes", {});
        std::map<uint32_t, uint32_t> referencesPerLoader;
        for (const auto& ref : pair_.symbolReferences()) ++referencesPerLoader[ref.loaderAddress];

        for (OvlFileKind kind : {OvlFileKind::Common, OvlFileKind::Unique}) {
            const OvlFile& file = pair_.file(kind);
            header(kind, file);
            tables(kind, file);
            symbolsAndLoaders(kind, file, referencesPerLoader);
            if (kind == OvlFileKind::Unique) symbolReferences(file);
            relocations(kind, file);
        }
        out_ << "address space: " << pair_.addressSpaceSize() << " bytes\n";
        StructureInspection structures =
            findingsOnly_ ? checkStructures(StructureSpace::inPlace(pair_)) : inspectStructures(pair_);
        std::vector<std::string> notes;
        for (const StructureFinding& f : structures.findings) {
            (f.severity == StructureSeverity::Error ? violations_ : notes).push_back(structureFindingLine(f, language_));
        }
        return {out_.str(), std::move(structures.listing), std::move(violations_), std::move(notes)};
    }

private:
    void violate(MessageId id, std::initializer_list<MessageArg> args) {
        violations_.push_back(message(id, language_, args));
    }

    std::string name(uint32_t address) const {
        auto text = pair_.stringAt(address);
        return text ? std::string(*text) : std::string();
    }

    void header(OvlFileKind kind, const OvlFile& file) {
        const OvlFileHeader& h = file.header;
        if (!h.hasOvlMagic) violate("ovlCheckMagic", {file.name});
        if (h.version != kOvlVersion) violate("ovlCheckVersion", {file.name, to_string(h.version)});
        if (findingsOnly_) return;
        out_ << cp1252ToUtf8(file.name) << '\n';
        out_ << "  magic " << cp1252ToUtf8(file.bytes().substr(0, 4)) << ", reserved " << h.reserved << ", version "
             << h.version << ", spare " << h.spare << '\n';
        out_ << "  references: " << h.references.size() << '\n';
        for (const std::string& r : h.references) out_ << "    " << cp1252ToUtf8(r) << '\n';
        out_ << "  loader types: " << h.loaderTypes.size() << '\n';
        for (size_t i = 0; i < h.loaderTypes.size(); ++i) {
            const LoaderType& t = h.loaderTypes[i];
            out_ << "    " << i << ": " << cp1252ToUtf8(t.loader) << ' ' << cp1252ToUtf8(t.type) << ' ' << t.number << ' '
                 << cp1252ToUtf8(t.tag) << '\n';
        }
        out_ << "  block counts:";
        for (uint32_t c : file.blockCounts) out_ << ' ' << c;
        out_ << '\n';
        for (const OvlBlock& b : file.blocks) {
            out_ << "    type " << b.type << " block " << b.index << ": " << b.size << " bytes at address "
                 << pair_.blockAddress(kind, b) << '\n';
        }
    }

    void tables(OvlFileKind kind, const OvlFile& file) {
        const bool common = kind == OvlFileKind::Common;
        auto need = [&](int type, uint32_t least) {
            if (file.blockCounts[type] < least) {
                violate("ovlCheckTables", {file.name, to_string(type), to_string(file.blockCounts[type]), to_string(least)});
            }
        };
        if (common) need(0, 1);
        need(2, common ? 2 : 3);
        auto whole = [&](uint32_t index, uint32_t entrySize) {
            const OvlBlock* b = file.block(2, index);
            if (b != nullptr && b->size % entrySize != 0) {
                violate("ovlCheckTableSize",
                        {file.name, "2", to_string(index), to_string(b->size), to_string(entrySize)});
            }
        };
        whole(1, kSymbolEntrySize);
        whole(2, kLoaderEntrySize);
        if (!common) whole(3, kSymbolReferenceEntrySize);
        if (!common && !file.extraData.empty()) {
            violate("ovlCheckExtraData", {file.name, to_string(file.extraData.size())});
        }
    }

    void symbolsAndLoaders(OvlFileKind kind, const OvlFile& file,
                           const std::map<uint32_t, uint32_t>& referencesPerLoader) {
        const auto symbols = pair_.symbols(kind);
        const auto loaders = pair_.loaders(kind);
        const auto& types = file.header.loaderTypes;
        std::map<uint32_t, size_t> symbolAt;  // entry address -> index
        for (size_t i = 0; i < symbols.size(); ++i) symbolAt[symbols[i].entryAddress] = i;
        std::map<uint32_t, uint32_t> typeOfSymbol;  // entry address -> loader type
        for (const auto& l : loaders) {
            if (l.symbolAddress != 0) typeOfSymbol.emplace(l.symbolAddress, l.loaderType);
        }

        out_ << "  symbols: " << symbols.size() << '\n';
        std::optional<std::string_view> previous;  // in the pair's string table
        for (size_t i = 0; i < symbols.size(); ++i) {
            const OvlSymbolEntry& s = symbols[i];
            auto text = pair_.stringAt(s.nameAddress);
            if (!findingsOnly_) {
                out_ << "    " << (i + 1) << ": " << (text ? cp1252ToUtf8(*text) : "?") << ", structure " << s.structureAddress;
                auto type = typeOfSymbol.find(s.entryAddress);
                if (type == typeOfSymbol.end()) {
                    out_ << ", no loader";
                } else {
                    out_ << ", loader type " << type->second;
                    if (type->second < types.size()) out_ << " (" << cp1252ToUtf8(types[type->second].type) << ')';
                }
                out_ << '\n';
            }
            if (!text) {
                violate("ovlCheckSymbolName", {file.name, to_string(i + 1), to_string(s.nameAddress)});
                continue;
            }
            if (previous && symbolNameLess(*text, *previous)) violate("ovlCheckSymbolOrder", {file.name, *previous, *text});
            previous = *text;
        }

        out_ << "  loaders: " << loaders.size() << '\n';
        for (size_t i = 0; i < loaders.size(); ++i) {
            const OvlLoaderEntry& l = loaders[i];
            const std::string number = to_string(i + 1);
            out_ << "    " << number << ": type " << l.loaderType << ", structure " << l.structureAddress
                 << ", extra data " << l.extraData << ", symbol " << l.symbolAddress;
            if (l.loaderType >= types.size()) {
                violate("ovlCheckLoaderType", {file.name, number, to_string(l.loaderType), to_string(types.size())});
            }
            if (l.symbolAddress != 0) {
                auto s = symbolAt.find(l.symbolAddress);
                if (s == symbolAt.end()) {
                    violate("ovlCheckLoaderSymbol", {file.name, number, to_string(l.symbolAddress)});
                } else {
                    const OvlSymbolEntry& symbol = symbols[s->second];
                    if (!findingsOnly_) out_ << " (" << cp1252ToUtf8(name(symbol.nameAddress)) << ')';
                    if (symbol.structureAddress != l.structureAddress) {
                        violate("ovlCheckLoaderStructure", {file.name, number, to_string(l.structureAddress),
                                                            name(symbol.nameAddress), to_string(symbol.structureAddress)});
                    }
                }
            }
            out_ << ", references " << l.referenceCount << '\n';
            auto made = referencesPerLoader.find(l.entryAddress);
            const uint32_t expected = made == referencesPerLoader.end() ? 0 : made->second;
            if (l.referenceCount != expected) {
                violate("ovlCheckReferenceCount", {file.name, number, to_string(l.referenceCount), to_string(expected)});
            }
        }
    }

    void symbolReferences(const OvlFile& file) {
        const auto refs = pair_.symbolReferences();
        std::map<uint32_t, bool> loaderAt;
        for (const auto& l : pair_.loaders(OvlFileKind::Unique)) loaderAt[l.entryAddress] = true;
        out_ << "  symbol references: " << refs.size() << '\n';
        for (size_t i = 0; i < refs.size(); ++i) {
            const OvlSymbolReferenceEntry& r = refs[i];
            const std::string number = to_string(i + 1);
            auto text = pair_.stringAt(r.nameAddress);
            const std::string shown = text ? std::string(*text) : "?";
            if (!findingsOnly_) {
                out_ << "    " << number << ": slot " << r.slotAddress << " -> " << cp1252ToUtf8(shown) << ", loader "
                     << r.loaderAddress << '\n';
            }
            if (!text) violate("ovlCheckReferenceName", {file.name, number, to_string(r.nameAddress)});
            std::optional<uint32_t> slot = pair_.wordAt(r.slotAddress);
            if (!slot) {
                violate("ovlCheckReferenceSlotOutside", {file.name, number, shown, to_string(r.slotAddress)});
            } else if (*slot != 0) {
                violate("ovlCheckReferenceSlot", {file.name, number, shown, to_string(r.slotAddress), to_string(*slot)});
            }
            if (!loaderAt.count(r.loaderAddress)) {
                violate("ovlCheckReferenceLoader", {file.name, number, shown, to_string(r.loaderAddress)});
            }
        }
    }

    void relocations(OvlFileKind kind, const OvlFile& file) {
        out_ << "  relocations: " << file.relocations.size() << '\n';
        if (!file.extraData.empty()) {
            out_ << "  extra data:";
            for (const OvlExtraData& e : file.extraData) out_ << ' ' << e.size;
            out_ << " bytes\n";
        }
        for (size_t i = 0; i < file.relocations.size(); ++i) {
            const uint32_t slot = file.relocations[i];
            const std::string number = to_string(i + 1);
            auto at = pair_.locate(slot);
            std::optional<uint32_t> value = pair_.wordAt(slot);
            if (!at || !value) {
                violate("ovlCheckRelocationSlot", {file.name, number, to_string(slot)});
            } else if (at->file != kind) {
                violate("ovlCheckRelocationFile", {file.name, number, to_string(slot)});
            } else if (*value >= pair_.addressSpaceSize()) {
                violate("ovlCheckRelocationValue", {file.name, number, to_string(slot), to_string(*value),
                                                    to_string(pair_.addressSpaceSize())});
            }
        }
    }

    const OvlPairReader& pair_;
    Language language_;
    std::ostringstream out_;
    std::vector<std::string> violations_;
    bool findingsOnly_;
};

}  // namespace

OvlPairInspection inspectOvlPair(const OvlPairReader& pair, Language language) {
    return Inspector(pair, language, false).run();
}

OvlPairInspection checkOvlPair(const OvlPairReader& pair, Language language) {
    return Inspector(pair, language, true).run();
}

}  // namespace zw
