#include "ovl/OvlWriter.h"

#include <cstring>
#include <stdexcept>

#include "base/LittleEndian.h"
#include "base/Report.h"

namespace zw {
namespace {

void checkPartNumber(OvlPart part) {
    const int n = partNumber(part);
    if (n < 1 || n > kOvlPartCount) throw std::out_of_range("part file " + std::to_string(n) + " does not exist");
}

OvlPart symbolPart(OvlFileKind file) { return file == OvlFileKind::Common ? OvlPart::CommonSymbols : OvlPart::UniqueSymbols; }
OvlPart loaderPart(OvlFileKind file) { return file == OvlFileKind::Common ? OvlPart::CommonLoaders : OvlPart::UniqueLoaders; }
OvlPart structurePart(OvlFileKind file) {
    return file == OvlFileKind::Common ? OvlPart::CommonStructures : OvlPart::UniqueStructures;
}

}  // namespace

// ---- OvlPartWriter ----

uint32_t OvlPartWriter::offset() const { return writer_->end(part_); }

OvlPartWriter& OvlPartWriter::at(uint32_t fieldOffset) {
    const uint32_t written = offset() - start_;
    if (written != fieldOffset)
        throw std::logic_error("structure writer drifted: field at " + std::to_string(fieldOffset) + " written at " +
                               std::to_string(written));
    return *this;
}

OvlPartWriter& OvlPartWriter::word(uint32_t value) {
    writer_->partRef(part_).appendWord(value);
    return *this;
}

OvlPartWriter& OvlPartWriter::signedWord(int32_t value) { return word(static_cast<uint32_t>(value)); }

OvlPartWriter& OvlPartWriter::floatWord(double value) {
    const float single = static_cast<float>(value);
    uint32_t raw;
    std::memcpy(&raw, &single, sizeof raw);
    return word(raw);
}

OvlPartWriter& OvlPartWriter::shortWord(uint16_t value) {
    char raw[2];
    storeLittleEndian(raw, value);
    return bytes(std::string_view(raw, 2));
}

OvlPartWriter& OvlPartWriter::byte(uint8_t value) {
    const char raw = static_cast<char>(value);
    return bytes(std::string_view(&raw, 1));
}

OvlPartWriter& OvlPartWriter::bytes(std::string_view raw) {
    writer_->partRef(part_).append(raw);
    return *this;
}

OvlPartWriter& OvlPartWriter::lastingBytes(std::string_view raw) {
    writer_->partRef(part_).appendLasting(raw);
    return *this;
}

OvlPartWriter& OvlPartWriter::zeros(size_t count) { return bytes(std::string(count, '\0')); }

OvlPartWriter& OvlPartWriter::string(std::string_view text) {
    const uint32_t position = offset();
    writer_->addSharedString(text, part_, position);
    return word(writer_->placeholder());
}

OvlPartWriter& OvlPartWriter::freshString(std::string_view text) {
    const uint32_t position = offset();
    writer_->addString(text, part_, position);
    return word(writer_->placeholder());
}

OvlPartWriter& OvlPartWriter::pointer(OvlPart targetPart, uint32_t targetOffset) {
    writer_->addPointer(targetPart, targetOffset, offset(), part_);
    return word(writer_->placeholder());
}

OvlPartWriter& OvlPartWriter::reference(std::string_view symbolName) {
    writer_->addSymbolReference(symbolName, part_, offset());
    return word(0);
}

// ---- OvlWriter ----

void OvlWriter::beginPair(Report& report, std::string_view objectName) {
    report_ = &report;
    objectName_ = objectName;
    clear();
    begun_ = true;
}

void OvlWriter::clear() {
    for (int n = 1; n <= kOvlPartCount; ++n) {
        const OvlPart part = partOfNumber(n);
        const bool oneBlock =
            part != OvlPart::CommonData && part != OvlPart::CommonStructures && part != OvlPart::UniqueStructures;
        parts_[partIndex(part)].reset(oneBlock ? 1 : 0);
    }
    pointers_.clear();
    strings_.clear();
    currentSymbolPosition_ = 0;
    currentLoaderPosition_ = 0;
    currentUniqueLoaderPosition_ = 0;
    haveUniqueLoader_ = false;
    loaderSymbolRefCount_ = 0;
    begun_ = false;
}

OvlWriter::Tables OvlWriter::takeTables() {
    Tables tables{std::move(parts_), std::move(pointers_)};
    clear();
    return tables;
}

OvlPartFile& OvlWriter::partRef(OvlPart part) {
    checkPartNumber(part);
    if (!begun_) throw std::logic_error("the OVL writer was used before a pair was begun");
    return parts_[partIndex(part)];
}

const OvlPartFile& OvlWriter::partFile(OvlPart part) const {
    checkPartNumber(part);
    return parts_[partIndex(part)];
}

uint32_t OvlWriter::end(OvlPart part) const { return partFile(part).end(); }

void OvlWriter::startBlock(OvlPart part) {
    if (part != OvlPart::CommonData && part != OvlPart::CommonStructures && part != OvlPart::UniqueStructures) {
        throw std::logic_error("only part files 2, 5 and 9 get new blocks");
    }
    partRef(part).startBlock();
}

OvlPartWriter OvlWriter::into(OvlPart part) {
    partRef(part);
    return OvlPartWriter(*this, part, end(part));
}

void OvlWriter::writeWordAt(OvlPart part, uint32_t position, uint32_t value) {
    OvlPartFile& file = partRef(part);
    if (position == file.end()) {
        file.appendWord(value);
    } else {
        file.patchWord(position, value);
    }
}

void OvlWriter::warn(MessageId messageId, const std::string& name) {
    if (report_ != nullptr) report_->message(messageId, {name});
}

void OvlWriter::recordRelocation(OvlPart part, uint32_t position) {
    OvlPartFile& file = partRef(part);
    file.addRelocation(position);
    if (file.relocations().size() == kRelocationWarningCount) {
        // Part files 1 to 5 make up the .common file, 6 to 9 the .unique file.
        warn("931", objectName_ + (partNumber(part) <= partNumber(OvlPart::CommonStructures) ? ".common.ovl" : ".unique.ovl"));
    }
}

void OvlWriter::recordPointer(OvlPart targetPart, uint32_t targetOffset) {
    checkPartNumber(targetPart);
    pointers_.push_back(OvlPointer{targetPart, targetOffset});
    if (pointers_.size() == kPointerWarningCount) warn("932", objectName_);
}

void OvlWriter::declare(std::string_view name, OvlPart part, uint32_t position, bool alwaysNew) {
    partRef(OvlPart::StringTable);
    std::optional<uint32_t> offset = alwaysNew ? std::nullopt : strings_.find(name);
    if (!offset) {
        offset = strings_.append(name);
        OvlPartFile& table = parts_[partIndex(OvlPart::StringTable)];
        table.append(name);
        table.append(std::string_view("\0", 1));
    }
    recordRelocation(part, position);
    recordPointer(OvlPart::StringTable, *offset);
}

void OvlWriter::addSharedString(std::string_view name, OvlPart part, uint32_t position) {
    declare(name, part, position, false);
}

void OvlWriter::addString(std::string_view name, OvlPart part, uint32_t position) {
    declare(name, part, position, true);
}

void OvlWriter::addPointer(OvlPart targetPart, uint32_t targetOffset, uint32_t position, OvlPart part) {
    recordRelocation(part, position);
    recordPointer(targetPart, targetOffset);
}

void OvlWriter::addSymbolReference(std::string_view name, OvlPart targetPart, uint32_t targetOffset) {
    if (!haveUniqueLoader_) throw std::logic_error("a symbol reference was made outside a unique structure");
    const OvlPart refs = OvlPart::SymbolReferences;
    const uint32_t e = end(refs);
    addPointer(targetPart, targetOffset, e, refs);
    writeWordAt(refs, e, placeholder());
    addSharedString(name, refs, e + 4);
    writeWordAt(refs, e + 4, placeholder());
    addPointer(OvlPart::UniqueLoaders, currentUniqueLoaderPosition_, e + 8, refs);
    writeWordAt(refs, e + 8, placeholder());
    ++loaderSymbolRefCount_;
}

void OvlWriter::makeSymbolAndLoader(OvlFileKind file, std::string_view symbolName, uint32_t loaderType) {
    const OvlPart symbols = symbolPart(file);
    const OvlPart loaders = loaderPart(file);
    const OvlPart structures = structurePart(file);
    const uint32_t structure = end(structures);

    currentSymbolPosition_ = end(symbols);
    OvlPartWriter symbol = into(symbols);
    symbol.string(symbolName);
    symbol.pointer(structures, structure);
    symbol.word(1);

    currentLoaderPosition_ = end(loaders);
    OvlPartWriter loader = into(loaders);
    loader.word(loaderType);
    loader.pointer(structures, structure);
    loader.word(0);
    loader.pointer(symbols, currentSymbolPosition_);
    loader.word(0);

    if (file == OvlFileKind::Unique) {
        currentUniqueLoaderPosition_ = currentLoaderPosition_;
        haveUniqueLoader_ = true;
        loaderSymbolRefCount_ = 0;
    }
}

void OvlWriter::makeLoaderWithoutSymbol(OvlFileKind file, uint32_t loaderType, bool hasExtraData) {
    const OvlPart loaders = loaderPart(file);
    const OvlPart structures = structurePart(file);
    currentLoaderPosition_ = end(loaders);
    OvlPartWriter loader = into(loaders);
    loader.word(loaderType);
    loader.pointer(structures, end(structures));
    loader.word(hasExtraData ? 1 : 0);
    loader.word(0);
    loader.word(0);
    if (file == OvlFileKind::Unique) {
        currentUniqueLoaderPosition_ = currentLoaderPosition_;
        haveUniqueLoader_ = true;
        loaderSymbolRefCount_ = 0;
    }
}

void OvlWriter::closeUniqueStructure() {
    const uint32_t loaderEnd = end(OvlPart::UniqueLoaders);
    if (loaderEnd < kLoaderEntrySize) throw std::logic_error("a unique structure was closed before any unique loader");
    writeWordAt(OvlPart::UniqueLoaders, loaderEnd - 4, loaderSymbolRefCount_);
}

}  // namespace zw
