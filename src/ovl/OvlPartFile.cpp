#include "ovl/OvlPartFile.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "base/LittleEndian.h"

namespace zw {

void OvlPartFile::reset(size_t blocks) {
    store_.clear();
    runs_.clear();
    end_ = 0;
    relocations_.clear();
    blocks_.assign(blocks, Block{});
}

bool OvlPartFile::startBlock() {
    if (blocks_.size() >= kMaxBlocks) return false;
    blocks_.push_back(Block{end(), 0});
    return true;
}

void OvlPartFile::grow(size_t count) {
    if (blocks_.empty()) throw std::logic_error("bytes written to a part file before its first block was started");
    if (count > std::numeric_limits<uint32_t>::max() - end_) throw std::length_error("a part file would pass 4 GB");
    end_ += static_cast<uint32_t>(count);
    blocks_.back().size += static_cast<uint32_t>(count);
}

void OvlPartFile::append(std::string_view raw) {
    const uint32_t start = end_;
    grow(raw.size());
    if (raw.empty()) return;
    if (runs_.empty() || runs_.back().lasting != nullptr) runs_.push_back(Run{start, 0, nullptr, store_.size()});
    store_ += raw;
    runs_.back().size += static_cast<uint32_t>(raw.size());
}

void OvlPartFile::appendLasting(std::string_view raw) {
    if (raw.size() < kLastingRunMinimum) return append(raw);
    const uint32_t start = end_;
    grow(raw.size());
    runs_.push_back(Run{start, static_cast<uint32_t>(raw.size()), raw.data(), 0});
}

void OvlPartFile::appendWord(uint32_t value) {
    char raw[4];
    storeLittleEndian(raw, value);
    append(std::string_view(raw, 4));
}

std::string_view OvlPartFile::view(const Run& run) const {
    return run.lasting ? std::string_view(run.lasting, run.size) : std::string_view(store_).substr(run.stored, run.size);
}

size_t OvlPartFile::runAt(uint32_t position) const {
    // The last run that starts at or before `position`; runs are never empty.
    auto after = std::upper_bound(runs_.begin(), runs_.end(), position,
                                  [](uint32_t p, const Run& run) { return p < run.start; });
    return static_cast<size_t>(after - runs_.begin()) - 1;
}

std::vector<std::string_view> OvlPartFile::pieces(uint32_t offset, uint32_t size) const {
    if (offset > end_ || end_ - offset < size) throw std::out_of_range("bytes past the end of a part file");
    std::vector<std::string_view> result;
    if (size == 0) return result;
    for (auto run = runs_.begin() + runAt(offset); size > 0; ++run) {
        const uint32_t skip = offset - run->start;
        const uint32_t take = std::min(size, run->size - skip);
        result.push_back(view(*run).substr(skip, take));
        offset += take;
        size -= take;
    }
    return result;
}

std::string OvlPartFile::bytes() const {
    std::string all;
    all.reserve(end_);
    for (const Run& run : runs_) all += view(run);
    return all;
}

uint32_t OvlPartFile::wordAt(uint32_t position) const {
    if (position > end_ || end_ - position < 4) {
        throw std::out_of_range("word at " + std::to_string(position) + " lies past the end of a part file");
    }
    const Run& run = runs_[runAt(position)];
    if (run.size - (position - run.start) >= 4) return loadLittleEndian<uint32_t>(view(run).data() + (position - run.start));
    char raw[4];  // a word across runs
    size_t got = 0;
    for (std::string_view piece : pieces(position, 4)) got += piece.copy(raw + got, piece.size());
    return loadLittleEndian<uint32_t>(raw);
}

void OvlPartFile::patchWord(uint32_t position, uint32_t value) {
    if (position > end_ || end_ - position < 4) {
        throw std::out_of_range("word at " + std::to_string(position) + " lies past the end of a part file");
    }
    // Copied runs never touch one another, so a word of copied bytes lies in one run.
    const Run& run = runs_[runAt(position)];
    if (run.lasting != nullptr || run.size - (position - run.start) < 4) {
        throw std::logic_error("word at " + std::to_string(position) + " of a part file is not its own to overwrite");
    }
    storeLittleEndian(store_.data() + run.stored + (position - run.start), value);
}

void copyBlockInChunks(const OvlPartFile& part, size_t block,
                                   const std::function<void(std::string_view)>& destination) {
    if (block < 1 || block > part.blocks().size()) throw std::out_of_range("no such block in a part file");
    const OvlPartFile::Block& b = part.blocks()[block - 1];
    const std::string bytes = part.bytes().substr(b.offset, b.size);
    std::string_view data = bytes;
    constexpr size_t kStep = 1000;
    while (data.size() > kStep) {
        destination(data.substr(0, kStep));
        data.remove_prefix(kStep);
    }
    if (!data.empty()) destination(data);
}

}  // namespace zw
