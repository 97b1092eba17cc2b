#pragma once
// OVL pairs composed byte by byte from the documented file layout, the way the Importer lays its
// pairs out, without the program's writer. For tests of the readers of model and spline pairs.
//
// Layout made:
//   .common: type 0 block 1 the string table (symbol names, then reference names, then the further
//            strings, each with a NUL); type 2 block 1 the symbols (12 bytes: name address, data
//            address, 1), block 2 the loaders (20 bytes: type, data address, 0, symbol address, 0);
//            type 4 block 1 the common items, block 2 the common data items. Each loader has the
//            type its symbol asks for (a row of `loaderTypes`, written into both headers).
//   .unique: type 2 blocks 1 … 3 symbols, loaders, symbol references (12 bytes: slot address,
//            name address, loader address of the first unique loader or 0); block 4 the unique
//            items; block 5 the unique data items.
// Items are pieces of bytes; a piece may be a word holding the address of another item (plus an
// offset) or of a further string, resolved when the bytes are made. Each such word and each
// address field of the tables is listed in the relocation table.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ovl/OvlFormat.h"
#include "support/GameFolderFixture.h"

namespace zw::test {

// Little-endian pieces, written by hand (le16 and le32 come with the game folder fixture).
std::string leFloat(float value);

class HandMadeOvlPair {
public:
    enum class File { Common, Unique };
    // Where an item goes: the file's structure block, or its data block after it.
    enum class Area { Structures, Data };

    struct Piece {
        std::string raw;        // used when target < 0
        int target = -1;        // an item number: the piece is a word with that item's address + plus
        uint32_t plus = 0;
        int string = -1;        // an entry of `strings`: the piece is a word with that string's address
    };
    struct Item {
        File file = File::Common;
        Area area = Area::Structures;
        std::vector<Piece> pieces;
    };
    struct Symbol {
        std::string name;
        int item = -1;                          // the data address is this item's address …
        std::optional<uint32_t> rawAddress;     // … or this word
        std::optional<uint32_t> rawNameAddress; // replaces the name's address
        File file = File::Common;
        uint32_t loaderType = 0;                // the row of `loaderTypes` its loader names
    };
    struct Reference {
        int item = 0;  // the slot lies in this item …
        uint32_t offset = 0;  // … at this offset
        std::string name;
    };
    // Per-file header and block-count faults.
    struct FileFaults {
        uint32_t magic = 0x4B524746;  // "FGRK"
        uint32_t version = 1;
        std::optional<std::array<uint32_t, 9>> blockCounts;  // written instead of the real counts
        bool emptyStringTable = false;                       // .common only
        bool noStringTable = false;                          // .common only: no type-0 block
        uint32_t emptyType5Blocks = 0;                       // empty blocks of type 5 added
    };

    std::vector<Item> items;
    std::vector<Symbol> symbols;
    std::vector<Reference> references;
    std::vector<std::string> strings;  // further names of the string table, after those of symbols and references
    FileFaults commonFaults;
    FileFaults uniqueFaults;
    std::vector<std::string> headerReferences;  // references listed in both headers
    // The LoaderTypeList of both headers; one Spline row unless a fixture gives its own.
    std::vector<LoaderType> loaderTypes = {{"FGDK", "Spline", 1, "spl"}};

    int addItem(File file, Area area, std::vector<Piece> pieces);
    void addSymbol(std::string name, int item, File file = File::Common, uint32_t loaderType = 0);

    // The address of an item in the finished pair.
    uint32_t address(int item) const;

    std::string commonBytes() const;
    std::string uniqueBytes() const;
    // Writes <folder>/<name>.common.ovl and .unique.ovl.
    void write(const std::string& folder, const std::string& name) const;

private:
    struct Layout;
    Layout layout() const;
    // The bytes of the items of `file` in `area`, laid out as `layout` places them; the address words
    // among them are added to `relocations`.
    std::string itemBlock(const Layout& layout, File file, Area area, std::vector<uint32_t>& relocations) const;
};

}  // namespace zw::test
