#pragma once
// What the renderer draws of a model, taken from a pair's structures: the meshes of the BoneShape
// that the first level of detail of a SceneryItemVisual names, each vertex where its first bone's
// two matrices put it (at rest: where it was modelled), each mesh with the first frame of the
// FlexiTexture it names (palette and alpha), or a flat colour when that texture is not in the pair.
//
// A car pair gives one scene per car role of its RideTrain (front, middle, rear): the visuals that
// the role's RideCar names (part A and part B), drawn together.
//
// Everything is read through the bounds checks of the structure space: whatever does not lie whole
// in the pair is a problem with a message, never a read outside it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Messages.h"
#include "ovl/RgbaPicture.h"

namespace zw {

class StructureSpace;

struct SceneVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
    float u = 0, v = 0;
};

struct SceneMesh {
    std::vector<SceneVertex> vertices;
    std::vector<uint32_t> indices;  // three a triangle, each naming a vertex of this mesh
    std::optional<RgbaPicture> texture;  // none: drawn in kMissingTextureColour
    bool twoSided = false;               // seen from behind too
};

// A message of the catalogue with its arguments (Windows-1252), shown in the language of the moment.
struct SceneProblem {
    MessageId id;
    std::vector<std::string> args;
    std::string text(Language language) const { return messageWithArgs(id, language, args); }
};

struct ModelScene {
    std::vector<SceneMesh> meshes;
    std::vector<SceneProblem> notes;  // drawn all the same, e.g. a texture that is missing
};

// The flat colour of a mesh whose texture is missing: loud, so that it is seen.
constexpr std::array<uint8_t, 3> kMissingTextureColour = {220, 40, 200};

// The scene of a pair, or the problem that leaves nothing to draw.
struct SceneResult {
    std::optional<ModelScene> scene;
    SceneProblem problem;
};

// The scene of the SceneryItemVisual named `visualSymbol` (with its tag), first level of detail.
SceneResult visualScene(const StructureSpace& space, std::string_view visualSymbol);
// The scene of a model pair: its first SceneryItemVisual.
SceneResult modelPairScene(const StructureSpace& space);

// The cars of a car pair, by role, in the order front, middle, rear.
struct CarScene {
    std::string role;                  // "FrontCar", "MiddleCar", "RearCar"
    std::vector<std::string> visuals;  // the visuals its RideCar names, without their tags
    SceneResult result;
};
// Empty when the pair holds no RideTrain.
std::vector<CarScene> carPairScenes(const StructureSpace& space);

// Several scenes drawn as one (the parts of a car).
ModelScene mergedScenes(std::vector<ModelScene> scenes);

}  // namespace zw
