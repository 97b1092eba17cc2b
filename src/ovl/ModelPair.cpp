#include "ovl/ModelPair.h"

#include <cstring>
#include <limits>

#include "base/Encoding.h"
#include "base/LittleEndian.h"
#include "base/PathOnDisk.h"
#include "base/Report.h"
#include "base/SafeFile.h"
#include "ovl/OvlFileReader.h"

namespace zw {
namespace {

size_t fileIndex(OvlFileKind file) { return file == OvlFileKind::Common ? 0 : 1; }

// A check that refuses the pair with the user's own message.
struct Refusal {
    MessageId id;
};

}  // namespace

bool hasTag(std::string_view name, std::string_view tag) { return name.ends_with(tag); }

uint32_t ModelBlockIndex::count(OvlFileKind file, int type) const {
    return static_cast<uint32_t>(blocks[fileIndex(file)][type].size());
}

const ModelBlock* ModelBlockIndex::block(OvlFileKind file, int type, uint32_t index) const {
    const auto& list = blocks[fileIndex(file)][type];
    if (index == 0 || index > list.size()) return nullptr;
    return &list[index - 1];
}

std::optional<std::string_view> ModelPair::findString(uint32_t address) const {
    auto it = strings_.find(address);
    if (it == strings_.end()) return std::nullopt;
    return std::string_view(it->second);
}

size_t ModelPair::countSymbolsWithTag(std::string_view tag) const {
    size_t count = 0;
    for (const ModelSymbol& s : symbols_) count += hasTag(s.name, tag) ? 1 : 0;
    return count;
}

std::optional<size_t> ModelPair::findSymbolByDataAddress(uint32_t address) const {
    for (size_t i = 0; i < symbols_.size(); ++i) {
        if (symbols_[i].dataAddress == address) return i;
    }
    return std::nullopt;
}

std::optional<size_t> ModelPair::findSymbolReferenceBySlot(uint32_t address) const {
    for (size_t i = 0; i < references_.size(); ++i) {
        if (references_[i].slotAddress == address) return i;
    }
    return std::nullopt;
}

void ModelPair::fail(OvlFileKind source, const std::string& what) const {
    throw BinaryReadError(fileName(source), what);
}

std::string_view ModelPair::bytes(uint32_t address, uint64_t count, OvlFileKind source) const {
    if (address > helpData_.size() || count > helpData_.size() - address) {
        fail(source, std::to_string(count) + " bytes at address " + std::to_string(address) +
                         " lie outside the data of the pair (" + std::to_string(helpData_.size()) + " bytes)");
    }
    return std::string_view(helpData_).substr(address, static_cast<size_t>(count));
}

uint32_t ModelPair::word(uint32_t address, OvlFileKind source) const {
    return loadLittleEndian<uint32_t>(bytes(address, 4, source).data());
}

std::string_view ModelPair::stringAt(uint32_t address, OvlFileKind source) const {
    std::optional<std::string_view> text = findString(address);
    if (!text) fail(source, "the name address " + std::to_string(address) + " leads to no string of the string table");
    return *text;
}

void ModelPair::readSymbolReferences() {
    references_.clear();
    const ModelBlock* table = blocks_.block(OvlFileKind::Unique, 2, 3);
    if (table == nullptr) return;
    for (uint32_t at = 0; table->size - at >= kSymbolReferenceEntrySize; at += kSymbolReferenceEntrySize) {
        const uint32_t entry = table->position + at;
        ModelSymbolReference reference;
        reference.slotAddress = word(entry, OvlFileKind::Unique);
        reference.name = std::string(stringAt(word(entry + 4, OvlFileKind::Unique), OvlFileKind::Unique));
        references_.push_back(std::move(reference));
    }
}

// The reading steps; a friend of ModelPair so that the pair is only ever seen whole.
class ModelPairReading {
public:
    ModelPairReading(ModelPair& pair, const ModelPairMessageIds& ids, std::string_view modelName)
        : pair_(pair), ids_(ids) {
        pair_.commonName_ = std::string(modelName) + ".common.ovl";
        pair_.uniqueName_ = std::string(modelName) + ".unique.ovl";
    }

    // The file's name as found on disk, for the messages about it.
    void nameFileAsFound(OvlFileKind file, const std::filesystem::path& found) {
        (file == OvlFileKind::Common ? pair_.commonName_ : pair_.uniqueName_) = pathForMessage(found.filename());
    }

    // Appends a file's bytes to the help data.
    bool appendFile(const std::filesystem::path& path) { return appendWholeFile(path, pair_.helpData_); }

    // Room in the help data for both files as they stand in `folder`, so that appending the .unique
    // file does not move the .common file's data. A file not found here takes no room; it is looked
    // up again, with its messages, when it is read.
    void makeRoomForFiles(const std::filesystem::path& folder) {
        uintmax_t total = 1;  // a file is read with one byte of room more, to see its end
        for (OvlFileKind file : {OvlFileKind::Common, OvlFileKind::Unique}) {
            try {
                const PathOnDisk found = findPathOnDisk(folder / pathFromCp1252(pair_.fileName(file)));
                if (found.status != PathOnDisk::Status::Found) continue;
                std::error_code error;
                const uintmax_t size = std::filesystem::file_size(found.path, error);
                if (!error && size < pair_.helpData_.max_size() - total) total += size;
            } catch (const EncodingError&) {
            }
        }
        try {
            pair_.helpData_.reserve(static_cast<size_t>(total));
        } catch (const std::exception&) {
            // Only a help: the read itself reports what it cannot hold.
        }
    }

    // One file of the pair, whose bytes were appended to the help data from `start` on: header,
    // version, block counts; then the blocks are moved down in place to stand end to end, so the
    // file's bytes become its part of the help data without a second buffer.
    void readFile(OvlFileKind file, size_t start) {
        const bool common = file == OvlFileKind::Common;
        std::string& help = pair_.helpData_;
        std::vector<OvlBlock> blocks;
        {
            ByteReader in(std::string_view(help).substr(start), pair_.fileName(file));
            OvlFileHeader header = readOvlFileStart(in);
            if (header.version != kOvlVersion) throw Refusal{common ? ids_.versionCommon : ids_.versionUnique};
            readOvlFileHeaderRest(in, header);  // references are not needed
            if (common) pair_.loaderTypes_ = std::move(header.loaderTypes);
            OvlBlockCounts counts{};
            for (uint32_t& count : counts) {
                count = in.u32();
                if (count >= ModelBlockIndex::kBlockLimit) throw Refusal{common ? ids_.blocksCommon : ids_.blocksUnique};
            }
            blocks = readOvlBlocks(in, counts);
            size_t end = start;
            for (const OvlBlock& block : blocks) {
                if (block.size > std::numeric_limits<uint32_t>::max() - end) in.fail("the blocks of the pair pass 4 GB");
                end += block.size;
            }
        }
        // Each block moves to a place at or before its own, so none overwrites one not yet moved.
        size_t end = start;
        for (const OvlBlock& block : blocks) {
            std::memmove(help.data() + end, help.data() + start + block.fileOffset, block.size);
            pair_.blocks_.blocks[fileIndex(file)][block.type].push_back(ModelBlock{block.size, static_cast<uint32_t>(end)});
            end += block.size;
        }
        help.resize(end);
        if (common) pair_.commonSize_ = static_cast<uint32_t>(end);
    }

    // The string table into the string map: a string starts at the table's start and after each NUL.
    void readStrings() {
        const ModelBlock* table = pair_.blocks_.block(OvlFileKind::Common, 0, 1);
        if (table == nullptr || table->size == 0) throw Refusal{ids_.noDeclarations};
        const std::string_view data = pair_.bytes(table->position, table->size, OvlFileKind::Common);
        for (size_t start = 0; start < data.size();) {
            const size_t nul = data.find('\0', start);
            if (nul == std::string_view::npos) {
                pair_.fail(OvlFileKind::Common, "the string table's last string has no end");
            }
            pair_.strings_.emplace(table->position + static_cast<uint32_t>(start), std::string(data.substr(start, nul - start)));
            start = nul + 1;
        }
    }

    // The symbol table of `file` (type 2, block 1; 12-byte entries: name, data address, a word
    // that is skipped) appended to the symbol list.
    void readSymbols(OvlFileKind file) {
        const ModelBlock* table = pair_.blocks_.block(file, 2, 1);
        if (table == nullptr) return;
        for (uint32_t at = 0; table->size - at >= kSymbolEntrySize; at += kSymbolEntrySize) {
            const uint32_t entry = table->position + at;
            ModelSymbol symbol;
            symbol.name = std::string(pair_.stringAt(pair_.word(entry, file), file));
            symbol.dataAddress = pair_.word(entry + 4, file);
            symbol.file = file;
            symbol.entryAddress = entry;
            pair_.symbols_.push_back(std::move(symbol));
        }
    }

    // The loader table of `file` (type 2, block 2; 20-byte entries), for the structure checks.
    void readLoaders(OvlFileKind file) {
        const ModelBlock* table = pair_.blocks_.block(file, 2, 2);
        if (table == nullptr) return;
        for (uint32_t at = 0; table->size - at >= kLoaderEntrySize; at += kLoaderEntrySize) {
            const uint32_t entry = table->position + at;
            ModelLoader loader;
            loader.file = file;
            loader.entryAddress = entry;
            loader.loaderType = pair_.word(entry + kLoaderTypeField, file);
            loader.structureAddress = pair_.word(entry + kLoaderStructureField, file);
            loader.extraData = pair_.word(entry + kLoaderExtraDataField, file);
            loader.symbolAddress = pair_.word(entry + kLoaderSymbolField, file);
            pair_.loaders_.push_back(loader);
        }
    }

private:
    ModelPair& pair_;
    const ModelPairMessageIds& ids_;
};

void reportModelPairFault(const BinaryReadError& fault, Report& report) {
    std::string detail = fault.what();
    if (detail.rfind(fault.source + ": ", 0) == 0) detail.erase(0, fault.source.size() + 2);
    report.message("ovlFileMalformed", {fault.source, detail});
}

std::optional<ModelPair> readModelPair(const std::filesystem::path& folder, std::string_view modelName,
                                       const ModelPairMessageIds& ids, Report& report) {
    ModelPair pair;
    ModelPairReading reading(pair, ids, modelName);
    reading.makeRoomForFiles(folder);
    try {
        for (OvlFileKind file : {OvlFileKind::Common, OvlFileKind::Unique}) {
            const bool common = file == OvlFileKind::Common;
            // The file's bytes go straight to the end of the help data, where readFile lays out its blocks.
            const size_t start = pair.helpData().size();
            bool read = false;
            try {
                // Authors' model files come from Windows: the name is matched whatever its case.
                const auto found = pathAsFoundOnDisk(folder / pathFromCp1252(pair.fileName(file)), report);
                if (!found) return std::nullopt;
                read = reading.appendFile(*found);
                if (read) reading.nameFileAsFound(file, *found);
            } catch (const EncodingError&) {
                // A name that no file of this system can carry: that file cannot be opened.
            }
            if (!read) throw Refusal{common ? ids.openCommon : ids.openUnique};
            reading.readFile(file, start);
        }
        reading.readStrings();
        reading.readSymbols(OvlFileKind::Common);
        reading.readSymbols(OvlFileKind::Unique);
        reading.readLoaders(OvlFileKind::Common);
        reading.readLoaders(OvlFileKind::Unique);
    } catch (const Refusal& refusal) {
        report.message(refusal.id, {modelName});
        return std::nullopt;
    } catch (const BinaryReadError& fault) {
        reportModelPairFault(fault, report);
        return std::nullopt;
    }
    return pair;
}

}  // namespace zw
