#include "ovl/OvlPartFile.h"

#include <limits>
#include <stdexcept>

#include "base/LittleEndian.h"

namespace zw {

void OvlPartFile::reset(size_t blocks) {
    bytes_.clear();
    relocations_.clear();
    blocks_.assign(blocks, Block{});
}

bool OvlPartFile::startBlock() {
    if (blocks_.size() >= kMaxBlocks) return false;
    blocks_.push_back(Block{end(), 0});
    return true;
}

void OvlPartFile::append(std::string_view raw) {
    if (blocks_.empty()) throw std::logic_error("bytes written to a part file before its first block was started");
    if (raw.size() > std::numeric_limits<uint32_t>::max() - bytes_.size()) {
        throw std::length_error("a part file would pass 4 GB");
    }
    bytes_ += raw;
    blocks_.back().size += static_cast<uint32_t>(raw.size());
}

void OvlPartFile::appendWord(uint32_t value) {
    char raw[4];
    storeLittleEndian(raw, value);
    append(std::string_view(raw, 4));
}

uint32_t OvlPartFile::wordAt(uint32_t position) const {
    if (position > bytes_.size() || bytes_.size() - position < 4) {
        throw std::out_of_range("word at " + std::to_string(position) + " lies past the end of a part file");
    }
    return loadLittleEndian<uint32_t>(bytes_.data() + position);
}

void OvlPartFile::patchWord(uint32_t position, uint32_t value) {
    if (position > bytes_.size() || bytes_.size() - position < 4) {
        throw std::out_of_range("word at " + std::to_string(position) + " lies past the end of a part file");
    }
    storeLittleEndian(bytes_.data() + position, value);
}

void copyBlockInChunks(const OvlPartFile& part, size_t block,
                                   const std::function<void(std::string_view)>& destination) {
    if (block < 1 || block > part.blocks().size()) throw std::out_of_range("no such block in a part file");
    const OvlPartFile::Block& b = part.blocks()[block - 1];
    std::string_view data = std::string_view(part.bytes()).substr(b.offset, b.size);
    constexpr size_t kStep = 1000;
    while (data.size() > kStep) {
        destination(data.substr(0, kStep));
        data.remove_prefix(kStep);
    }
    if (!data.empty()) destination(data);
}

}  // namespace zw
