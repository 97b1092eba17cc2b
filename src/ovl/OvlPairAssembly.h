#pragma once
// Assembling the pair that an OvlWriter holds into its two files.
//
// In this order: the address of byte p of part file n is base[n] + p, with base[1] = 0 and each
// part file following the one before; every placeholder is replaced by its pointer's address;
// each symbol table with two or more entries is put in name order (OvlSymbolOrder.h), the name
// and structure words moving together while the third words stay, and each loader's symbol field
// follows its own symbol; then both files are laid out:
//
//   .common: block counts 1 + blocks(2), 0, 2, 0, blocks(5), 0, 0, 0, 0;
//            type 0: part file 1, the blocks of 2; type 2: part files 3, 4; type 4: the blocks of 5;
//            relocations of part files 1 … 5; then the extra-data entries.
//   .unique: block counts 0, 0, 3 + blocks(9), 0, 0, 0, 0, 0, 0;
//            type 2: part files 6, 7, 8, the blocks of 9; relocations of part files 6 … 9.
//
// Relocations keep their recording order within each part file and become base[n] + position.

#include <filesystem>
#include <string>
#include <vector>

#include "base/Messages.h"
#include "ovl/OvlFormat.h"

namespace zw {

class Report;
class OvlWriter;

// What the builder gives the assembly besides the writer's tables.
struct OvlPairContents {
    std::vector<LoaderType> loaderTypes;          // written into both files
    std::vector<std::string> commonReferences;    // header references of the .common file
    std::vector<std::string> uniqueReferences;    // header references of the .unique file
    std::vector<std::string> commonExtraData;     // entries after the .common relocations
};

struct OvlPairBytes {
    std::string common;
    std::string unique;
};

// The two files of the pair under construction; the writer is left as it is.
// Throws std::logic_error when a slot does not hold a valid placeholder.
OvlPairBytes assemblePairBytes(const OvlWriter& writer, const OvlPairContents& contents);

// Assembles the pair and writes it to `commonPath` and `uniquePath`: both files are first written
// in full under temporary names beside them, and only then renamed over earlier files as one step
// (FilePairReplace.h), so a failed write leaves an earlier pair as it was. The writer's tables are
// taken over and resolved where they stand, and each file is written from its pieces (header, the
// part files' blocks, relocations), so the pair is never copied whole; the writer is left empty,
// whatever the outcome. True on success; on failure a message naming the file, and what became of
// the common file, is reported and false returned.
bool assemblePair(OvlWriter& writer, const OvlPairContents& contents, const std::filesystem::path& commonPath,
                  const std::filesystem::path& uniquePath, Report& report);

}  // namespace zw
