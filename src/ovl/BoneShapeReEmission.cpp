// The BoneShape as re-emitted (fields in ModelLayouts.h). Header, 60 bytes in part file 9 (E5 = the end of part file 5 when it
// is written, B = bone count, T = mesh count):
//    0 … 28  eight words copied       44  copied: B (0 stops with 196)
//   32       copied: T (0 stops with 195)   48  pointer to E5, the bones
//   36       copied                   52  pointer to E5 + 8·B, the first matrices
//   40       pointer to 60            56  pointer to E5 + 72·B, the second matrices
//   60       T pointers to the mesh records, which follow, 40 bytes each
// In part file 5 from E5: B bones (string: name; one word copied), B and B matrices of 64 bytes.
// Mesh record (E = the end of part file 5 when it is written; V vertices, I indices):
//    0 copied   8 reference   16, 20 copied   28 copied: I          36 pointer to E + 44·V
//    4 reference  12 copied: P  24 copied: V  32 pointer to E
// then in part file 5: V vertices of 44 bytes, I/3 groups of three 16-bit values, and when P is not
// 0 a further I/3 groups of six 16-bit values, which follow the first groups in the model.

#include <vector>

#include "ovl/ModelLayouts.h"
#include "ovl/ModelReading.h"
#include "ovl/ModelStructureReEmission.h"
#include "ovl/OvlWriter.h"

namespace zw {
namespace {

constexpr auto& S = model::kShape;
constexpr uint32_t kHeaderSize = S.size;
constexpr uint32_t kMeshCount = S["meshes without support"];  // the count a car build copies
constexpr uint32_t kMeshPointers = S["meshes"];
constexpr uint32_t kBoneCount = S["bone count"];
constexpr uint32_t kBones = S["bones"];
constexpr uint32_t kFirstMatrices = S["bone matrices"];
constexpr uint32_t kSecondMatrices = S["bone rest matrices"];
constexpr uint32_t kBoneSize = model::kShapeBone.size;
using model::kMatrixSize;

constexpr auto& M = model::kMesh;
constexpr uint32_t kMeshSize = M.size;
constexpr uint32_t kMeshFirstReference = M["texture"];
constexpr uint32_t kMeshSecondReference = M["texture style"];
constexpr uint32_t kMeshGroupKind = M["transparency"];
constexpr uint32_t kMeshVertexCount = M["vertex count"];
constexpr uint32_t kMeshIndexCount = M["index count"];
constexpr uint32_t kMeshVertices = M["vertices"];
constexpr uint32_t kMeshIndices = M["indices"];
using model::kSextupleSize;
using model::kTripleSize;
using model::kVertexSize;

void writeMesh(OvlWriter& writer, const ModelReading& model, uint32_t mesh) {
    const std::string_view raw = model.bytes(mesh, kMeshSize);
    const uint64_t vertexCount = model.word(uint64_t{mesh} + kMeshVertexCount);
    const uint64_t groups = model.word(uint64_t{mesh} + kMeshIndexCount) / 3;
    const bool sixValueGroups = model.word(uint64_t{mesh} + kMeshGroupKind) != 0;
    const std::string_view vertices = model.follow(uint64_t{mesh} + kMeshVertices, kVertexSize * vertexCount);
    const uint64_t tripleBytes = kTripleSize * groups;
    const std::string_view indices =
        model.follow(uint64_t{mesh} + kMeshIndices, tripleBytes + (sixValueGroups ? kSextupleSize * groups : 0));
    const std::string_view triples = indices.substr(0, tripleBytes);
    const std::string_view sextuples = indices.substr(tripleBytes);

    const uint32_t e = writer.end(OvlPart::CommonStructures);
    fitOffset(model, mesh, uint64_t{e} + vertices.size() + triples.size() + sextuples.size());
    OvlPartWriter record = writer.into(OvlPart::UniqueStructures);
    record.bytes(raw.substr(0, kMeshFirstReference));
    record.at(kMeshFirstReference).reference(model.referenceAt(uint64_t{mesh} + kMeshFirstReference));
    record.at(kMeshSecondReference).reference(model.referenceAt(uint64_t{mesh} + kMeshSecondReference));
    record.at(kMeshGroupKind).bytes(raw.substr(kMeshGroupKind, kMeshVertices - kMeshGroupKind));  // P, 16, 20, V, I
    record.at(kMeshVertices).pointer(OvlPart::CommonStructures, e);
    record.at(kMeshIndices).pointer(OvlPart::CommonStructures, e + static_cast<uint32_t>(vertices.size()));
    record.endsAt(kMeshSize);
    writer.into(OvlPart::CommonStructures).lastingBytes(vertices).lastingBytes(triples).lastingBytes(sextuples);
}

}  // namespace

void reEmitBoneShape(OvlWriter& writer, const ModelReading& model, uint32_t address, std::string_view symbolName,
                     uint32_t loaderType) {
    const std::string_view header = model.bytes(address, kHeaderSize);
    const uint32_t meshCount = model.word(uint64_t{address} + kMeshCount);
    const uint32_t boneCount = model.word(uint64_t{address} + kBoneCount);

    writer.makeSymbolAndLoader(OvlFileKind::Unique, symbolName, loaderType);
    const uint32_t start = writer.end(OvlPart::UniqueStructures);
    const uint32_t e5 = writer.end(OvlPart::CommonStructures);
    OvlPartWriter out = writer.into(OvlPart::UniqueStructures);
    out.bytes(header.substr(0, kMeshCount + 4));
    if (meshCount == 0) throw ModelReEmissionStop{"195", {}, {}};
    out.at(S["mesh count"]).bytes(header.substr(S["mesh count"], 4));
    out.at(kMeshPointers).pointer(OvlPart::UniqueStructures, start + kHeaderSize);
    out.at(kBoneCount).bytes(header.substr(kBoneCount, 4));
    if (boneCount == 0) throw ModelReEmissionStop{"196", {}, {}};

    model.follow(uint64_t{address} + kBones, uint64_t{kBoneSize} * boneCount);
    const uint32_t bones = model.word(uint64_t{address} + kBones);
    const std::string_view first = model.follow(uint64_t{address} + kFirstMatrices, uint64_t{kMatrixSize} * boneCount);
    const std::string_view second = model.follow(uint64_t{address} + kSecondMatrices, uint64_t{kMatrixSize} * boneCount);
    model.follow(uint64_t{address} + kMeshPointers, uint64_t{4} * meshCount);
    const uint32_t meshPointers = model.word(uint64_t{address} + kMeshPointers);
    fitOffset(model, address, uint64_t{e5} + (kBoneSize + 2 * kMatrixSize) * uint64_t{boneCount});
    fitOffset(model, address, uint64_t{start} + kHeaderSize + (4 + kMeshSize) * uint64_t{meshCount});

    out.at(kBones).pointer(OvlPart::CommonStructures, e5);
    out.at(kFirstMatrices).pointer(OvlPart::CommonStructures, e5 + kBoneSize * boneCount);
    out.at(kSecondMatrices).pointer(OvlPart::CommonStructures, e5 + (kBoneSize + kMatrixSize) * boneCount);

    OvlPartWriter data = writer.into(OvlPart::CommonStructures);
    for (uint32_t b = 0; b < boneCount; ++b) {
        const uint64_t bone = uint64_t{bones} + kBoneSize * b;
        data.string(model.nameAt(bone));
        data.bytes(model.bytes(bone + 4, 4));
    }
    data.lastingBytes(first).lastingBytes(second);

    const uint32_t records = start + kHeaderSize + 4 * meshCount;
    out.at(kHeaderSize);
    for (uint32_t t = 0; t < meshCount; ++t) out.pointer(OvlPart::UniqueStructures, records + kMeshSize * t);
    for (uint32_t t = 0; t < meshCount; ++t) {
        const uint64_t pointer = uint64_t{meshPointers} + 4 * t;
        model.follow(pointer, kMeshSize);
        writeMesh(writer, model, model.word(pointer));
    }
    writer.closeUniqueStructure();
}

}  // namespace zw
