#pragma once
// Reading one file of an OVL pair (version 1), step by step, through the bounds-checked reader:
// the header, the block counts, the blocks, the relocations and any extra data. Each step throws
// BinaryReadError naming the file when it would read past the end. The steps are separate so that
// a caller can check the version or the block counts before it reads on.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ovl/ByteReader.h"
#include "ovl/OvlFormat.h"

namespace zw {

struct OvlFileHeader {
    uint32_t magic = 0;  // "FGRK" read as a little-endian word
    bool hasOvlMagic = false;  // the file starts with "FGRK"
    uint32_t reserved = 0;
    uint32_t version = 0;
    std::vector<std::string> references;
    uint32_t spare = 0;
    std::vector<LoaderType> loaderTypes;
};

using OvlBlockCounts = std::array<uint32_t, kOvlBlockTypeCount>;

struct OvlBlock {
    int type = 0;            // block type 0 … 8
    uint32_t index = 0;      // 1-based within its type
    size_t fileOffset = 0;   // of its first data byte (after the size word)
    uint32_t size = 0;
};

struct OvlExtraData {
    size_t fileOffset = 0;   // of its first data byte
    uint32_t size = 0;
};

// The header's first three words: the magic (checked into `hasOvlMagic`), the reserved word and the
// version. What follows from them is left to the caller, as each answers its own way: the readers of
// model, icon and track set pairs refuse another version but take any magic, as files made by other
// tools are taken; the inspector lists both.
OvlFileHeader readOvlFileStart(ByteReader& in);
// The rest of the header after its start: references, spare word and loader types.
void readOvlFileHeaderRest(ByteReader& in, OvlFileHeader& header);
// Both: the whole header. This is the only reader of an OVL file's header.
OvlFileHeader readOvlFileHeader(ByteReader& in);
// The nine block counts.
OvlBlockCounts readOvlBlockCounts(ByteReader& in);
// The blocks that `counts` announce, in file order; the reader ends after the last one.
std::vector<OvlBlock> readOvlBlocks(ByteReader& in, const OvlBlockCounts& counts);
// The relocation count and entries.
std::vector<uint32_t> readOvlRelocations(ByteReader& in);
// Extra-data entries (a size word and that many bytes each) up to the end of the file.
std::vector<OvlExtraData> readOvlExtraData(ByteReader& in);

// How much of a file to read: all of it, or up to the last block (a model pair's relocations and
// whatever follows them are not needed and not checked).
enum class OvlFileExtent { Whole, UpToBlocks };

// A whole file, read by all the steps above. Its bytes are owned here, or lie in memory the caller
// keeps for as long as the file is used (readKeptOvlFile).
struct OvlFile {
    std::string name;   // names the file in errors and listings
    OvlFileHeader header;
    OvlBlockCounts blockCounts{};
    std::vector<OvlBlock> blocks;
    std::vector<uint32_t> relocations;
    std::vector<OvlExtraData> extraData;

    std::string_view bytes() const { return kept_ ? keptBytes_ : std::string_view(ownedBytes_); }

    // Block `index` (1-based) of `type`, or nullptr.
    const OvlBlock* block(int type, uint32_t index) const;
    // The bytes of a block or an extra-data entry.
    std::string_view data(const OvlBlock& block) const { return bytes().substr(block.fileOffset, block.size); }
    std::string_view data(const OvlExtraData& entry) const { return bytes().substr(entry.fileOffset, entry.size); }

private:
    friend OvlFile readOvlFile(std::string, std::string, OvlFileExtent);
    friend OvlFile readKeptOvlFile(std::string_view, std::string, OvlFileExtent);
    std::string ownedBytes_;
    std::string_view keptBytes_;
    bool kept_ = false;
};

OvlFile readOvlFile(std::string bytes, std::string name, OvlFileExtent extent = OvlFileExtent::Whole);
// The same without a copy of the bytes: they must outlive the file and stay unchanged while it is used.
OvlFile readKeptOvlFile(std::string_view bytes, std::string name, OvlFileExtent extent = OvlFileExtent::Whole);


}  // namespace zw
