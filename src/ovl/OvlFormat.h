#pragma once
// The fixed facts of the OVL container (version 1) that the writer and the pair reader share:
// the nine part files a pair is built from, the sizes of the table entries, and a loader type row.
//
// A pair is two files, <name>.common.ovl and <name>.unique.ovl. Each begins with
//   "FGRK", 0, version 1, reference count R, R × (u16 length, characters), 0,
//   loader type count L, L × (u16 length + loader name, u16 length + type name, u32 number,
//   u16 length + tag),
// then nine block counts (block types 0 … 8), the blocks of type 0, 1, … each as a size word and
// that many bytes, a relocation count and that many relocation words. The .common file may end
// with extra-data entries (a size word and that many bytes each).
//
// The data of all blocks laid end to end, .common first, forms one address space; every address in
// the pair (pointer values, relocation entries, table fields) is a position in it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zw {

// The part files of a pair under construction, numbered as the blocks they become stand in the pair
// (the numbers order the part files in the address space and name them in messages).
enum class OvlPart {
    StringTable = 1,        // .common type 0, block 1: NUL-terminated names
    CommonData = 2,         // .common type 0, blocks 2 …: e.g. texture pixels
    CommonSymbols = 3,      // .common type 2, block 1: 12-byte symbol entries
    CommonLoaders = 4,      // .common type 2, block 2: 20-byte loader entries
    CommonStructures = 5,   // .common type 4: structures of the common file
    UniqueSymbols = 6,      // .unique type 2, block 1
    UniqueLoaders = 7,      // .unique type 2, block 2
    SymbolReferences = 8,   // .unique type 2, block 3: 12-byte symbol references
    UniqueStructures = 9,   // .unique type 2, blocks 4 …: structures of the unique file
};
constexpr int kOvlPartCount = 9;

// The part file's number, 1 … 9, and its 0-based position in a table of all part files.
constexpr int partNumber(OvlPart part) { return static_cast<int>(part); }
constexpr size_t partIndex(OvlPart part) { return static_cast<size_t>(partNumber(part) - 1); }
// The part file numbered `number` (1 … 9).
constexpr OvlPart partOfNumber(int number) { return static_cast<OvlPart>(number); }

enum class OvlFileKind { Common, Unique };

inline constexpr std::string_view kOvlMagic = "FGRK";  // the first four bytes of every OVL file
constexpr uint32_t kOvlVersion = 1;
constexpr int kOvlBlockTypeCount = 9;

// Symbol entry: name address, structure address, 1.
constexpr uint32_t kSymbolEntrySize = 12;
// Loader entry: loader type, structure address, extra-data mark, symbol entry address (0 without
// symbol), number of symbol references made by the structure.
constexpr uint32_t kLoaderEntrySize = 20;
constexpr uint32_t kLoaderTypeField = 0;
constexpr uint32_t kLoaderStructureField = 4;
constexpr uint32_t kLoaderExtraDataField = 8;
constexpr uint32_t kLoaderSymbolField = 12;
constexpr uint32_t kLoaderReferenceCountField = 16;
// Symbol reference: slot address, name address, loader entry address.
constexpr uint32_t kSymbolReferenceEntrySize = 12;

// One row of a pair's LoaderTypeList; its 0-based position is the loader type of a loader entry.
struct LoaderType {
    std::string loader;  // "RCT3" or "FGDK"
    std::string type;    // "TrackedRide", "RideCar", …
    uint32_t number = 1;
    std::string tag;     // "trr", "ric", …
    bool operator==(const LoaderType&) const = default;
};

}  // namespace zw
