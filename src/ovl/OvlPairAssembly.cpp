#include "ovl/OvlPairAssembly.h"

#include <array>
#include <deque>
#include <span>
#include <limits>
#include <stdexcept>
#include <tuple>

#include "base/Encoding.h"
#include "base/FilePairReplace.h"
#include "base/Report.h"
#include "base/SafeFile.h"
#include "ovl/ByteWriter.h"
#include "ovl/OvlSymbolOrder.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

using PartFiles = std::array<OvlPartFile, kOvlPartCount>;
using Bases = std::array<uint32_t, kOvlPartCount>;  // by partIndex

void resolvePointers(PartFiles& parts, const Bases& base, const std::vector<OvlPointer>& pointers) {
    for (int n = 1; n <= kOvlPartCount; ++n) {
        OvlPartFile& file = parts[n - 1];
        for (uint32_t position : file.relocations()) {
            const uint32_t number = file.wordAt(position);
            if (number < 1 || number > pointers.size()) {
                throw std::logic_error("part file " + std::to_string(n) + " holds no pointer placeholder at " +
                                       std::to_string(position));
            }
            const OvlPointer& target = pointers[number - 1];
            file.patchWord(position, base[partIndex(target.targetPart)] + target.targetOffset);
        }
    }
}

// Puts one symbol table in name order; each loader whose symbol field is a pointer into the table
// follows its symbol to the symbol's new place.
void sortSymbols(PartFiles& parts, const Bases& base, OvlPart symbolPart, OvlPart loaderPart) {
    OvlPartFile& symbols = parts[partIndex(symbolPart)];
    OvlPartFile& loaders = parts[partIndex(loaderPart)];
    const size_t count = symbols.end() / kSymbolEntrySize;
    if (count < 2) return;

    const std::string strings = parts[partIndex(OvlPart::StringTable)].bytes();
    std::vector<std::string_view> names(count);
    std::vector<std::array<uint32_t, 2>> words(count);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t at = static_cast<uint32_t>(i * kSymbolEntrySize);
        words[i] = {symbols.wordAt(at), symbols.wordAt(at + 4)};
        const uint32_t nameAt = words[i][0] - base[partIndex(OvlPart::StringTable)];
        if (nameAt >= strings.size()) throw std::logic_error("a symbol name lies outside the string table");
        const size_t nul = strings.find('\0', nameAt);
        names[i] = std::string_view(strings).substr(nameAt, nul - nameAt);
    }
    const std::vector<size_t> order = sortedSymbolOrder(names);
    std::vector<size_t> newPlace(count);
    for (size_t place = 0; place < count; ++place) {
        newPlace[order[place]] = place;
        const uint32_t at = static_cast<uint32_t>(place * kSymbolEntrySize);
        symbols.patchWord(at, words[order[place]][0]);
        symbols.patchWord(at + 4, words[order[place]][1]);
    }

    const uint32_t tableStart = base[partIndex(symbolPart)];
    for (uint32_t position : loaders.relocations()) {
        if (position % kLoaderEntrySize != kLoaderSymbolField) continue;
        const uint32_t symbolAddress = loaders.wordAt(position);
        if (symbolAddress < tableStart) continue;
        const uint32_t offset = symbolAddress - tableStart;
        if (offset % kSymbolEntrySize != 0 || offset / kSymbolEntrySize >= count) continue;
        loaders.patchWord(position,
                          tableStart + static_cast<uint32_t>(newPlace[offset / kSymbolEntrySize] * kSymbolEntrySize));
    }
}

void shortText(ByteWriter& out, const std::string& text) {
    if (text.size() > std::numeric_limits<uint16_t>::max()) throw std::length_error("a header text is too long");
    out.u16(static_cast<uint16_t>(text.size()));
    out.bytes(text);
}

void header(ByteWriter& out, const std::vector<std::string>& references, const std::vector<LoaderType>& types) {
    out.bytes(kOvlMagic);
    out.u32(0);
    out.u32(kOvlVersion);
    out.u32(static_cast<uint32_t>(references.size()));
    for (const std::string& reference : references) shortText(out, reference);
    out.u32(0);
    out.u32(static_cast<uint32_t>(types.size()));
    for (const LoaderType& type : types) {
        shortText(out, type.loader);
        shortText(out, type.type);
        out.u32(type.number);
        shortText(out, type.tag);
    }
}

// One file of the pair as the pieces it is written from: the few bytes made here (header, size
// words, relocations) and views of the part files' blocks and the extra data, which stay where
// they are.
class FilePieces {
public:
    std::span<const std::string_view> pieces() const { return pieces_; }

    // Bytes made for the file; they are kept here.
    void made(ByteWriter& out) {
        made_.push_back(out.take());
        pieces_.push_back(made_.back());
        out = ByteWriter();
    }
    void view(std::string_view bytes) {
        if (!bytes.empty()) pieces_.push_back(bytes);
    }

    std::string joined() const {
        size_t size = 0;
        for (std::string_view piece : pieces_) size += piece.size();
        std::string all;
        all.reserve(size);
        for (std::string_view piece : pieces_) all += piece;
        return all;
    }

private:
    std::deque<std::string> made_;  // a deque: adding bytes moves none of those viewed
    std::vector<std::string_view> pieces_;
};

// Each block of `file` as its size word and its bytes.
void blocks(FilePieces& pieces, ByteWriter& out, const OvlPartFile& file) {
    for (const OvlPartFile::Block& block : file.blocks()) {
        out.u32(block.size);
        pieces.made(out);
        for (std::string_view run : file.pieces(block.offset, block.size)) pieces.view(run);
    }
}

void relocations(ByteWriter& out, const PartFiles& parts, const Bases& base, OvlPart firstPart, OvlPart lastPart) {
    const size_t first = partIndex(firstPart), last = partIndex(lastPart);
    uint32_t count = 0;
    for (size_t n = first; n <= last; ++n) count += static_cast<uint32_t>(parts[n].relocations().size());
    out.u32(count);
    for (size_t n = first; n <= last; ++n) {
        for (uint32_t position : parts[n].relocations()) out.u32(base[n] + position);
    }
}

uint32_t blockCount(const PartFiles& parts, OvlPart part) {
    return static_cast<uint32_t>(parts[partIndex(part)].blocks().size());
}

// A file that could not replace its predecessor; when the unique file failed after the common file
// had replaced its own, also what became of the common file.
void reportPairReplaceFailure(const FilePairReplaceFailure& failure, const std::filesystem::path& commonPath,
                            const std::filesystem::path& uniquePath, Report& report) {
    const DisplayName failed = displayName(failure.secondFile ? uniquePath : commonPath);
    const std::string reason = asciiOnlyText(failure.error.message());
    const DisplayName common = displayName(commonPath);
    const std::string rollbackReason = asciiOnlyText(failure.rollbackError.message());
    switch (failure.rollback) {
        case FirstFileRollback::None:
            report.message("ovlFileNotWritten", {failed, reason});
            return;
        case FirstFileRollback::OldFilePutBack:
        case FirstFileRollback::NewFileRemoved:
            report.message("ovlPairSetBack", {failed, reason, common});
            return;
        case FirstFileRollback::OldFileKept:
            report.message("ovlPairOldFileKept",
                           {failed, reason, common, rollbackReason, displayName(formerFileName(commonPath))});
            return;
        case FirstFileRollback::NewFileKept:
            report.message("ovlPairNewFileKept", {failed, reason, common, rollbackReason});
            return;
    }
}

// The pair's two files as pieces; the placeholders of `parts` are resolved and its symbol tables
// sorted where they stand.
struct PairPieces {
    FilePieces common;
    FilePieces unique;
};

PairPieces layOutPair(PartFiles& parts, const std::vector<OvlPointer>& pointers, const OvlPairContents& contents) {
    Bases base{};
    for (size_t n = 1; n < parts.size(); ++n) base[n] = base[n - 1] + parts[n - 1].end();

    resolvePointers(parts, base, pointers);
    sortSymbols(parts, base, OvlPart::CommonSymbols, OvlPart::CommonLoaders);
    sortSymbols(parts, base, OvlPart::UniqueSymbols, OvlPart::UniqueLoaders);

    PairPieces pair;
    {
        FilePieces& file = pair.common;
        ByteWriter out;
        header(out, contents.commonReferences, contents.loaderTypes);
        for (uint32_t count : {1 + blockCount(parts, OvlPart::CommonData), 0u, 2u, 0u,
                               blockCount(parts, OvlPart::CommonStructures), 0u, 0u, 0u, 0u}) {
            out.u32(count);
        }
        for (OvlPart n : {OvlPart::StringTable, OvlPart::CommonData, OvlPart::CommonSymbols, OvlPart::CommonLoaders,
                      OvlPart::CommonStructures}) {
            blocks(file, out, parts[partIndex(n)]);
        }
        relocations(out, parts, base, OvlPart::StringTable, OvlPart::CommonStructures);
        for (const std::string& entry : contents.commonExtraData) {
            out.u32(static_cast<uint32_t>(entry.size()));
            file.made(out);
            file.view(entry);
        }
        file.made(out);
    }
    {
        FilePieces& file = pair.unique;
        ByteWriter out;
        header(out, contents.uniqueReferences, contents.loaderTypes);
        for (uint32_t count : {0u, 0u, 3 + blockCount(parts, OvlPart::UniqueStructures), 0u, 0u, 0u, 0u, 0u, 0u}) {
            out.u32(count);
        }
        for (OvlPart n : {OvlPart::UniqueSymbols, OvlPart::UniqueLoaders, OvlPart::SymbolReferences, OvlPart::UniqueStructures}) {
            blocks(file, out, parts[partIndex(n)]);
        }
        relocations(out, parts, base, OvlPart::UniqueSymbols, OvlPart::UniqueStructures);
        file.made(out);
    }
    return pair;
}

}  // namespace

OvlPairBytes assemblePairBytes(const OvlWriter& writer, const OvlPairContents& contents) {
    PartFiles parts;
    for (int n = 1; n <= kOvlPartCount; ++n) parts[n - 1] = writer.partFile(partOfNumber(n));
    const PairPieces pieces = layOutPair(parts, writer.pointers(), contents);
    return OvlPairBytes{pieces.common.joined(), pieces.unique.joined()};
}

bool assemblePair(OvlWriter& writer, const OvlPairContents& contents, const std::filesystem::path& commonPath,
                  const std::filesystem::path& uniquePath, Report& report) {
    // The writer's tables are resolved where they stand and each file is written from its pieces,
    // so the pair is never copied whole in memory.
    OvlWriter::Tables tables = writer.takeTables();
    const PairPieces pair = layOutPair(tables.parts, tables.pointers, contents);
    // Both files are written in full under temporary names before either replaces an earlier file,
    // so a failed write never leaves a new file beside an old partner.
    const std::filesystem::path stagedCommon = temporarySibling(commonPath);
    const std::filesystem::path stagedUnique = temporarySibling(uniquePath);
    const auto dropStaged = [&] {
        removeFile(stagedCommon);
        removeFile(stagedUnique);
    };
    removeLeftoversOf(commonPath);  // what a build stopped half-way left beside the pair
    removeLeftoversOf(uniquePath);
    for (const auto& [path, staged, file] : {std::tuple{&commonPath, &stagedCommon, &pair.common},
                                             std::tuple{&uniquePath, &stagedUnique, &pair.unique}}) {
        if (std::error_code error = writePiecesAtomically(*staged, file->pieces())) {
            dropStaged();
            report.message("ovlFileNotWritten", {displayName(*path), asciiOnlyText(error.message())});
            return false;
        }
    }
    if (auto failure = replaceFilePair(stagedCommon, commonPath, stagedUnique, uniquePath)) {
        reportPairReplaceFailure(*failure, commonPath, uniquePath, report);
        return false;
    }
    return true;
}

}  // namespace zw
