#pragma once
// The OVL writer: the tables behind one OVL pair under construction.
//
// A builder emits its structures field by field into the nine part files (see OvlFormat.h for
// what each holds). Every field that holds an address is made through the writer, which records
// a pointer (target part file and offset) and a relocation (the slot's position) and writes the
// pointer's number as a placeholder; the assembly (OvlPairAssembly.h) replaces each placeholder
// with the target's address in the finished pair.
//
// Typical use, one structure of the unique file with a symbol, a string, a pointer to data written
// later in part file 5, and a reference to a symbol of another pair:
//
//     OvlWriter& w = state.ovlWriter;
//     w.beginPair(report);
//     w.startBlock(OvlPart::UniqueStructures);
//     w.makeSymbolAndLoader(OvlFileKind::Unique, "CTR_BobFrontCar:ric", 3);  // structure at the end of part 9
//     OvlPartWriter car = w.into(OvlPart::UniqueStructures);
//     car.word(1);                                    // a plain word
//     car.floatWord(0.5);                             // IEEE single precision
//     car.string("BobFront");                         // shared copy in the string table
//     car.reference("BobFront:svd");                  // symbol reference, slot written as 0
//     w.startBlock(OvlPart::CommonStructures);
//     car.pointer(OvlPart::CommonStructures, w.end(OvlPart::CommonStructures));  // data not yet written
//     w.closeUniqueStructure();                       // the loader learns its reference count
//     w.into(OvlPart::CommonStructures).signedWord(-1);  // the data the pointer targets
//
// Fields are written in increasing offset, and each string, pointer and reference is recorded when
// its field is written; that fixes the string table and the order of the relocations. A pointer to
// data written later is given its target offset computed in advance (e.g. from `end()` of the
// target part file and the sizes of what comes before it).
//
// Bytes go to the current block of a part file, which grows by their number. Part files 1, 3, 4,
// 6, 7 and 8 have one block from the start; 2, 5 and 9 have blocks only as the builder starts them.
//
// Messages 931 and 932 are reported, once each per pair, when a part file's relocation count or the
// pair's pointer count reaches 6000 or 12000; the tables keep growing beyond, so the pair stays
// complete. Misuse by a builder (bytes before a block, a part number outside 1 … 9) throws
// std::logic_error or std::out_of_range.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Messages.h"
#include "ovl/OvlFormat.h"
#include "ovl/OvlPartFile.h"
#include "ovl/OvlStringTable.h"

namespace zw {

class OvlWriter;
class Report;

// Writes fields at the end of one part file of the pair under construction. Cheap to copy; valid
// while its writer lives.
class OvlPartWriter {
public:
    OvlPart part() const { return part_; }
    // The current end of the part file: the offset the next field gets.
    uint32_t offset() const;

    OvlPartWriter& word(uint32_t value);
    OvlPartWriter& signedWord(int32_t value);
    OvlPartWriter& floatWord(double value);  // converted to single precision here
    OvlPartWriter& shortWord(uint16_t value);
    OvlPartWriter& byte(uint8_t value);
    OvlPartWriter& bytes(std::string_view raw);
    // Bytes that stay unchanged where they are until the pair has been assembled (a model's data,
    // while the model is kept): large runs are referred to, not copied (OvlPartFile::appendLasting).
    OvlPartWriter& lastingBytes(std::string_view raw);
    OvlPartWriter& zeros(size_t count);

    // A pointer slot to a shared copy of `text` in the string table (`addSharedString`).
    OvlPartWriter& string(std::string_view text);
    // A pointer slot to a fresh copy of `text` (`addString`), e.g. for 16-bit texts.
    OvlPartWriter& freshString(std::string_view text);
    // A pointer slot to byte `targetOffset` of part file `targetPart` (`addPointer`).
    OvlPartWriter& pointer(OvlPart targetPart, uint32_t targetOffset);
    // A symbol reference slot: `addSymbolReference` for this slot, and the slot written as 0.
    OvlPartWriter& reference(std::string_view symbolName);

    // For a structure's writer, which begins where this writer was made: the next field goes to
    // `fieldOffset` of the structure. A writer that drifts from its layout is a programming error
    // (std::logic_error), so a field added or lost shows at once.
    OvlPartWriter& at(uint32_t fieldOffset);
    // The structure is complete and `size` bytes long (std::logic_error otherwise).
    void endsAt(uint32_t size) { at(size); }

private:
    friend class OvlWriter;
    OvlPartWriter(OvlWriter& writer, OvlPart part, uint32_t start) : writer_(&writer), part_(part), start_(start) {}
    OvlWriter* writer_;
    OvlPart part_;
    uint32_t start_;
};

// One entry of the PointerTable.
struct OvlPointer {
    OvlPart targetPart = OvlPart::StringTable;
    uint32_t targetOffset = 0;
};

class OvlWriter {
public:
    static constexpr size_t kRelocationWarningCount = 6000;  // message 931
    static constexpr size_t kPointerWarningCount = 12000;    // message 932

    // Begins a pair: empties every table and part file. Messages during the pair go to `report`, in
    // order with the build's own, and name the pair by `objectName` (Windows-1252); `report` must
    // outlive the pair's construction.
    void beginPair(Report& report, std::string_view objectName = {});

    // Starts a new block in part file 2, 5 or 9 (std::logic_error for the others). Beyond 250 blocks
    // of one part file the bytes continue in its last block.
    void startBlock(OvlPart part);

    // Emits fields at the end of part file `part`.
    OvlPartWriter into(OvlPart part);

    // The current end of part file `part`: its last block's offset plus size.
    uint32_t end(OvlPart part) const;

    // Writes a word at `position` of part file `part`: appended when `position` is the end,
    // overwritten when it was written before.
    void writeWordAt(OvlPart part, uint32_t position, uint32_t value);

    // Makes the symbol entry and the loader entry for a structure about to be written at the
    // current end of part file 5 (common) or 9 (unique); for the unique file the count of symbol
    // references starts again at 0.
    void makeSymbolAndLoader(OvlFileKind file, std::string_view symbolName, uint32_t loaderType);
    // A loader entry without symbol (field 12 a plain 0) for a structure at the current end of part
    // file 5 or 9; `hasExtraData` marks a structure whose data follows the .common file's relocations.
    void makeLoaderWithoutSymbol(OvlFileKind file, uint32_t loaderType, bool hasExtraData);
    // Writes the number of symbol references made since the last unique loader into that loader.
    void closeUniqueStructure();

    // The primitives. Each records what its slot needs; the caller then writes the placeholder
    // (`placeholder()`) at `position`, except for addSymbolReference, whose slot the caller writes as 0.
    void addSharedString(std::string_view name, OvlPart part, uint32_t position);
    void addString(std::string_view name, OvlPart part, uint32_t position);
    void addPointer(OvlPart targetPart, uint32_t targetOffset, uint32_t position, OvlPart part);
    void addSymbolReference(std::string_view name, OvlPart targetPart, uint32_t targetOffset);
    // The placeholder of the slot recorded last: its pointer number.
    uint32_t placeholder() const { return static_cast<uint32_t>(pointers_.size()); }

    // The tables, for the assembly and for tests.
    const OvlPartFile& partFile(OvlPart part) const;
    const std::vector<OvlPointer>& pointers() const { return pointers_; }
    const OvlStringTable& stringTable() const { return strings_; }
    uint32_t CurrentSymbolPosition() const { return currentSymbolPosition_; }
    uint32_t CurrentLoaderPosition() const { return currentLoaderPosition_; }
    uint32_t LoaderSymbolRefCount() const { return loaderSymbolRefCount_; }

    // Frees the tables after the pair was assembled.
    void clear();

    // The part files and the pointer table, handed over to the assembly, which resolves the
    // placeholders where they stand; the writer is left empty, as after clear().
    struct Tables {
        std::array<OvlPartFile, kOvlPartCount> parts;
        std::vector<OvlPointer> pointers;
    };
    Tables takeTables();

private:
    friend class OvlPartWriter;
    OvlPartFile& partRef(OvlPart part);
    void recordRelocation(OvlPart part, uint32_t position);
    void recordPointer(OvlPart targetPart, uint32_t targetOffset);
    void declare(std::string_view name, OvlPart part, uint32_t position, bool alwaysNew);
    void warn(MessageId messageId, const std::string& name);

    std::array<OvlPartFile, kOvlPartCount> parts_;
    std::vector<OvlPointer> pointers_;
    OvlStringTable strings_;
    uint32_t currentSymbolPosition_ = 0;
    uint32_t currentLoaderPosition_ = 0;
    // The last loader of the unique file: symbol references belong to it even when a common loader
    // was made in between.
    bool haveUniqueLoader_ = false;
    uint32_t currentUniqueLoaderPosition_ = 0;
    uint32_t loaderSymbolRefCount_ = 0;
    bool begun_ = false;
    Report* report_ = nullptr;
    std::string objectName_;
};

}  // namespace zw
