#pragma once
// An OVL pair read whole: both files, the address space their blocks form, and the tables the
// writer makes (string table, symbols, loaders, symbol references).
//
// The address space is the data of all blocks without their size words, laid end to end in file
// order, the .common file first. Tables are found where the writer puts them: the string table is
// the first type-0 block of the .common file; each file's symbol table and loader table are its
// first and second type-2 blocks; the symbol references are the third type-2 block of the .unique
// file. A table that is missing reads as empty; a partial entry at a table's end is not read.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ovl/OvlFileReader.h"

namespace zw {

struct OvlSymbolEntry {
    uint32_t entryAddress = 0;
    uint32_t nameAddress = 0;
    uint32_t structureAddress = 0;
    uint32_t third = 0;
};

struct OvlLoaderEntry {
    uint32_t entryAddress = 0;
    uint32_t loaderType = 0;
    uint32_t structureAddress = 0;
    uint32_t extraData = 0;
    uint32_t symbolAddress = 0;  // 0 for a loader without symbol
    uint32_t referenceCount = 0;
};

struct OvlSymbolReferenceEntry {
    uint32_t entryAddress = 0;
    uint32_t slotAddress = 0;
    uint32_t nameAddress = 0;
    uint32_t loaderAddress = 0;
};

// The two file names of a pair given as "<dir>/<name>", "<dir>/<name>.common.ovl" or
// "<dir>/<name>.unique.ovl".
struct OvlPairPaths {
    std::filesystem::path common;
    std::filesystem::path unique;
};
OvlPairPaths ovlPairPaths(const std::filesystem::path& pairOrFile);

class OvlPairReader {
public:
    // Reads both files from bytes; throws BinaryReadError naming the file that is malformed.
    OvlPairReader(std::string commonBytes, std::string commonName, std::string uniqueBytes, std::string uniqueName);
    // A pair of files read already (e.g. step by step, with checks between the steps).
    OvlPairReader(OvlFile common, OvlFile unique);
    // Both files read from bytes the caller keeps, without a copy: they must outlive the reader (a
    // caller that reads pair after pair into the same memory).
    static OvlPairReader ofKeptBytes(std::string_view commonBytes, std::string commonName, std::string_view uniqueBytes,
                                     std::string uniqueName);

    const OvlFile& file(OvlFileKind kind) const { return kind == OvlFileKind::Common ? common_ : unique_; }
    const OvlFile& common() const { return common_; }
    const OvlFile& unique() const { return unique_; }

    // Where an address lies: the file, the block and the position in the file.
    struct Location {
        OvlFileKind file;
        const OvlBlock* block;
        uint32_t blockAddress;  // the address of the block's first byte
        size_t fileOffset;
    };
    uint32_t addressSpaceSize() const { return size_; }
    std::optional<Location> locate(uint32_t address) const;
    // The address of the first byte of `block` of `kind`.
    uint32_t blockAddress(OvlFileKind kind, const OvlBlock& block) const;
    // The word at `address`, if its 4 bytes lie in one block.
    std::optional<uint32_t> wordAt(uint32_t address) const;
    // The bytes of the address space in order: what a help file holds.
    std::string addressSpaceBytes() const;
    // The same bytes in `out` (its content replaced, its memory kept).
    void addressSpaceBytesInto(std::string& out) const;

    // The string at `address` if it starts inside the string table and ends with a NUL there.
    std::optional<std::string_view> stringAt(uint32_t address) const;

    std::vector<OvlSymbolEntry> symbols(OvlFileKind kind) const;
    std::vector<OvlLoaderEntry> loaders(OvlFileKind kind) const;
    std::vector<OvlSymbolReferenceEntry> symbolReferences() const;

private:
    struct Placed {
        OvlFileKind file;
        size_t block;  // index into the file's blocks (indices, so that copies stay valid)
        uint32_t address;
    };
    const OvlBlock& blockOf(const Placed& p) const { return file(p.file).blocks[p.block]; }
    // The whole entries of `Words` words of a table block, each made by `make` from its address and words.
    template <size_t Words, class Entry, class Make>
    std::vector<Entry> entries(OvlFileKind kind, int type, uint32_t index, Make make) const;

    OvlFile common_;
    OvlFile unique_;
    std::vector<Placed> placed_;  // every block, in address order
    uint32_t size_ = 0;
};

}  // namespace zw
