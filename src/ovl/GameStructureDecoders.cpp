// The structures of the ride and car pairs this program makes: the TrackedRide in both layouts
// with the lists it points to, the RideCar, the RideTrain, and the ride icon's GUISkinItem,
// Texture and Flic. Their layouts (TrackedRideLayout.h, RideCarLayout.h, IconLayout.h) are the
// builders' as well; the decoders here add what follows the pointers and the checks.

#include <iterator>

#include "base/LittleEndian.h"
#include "ovl/IconLayout.h"
#include "ovl/LayoutDecoder.h"
#include "ovl/RideCarLayout.h"
#include "ovl/StructureDecoders.h"
#include "ovl/TrackedRideLayout.h"

namespace zw {
namespace {

void sameCount(RecordDecoder& r, uint32_t offset, const char* field, uint32_t value, const char* other, uint32_t expected) {
    if (value != expected) {
        r.finding(StructureSeverity::Note, offset, field, std::to_string(value), "structureDisagrees",
                  {other, std::to_string(expected)});
    }
}

// ---- TrackedRide ----

namespace tr = trackedRide;

struct RideLists {
    std::optional<uint32_t> carTypes, trackSections, trackPaths, trackReferences, peepReferences, ratingTable;
    uint32_t carTypeCount = 0, trackSectionCount = 0, trackPathCount = 0, trackReferenceCount = 0, peepCount = 0;
};

// The identity's peep paths, in the base header and in piece C.
void peepPaths(LayoutDecoder& d, RideLists& lists) {
    lists.peepCount = d.u32("PeepPathSplineName count");
    lists.peepReferences = d.pointer("peep path references", lists.peepCount, 4, true);
}

void trackSections(LayoutDecoder& d, RideLists& lists) {
    lists.trackSectionCount = d.u32("TrackSectionName count");
    lists.trackSections = d.pointer("track sections", lists.trackSectionCount, tr::kTrackSectionEntrySize);
}

// A list the TrackedRide points to, printed entry by entry.
void textList(const StructureSpace& space, StructureReport& report, const std::string& label, const char* name,
              std::optional<uint32_t> at, uint32_t count) {
    if (!at || count == 0) return;
    report.listing << "    " << name << " at " << *at << '\n';
    RecordDecoder r(space, report, space.fileAt(*at), label + " " + name, *at, uint64_t{4} * count, 1);
    for (uint32_t i = 0; i < count; ++i) r.text(4 * i, std::string(name) + " " + std::to_string(i + 1));
}

void referenceList(const StructureSpace& space, StructureReport& report, const std::string& label, const char* name,
                   std::optional<uint32_t> at, uint32_t count) {
    if (!at || count == 0) return;
    report.listing << "    " << name << " at " << *at << '\n';
    RecordDecoder r(space, report, space.fileAt(*at), label + " " + name, *at, uint64_t{4} * count, 1);
    for (uint32_t i = 0; i < count; ++i) r.reference(4 * i, std::string(name) + " " + std::to_string(i + 1), true);
}

void trackSectionList(const StructureSpace& space, StructureReport& report, const std::string& label,
                      std::optional<uint32_t> at, uint32_t count) {
    if (!at || count == 0) return;
    report.listing << "    track sections at " << *at << '\n';
    constexpr uint32_t size = tr::kTrackSectionEntrySize;
    RecordDecoder r(space, report, space.fileAt(*at), label + " track sections", *at, uint64_t{size} * count, 1);
    for (uint32_t i = 0; i < count; ++i) {
        r.text(size * i, "TrackSectionName " + std::to_string(i + 1));
        r.i32(size * i + 4, "TrackSectionKosten " + std::to_string(i + 1));
    }
}

constexpr uint32_t kRatingRecordSize = tr::kRatingRecord.size;

void ratingTable(const StructureSpace& space, StructureReport& report, const std::string& label, std::optional<uint32_t> at) {
    if (!at) return;
    report.listing << "    rating table at " << *at << '\n';
    RecordDecoder t(space, report, space.fileAt(*at), label + " rating table", *at, 4 * tr::kRatingPointerWords, 1);
    for (uint32_t i = 1; i <= tr::kRatingRecordCount; ++i) {
        const uint32_t size = tr::kRatingRecordSizes[i - 1];
        const std::optional<uint32_t> record = t.pointer(4 * (i - 1), "record " + std::to_string(i), 1, size);
        if (!record || size != kRatingRecordSize) continue;
        RecordDecoder r(space, report, space.fileAt(*record), label + " rating record " + std::to_string(i), *record,
                        kRatingRecordSize, 2);
        LayoutDecoder(r, tr::kRatingRecord).rest();
    }
    t.u32(4 * tr::kRatingRecordCount, "end");
}

void decodeBaseLayout(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                      const std::string& label) {
    report.listing << "    base layout\n";
    RecordDecoder h(space, report, s.file, label, s.address, tr::kBaseHeaderSize, 0);
    LayoutDecoder d(h, tr::kBaseHeader);
    RideLists lists;
    peepPaths(d, lists);
    lists.ratingTable = d.pointer("rating table", 1, 4 * tr::kRatingPointerWords);
    lists.trackReferenceCount = d.u32("TrackSectionName count");
    lists.trackReferences = d.pointer("track section references", lists.trackReferenceCount, 4);
    lists.carTypeCount = d.u32("WagentypName count");
    lists.carTypes = d.pointer("car types", lists.carTypeCount, 4);
    trackSections(d, lists);
    d.rest();
    if (!h.whole()) return;
    sameCount(h, tr::kBaseSectionsAndSplines + tr::kSectionsAndSplines["TrackSectionName count"],
              "TrackSectionName count", lists.trackSectionCount, "TrackSectionName count", lists.trackReferenceCount);
    referenceList(space, report, label, "track section references", lists.trackReferences, lists.trackReferenceCount);
    referenceList(space, report, label, "peep path references", lists.peepReferences, lists.peepCount);
    textList(space, report, label, "car types", lists.carTypes, lists.carTypeCount);
    trackSectionList(space, report, label, lists.trackSections, lists.trackSectionCount);
    ratingTable(space, report, label, lists.ratingTable);
}

void decodeAddOnLayout(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                       const std::string& label) {
    report.listing << "    add-on layout\n";
    RecordDecoder h(space, report, s.file, label, s.address, tr::kHeadASize, 0);
    LayoutDecoder d(h, tr::kHeadA);
    RideLists lists;
    const uint32_t referenceCount = h.peek(tr::kHeadAEnd["TrackSectionName count"]);
    d.flags("layout mark");
    lists.trackReferences = d.pointer("track section references", referenceCount, 4);
    lists.carTypeCount = d.u32("WagentypName count");
    lists.carTypes = d.pointer("car types", lists.carTypeCount, 4);
    trackSections(d, lists);
    const std::optional<uint32_t> pieceB = d.pointer("piece B", 1, tr::kPieceSize);
    lists.trackReferenceCount = d.u32("TrackSectionName count");
    lists.trackPathCount = d.u32("track type count");
    lists.trackPaths = d.pointer("track paths", lists.trackPathCount, 4);
    d.rest();
    if (!h.whole()) return;
    sameCount(h, tr::kHeadAEnd["TrackSectionName count"], "TrackSectionName count", lists.trackReferenceCount,
              "TrackSectionName count", lists.trackSectionCount);

    std::optional<uint32_t> pieceC;
    if (pieceB) {
        report.listing << "    piece B at " << *pieceB << '\n';
        RecordDecoder b(space, report, space.fileAt(*pieceB), label + " piece B", *pieceB, tr::kPieceSize, 1);
        LayoutDecoder db(b, tr::kPieceB);
        lists.ratingTable = db.pointer("rating table", 1, 4 * tr::kRatingPointerWords);
        pieceC = db.pointer("piece C", 1, tr::kPieceSize);
        db.rest();
    }
    if (pieceC) {
        report.listing << "    piece C at " << *pieceC << '\n';
        RecordDecoder c(space, report, space.fileAt(*pieceC), label + " piece C", *pieceC, tr::kPieceSize, 1);
        LayoutDecoder dc(c, tr::kPieceC);
        peepPaths(dc, lists);
        dc.rest();
    }
    referenceList(space, report, label, "track section references", lists.trackReferences, lists.trackReferenceCount);
    referenceList(space, report, label, "peep path references", lists.peepReferences, lists.peepCount);
    textList(space, report, label, "car types", lists.carTypes, lists.carTypeCount);
    trackSectionList(space, report, label, lists.trackSections, lists.trackSectionCount);
    textList(space, report, label, "track paths", lists.trackPaths, lists.trackPathCount);
    ratingTable(space, report, label, lists.ratingTable);
}

// ---- the icon ----

constexpr uint32_t kPictureHeaderSize = icon::kPictureHeader.size;
using icon::kDxt1Format;

bool isPowerOfTwo(uint32_t v) { return v != 0 && (v & (v - 1)) == 0; }

}  // namespace

void decodeTrackedRide(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                       const std::string& label) {
    // The add-on layout begins with the word −1, where the base layout has the ride's category.
    if (space.inOneBlock(s.address, 4) && space.word(s.address) == tr::kAddOnLayoutMark) {
        decodeAddOnLayout(space, report, s, label);
    } else {
        decodeBaseLayout(space, report, s, label);
    }
}

void decodeRideCar(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                   const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, rideCar::kRideCar.size, 0);
    LayoutDecoder d(h, rideCar::kRideCar);
    const uint32_t seats = d.u32("seating list count");
    const std::optional<uint32_t> list = d.pointer("seating list", seats, 4, true);
    d.rest();
    if (!list) return;
    std::string shown = "seating list:";
    for (uint32_t i = 0; i < seats; ++i) shown += " " + std::to_string(static_cast<int32_t>(space.word(*list + 4 * i)));
    h.line(shown);
}

void decodeRideTrain(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                     const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, rideCar::kRideTrain.size, 0);
    LayoutDecoder(h, rideCar::kRideTrain).rest();
}

void decodeGuiSkinItem(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                       const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, icon::kGuiSkinItem.size, 0);
    LayoutDecoder d(h, icon::kGuiSkinItem);
    const std::optional<uint32_t> rectangle = d.pointer("rectangle", 1, icon::kRectangleSize);
    d.rest();
    if (!rectangle) return;
    std::string shown = "rectangle:";
    for (uint32_t i = 0; i < 4; ++i) shown += " " + std::to_string(space.word(*rectangle + 4 * i));
    h.line(shown);
}

void decodeTexture(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                   const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, icon::kTexture.size, 0);
    LayoutDecoder d(h, icon::kTexture);
    const uint32_t at = d.special("sixteen unknown shorts");
    std::string shorts;
    for (uint32_t i = 0; i < icon::kTextureShortCount; ++i) shorts += (i ? " " : "") + std::to_string(h.u16(at + 2 * i));
    h.line("   " + std::to_string(at) + " sixteen unknown shorts: " + shorts);
    const uint32_t flics = d.u32("flic count");
    d.pointer("flics", flics, 4);
    d.pointer("unknown 56", 1, 4);
    d.pointer("unknown 60", 1, 4);
    d.pointer("flic", 1, icon::kFlic.size);
}

void decodeFlic(const StructureSpace& space, StructureReport& report, const SpaceStructure& s, const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, icon::kFlic.size, 0);
    LayoutDecoder(h, icon::kFlic).rest();
    if (!h.whole() || s.extraDataIndex < 0) return;
    if (static_cast<size_t>(s.extraDataIndex) >= space.extraData().size()) {
        h.finding(StructureSeverity::Error, 0, "extra data", std::to_string(s.extraDataIndex + 1), "structureNoExtraData",
                  {std::to_string(space.extraData().size())});
        return;
    }
    const std::string_view picture = space.extraData()[static_cast<size_t>(s.extraDataIndex)];
    if (picture.size() < kPictureHeaderSize) {
        h.finding(StructureSeverity::Error, 0, "extra data", std::to_string(picture.size()), "structurePictureShort",
                  {std::to_string(kPictureHeaderSize)});
        return;
    }
    // The header's words in the order of its layout.
    uint32_t words[icon::kPictureHeader.fields.size()];
    for (size_t i = 0; i < std::size(words); ++i) {
        words[i] = loadLittleEndian<uint32_t>(picture.data() + icon::kPictureHeader.fields[i].offset);
    }
    h.line("picture (extra data " + std::to_string(s.extraDataIndex + 1) + ", " + std::to_string(picture.size()) +
           " bytes): format " + std::to_string(words[0]) + ", " + std::to_string(words[1]) + " x " +
           std::to_string(words[2]) + ", levels " + std::to_string(words[3]) + ", level " + std::to_string(words[4]) +
           " x " + std::to_string(words[5]) + ", " + std::to_string(words[7]) + " rows of " + std::to_string(words[6]) +
           " bytes");
    const uint64_t data = uint64_t{words[6]} * words[7];
    if (kPictureHeaderSize + data > picture.size()) {
        h.finding(StructureSeverity::Error, 0, "picture rows", std::to_string(words[7]), "structurePictureShort",
                  {std::to_string(kPictureHeaderSize + data)});
    }
    if (words[0] == kDxt1Format) {
        const uint64_t expected = uint64_t{(words[4] + 3) / 4} * 8 * ((words[5] + 3) / 4);
        if (data != expected) {
            h.finding(StructureSeverity::Note, 0, "picture rows", std::to_string(words[7]), "structureDisagrees",
                      {"DXT1 bytes of the level", std::to_string(expected)});
        }
    }
    if (!isPowerOfTwo(words[1]) || !isPowerOfTwo(words[2])) {
        h.finding(StructureSeverity::Note, 0, "picture width", std::to_string(words[1]), "structureNotPowerOfTwo");
    }
}

}  // namespace zw
