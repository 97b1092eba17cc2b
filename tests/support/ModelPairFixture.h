#pragma once
// Car model pairs as the Importer writes them, composed byte by byte on HandMadeOvlPair, sized by
// parameters, with a faulty variant for every check of the car builder, of the re-emission and of
// the structure check.
//
// Structures of a model M (names with their symbol tags; s, k counted from 1):
//   unique: M:svd, the SceneryItemVisual; M"Shape"s:bsh, the BoneShapes;
//   common: AnimationTemplate:ban (when asked for) and M"Anim"k:ban, the BoneAnims;
//           M"Texture"k:ftx, the FlexiTextures; M"Spline"k:spl, the Splines.
// Each is filed under its own loader type, in the list BoneAnim, BoneShape, FlexiTexture, Spline,
// SceneryItemVisual (the order the tool writes them in, with the loader names and tags it uses).
// The svd, its level records, their animation arrays, the bsh headers, mesh arrays and mesh
// records stand in the .unique file's structure block; every other part (the ban, ftx and spl
// headers in the .common structure block, their data, bones, matrices, vertices, indices, keys,
// palettes and pictures in the .common data block) in the .common file. With `scattered` the parts
// stand in reverse order with 8 filler bytes between any two, so that no structure is followed by
// what it points to: a reader has to follow the address words.
//
// Contents. Realistic by default: meshes with unit normals and texture coordinates (balls of the
// asked sizes, or the given geometry), bounding boxes that enclose them, vertex and index totals,
// bones "Car", "Restraint", "Bone3" … with matrices, animation keys in time order, textures whose
// edge, scale, height and frames agree, recolour flags 1, a real palette and picture
// (CarModelGeometry.h). A realistic model passes the structure check without a finding.
//
// Patterned, for tests that must tell every copied word apart:
//   - a copied word of a structure is fixtureWord(id, offset), id naming the structure (below);
//   - a run of bytes (vertices, matrices, keys, palettes, pictures …) is fixtureBytes(seed, count)
//     with seed = fixtureSeed(id, run, index);
// In both:
//   - counts stand where the tables say: svd 20 = levels; level 60 = its animations; bsh 32 = meshes
//     (the meshes without support, which all are: a realistic mesh's support word is -1), 44 = bones; mesh 12 = P, 24 = vertices, 28 = indices; ban 0 = bones; bone record 4 = KT,
//     12 = KR; ftx 4 = edge, 20 = words, 28 = frames; spline as PeepPathSplinePair makes spline k-1.
//   - names (patterned): level d "LOD"d (d from 1), bone b of a shape "Bone"b, bone b of an
//     animation "AnimBone"b; both a bone word b of shape s: fixtureWord(shapeId(s), 0x1000 + b).
//   - symbol references: level d's slot at 16 names M"Shape"s:bsh (s = (d - 1) mod shapes + 1);
//     its animation a (from 1) names "AnimationTemplate:ban" for a = 1 and M"Anim"(a - 1):ban for the
//     others; a mesh record's slot at 4 names M"Texture"k:ftx (k = (t - 1) mod textures + 1, t its
//     number from 1), its slot at 8 names "Opaque:txs".
//   - animation bone b (from 1) has KT = translationKeys, except every second bone (b even) has
//     KT = 0; KR = rotationKeys.
//   - texture frame f (from 1) has alpha data when alphaFrames[(f - 1) mod size] is true.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/CarModelGeometry.h"
#include "support/HandMadeOvlPair.h"

namespace zw::test {

// The faulty variants: the first failing check of each, in brackets.
enum class ModelFault {
    None,
    MissingCommon,       // no .common file (171)
    MissingUnique,       // no .unique file (173)
    CommonVersion2,      // .common version word 2 (172)
    UniqueVersion2,      // .unique version word 2 (174)
    CommonBlocks51,      // a block count of 51 in the .common file (176)
    UniqueBlocks51,      // (177)
    CommonBlocks50,      // 50 empty type-5 blocks in the .common file: accepted
    UniqueBlocks50,      // accepted
    NoStringTable,       // an empty string table (185)
    StaticShape,         // a ":shs" symbol besides (181)
    RideCar,             // a ":ric" symbol (182)
    RideTrain,           // a ":rit" symbol (183)
    NoVisual,            // the svd has no symbol (190)
    TwoVisuals,          // a second ":svd" symbol (191)
    VisualNameDiffers,   // the svd is named "Other:svd" (188)
    NoBoneShape,         // the bsh have no symbols (186)
    NoTexture,           // the ftx have no symbols (193)
    NoSymbolReferences,  // no symbol references at all (194)
    NoMeshes,            // the first bsh has 0 meshes (195)
    NoBones,             // the first bsh has 0 bones (196)
    UnmatchedReference,  // the slot at 8 of the last mesh record has no symbol reference
    AddressOutside,      // the first mesh's vertex address lies far outside the pair
    CountPastEnd,        // the first mesh's vertex count runs past the end of the pair
    Truncated,           // the .unique file is cut in the middle of its blocks
    // Faults of a structure's content, each found by the structure check (realistic contents):
    BoxInsideOut,          // the first bsh's bounding box minimum x above its maximum x
    BoxTooSmall,           // the first bsh's box misses the vertices on the x axis
    MeshCountsDiffer,      // the first bsh's first mesh has support 0: word 32 one less than word 36
    VertexTotalDiffers,    // the first bsh's vertex total one more than its meshes hold
    IndexPastVertices,     // the first mesh's first index names a vertex past its vertices
    LongNormal,            // the first mesh's first vertex has a normal of length 2
    TextureFlagsUnknown,   // the first ftx's recolour flags 0x11
    FrameWidthDiffers,     // the first ftx's first frame half as wide as the texture
    StepPastFrames,        // the first ftx's first animation step names a frame it does not have
    TextureUnderSplineType,  // the ftx filed under the Spline loader type
    UnterminatedName,      // level 1's name at the end of the .common data, without its NUL
    SupportOutOfRange,     // the first bsh's first mesh has support 16 (and word 32 counts it as none)
    TransparencyThree,     // the first bsh's first mesh has transparency 3 (with the six-value groups)
    TwoSides,              // the first bsh's first mesh has sides 2
    NoIndices,             // the first bsh's first mesh has no indices; its list stands at the pair's end
};

enum class FixtureContent { Realistic, Patterned };

struct ModelFixtureOptions {
    std::vector<uint32_t> levelAnimations = {2, 0};  // one level of detail per entry: its animation count
    uint32_t shapes = 1;                              // BoneShapes
    uint32_t meshes = 2;                              // mesh records per BoneShape
    uint32_t bones = 2;                               // bones per BoneShape
    uint32_t vertices = 3;                            // per mesh
    uint32_t indices = 6;                             // per mesh
    std::vector<uint32_t> meshP = {0, 2};             // P of mesh t is meshP[(t - 1) mod size]
    bool animationTemplate = true;                    // an "AnimationTemplate:ban" BoneAnim
    uint32_t animations = 1;                          // further BoneAnims
    uint32_t animationBones = 2;
    uint32_t translationKeys = 2;
    uint32_t rotationKeys = 1;
    uint32_t textures = 1;
    uint32_t textureEdge = 4;
    uint32_t frames = 2;
    std::vector<bool> alphaFrames = {true, false};
    uint32_t textureWords = 2;                        // C, the words at the texture's offset 36
    uint32_t splines = 1;
    uint32_t splineNodes = 5;
    uint32_t splineClosed = 0;
    bool scattered = false;
    ModelFault fault = ModelFault::None;
    FixtureContent content = FixtureContent::Realistic;
    // When not empty: the meshes of every BoneShape (realistic contents; `meshes`, `vertices` and
    // `indices` are then taken from them).
    std::vector<FixtureMesh> geometry;
};

// Structure ids for fixtureWord and fixtureSeed (s, t, k, f, d counted from 1).
constexpr uint32_t visualId() { return 0x5D00; }
constexpr uint32_t levelId(uint32_t d) { return 0x1D00 + d; }
constexpr uint32_t shapeId(uint32_t s) { return 0xB500 + s; }
constexpr uint32_t meshId(uint32_t s, uint32_t t) { return 0xE000 + 0x100 * s + t; }
// k = 0 is the AnimationTemplate.
constexpr uint32_t animationId(uint32_t k) { return 0xBA00 + k; }
constexpr uint32_t textureId(uint32_t k) { return 0xF700 + k; }
constexpr uint32_t frameId(uint32_t k, uint32_t f) { return 0xF000 + 0x100 * k + f; }

// The runs of bytes of a structure.
enum class FixtureRun : uint32_t {
    FirstMatrices = 1, SecondMatrices, Vertices, Triples, Sextuples,  // shape / mesh
    Translations, Rotations,                                          // animation, index = bone
    TextureWords, Palette, Pixels, Alpha,                             // texture / frame
};

constexpr uint32_t fixtureWord(uint32_t id, uint32_t offset) { return id << 16 | offset; }
constexpr uint32_t fixtureSeed(uint32_t id, FixtureRun run, uint32_t index = 0) {
    return id << 12 | static_cast<uint32_t>(run) << 8 | index;
}
std::string fixtureBytes(uint32_t seed, uint64_t count);

// Names of the fixture's structures.
std::string shapeSymbol(const std::string& model, uint32_t s);
std::string animationSymbol(const std::string& model, uint32_t k);  // k = 0: "AnimationTemplate:ban"
std::string textureSymbol(const std::string& model, uint32_t k);
std::string splineSymbol(const std::string& model, uint32_t k);

// The pair of model `model` (its svd named model + ":svd" unless the fault says otherwise).
HandMadeOvlPair modelPairFixture(const std::string& model, const ModelFixtureOptions& options = {});

// Writes <folder>/<model>.common.ovl and .unique.ovl (model in Windows-1252), leaving out or cutting a
// file as the fault says.
void writeModelPairFixture(const std::filesystem::path& folder, const std::string& model,
                           const ModelFixtureOptions& options = {});

// The loader types of a model pair, in the tool's order, and the row of each kind.
std::vector<LoaderType> modelLoaderTypes();
namespace modelLoaderType {
constexpr uint32_t BoneAnim = 0, BoneShape = 1, FlexiTexture = 2, Spline = 3, SceneryItemVisual = 4;
}

// The demo models of the example car data file, by name, with their options.
struct DemoModel {
    std::string name;
    ModelFixtureOptions options;
};
std::vector<DemoModel> demoModels();

}  // namespace zw::test
