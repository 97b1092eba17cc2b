#pragma once
// What the structure decoders see of a pair: the bytes of its address space, the blocks that make
// it up, its string table, its structures (each found through a loader or a symbol, with the
// loader type the game files it under) and its symbol references by slot. The same view is made
// of a pair read whole (the inspector) and of a model pair read for a car build, so that both run
// the same checks.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/LittleEndian.h"
#include "ovl/OvlFormat.h"

namespace zw {

class ModelPair;
class OvlPairReader;

struct SpaceBlock {
    uint32_t address = 0;
    uint32_t size = 0;
    OvlFileKind file = OvlFileKind::Common;
    const char* data = nullptr;  // its first byte
};

struct SpaceStructure {
    uint32_t address = 0;
    OvlFileKind file = OvlFileKind::Common;  // the file whose tables list it
    std::string symbol;                      // Windows-1252 with its tag; empty for a loader without symbol
    uint32_t symbolEntry = 0;                // address of its symbol entry, 0 without one
    std::optional<uint32_t> loaderType;      // the loader's type; none when no loader lists it
    uint32_t loaderEntry = 0;                // address of its loader entry, 0 without one
    bool extraData = false;                  // the loader marks the structure as having extra data
    int extraDataIndex = -1;                 // then: its entry among the .common file's extra data
};

class StructureSpace {
public:
    // The address space laid out end to end in memory of its own.
    static StructureSpace of(const OvlPairReader& pair);
    // The blocks where they lie in the pair's files, nothing copied, for a caller that checks pair
    // after pair; the pair must outlive the view. Its bytes are read through at(), blockRest() and
    // word(): bytes() has no address space laid out end to end to give.
    static StructureSpace inPlace(const OvlPairReader& pair);
    // The model must outlive the view (its help data is not copied).
    static StructureSpace of(const ModelPair& model);

    const std::string& fileName(OvlFileKind file) const { return names_[file == OvlFileKind::Common ? 0 : 1]; }
    // The whole address space, end to end; empty for a space made inPlace.
    std::string_view bytes() const { return bytes_; }
    uint32_t size() const { return size_; }

    // The block that holds `address` (empty blocks hold nothing), or nullptr.
    const SpaceBlock* blockAt(uint64_t address) const;
    // The file whose blocks hold `address`.
    OvlFileKind fileAt(uint64_t address) const;
    // True when `count` bytes from `address` lie in one block.
    bool inOneBlock(uint64_t address, uint64_t count) const;
    // The byte at `address`, the first of as many as its block holds from there (blockRest); the
    // caller has made sure it lies in a block (nullptr otherwise, in a space made inPlace).
    const char* at(uint64_t address) const {
        if (inPlace_) return atInPlace(address);
        return bytes_.data() + static_cast<size_t>(address);
    }
    // The bytes from `address` to the end of its block; empty when no block holds it.
    std::string_view blockRest(uint64_t address) const;
    // The word at `address`; the caller has made sure it lies in a block (in a space made inPlace,
    // a word that does not reads as 0).
    uint32_t word(uint64_t address) const {
        if (inPlace_) return wordInPlace(address);
        return loadLittleEndian<uint32_t>(bytes_.data() + static_cast<size_t>(address));
    }

    // The string of the string table that starts at `address`.
    std::optional<std::string_view> tableString(uint32_t address) const;
    // The name the symbol reference of slot `slot` gives, or nullptr when none names the slot.
    const std::string* referenceAt(uint32_t slot) const;

    const std::vector<LoaderType>& loaderTypes() const { return loaderTypes_; }
    // Every structure the loaders list, in loader order (.common first), then those that only a
    // symbol names.
    const std::vector<SpaceStructure>& structures() const { return structures_; }
    // The .common file's extra-data entries, in file order.
    const std::vector<std::string_view>& extraData() const { return extraData_; }

private:
    static StructureSpace of(const OvlPairReader& pair, bool inPlace);
    const char* atInPlace(uint64_t address) const;
    uint32_t wordInPlace(uint64_t address) const;
    void addStructuresOf(std::vector<SpaceStructure> loaderStructures, std::vector<SpaceStructure> symbolStructures);

    std::string names_[2];
    std::string ownedBytes_;
    std::string_view bytes_;
    uint32_t size_ = 0;
    bool inPlace_ = false;
    std::vector<SpaceBlock> blocks_;  // non-empty blocks in address order
    uint32_t commonSize_ = 0;
    std::map<uint32_t, std::string> strings_;
    std::map<uint32_t, std::string> references_;
    std::vector<LoaderType> loaderTypes_;
    std::vector<SpaceStructure> structures_;
    std::vector<std::string_view> extraData_;
};

}  // namespace zw
