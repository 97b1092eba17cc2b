// The SceneryItemVisual as re-emitted (fields in ModelLayouts.h; part file 9):
//    0 … 20  six words copied; 20 is the level count D
//   24       pointer to 52, the level pointers
//   28 … 48  six words copied
//   52       D pointers to the level records, which follow in level order
// Level record (72 + 8·A bytes, A = its animation count):
//    0 3            16 reference     32, 36 1.0, 1.0   48 0      60 copied: A
//    4 string       20 copied        40 0              52 1.0    64 copied
//    8 0            24, 28 0, 0      44 1.0            56 copied 68 pointer to 72, or 0 when A = 0
//   12 copied
//   72        A pointers, each to its slot in the array that follows (own position + 4·A)
//   72 + 4·A  A reference slots, named by the model's reference at the slot its animation pointer holds

#include <vector>

#include "ovl/ModelLayouts.h"
#include "ovl/ModelReading.h"
#include "ovl/ModelStructureReEmission.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

constexpr auto& V = model::kVisual;
constexpr auto& L = model::kLevel;
constexpr uint32_t kHeaderSize = V.size;
constexpr uint32_t kLevelCount = V["level count"];
constexpr uint32_t kLevelPointers = V["levels"];
constexpr uint32_t kLevelSize = L.size;
constexpr uint32_t kLevelName = L["name"];
constexpr uint32_t kLevelReference = L["bone shape"];
constexpr uint32_t kAnimationCount = L["animation count"];
constexpr uint32_t kAnimationPointers = L["animations"];

struct Level {
    uint32_t address = 0;
    uint32_t animations = 0;
    uint32_t animationPointers = 0;  // the model's array of slot addresses
};

// `out` begins where the level record does.
void writeLevel(OvlPartWriter out, const ModelReading& model, const Level& level) {
    const std::string_view raw = model.bytes(level.address, kLevelSize);
    const uint32_t start = out.offset();
    out.at(L["mesh kind"]).word(3);
    out.at(kLevelName).string(model.nameAt(uint64_t{level.address} + kLevelName));
    out.at(L["static shape"]).word(0);
    out.bytes(raw.substr(L["static shape"] + 4, 4));
    out.at(kLevelReference).reference(model.referenceAt(uint64_t{level.address} + kLevelReference));
    out.bytes(raw.substr(kLevelReference + 4, 4));
    out.word(0).word(0).floatWord(1.0).floatWord(1.0).word(0).floatWord(1.0).word(0).floatWord(1.0);
    out.at(L["distance"]).bytes(raw.substr(L["distance"], kAnimationPointers - L["distance"]));  // distance, A, 64
    out.at(kAnimationPointers);
    const uint32_t a = level.animations;
    if (a > 0) {
        out.pointer(OvlPart::UniqueStructures, start + kLevelSize);
    } else {
        out.word(0);
    }
    for (uint32_t i = 0; i < a; ++i) out.pointer(OvlPart::UniqueStructures, start + kLevelSize + 4 * a + 4 * i);
    for (uint32_t i = 0; i < a; ++i) {
        out.reference(model.referenceAt(model.word(uint64_t{level.animationPointers} + 4 * i)));
    }
}

}  // namespace

void reEmitSceneryItemVisual(OvlWriter& writer, const ModelReading& model, uint32_t address,
                             std::string_view symbolName, uint32_t loaderType) {
    const std::string_view header = model.bytes(address, kHeaderSize);
    const uint32_t count = model.word(uint64_t{address} + kLevelCount);
    model.follow(uint64_t{address} + kLevelPointers, uint64_t{4} * count);  // checked before anything is kept
    const uint32_t levelPointers = model.word(uint64_t{address} + kLevelPointers);
    std::vector<Level> levels(count);
    uint64_t size = kHeaderSize + uint64_t{4} * count;
    for (uint32_t d = 0; d < count; ++d) {
        Level& level = levels[d];
        model.follow(uint64_t{levelPointers} + 4 * d, kLevelSize);
        level.address = model.word(uint64_t{levelPointers} + 4 * d);
        level.animations = model.word(uint64_t{level.address} + kAnimationCount);
        if (level.animations > 0) {
            model.follow(uint64_t{level.address} + kAnimationPointers, uint64_t{4} * level.animations);
            level.animationPointers = model.word(uint64_t{level.address} + kAnimationPointers);
        }
        size += kLevelSize + uint64_t{8} * level.animations;
    }

    writer.makeSymbolAndLoader(OvlFileKind::Unique, symbolName, loaderType);
    const uint32_t start = writer.end(OvlPart::UniqueStructures);
    fitOffset(model, address, start + size);
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    out.bytes(header.substr(0, kLevelPointers));
    out.at(kLevelPointers).pointer(OvlPart::UniqueStructures, start + kHeaderSize);
    out.bytes(header.substr(kLevelPointers + 4, kHeaderSize - kLevelPointers - 4));
    out.at(kHeaderSize);
    uint32_t record = start + kHeaderSize + 4 * count;
    for (const Level& level : levels) {
        out.pointer(OvlPart::UniqueStructures, record);
        record += kLevelSize + 8 * level.animations;
    }
    for (const Level& level : levels) writeLevel(writer.into(OvlPart::UniqueStructures), model, level);
    writer.closeUniqueStructure();
}

}  // namespace zw
