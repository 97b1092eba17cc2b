#pragma once
// Reading the structures of a model pair for their re-emission: every read is bounds-checked and
// blamed on the file of the pair that holds the bytes read (or the address word that led there), and a word that must be a symbol
// reference is looked up among the model's symbol references by its own address.
//
// Addresses are taken as 64-bit values, so a structure's address plus a field offset cannot wrap
// around to a valid small address: anything past the pair's data throws BinaryReadError.

#include <cstdint>
#include <string>
#include <string_view>

#include "ovl/ModelPair.h"

namespace zw {

// Stops a re-emission with a message of the catalogue: `id` with the arguments `first`, `second`
// (Windows-1252).
struct ModelReEmissionStop {
    MessageId id;
    std::string first;
    std::string second;
};

class ModelReading {
public:
    explicit ModelReading(const ModelPair& model) : model_(model) {}

    const ModelPair& model() const { return model_; }

    uint32_t word(uint64_t address) const;
    std::string_view bytes(uint64_t address, uint64_t count) const;
    // The `count` bytes at the address that the word at `wordAddress` holds; a read outside the pair
    // is blamed on the file that holds the word.
    std::string_view follow(uint64_t wordAddress, uint64_t count) const;
    // The string whose address is the word at `wordAddress`.
    std::string_view nameAt(uint64_t wordAddress) const;
    // The name of the symbol reference whose slot is `slotAddress`; throws ModelReEmissionStop
    // ("modelReferenceUnmatched") when no symbol reference of the model has that slot.
    const std::string& referenceAt(uint64_t slotAddress) const;

    // Throws BinaryReadError naming the file that holds `address`.
    [[noreturn]] void fail(uint64_t address, const std::string& what) const;

private:
    uint32_t checked(uint64_t address) const;
    OvlFileKind holder(uint64_t address) const;

    const ModelPair& model_;
};

// An offset of the new pair computed from the model's counts; one past 32 bits is refused, blamed on
// the file that holds the model structure at `modelAddress`.
uint32_t fitOffset(const ModelReading& model, uint64_t modelAddress, uint64_t offset);

}  // namespace zw
