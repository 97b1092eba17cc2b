// The BoneAnim as re-emitted (fields in ModelLayouts.h; part file 5; N = bone count):
//    0  copied: N
//    4  pointer to 12, the bone records
//    8  copied
//   12  N bone records of 20 bytes: string (name); copied: KT; pointer to the translation keys, or
//       0 when KT = 0; copied: KR; pointer to the rotation keys, or 0 when KR = 0
//   12 + 20·N  the key lists, bone 1 translations, bone 1 rotations, bone 2 translations, …,
//       16 bytes a key, without gaps

#include <vector>

#include "ovl/ModelLayouts.h"
#include "ovl/ModelReading.h"
#include "ovl/ModelStructureReEmission.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

constexpr auto& A = model::kAnim;
constexpr auto& B = model::kAnimBone;
constexpr uint32_t kHeaderSize = A.size;
constexpr uint32_t kBoneRecords = A["bones"];
constexpr uint32_t kBoneSize = B.size;
using model::kKeySize;

struct Bone {
    uint64_t record = 0;
    std::string_view translations;
    std::string_view rotations;
};

}  // namespace

void reEmitBoneAnim(OvlWriter& writer, const ModelReading& model, uint32_t address, std::string_view symbolName,
                    uint32_t loaderType) {
    const std::string_view header = model.bytes(address, kHeaderSize);
    const uint32_t count = model.word(uint64_t{address} + A["bone count"]);
    model.follow(uint64_t{address} + kBoneRecords, uint64_t{kBoneSize} * count);
    const uint32_t records = model.word(uint64_t{address} + kBoneRecords);
    std::vector<Bone> bones(count);
    uint64_t size = kHeaderSize + uint64_t{kBoneSize} * count;
    for (uint32_t b = 0; b < count; ++b) {
        Bone& bone = bones[b];
        bone.record = uint64_t{records} + kBoneSize * b;
        if (const uint32_t keys = model.word(bone.record + B["translation key count"]); keys > 0) {
            bone.translations = model.follow(bone.record + B["translation keys"], uint64_t{kKeySize} * keys);
        }
        if (const uint32_t keys = model.word(bone.record + B["rotation key count"]); keys > 0) {
            bone.rotations = model.follow(bone.record + B["rotation keys"], uint64_t{kKeySize} * keys);
        }
        size += bone.translations.size() + bone.rotations.size();
    }

    writer.makeSymbolAndLoader(OvlFileKind::Common, symbolName, loaderType);
    const uint32_t start = writer.end(OvlPart::CommonStructures);
    fitOffset(model, address, start + size);
    OvlPartWriter out = writer.into(OvlPart::CommonStructures);
    out.at(A["bone count"]).bytes(header.substr(A["bone count"], 4));
    out.at(kBoneRecords).pointer(OvlPart::CommonStructures, start + kHeaderSize);
    out.at(A["duration"]).bytes(header.substr(A["duration"], 4));
    uint32_t keys = start + kHeaderSize + kBoneSize * count;
    for (uint32_t b = 0; b < count; ++b) {
        const Bone& bone = bones[b];
        const uint32_t at = kHeaderSize + kBoneSize * b;
        out.at(at + B["name"]).string(model.nameAt(bone.record + B["name"]));
        out.at(at + B["translation key count"]).bytes(model.bytes(bone.record + B["translation key count"], 4));
        out.at(at + B["translation keys"]);
        if (bone.translations.empty()) {
            out.word(0);
        } else {
            out.pointer(OvlPart::CommonStructures, keys);
            keys += static_cast<uint32_t>(bone.translations.size());
        }
        out.at(at + B["rotation key count"]).bytes(model.bytes(bone.record + B["rotation key count"], 4));
        out.at(at + B["rotation keys"]);
        if (bone.rotations.empty()) {
            out.word(0);
        } else {
            out.pointer(OvlPart::CommonStructures, keys);
            keys += static_cast<uint32_t>(bone.rotations.size());
        }
    }
    for (const Bone& bone : bones) out.lastingBytes(bone.translations).lastingBytes(bone.rotations);
}

}  // namespace zw
