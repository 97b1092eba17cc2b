#pragma once
// The extent of a model's vertices and whether some normal is not of unit length, in one pass over
// the vertex array: models hold hundreds of thousands of vertices, and the game folder's check looks
// at every car's.

#include <array>
#include <cstdint>
#include <limits>

namespace zw {

struct VertexExtent {
    // As std::min and std::max taken vertex by vertex: a NaN leaves the extent as it is, and of two
    // equal values (0 and -0) the earlier stays.
    std::array<float, 3> min{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::max()};
    std::array<float, 3> max{std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest(),
                             std::numeric_limits<float>::lowest()};
    // Some normal's square length lies outside [kLeastSquare, kMostSquare] or is NaN: the normal may
    // be more than 0.01 from unit length, which only its root tells.
    bool oddNormal = false;
};

// Between these squares the length lies within 0.01 of 1: no root needed.
inline constexpr float kLeastSquare = 0.9802f, kMostSquare = 1.02f;

// `count` vertices of the model layout (kVertexSize bytes each, the position's three floats first,
// then the normal's) from `first`, which holds them all.
VertexExtent vertexExtent(const char* first, uint32_t count);

}  // namespace zw
