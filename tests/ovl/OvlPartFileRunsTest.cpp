// A part file that refers to lasting bytes must read, patch and write exactly as one that copied
// them: the same random appends are made to two files, one with appendLasting, one with append.

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "ovl/OvlPartFile.h"

namespace zw {
namespace {

std::string joined(const std::vector<std::string_view>& pieces) {
    std::string all;
    for (std::string_view piece : pieces) all += piece;
    return all;
}

TEST(OvlPartFileRuns, LastingBytesReadAndWriteAsCopiedOnes) {
    std::mt19937 random(20261210);
    for (int round = 0; round < 40; ++round) {
        // The lasting bytes: a model's data, which outlives the part file.
        std::string model(1 << 16, '\0');
        for (char& c : model) c = static_cast<char>(random());
        OvlPartFile referring, copying;
        referring.reset(1);
        copying.reset(1);
        std::vector<uint32_t> ownWords;
        for (int step = 0; step < 30; ++step) {
            switch (random() % 4) {
                case 0: {
                    const uint32_t word = static_cast<uint32_t>(random());
                    ownWords.push_back(copying.end());
                    referring.appendWord(word);
                    copying.appendWord(word);
                    break;
                }
                case 1:
                    EXPECT_EQ(referring.startBlock(), copying.startBlock());
                    break;
                default: {
                    // Runs on both sides of the size from which bytes are referred to.
                    const size_t size = random() % 2 ? random() % 64 : OvlPartFile::kLastingRunMinimum - 8 + random() % 16;
                    const std::string_view run = std::string_view(model).substr(random() % (model.size() - size), size);
                    referring.appendLasting(run);
                    copying.append(run);
                }
            }
        }
        ASSERT_EQ(referring.end(), copying.end());
        const std::string all = copying.bytes();
        ASSERT_EQ(referring.bytes(), all);
        for (const OvlPartFile::Block& block : referring.blocks()) {
            EXPECT_EQ(joined(referring.pieces(block.offset, block.size)), all.substr(block.offset, block.size));
        }
        for (uint32_t at = 0; at + 4 <= all.size(); at += 1 + random() % 7) {
            ASSERT_EQ(referring.wordAt(at), copying.wordAt(at)) << "word at " << at;
            const uint32_t size = static_cast<uint32_t>(random() % (all.size() - at + 1));
            ASSERT_EQ(joined(referring.pieces(at, size)), all.substr(at, size));
        }
        for (uint32_t at : ownWords) {
            referring.patchWord(at, 0xA1B2C3D4u + at);
            copying.patchWord(at, 0xA1B2C3D4u + at);
        }
        EXPECT_EQ(referring.bytes(), copying.bytes());
        EXPECT_THROW(referring.pieces(0, referring.end() + 1), std::out_of_range);
    }
}

TEST(OvlPartFileRuns, LastingBytesAreReferredToAndNeverOverwritten) {
    const std::string model(OvlPartFile::kLastingRunMinimum, 'm');
    OvlPartFile file;
    file.reset(1);
    file.appendWord(1);
    file.appendLasting(model);
    file.appendWord(2);
    const std::vector<std::string_view> pieces = file.pieces(0, file.end());
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[1].data(), model.data());  // not copied
    EXPECT_THROW(file.patchWord(4, 0), std::logic_error);
    EXPECT_THROW(file.patchWord(2, 0), std::logic_error);  // a copied word's end reaches into them
    file.patchWord(4 + static_cast<uint32_t>(model.size()), 7);
    EXPECT_EQ(file.wordAt(4 + static_cast<uint32_t>(model.size())), 7u);
    EXPECT_EQ(file.wordAt(2), 0x6D6D0000u);  // a word across runs
}

}  // namespace
}  // namespace zw
