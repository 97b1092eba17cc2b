#include "ovl/ModelReading.h"

#include <limits>

namespace zw {

OvlFileKind ModelReading::holder(uint64_t address) const {
    return address > std::numeric_limits<uint32_t>::max() ? OvlFileKind::Unique
                                                          : model_.fileAt(static_cast<uint32_t>(address));
}

void ModelReading::fail(uint64_t address, const std::string& what) const { model_.fail(holder(address), what); }

uint32_t ModelReading::checked(uint64_t address) const {
    if (address > std::numeric_limits<uint32_t>::max()) {
        fail(address, "the address " + std::to_string(address) + " lies outside the data of the pair");
    }
    return static_cast<uint32_t>(address);
}

uint32_t ModelReading::word(uint64_t address) const { return model_.word(checked(address), holder(address)); }

std::string_view ModelReading::bytes(uint64_t address, uint64_t count) const {
    return model_.bytes(checked(address), count, holder(address));
}

std::string_view ModelReading::follow(uint64_t wordAddress, uint64_t count) const {
    return model_.bytes(word(wordAddress), count, holder(wordAddress));
}

std::string_view ModelReading::nameAt(uint64_t wordAddress) const {
    return model_.stringAt(word(wordAddress), holder(wordAddress));
}

const std::string& ModelReading::referenceAt(uint64_t slotAddress) const {
    // The slot itself must lie in the pair; its word is not used (the game fills it).
    bytes(slotAddress, 4);
    const std::optional<size_t> found = model_.findSymbolReferenceBySlot(static_cast<uint32_t>(slotAddress));
    if (!found) {
        throw ModelReEmissionStop{"modelReferenceUnmatched", model_.fileName(holder(slotAddress)),
                                  std::to_string(slotAddress)};
    }
    return model_.symbolReferences()[*found].name;
}

uint32_t fitOffset(const ModelReading& model, uint64_t modelAddress, uint64_t offset) {
    if (offset > std::numeric_limits<uint32_t>::max()) {
        model.fail(modelAddress, "the structure at address " + std::to_string(modelAddress) +
                                     " is too large for an OVL pair");
    }
    return static_cast<uint32_t>(offset);
}

}  // namespace zw
