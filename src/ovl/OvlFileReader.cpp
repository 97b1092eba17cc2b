#include "ovl/OvlFileReader.h"

namespace zw {
namespace {

std::string shortText(ByteReader& in) {
    const uint16_t length = in.u16();
    return std::string(in.bytes(length));
}

}  // namespace

OvlFileHeader readOvlFileStart(ByteReader& in) {
    OvlFileHeader header;
    header.hasOvlMagic = in.bytesAt(in.position(), kOvlMagic.size()) == kOvlMagic;
    header.magic = in.u32();
    header.reserved = in.u32();
    header.version = in.u32();
    return header;
}

OvlFileHeader readOvlFileHeader(ByteReader& in) {
    OvlFileHeader header = readOvlFileStart(in);
    readOvlFileHeaderRest(in, header);
    return header;
}

void readOvlFileHeaderRest(ByteReader& in, OvlFileHeader& header) {
    const uint32_t references = in.u32();
    for (uint32_t i = 0; i < references; ++i) header.references.push_back(shortText(in));
    header.spare = in.u32();
    const uint32_t types = in.u32();
    for (uint32_t i = 0; i < types; ++i) {
        LoaderType type;
        type.loader = shortText(in);
        type.type = shortText(in);
        type.number = in.u32();
        type.tag = shortText(in);
        header.loaderTypes.push_back(std::move(type));
    }
}

OvlBlockCounts readOvlBlockCounts(ByteReader& in) {
    OvlBlockCounts counts{};
    for (uint32_t& count : counts) count = in.u32();
    return counts;
}

std::vector<OvlBlock> readOvlBlocks(ByteReader& in, const OvlBlockCounts& counts) {
    std::vector<OvlBlock> blocks;  // not reserved: the counts are not trusted before the bytes are there
    for (int type = 0; type < kOvlBlockTypeCount; ++type) {
        for (uint32_t index = 1; index <= counts[type] && index != 0; ++index) {
            OvlBlock block;
            block.type = type;
            block.index = index;
            block.size = in.u32();
            block.fileOffset = in.position();
            in.skip(block.size);
            blocks.push_back(block);
        }
    }
    return blocks;
}

std::vector<uint32_t> readOvlRelocations(ByteReader& in) {
    const uint32_t count = in.u32();
    if (count > (in.size() - in.position()) / 4) in.fail("relocation count " + std::to_string(count) + " runs past the end");
    std::vector<uint32_t> relocations(count);
    for (uint32_t& r : relocations) r = in.u32();
    return relocations;
}

std::vector<OvlExtraData> readOvlExtraData(ByteReader& in) {
    std::vector<OvlExtraData> entries;
    while (!in.atEnd()) {
        OvlExtraData entry;
        entry.size = in.u32();
        entry.fileOffset = in.position();
        in.skip(entry.size);
        entries.push_back(entry);
    }
    return entries;
}

const OvlBlock* OvlFile::block(int type, uint32_t index) const {
    for (const OvlBlock& b : blocks) {
        if (b.type == type && b.index == index) return &b;
    }
    return nullptr;
}

namespace {

void readSteps(OvlFile& file, OvlFileExtent extent) {
    ByteReader in(file.bytes(), file.name);
    file.header = readOvlFileHeader(in);
    file.blockCounts = readOvlBlockCounts(in);
    file.blocks = readOvlBlocks(in, file.blockCounts);
    if (extent == OvlFileExtent::UpToBlocks) return;
    file.relocations = readOvlRelocations(in);
    file.extraData = readOvlExtraData(in);
}

}  // namespace

OvlFile readOvlFile(std::string bytes, std::string name, OvlFileExtent extent) {
    OvlFile file;
    file.name = std::move(name);
    file.ownedBytes_ = std::move(bytes);
    readSteps(file, extent);
    return file;
}

OvlFile readKeptOvlFile(std::string_view bytes, std::string name, OvlFileExtent extent) {
    OvlFile file;
    file.name = std::move(name);
    file.keptBytes_ = bytes;
    file.kept_ = true;
    readSteps(file, extent);
    return file;
}

}  // namespace zw
