#include "ovl/VertexExtent.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "ovl/ModelLayouts.h"

namespace zw {
namespace {

// The extent as its definition reads, one vertex and one axis at a time.
VertexExtent plainExtent(const std::vector<float>& floats, uint32_t count) {
    constexpr size_t kFloats = model::kVertexSize / 4;
    VertexExtent e;
    for (uint32_t v = 0; v < count; ++v) {
        const float* vertex = &floats[v * kFloats];
        for (int a = 0; a < 3; ++a) {
            if (vertex[a] < e.min[a]) e.min[a] = vertex[a];
            if (vertex[a] > e.max[a]) e.max[a] = vertex[a];
        }
        const float* normal = vertex + model::kVertexNormal / 4;
        const float square = normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2];
        if (!(square >= kLeastSquare && square <= kMostSquare)) e.oddNormal = true;
    }
    return e;
}

std::string bitsOf(const VertexExtent& e) {
    std::string out;
    for (const auto* bounds : {&e.min, &e.max}) {
        for (float f : *bounds) out += std::to_string(std::bit_cast<uint32_t>(f)) + " ";
    }
    return out + (e.oddNormal ? "odd" : "unit");
}

// Arrays of every length up to 41 (groups of four and what is left), with the values that tell
// orders and comparisons apart: NaN, both zeros (which of them stays), infinities, ties and ordinary
// numbers.
TEST(VertexExtent, IsThePlainLoopsToTheBit) {
    const float nan = std::nanf("");
    const float inf = std::numeric_limits<float>::infinity();
    const std::vector<float> specials = {nan, 0.0f, -0.0f, inf, -inf, 1.0f, -1.0f, 1e-40f, 3.5f, 3.5f};
    std::mt19937 random(7);
    std::uniform_real_distribution<float> any(-100.0f, 100.0f);
    constexpr size_t kFloats = model::kVertexSize / 4;
    for (int round = 0; round < 4000; ++round) {
        const uint32_t count = static_cast<uint32_t>(round % 42);
        const int specialShare = round % 5;  // none, some, many, most, all but ties of zeros only
        std::vector<float> floats(count * kFloats);
        for (float& f : floats) {
            if (specialShare == 4) {
                f = std::array{0.0f, -0.0f, 1.0f, nan}[random() % 4];
            } else {
                f = static_cast<int>(random() % 4) < specialShare ? specials[random() % specials.size()] : any(random);
            }
        }
        // Most normals of unit length, as a modelling tool writes them.
        for (uint32_t v = 0; v < count; ++v) {
            float* n = &floats[v * kFloats + model::kVertexNormal / 4];
            if (random() % 3 != 0) {
                const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
                if (length > 0 && std::isfinite(length)) {
                    for (int a = 0; a < 3; ++a) n[a] /= length;
                }
            }
        }
        std::vector<char> bytes(floats.size() * 4);
        if (!bytes.empty()) std::memcpy(bytes.data(), floats.data(), bytes.size());
        ASSERT_EQ(bitsOf(vertexExtent(bytes.data(), count)), bitsOf(plainExtent(floats, count)))
            << "round " << round << ", " << count << " vertices";
    }
}

}  // namespace
}  // namespace zw
