#include "support/StyleIconPair.h"

#include "support/GameFolderFixture.h"
#include "support/TempFolder.h"

namespace zw::test {
namespace {

void u16(std::string& out, uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}
void u32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}
void text(std::string& out, const std::string& t) {
    u16(out, static_cast<uint16_t>(t.size()));
    out += t;
}

}  // namespace

std::string IconOvlFile::bytes() const {
    std::string out = "FGRK";
    u32(out, 0);
    u32(out, version);
    u32(out, static_cast<uint32_t>(references.size()));
    for (const std::string& r : references) text(out, r);
    u32(out, 0);
    u32(out, static_cast<uint32_t>(loaderTypes.size()));
    for (const Row& row : loaderTypes) {
        text(out, row.loader);
        text(out, row.type);
        u32(out, row.number);
        text(out, row.tag);
    }
    for (int type = 0; type < 9; ++type) {
        if (forcedCount && forcedCount->first == type) {
            u32(out, forcedCount->second);
        } else {
            u32(out, static_cast<uint32_t>(blocks[type].size()));
        }
    }
    for (int type = 0; type < 9; ++type) {
        if (forcedCount && forcedCount->first == type) continue;
        for (const std::string& block : blocks[type]) {
            u32(out, static_cast<uint32_t>(block.size()));
            out += block;
        }
    }
    u32(out, static_cast<uint32_t>(relocations.size()));
    for (uint32_t r : relocations) u32(out, r);
    for (const std::string& entry : extraData) {
        u32(out, static_cast<uint32_t>(entry.size()));
        out += entry;
    }
    return out;
}

std::string iconPicture(uint32_t size, char seed) {
    // The picture header of a 64 x 64 DXT1 picture (16 rows of 128 bytes) when there is room for it.
    std::string picture;
    if (size >= 32 + 128 * 16) {
        for (uint32_t word : {18u, 64u, 64u, 1u, 64u, 64u, 128u, 16u}) picture += le32(word);
    }
    for (uint32_t i = static_cast<uint32_t>(picture.size()); i < size; ++i) {
        picture += static_cast<char>(seed + static_cast<char>(i % 7));
    }
    return picture;
}

IconOvlFile iconOvlFile(std::vector<std::string> extraData) {
    IconOvlFile file;
    file.blocks[0] = {std::string("StyleIcon:gsi\0", 14)};
    // A word that looks like a size (4) inside a block, so a reader that does not skip blocks trips.
    file.blocks[2] = {std::string("\x04\0\0\0\x01\0\0\0", 8), std::string(20, '\x02')};
    file.relocations = {4, 8, 12};
    file.extraData = std::move(extraData);
    return file;
}

void writeStyleIconPair(const std::filesystem::path& folder, StyleIconFault fault, const std::string& name) {
    const std::filesystem::path common = folder / (name + ".common.ovl");
    const std::filesystem::path unique = folder / (name + ".unique.ovl");
    const std::string fourBytes("\x01\x02\x03\x04", 4);
    IconOvlFile withPicture = iconOvlFile({iconPicture()});
    IconOvlFile withoutPicture = iconOvlFile({fourBytes});

    switch (fault) {
        case StyleIconFault::None:
            writeBytes(common, withPicture.bytes());
            break;
        case StyleIconFault::PictureInUnique:
            writeBytes(common, withoutPicture.bytes());
            writeBytes(unique, iconOvlFile({fourBytes, iconPicture(2096, 'U')}).bytes());
            break;
        case StyleIconFault::CommonMissing:
            writeBytes(unique, withPicture.bytes());
            break;
        case StyleIconFault::CommonVersion:
            withPicture.version = 2;
            writeBytes(common, withPicture.bytes());
            break;
        case StyleIconFault::CommonBlockCount:
            withPicture.forcedCount = {{4, 51}};
            writeBytes(common, withPicture.bytes());
            break;
        case StyleIconFault::UniqueMissing:
            writeBytes(common, withoutPicture.bytes());
            break;
        case StyleIconFault::UniqueVersion:
            writeBytes(common, withoutPicture.bytes());
            withPicture.version = 0;
            writeBytes(unique, withPicture.bytes());
            break;
        case StyleIconFault::UniqueBlockCount:
            writeBytes(common, withoutPicture.bytes());
            withPicture.forcedCount = {{8, 51}};
            writeBytes(unique, withPicture.bytes());
            break;
        case StyleIconFault::NoPicture:
            writeBytes(common, withoutPicture.bytes());
            writeBytes(unique, iconOvlFile({}).bytes());
            break;
        case StyleIconFault::CommonTruncated: {
            const std::string bytes = withPicture.bytes();
            // Cut inside the first structure block: its size word promises more than is there.
            writeBytes(common, bytes.substr(0, bytes.find(std::string(20, '\x02')) + 5));
            break;
        }
    }
}

}  // namespace zw::test
