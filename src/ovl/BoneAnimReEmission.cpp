// The BoneAnim as re-emitted (part file 5; N = bone count):
//    0  copied: N
//    4  pointer to 12, the bone records
//    8  copied
//   12  N bone records of 20 bytes: string (name); copied: KT; pointer to the translation keys, or
//       0 when KT = 0; copied: KR; pointer to the rotation keys, or 0 when KR = 0
//   12 + 20·N  the key lists, bone 1 translations, bone 1 rotations, bone 2 translations, …,
//       16 bytes a key, without gaps

#include <vector>

#include "ovl/ModelReading.h"
#include "ovl/ModelStructureReEmission.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

constexpr uint32_t kHeaderSize = 12;
constexpr uint32_t kBoneRecords = 4;
constexpr uint32_t kBoneSize = 20;
constexpr uint32_t kKeySize = 16;

struct Bone {
    uint64_t record = 0;
    std::string_view translations;
    std::string_view rotations;
};

}  // namespace

void reEmitBoneAnim(OvlWriter& writer, const ModelReading& model, uint32_t address, std::string_view symbolName,
                    uint32_t loaderType) {
    const std::string_view header = model.bytes(address, kHeaderSize);
    const uint32_t count = model.word(address);
    model.follow(uint64_t{address} + kBoneRecords, uint64_t{kBoneSize} * count);
    const uint32_t records = model.word(uint64_t{address} + kBoneRecords);
    std::vector<Bone> bones(count);
    uint64_t size = kHeaderSize + uint64_t{kBoneSize} * count;
    for (uint32_t b = 0; b < count; ++b) {
        Bone& bone = bones[b];
        bone.record = uint64_t{records} + kBoneSize * b;
        if (const uint32_t keys = model.word(bone.record + 4); keys > 0) {
            bone.translations = model.follow(bone.record + 8, uint64_t{kKeySize} * keys);
        }
        if (const uint32_t keys = model.word(bone.record + 12); keys > 0) {
            bone.rotations = model.follow(bone.record + 16, uint64_t{kKeySize} * keys);
        }
        size += bone.translations.size() + bone.rotations.size();
    }

    writer.makeSymbolAndLoader(OvlFileKind::Common, symbolName, loaderType);
    const uint32_t start = writer.end(OvlPart::CommonStructures);
    fitOffset(model, address, start + size);
    OvlPartWriter out = writer.into(OvlPart::CommonStructures);
    out.bytes(header.substr(0, 4));
    out.pointer(OvlPart::CommonStructures, start + kHeaderSize);
    out.bytes(header.substr(8, 4));
    uint32_t keys = start + kHeaderSize + kBoneSize * count;
    for (const Bone& bone : bones) {
        out.string(model.nameAt(bone.record));
        out.bytes(model.bytes(bone.record + 4, 4));
        if (bone.translations.empty()) {
            out.word(0);
        } else {
            out.pointer(OvlPart::CommonStructures, keys);
            keys += static_cast<uint32_t>(bone.translations.size());
        }
        out.bytes(model.bytes(bone.record + 12, 4));
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
