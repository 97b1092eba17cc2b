#pragma once
// A built pair read back for the tests: the two files parsed by the container's rules into blocks
// placed in the pair's address space, so a test can read any structure by address and check each
// field against the word it expects.

#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zw::test {

struct ParsedOvlFile {
    std::vector<std::string> references;
    std::vector<std::string> loaderTypeRows;  // "loader/type/number/tag"
    uint32_t blockCounts[9] = {};
    struct Block {
        uint32_t type = 0;
        uint32_t address = 0;
        std::string bytes;
    };
    std::vector<Block> blocks;
    std::vector<uint32_t> relocations;
    std::vector<std::string> extraData;

    // The b-th block (0-based) of block type `type`.
    const Block& block(uint32_t type, size_t b) const;
};

struct ParsedRidePair {
    ParsedOvlFile common;
    ParsedOvlFile unique;
    std::string space;  // every block's data, end to end, .common first

    // The symbol entries of the .unique file by name, and the symbol references by slot address.
    std::map<std::string, uint32_t> uniqueSymbols;  // name -> structure address
    struct Loader {
        uint32_t type, structure, extraData, symbol, references;
    };
    std::vector<Loader> uniqueLoaders;
    std::map<uint32_t, std::string> referenceBySlot;
    std::set<uint32_t> relocated;  // every relocation entry of both files

    uint32_t word(uint32_t address) const;
    float floatAt(uint32_t address) const;
    std::string text(uint32_t address) const;  // NUL-terminated
    std::string wideText(uint32_t address) const;  // 16-bit text, high bytes dropped

    uint32_t trackedRide() const { return unique.block(2, 3).address; }
    uint32_t rideDataBlock() const { return common.block(4, 0).address; }
};

// Reads both files of the pair; a malformed file fails the test through an exception.
ParsedRidePair parseRidePair(const std::filesystem::path& common, const std::filesystem::path& unique);

}  // namespace zw::test
