#pragma once
// Icon pairs as a ride author places them beside a ride data file (Style.common.ovl /
// Style.unique.ovl), built byte by byte from the OVL file layout, with the faults the ride build
// must refuse.
//
// A file: "FGRK", 0, version, references, 0, loader types, nine block counts, the blocks (size word
// and bytes), relocation count and words, extra-data entries (size word and bytes).

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zw::test {

struct IconOvlFile {
    uint32_t version = 1;
    std::vector<std::string> references;
    // Rows of loader name, type name, number, tag.
    struct Row {
        std::string loader, type;
        uint32_t number = 1;
        std::string tag;
    };
    std::vector<Row> loaderTypes{{"FGDK", "Flic", 1, "flic"}, {"FGDK", "Texture", 1, "tex"}};
    // Blocks by type: the counts are the number of blocks of each type.
    std::array<std::vector<std::string>, 9> blocks;
    // A count word written instead of the real one of a type (its blocks are then not written).
    std::optional<std::pair<int, uint32_t>> forcedCount;
    std::vector<uint32_t> relocations;
    std::vector<std::string> extraData;

    std::string bytes() const;
};

// Picture data that an icon pair holds: `size` bytes, a 64 x 64 DXT1 picture header when they have
// room for one, then recognisable bytes.
std::string iconPicture(uint32_t size = 2096, char seed = 'P');

// A plausible icon file: a string table, two structure blocks, three relocations and `extraData`.
IconOvlFile iconOvlFile(std::vector<std::string> extraData);

enum class StyleIconFault {
    None,               // picture (2096 bytes, seed 'P') in the .common file; no .unique file
    PictureInUnique,    // .common holds only a 4-byte entry, the picture is in .unique
    CommonMissing,      // 450
    CommonVersion,      // 451: version 2
    CommonBlockCount,   // 452: a block count of 51
    UniqueMissing,      // 453: .common without picture, no .unique file
    UniqueVersion,      // 454
    UniqueBlockCount,   // 455
    NoPicture,          // 456: neither file has an entry that is not 4 bytes long
    CommonTruncated,    // a block runs past the end of the .common file
};

// Writes the pair <folder>/<name>.common.ovl / .unique.ovl with `fault`.
void writeStyleIconPair(const std::filesystem::path& folder, StyleIconFault fault, const std::string& name = "Style");

}  // namespace zw::test
