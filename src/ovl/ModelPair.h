#pragma once
// A model pair made by the Importer (a car model, or the peep splines of a ride), read so that a
// builder can copy its structures into the pair it is making.
//
// Reading takes each file of the pair in turn, the .common file first: it must open, its version
// word must be 1 (the magic is not checked), references and loader types are skipped, and none of
// its nine block counts may be 51 or more. The data of all blocks, without their size words, is
// laid end to end into the help data, the .common blocks first. That is the order of the pair's own
// address space, so every address found inside a model structure is a position in the help data.
// The relocation tables are not read.
//
// Then the first type-0 block of the .common file (the string table) is read into the string map;
// an empty or missing one refuses the pair ("no declarations"). The symbol list holds the entries of
// the .common symbol table (type 2, block 1) and then those of the .unique symbol table; the
// symbol references (the .unique file's type 2, block 3) are read only on request, by the car
// builder.
//
// Everything is bounds-checked: a truncated file, a count or size that runs past the end, a name
// address that leads to no string, or a read of the help data outside the pair is refused with a
// message naming the file ("ovlFileMalformed"), never a crash.
//
// The car builder's use:
//
//     std::optional<ModelPair> model = readCarModelPair(folder, modelName, report);
//     if (!model) return stop;                       // the message is in the report
//     for (const ModelSymbol& s : model->symbols())   // common symbols first, then unique
//         if (hasTag(s.name, ":bsh")) {
//             uint32_t t = model->word(s.dataAddress + 32, s.file);   // bounds-checked; throws
//             std::string_view name = model->stringAt(model->word(...), s.file);
//             std::optional<size_t> r = model->findSymbolReferenceBySlot(slotAddress);
//         }
//
// Reads of the help data (`word`, `bytes`, `stringAt`) throw BinaryReadError naming the file that
// gave the address (`source`), so a builder catches it and reports it with `reportModelPairFault`.

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Messages.h"
#include "ovl/ByteReader.h"
#include "ovl/OvlFormat.h"

namespace zw {

class Report;

// A block of the model pair: its size and the position of its first byte in the help data.
struct ModelBlock {
    uint32_t size = 0;
    uint32_t position = 0;
};

// For each file and block type 0 … 8, the blocks in file order.
struct ModelBlockIndex {
    // A block count of this or more refuses the pair.
    static constexpr uint32_t kBlockLimit = 51;

    std::array<std::array<std::vector<ModelBlock>, kOvlBlockTypeCount>, 2> blocks;

    uint32_t count(OvlFileKind file, int type) const;
    // Block `index` (1-based) of `type` in `file`, or nullptr.
    const ModelBlock* block(OvlFileKind file, int type, uint32_t index) const;
};

struct ModelSymbol {
    std::string name;          // Windows-1252, with its tag (":svd")
    uint32_t dataAddress = 0;  // the structure's address: a position in the help data
    OvlFileKind file = OvlFileKind::Common;  // the file whose symbol table lists it
    uint32_t entryAddress = 0;  // of its entry in the symbol table
};

// A loader entry of the model (type 2, block 2 of either file): what the game files the structure
// under. Read for the structure checks; the re-emission makes loaders of its own.
struct ModelLoader {
    OvlFileKind file = OvlFileKind::Common;
    uint32_t entryAddress = 0;
    uint32_t loaderType = 0;
    uint32_t structureAddress = 0;
    uint32_t extraData = 0;
    uint32_t symbolAddress = 0;  // the symbol entry's address, 0 for none
};

struct ModelSymbolReference {
    uint32_t slotAddress = 0;  // the model slot the game fills
    std::string name;          // the referenced symbol's name
};

// True when `name` ends with `tag` (the last four characters, e.g. ":svd"), compared exactly.
bool hasTag(std::string_view name, std::string_view tag);

class ModelPair {
public:
    // The file names shown in messages ("Bob.common.ovl").
    const std::string& fileName(OvlFileKind file) const { return file == OvlFileKind::Common ? commonName_ : uniqueName_; }

    // The data of all blocks, .common first: address a is byte a.
    const std::string& helpData() const { return helpData_; }
    const ModelBlockIndex& blockIndex() const { return blocks_; }
    // The size of the .common file's part of the help data; the .unique file's part follows.
    uint32_t commonSize() const { return commonSize_; }
    // The file whose blocks hold `address` (addresses past the end count as .unique).
    OvlFileKind fileAt(uint32_t address) const { return address < commonSize_ ? OvlFileKind::Common : OvlFileKind::Unique; }

    // The string map: each string of the string table by its address.
    const std::map<uint32_t, std::string>& strings() const { return strings_; }
    // The string that starts at `address`, or nullopt.
    std::optional<std::string_view> findString(uint32_t address) const;

    const std::vector<ModelSymbol>& symbols() const { return symbols_; }
    // Empty until readSymbolReferences().
    const std::vector<ModelSymbolReference>& symbolReferences() const { return references_; }
    // The loader types the .common file's header lists, and the loaders of both files.
    const std::vector<LoaderType>& loaderTypes() const { return loaderTypes_; }
    const std::vector<ModelLoader>& loaders() const { return loaders_; }

    // The number of symbols whose name ends with `tag`.
    size_t countSymbolsWithTag(std::string_view tag) const;
    // The first symbol whose data address is `address`.
    std::optional<size_t> findSymbolByDataAddress(uint32_t address) const;
    // The first symbol reference whose slot address is `address`.
    std::optional<size_t> findSymbolReferenceBySlot(uint32_t address) const;

    // Bounds-checked reads of the help data. A read outside the pair throws BinaryReadError naming
    // `source`, the file whose data gave the address.
    uint32_t word(uint32_t address, OvlFileKind source) const;
    std::string_view bytes(uint32_t address, uint64_t count, OvlFileKind source) const;
    // The string that the string map holds at `address`; throws naming `source` when there is none.
    std::string_view stringAt(uint32_t address, OvlFileKind source) const;
    [[noreturn]] void fail(OvlFileKind source, const std::string& what) const;

    // Reads the symbol references (the .unique file's type 2, block 3; 12-byte entries: slot
    // address, name address, loader address). Throws BinaryReadError when a name leads nowhere.
    void readSymbolReferences();

private:
    friend class ModelPairReading;
    std::string commonName_;
    std::string uniqueName_;
    std::string helpData_;
    uint32_t commonSize_ = 0;
    ModelBlockIndex blocks_;
    std::map<uint32_t, std::string> strings_;
    std::vector<ModelSymbol> symbols_;
    std::vector<ModelSymbolReference> references_;
    std::vector<LoaderType> loaderTypes_;
    std::vector<ModelLoader> loaders_;
};

// The messages of one user of the reader, for the checks in reading order. Each is shown with the
// model name as its argument.
struct ModelPairMessageIds {
    MessageId openCommon, versionCommon, blocksCommon;
    MessageId openUnique, versionUnique, blocksUnique;
    MessageId noDeclarations;
};
inline constexpr ModelPairMessageIds kCarModelMessageIds{"171", "172", "176", "173", "174", "177", "185"};
inline constexpr ModelPairMessageIds kPeepSplineMessageIds{"141", "142", "146", "143", "144", "147", "155"};

// Reads `<folder>/<modelName>.common.ovl` and `.unique.ovl` (modelName in Windows-1252): help data,
// block index, string map and symbol list. On the first failed check the message is reported and
// nullopt returned.
std::optional<ModelPair> readModelPair(const std::filesystem::path& folder, std::string_view modelName,
                                       const ModelPairMessageIds& ids, Report& report);

// Reports a malformation found while reading a model pair's data ("ovlFileMalformed").
void reportModelPairFault(const BinaryReadError& fault, Report& report);

}  // namespace zw
