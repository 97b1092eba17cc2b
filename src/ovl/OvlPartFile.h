#pragma once
// One of the nine part files of a pair under construction, kept in memory: its bytes, its block
// table and its relocation list.
//
// Blocks of a part file are contiguous: block 1 starts at 0 and each block starts where the one
// before ends, so the file's end is always the end of its last block. Bytes are always appended to
// the current (last) block, which grows by their number. A part file without blocks has no bytes.
//
// The bytes are kept as runs: bytes made for the file are copied into its own store, while large
// runs of bytes that stay where they are until the pair is written (a model's vertices, indices and
// pixels, `appendLasting`) are only referred to, so a model's data is never copied in memory
// before it is written out.

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
    // Lasting bytes shorter than this are copied all the same: referring to them saves nothing.
    static constexpr size_t kLastingRunMinimum = 4096;

    // Empties the file and its tables and gives it `blocks` (0 or 1) empty blocks.
    void reset(size_t blocks);

    // All bytes of the file, copied into one string (for small part files and for tests).
    std::string bytes() const;
    // The `size` bytes from `offset` as the runs they are kept in, in order; the views stay valid
    // while the file is not changed and the lasting bytes live.
    std::vector<std::string_view> pieces(uint32_t offset, uint32_t size) const;

    uint32_t end() const { return end_; }
    const std::vector<Block>& blocks() const { return blocks_; }

    // Starts a new empty block at the end. When the table is full the new block is not made and the
    // bytes that follow stay in the last block; addresses are the same either way, since they count
    // bytes, not blocks. Returns whether a block was made.
    bool startBlock();

    // Appends bytes to the current block, copied. Throws std::logic_error when the file has no block.
    void append(std::string_view raw);
    void appendWord(uint32_t value);
    // Appends bytes that stay unchanged where they are until the pair has been written: runs of
    // kLastingRunMinimum bytes or more are referred to rather than copied.
    void appendLasting(std::string_view raw);

    // Reads or overwrites a word already written (std::out_of_range past the end). Only copied bytes
    // can be overwritten (std::logic_error for a word of lasting bytes).
    uint32_t wordAt(uint32_t position) const;
    void patchWord(uint32_t position, uint32_t value);

    // The positions of the slots that hold addresses, in recording order.
    const std::vector<uint32_t>& relocations() const { return relocations_; }
    void addRelocation(uint32_t position) { relocations_.push_back(position); }

private:
    // A run of the file's bytes from `start`: `lasting` bytes kept elsewhere, or (nullptr) bytes of
    // the own store from `stored`.
    struct Run {
        uint32_t start = 0;
        uint32_t size = 0;
        const char* lasting = nullptr;
        size_t stored = 0;
    };
    void grow(size_t count);
    size_t runAt(uint32_t position) const;  // the index of the run holding `position`
    std::string_view view(const Run& run) const;

    std::string store_;
    std::vector<Run> runs_;
    uint32_t end_ = 0;
    std::vector<Block> blocks_;
    std::vector<uint32_t> relocations_;
};

// Copies block `block` (1-based) of `part` to `destination` in pieces of at most 1000 bytes: while
// more than 1000 bytes remain, 1000 are given; then the rest (a block of exactly 1000 bytes is one
// piece, an empty block none).
void copyBlockInChunks(const OvlPartFile& part, size_t block,
                                   const std::function<void(std::string_view)>& destination);

}  // namespace zw
