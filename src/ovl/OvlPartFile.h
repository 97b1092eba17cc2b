#pragma once
// One of the nine part files of a pair under construction, kept in memory: its bytes, its block
// table and its relocation list.
//
// Blocks of a part file are contiguous: block 1 starts at 0 and each block starts where the one
// before ends, so the file's end is always the end of its last block. Bytes are always appended to
// the current (last) block, which grows by their number. A part file without blocks has no bytes.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

class OvlPartFile {
public:
    struct Block {
        uint32_t offset = 0;
        uint32_t size = 0;
    };

    // The block table holds at most this many blocks.
    static constexpr size_t kMaxBlocks = 250;

    // Empties the file and its tables and gives it `blocks` (0 or 1) empty blocks.
    void reset(size_t blocks);

    const std::string& bytes() const { return bytes_; }
    uint32_t end() const { return static_cast<uint32_t>(bytes_.size()); }
    const std::vector<Block>& blocks() const { return blocks_; }

    // Starts a new empty block at the end. When the table is full the new block is not made and the
    // bytes that follow stay in the last block; addresses are the same either way, since they count
    // bytes, not blocks. Returns whether a block was made.
    bool startBlock();

    // Makes room for `bytes` bytes in all, so appending up to there moves nothing.
    void reserve(size_t bytes) { bytes_.reserve(bytes); }

    // Appends bytes to the current block. Throws std::logic_error when the file has no block.
    void append(std::string_view raw);
    void appendWord(uint32_t value);

    // Reads or overwrites a word already written (std::out_of_range past the end).
    uint32_t wordAt(uint32_t position) const;
    void patchWord(uint32_t position, uint32_t value);

    // The positions of the slots that hold addresses, in recording order.
    const std::vector<uint32_t>& relocations() const { return relocations_; }
    void addRelocation(uint32_t position) { relocations_.push_back(position); }

private:
    std::string bytes_;
    std::vector<Block> blocks_;
    std::vector<uint32_t> relocations_;
};

// Copies block `block` (1-based) of `part` to `destination` in pieces of at most 1000 bytes: while
// more than 1000 bytes remain, 1000 are given; then the rest (a block of exactly 1000 bytes is one
// piece, an empty block none).
void copyBlockInChunks(const OvlPartFile& part, size_t block,
                                   const std::function<void(std::string_view)>& destination);

}  // namespace zw
