#include "ovl/ModelScene.h"

#include <cmath>
#include <cstring>

#include "ovl/ModelLayouts.h"
#include "ovl/PairPictures.h"
#include "ovl/RideCarLayout.h"
#include "ovl/StructureSpace.h"

namespace zw {
namespace {

// The fields this reader follows, from the layouts the decoders and the builders share.
constexpr uint32_t kVisualSize = model::kVisual.size, kVisualLevels = model::kVisual["level count"];
constexpr uint32_t kVisualLevelList = model::kVisual["levels"];
constexpr uint32_t kLevelSize = model::kLevel.size, kLevelShape = model::kLevel["bone shape"];
constexpr uint32_t kShapeSize = model::kShape.size, kShapeMeshes = model::kShape["mesh count"];
constexpr uint32_t kShapeMeshList = model::kShape["meshes"], kShapeBones = model::kShape["bone count"];
constexpr uint32_t kShapeFirstMatrices = model::kShape["bone matrices"];
constexpr uint32_t kShapeSecondMatrices = model::kShape["bone rest matrices"];
using model::kMatrixSize;
constexpr uint32_t kMeshSize = model::kMesh.size, kMeshTexture = model::kMesh["texture"];
constexpr uint32_t kMeshSides = model::kMesh["sides"], kMeshVertexCount = model::kMesh["vertex count"];
constexpr uint32_t kMeshIndexCount = model::kMesh["index count"];
constexpr uint32_t kMeshVertices = model::kMesh["vertices"], kMeshIndices = model::kMesh["indices"];
// Vertex: position, normal, four bone indices (the first is the one that places it), ..., u, v.
using model::kVertexNormal;
using model::kVertexSize;
using model::kVertexBone;
using model::kVertexU;
using model::kVertexV;
// RideTrain: the six car slots from FrontCar on; RideCar: the visuals' slots of parts A and B.
constexpr uint32_t kTrainSize = rideCar::kRideTrain.size, kTrainCars = rideCar::kRideTrain["FrontCar"];
constexpr uint32_t kCarSize = rideCar::kRideCar.size, kCarVisualA = rideCar::kRideCar["ModellnameTeilA"];
constexpr uint32_t kCarVisualB = rideCar::kRideCar["ModellnameTeilB"];

using Matrix = std::array<float, 16>;  // row by row; a point is a row (x, y, z, 1) multiplied from the left

SceneProblem problem(MessageId id, std::vector<std::string> args) { return {id, std::move(args)}; }

SceneResult failed(MessageId id, std::vector<std::string> args) { return {std::nullopt, problem(id, std::move(args))}; }

float floatAt(const StructureSpace& space, uint64_t address) {
    const uint32_t raw = space.word(address);
    float v;
    std::memcpy(&v, &raw, sizeof v);
    return v;
}

const SpaceStructure* findSymbol(const StructureSpace& space, std::string_view symbol) {
    for (const SpaceStructure& s : space.structures()) {
        if (s.symbol == symbol) return &s;
    }
    return nullptr;
}

std::string withoutTag(const std::string& symbol) { return symbol.substr(0, symbol.rfind(':')); }

Matrix matrixAt(const StructureSpace& space, uint64_t address) {
    Matrix m;
    for (uint32_t i = 0; i < 16; ++i) m[i] = floatAt(space, address + 4 * i);
    return m;
}

Matrix product(const Matrix& a, const Matrix& b) {
    Matrix out{};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[row * 4 + k] * b[k * 4 + column];
            out[row * 4 + column] = sum;
        }
    }
    return out;
}

std::array<float, 3> placed(const Matrix& m, const std::array<float, 3>& p, float w) {
    std::array<float, 3> out{};
    for (int column = 0; column < 3; ++column) {
        out[column] = p[0] * m[column] + p[1] * m[4 + column] + p[2] * m[8 + column] + w * m[12 + column];
    }
    return out;
}

// The matrix that places the vertices of each bone at rest: the second list takes a vertex from where
// it was modelled to the bone's own frame, the first puts the bone in its place (the two are each
// other's inverse for a model at rest, so its vertices stay where they were modelled).
std::optional<std::vector<Matrix>> restMatrices(const StructureSpace& space, uint32_t shape) {
    const uint32_t bones = space.word(uint64_t{shape} + kShapeBones);
    const uint32_t first = space.word(uint64_t{shape} + kShapeFirstMatrices);
    const uint32_t second = space.word(uint64_t{shape} + kShapeSecondMatrices);
    const uint64_t bytes = uint64_t{kMatrixSize} * bones;
    if (bones == 0) return std::vector<Matrix>{};
    if (!space.inOneBlock(first, bytes) || !space.inOneBlock(second, bytes)) return std::nullopt;
    std::vector<Matrix> out;
    out.reserve(bones);
    for (uint32_t b = 0; b < bones; ++b) {
        out.push_back(product(matrixAt(space, uint64_t{second} + uint64_t{kMatrixSize} * b),
                              matrixAt(space, uint64_t{first} + uint64_t{kMatrixSize} * b)));
    }
    return out;
}

std::optional<RgbaPicture> meshTexture(const StructureSpace& space, uint32_t record) {
    const std::string* name = space.referenceAt(record + kMeshTexture);
    const SpaceStructure* texture = name ? findSymbol(space, *name) : nullptr;
    return texture ? firstTextureFrame(space, texture->address) : std::nullopt;
}

// One mesh record; false when its lists do not lie whole in the pair.
bool readMesh(const StructureSpace& space, uint32_t record, const std::vector<Matrix>& bones, SceneMesh& mesh) {
    if (!space.inOneBlock(record, kMeshSize)) return false;
    const uint32_t vertexCount = space.word(uint64_t{record} + kMeshVertexCount);
    const uint64_t triangles = space.word(uint64_t{record} + kMeshIndexCount) / 3;
    const uint32_t vertices = space.word(uint64_t{record} + kMeshVertices);
    const uint32_t indices = space.word(uint64_t{record} + kMeshIndices);
    if (!space.inOneBlock(vertices, uint64_t{kVertexSize} * vertexCount) || !space.inOneBlock(indices, 6 * triangles)) {
        return false;
    }
    mesh.twoSided = space.word(uint64_t{record} + kMeshSides) != 1;
    mesh.vertices.resize(vertexCount);
    for (uint32_t i = 0; i < vertexCount; ++i) {
        const uint64_t at = uint64_t{vertices} + uint64_t{kVertexSize} * i;
        SceneVertex& v = mesh.vertices[i];
        for (int k = 0; k < 3; ++k) {
            v.position[k] = floatAt(space, at + 4 * k);
            v.normal[k] = floatAt(space, at + kVertexNormal + 4 * k);
        }
        v.u = floatAt(space, at + kVertexU);
        v.v = floatAt(space, at + kVertexV);
        const auto bone = static_cast<uint8_t>(space.bytes()[at + kVertexBone]);
        if (bone < bones.size()) {
            v.position = placed(bones[bone], v.position, 1.0f);
            v.normal = placed(bones[bone], v.normal, 0.0f);
        }
        const float length = std::sqrt(v.normal[0] * v.normal[0] + v.normal[1] * v.normal[1] + v.normal[2] * v.normal[2]);
        if (length > 0 && std::isfinite(length)) {
            for (float& n : v.normal) n /= length;
        }
    }
    const std::string_view bytes = space.bytes();
    mesh.indices.reserve(3 * triangles);
    for (uint64_t t = 0; t < triangles; ++t) {
        uint32_t corner[3];
        for (int k = 0; k < 3; ++k) {
            const uint64_t at = uint64_t{indices} + 6 * t + 2 * k;
            corner[k] = static_cast<uint8_t>(bytes[at]) | static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 8;
        }
        // A triangle that names a vertex the mesh does not have is left out (the check names it).
        if (corner[0] < vertexCount && corner[1] < vertexCount && corner[2] < vertexCount) {
            mesh.indices.insert(mesh.indices.end(), corner, corner + 3);
        }
    }
    return true;
}

SceneResult shapeScene(const StructureSpace& space, const std::string& shapeName) {
    const SpaceStructure* shape = findSymbol(space, shapeName);
    if (shape == nullptr) return failed("renderStructureMissing", {shapeName});
    if (!space.inOneBlock(shape->address, kShapeSize)) return failed("renderStructureBroken", {shapeName});
    const uint32_t meshCount = space.word(uint64_t{shape->address} + kShapeMeshes);
    const uint32_t list = space.word(uint64_t{shape->address} + kShapeMeshList);
    const std::optional<std::vector<Matrix>> bones = restMatrices(space, shape->address);
    if (!bones || !space.inOneBlock(list, uint64_t{4} * meshCount)) return failed("renderStructureBroken", {shapeName});

    ModelScene scene;
    bool anyTriangle = false;
    for (uint32_t t = 0; t < meshCount; ++t) {
        const uint32_t record = space.word(uint64_t{list} + 4 * t);
        SceneMesh mesh;
        if (!readMesh(space, record, *bones, mesh)) {
            return failed("renderStructureBroken", {shapeName + " mesh " + std::to_string(t + 1)});
        }
        mesh.texture = meshTexture(space, record);
        if (!mesh.texture) {
            const std::string* texture = space.referenceAt(record + kMeshTexture);
            scene.notes.push_back(problem("renderTextureMissing", {withoutTag(shapeName), std::to_string(t + 1),
                                                                   texture ? *texture : std::string("-")}));
        }
        anyTriangle = anyTriangle || !mesh.indices.empty();
        scene.meshes.push_back(std::move(mesh));
    }
    if (!anyTriangle) return failed("renderNoTriangles", {shapeName});
    return {std::move(scene), {}};
}

}  // namespace

SceneResult visualScene(const StructureSpace& space, std::string_view visualSymbol) {
    const std::string name(visualSymbol);
    const SpaceStructure* visual = findSymbol(space, visualSymbol);
    if (visual == nullptr) return failed("renderStructureMissing", {name});
    if (!space.inOneBlock(visual->address, kVisualSize)) return failed("renderStructureBroken", {name});
    if (space.word(uint64_t{visual->address} + kVisualLevels) == 0) return failed("renderNoLevel", {name});
    const uint32_t list = space.word(uint64_t{visual->address} + kVisualLevelList);
    if (!space.inOneBlock(list, 4)) return failed("renderStructureBroken", {name});
    const uint32_t level = space.word(list);
    if (!space.inOneBlock(level, kLevelSize)) return failed("renderStructureBroken", {name});
    const std::string* shape = space.referenceAt(level + kLevelShape);
    if (shape == nullptr) return failed("renderNoShape", {name});
    return shapeScene(space, *shape);
}

SceneResult modelPairScene(const StructureSpace& space) {
    for (const SpaceStructure& s : space.structures()) {
        if (s.symbol.ends_with(":svd")) return visualScene(space, s.symbol);
    }
    return failed("renderNoModel", {space.fileName(OvlFileKind::Common)});
}

std::vector<CarScene> carPairScenes(const StructureSpace& space) {
    const SpaceStructure* train = nullptr;
    for (const SpaceStructure& s : space.structures()) {
        if (s.symbol.ends_with(":rit") && space.inOneBlock(s.address, kTrainSize)) {
            train = &s;
            break;
        }
    }
    if (train == nullptr) return {};
    // The slots of FrontCar, MiddleCar and RearCar among the six roles.
    const std::pair<const char*, uint32_t> roles[] = {{"FrontCar", 0}, {"MiddleCar", 2}, {"RearCar", 4}};
    std::vector<CarScene> out;
    for (const auto& [role, slot] : roles) {
        CarScene car{role, {}, {}};
        const std::string* carName = space.referenceAt(train->address + kTrainCars + 4 * slot);
        const SpaceStructure* rideCar = carName ? findSymbol(space, *carName) : nullptr;
        if (carName == nullptr) {
            car.result = failed("renderNoCar", {role});
        } else if (rideCar == nullptr || !space.inOneBlock(rideCar->address, kCarSize)) {
            car.result = failed(rideCar ? MessageId("renderStructureBroken") : MessageId("renderStructureMissing"), {*carName});
        } else {
            std::vector<ModelScene> parts;
            for (uint32_t at : {kCarVisualA, kCarVisualB}) {
                const std::string* visual = space.referenceAt(rideCar->address + at);
                if (visual == nullptr) continue;
                car.visuals.push_back(withoutTag(*visual));
                SceneResult part = visualScene(space, *visual);
                if (!part.scene) {
                    car.result = std::move(part);
                    break;
                }
                parts.push_back(std::move(*part.scene));
            }
            if (car.visuals.empty()) car.result = failed("renderNoModel", {*carName});
            if (car.result.problem.id.empty()) car.result.scene = mergedScenes(std::move(parts));
        }
        out.push_back(std::move(car));
    }
    return out;
}

ModelScene mergedScenes(std::vector<ModelScene> scenes) {
    ModelScene out;
    for (ModelScene& s : scenes) {
        for (SceneMesh& m : s.meshes) out.meshes.push_back(std::move(m));
        for (SceneProblem& p : s.notes) out.notes.push_back(std::move(p));
    }
    return out;
}

}  // namespace zw
