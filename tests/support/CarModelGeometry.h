#pragma once
// What a car model made by the modelling tool holds, made up here so that the demo models and the
// model fixture look like real ones: meshes of boxes (a car body, seats, a restraint bar) with unit
// normals and texture coordinates, a ball of any vertex count for the sized fixtures, and a
// 256-colour texture picture (painted body with a stripe, seat cloth, riveted metal).
//
// Vertex layout (44 bytes): position x, y, z; normal x, y, z (floats); four bone indices and four
// bone weights (bytes); colour (BGRA); texture u, v (floats). Indices are 16-bit, three a
// triangle; a mesh with extra index groups has six a triangle after them (the triangle and its back).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zw::test {

struct FixtureVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
    uint8_t bone = 0;
    float u = 0, v = 0;
};

struct FixtureMesh {
    std::vector<FixtureVertex> vertices;
    std::vector<uint16_t> indices;
};

// The demo models' parts.
enum class CarPart { FrontCar, MiddleCar, RearCar, RestraintBar };
FixtureMesh carPartMesh(CarPart part);

// `vertices` points on a ball of radius 1 around (0, 0.5, 0), normals pointing out; `indices`
// indices that run through the vertices three by three (all naming vertices of the mesh).
FixtureMesh ballMesh(uint32_t vertices, uint32_t indices);

// The 44-byte vertices and the index groups (with the six-value groups when `sixes`) as bytes.
std::string vertexBytes(const FixtureMesh& mesh);
std::string indexBytes(const FixtureMesh& mesh, bool sixes);

// The box that encloses the vertices of `meshes`: minimum x, y, z, then maximum x, y, z.
std::array<float, 6> boundingBox(const std::vector<FixtureMesh>& meshes);

// The texture: 256 palette entries (blue, green, red, 0) and `edge` × `edge` palette indices.
std::string texturePalette();
std::string texturePicture(uint32_t edge);

}  // namespace zw::test
