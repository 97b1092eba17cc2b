#include "ovl/VertexExtent.h"

#include <cstring>

#include "base/LittleEndian.h"
#include "ovl/ModelLayouts.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define ZW_VERTEX_EXTENT_SSE 1
#endif

namespace zw {
namespace {

using model::kVertexNormal;
using model::kVertexSize;

float floatAt(const char* bytes) {
    const uint32_t raw = loadLittleEndian<uint32_t>(bytes);
    float v;
    std::memcpy(&v, &raw, sizeof v);
    return v;
}

bool oddSquare(const char* vertex) {
    const float x = floatAt(vertex + kVertexNormal), y = floatAt(vertex + kVertexNormal + 4),
                z = floatAt(vertex + kVertexNormal + 8);
    const float n = x * x + y * y + z * z;
    return !(n >= kLeastSquare && n <= kMostSquare);
}

// One vertex at a time, each bound in a variable of its own so that they stay in registers.
void addVertices(const char* vertex, uint32_t count, VertexExtent& extent) {
    float leastX = extent.min[0], leastY = extent.min[1], leastZ = extent.min[2];
    float mostX = extent.max[0], mostY = extent.max[1], mostZ = extent.max[2];
    const auto extend = [](float p, float& least, float& most) {
        least = p < least ? p : least;
        most = most < p ? p : most;
    };
    bool odd = false;
    for (uint32_t v = 0; v < count; ++v, vertex += kVertexSize) {
        extend(floatAt(vertex), leastX, mostX);
        extend(floatAt(vertex + 4), leastY, mostY);
        extend(floatAt(vertex + 8), leastZ, mostZ);
        odd |= oddSquare(vertex);
    }
    extent.min = {leastX, leastY, leastZ};
    extent.max = {mostX, mostY, mostZ};
    extent.oddNormal |= odd;
}

#ifdef ZW_VERTEX_EXTENT_SSE
// Four vertices at a time: each position and normal is loaded as four floats (the fourth belongs to
// the next field and is not used). The SSE minimum gives its second operand when the two are equal
// or one is NaN; groups holding a NaN position go the scalar way, and the others are folded earlier
// second, so that the result is the scalar loop's to the bit.
static_assert(kVertexSize >= 16 && kVertexNormal + 16 <= kVertexSize, "the 16-byte loads stay inside the vertex");
static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the floats are loaded as they lie");

uint32_t addVertexGroups(const char* first, uint32_t count, VertexExtent& extent) {
    const auto load = [](const char* at) { return _mm_loadu_ps(reinterpret_cast<const float*>(at)); };
    __m128 least = _mm_setr_ps(extent.min[0], extent.min[1], extent.min[2], 0.0f);
    __m128 most = _mm_setr_ps(extent.max[0], extent.max[1], extent.max[2], 0.0f);
    const __m128 leastSquare = _mm_set1_ps(kLeastSquare), mostSquare = _mm_set1_ps(kMostSquare);
    __m128 odd = _mm_setzero_ps();
    uint32_t v = 0;
    const char* vertex = first;
    for (; v + 4 <= count; v += 4, vertex += 4 * kVertexSize) {
        const __m128 p0 = load(vertex), p1 = load(vertex + kVertexSize), p2 = load(vertex + 2 * kVertexSize),
                     p3 = load(vertex + 3 * kVertexSize);
        const int ordered = _mm_movemask_ps(_mm_and_ps(_mm_cmpord_ps(p0, p1), _mm_cmpord_ps(p2, p3)));
        if ((ordered & 0x7) != 0x7) {
            // Stores what is so far, takes the four one at a time and goes on from there.
            float lows[4], highs[4];
            _mm_storeu_ps(lows, least);
            _mm_storeu_ps(highs, most);
            extent.min = {lows[0], lows[1], lows[2]};
            extent.max = {highs[0], highs[1], highs[2]};
            addVertices(vertex, 4, extent);
            least = _mm_setr_ps(extent.min[0], extent.min[1], extent.min[2], 0.0f);
            most = _mm_setr_ps(extent.max[0], extent.max[1], extent.max[2], 0.0f);
        } else {
            least = _mm_min_ps(_mm_min_ps(_mm_min_ps(p3, p2), _mm_min_ps(p1, p0)), least);
            most = _mm_max_ps(_mm_max_ps(_mm_max_ps(p3, p2), _mm_max_ps(p1, p0)), most);
        }
        __m128 x = load(vertex + kVertexNormal), y = load(vertex + kVertexSize + kVertexNormal),
               z = load(vertex + 2 * kVertexSize + kVertexNormal), w = load(vertex + 3 * kVertexSize + kVertexNormal);
        _MM_TRANSPOSE4_PS(x, y, z, w);
        const __m128 square = _mm_add_ps(_mm_add_ps(_mm_mul_ps(x, x), _mm_mul_ps(y, y)), _mm_mul_ps(z, z));
        odd = _mm_or_ps(odd, _mm_or_ps(_mm_cmpnge_ps(square, leastSquare), _mm_cmpnle_ps(square, mostSquare)));
    }
    float lows[4], highs[4];
    _mm_storeu_ps(lows, least);
    _mm_storeu_ps(highs, most);
    extent.min = {lows[0], lows[1], lows[2]};
    extent.max = {highs[0], highs[1], highs[2]};
    extent.oddNormal |= _mm_movemask_ps(odd) != 0;
    return v;
}
#endif

}  // namespace

VertexExtent vertexExtent(const char* first, uint32_t count) {
    VertexExtent extent;
    uint32_t done = 0;
#ifdef ZW_VERTEX_EXTENT_SSE
    done = addVertexGroups(first, count, extent);
#endif
    addVertices(first + uint64_t{done} * kVertexSize, count - done, extent);
    return extent;
}

}  // namespace zw
