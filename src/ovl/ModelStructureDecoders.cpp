// The structures of a car model: SceneryItemVisual, BoneShape, BoneAnim, FlexiTexture and Spline,
// as the modelling tool writes them and as the car build re-emits them (same fields, same sizes).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "base/LittleEndian.h"
#include "ovl/SplineLayout.h"
#include "ovl/StructureDecoders.h"

namespace zw {
namespace {

constexpr std::array<const char*, 3> kAxes = {"x", "y", "z"};

std::string unknown(uint32_t offset) { return "unknown " + std::to_string(offset); }

float floatFrom(const char* bytes) {
    const uint32_t raw = loadLittleEndian<uint32_t>(bytes);
    float v;
    std::memcpy(&v, &raw, sizeof v);
    return v;
}

std::string point(const std::array<float, 3>& p) {
    return "(" + floatText(p[0]) + ", " + floatText(p[1]) + ", " + floatText(p[2]) + ")";
}

bool isPowerOfTwo(uint32_t v) { return v != 0 && (v & (v - 1)) == 0; }

uint32_t log2Of(uint32_t v) {
    uint32_t n = 0;
    while (v > 1) {
        v >>= 1;
        ++n;
    }
    return n;
}

// ---- SceneryItemVisual: a 52-byte header and its levels of detail ----

constexpr uint32_t kVisualSize = 52;
constexpr uint32_t kLevelSize = 72;

void decodeLevel(const StructureSpace& space, StructureReport& report, const std::string& label, uint32_t address,
                 uint32_t number) {
    const std::string levelLabel = label + " level " + std::to_string(number);
    report.listing << "    level " << number << " at " << address << '\n';
    RecordDecoder l(space, report, space.fileAt(address), levelLabel, address, kLevelSize, 1);
    l.u32(0, "mesh kind");
    l.text(4, "name");
    l.u32(8, "static shape");
    l.u32(12, unknown(12));
    l.reference(16, "bone shape", true);
    l.u32(20, unknown(20));
    for (uint32_t o = 24; o <= 52; o += 4) l.f32(o, unknown(o));
    l.f32(56, "distance");
    const uint32_t animations = l.u32(60, "animation count");
    l.u32(64, unknown(64));
    const std::optional<uint32_t> list = l.pointer(68, "animations", animations, 4, true);
    if (!list) return;
    for (uint32_t a = 0; a < animations; ++a) {
        const uint32_t slot = space.word(uint64_t{*list} + 4 * a);
        RecordDecoder s(space, report, space.fileAt(slot), levelLabel + " animation " + std::to_string(a + 1), slot, 4, 2);
        s.reference(0, "animation " + std::to_string(a + 1), true);
    }
}

// ---- BoneShape: a 60-byte header, bones, two matrix lists and the meshes ----

constexpr uint32_t kShapeSize = 60;
constexpr uint32_t kBoneSize = 8;
constexpr uint32_t kMatrixSize = 64;
constexpr uint32_t kMeshSize = 40;
constexpr uint32_t kVertexSize = 44;
constexpr uint32_t kVertexNormal = 12;
constexpr uint32_t kTripleSize = 6;
constexpr uint32_t kSextupleSize = 12;

struct VertexBounds {
    std::array<float, 3> min{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                             std::numeric_limits<float>::max()};
    std::array<float, 3> max{std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest(),
                             std::numeric_limits<float>::lowest()};
    bool any = false;
    void add(const std::array<float, 3>& p) {
        any = true;
        for (int i = 0; i < 3; ++i) {
            min[i] = std::min(min[i], p[i]);
            max[i] = std::max(max[i], p[i]);
        }
    }
};

// A mesh's support word: -1 for a mesh that stands free (every car mesh), else what holds it up.
constexpr int32_t kNoSupport = -1;
constexpr int32_t kHighestSupport = 15;
constexpr uint32_t kHighestTransparency = 2;

struct MeshCounts {
    uint64_t vertices = 0;
    uint64_t indices = 0;
    uint32_t withoutSupport = 0;
    bool arraysInBlock = true;  // false: the error about the arrays says more than the totals would
};

// The vertices: their extent, and a normal that is not of unit length. Models hold hundreds of
// thousands of vertices: one pass keeps the extent in registers and only marks that some normal's
// square lies outside the range, and a second pass, only then, finds the first such normal.
void checkVertices(const StructureSpace& space, RecordDecoder& m, uint32_t at, uint32_t count, VertexBounds& all) {
    // Between these squares the length lies within 0.01 of 1: no root needed.
    constexpr float kLeastSquare = 0.9802f, kMostSquare = 1.02f;
    const auto square = [](const char* vertex) {
        const float x = floatFrom(vertex + kVertexNormal), y = floatFrom(vertex + kVertexNormal + 4),
                    z = floatFrom(vertex + kVertexNormal + 8);
        return x * x + y * y + z * z;
    };
    // The array lies whole in one block (the pointer was checked).
    const char* const first = space.at(at);
    VertexBounds bounds;
    // One variable each, so that they stay in registers. As std::min and std::max: a NaN leaves the
    // extent as it is.
    float leastX = bounds.min[0], leastY = bounds.min[1], leastZ = bounds.min[2];
    float mostX = bounds.max[0], mostY = bounds.max[1], mostZ = bounds.max[2];
    const auto extend = [](float p, float& least, float& most) {
        least = p < least ? p : least;
        most = most < p ? p : most;
    };
    bool odd = false;
    const char* vertex = first;
    for (uint32_t v = 0; v < count; ++v, vertex += kVertexSize) {
        extend(floatFrom(vertex), leastX, mostX);
        extend(floatFrom(vertex + 4), leastY, mostY);
        extend(floatFrom(vertex + 8), leastZ, mostZ);
        const float n = square(vertex);
        odd |= !(n >= kLeastSquare && n <= kMostSquare);
    }
    bounds.min = {leastX, leastY, leastZ};
    bounds.max = {mostX, mostY, mostZ};
    bounds.any = count > 0;
    vertex = first;
    for (uint32_t v = 0; odd && v < count; ++v, vertex += kVertexSize) {
        const float n = square(vertex);
        if (n >= kLeastSquare && n <= kMostSquare) continue;
        const float length = std::sqrt(n);
        if (!(std::fabs(length - 1.0f) <= 0.01f)) {
            m.finding(StructureSeverity::Note, 32, "vertices", std::to_string(at), "structureNormalNotUnit",
                      {std::to_string(v + 1), floatText(length)});
            break;
        }
    }
    if (bounds.any) {
        if (m.report().listed()) m.line("vertices from " + point(bounds.min) + " to " + point(bounds.max));
        all.add(bounds.min);
        all.add(bounds.max);
    }
}

// True when one of `count` 16-bit values at `bytes` is `limit` or more. Four at a time: each value
// gets 32 bits of its own and `0x10000 - limit` added, which carries into bit 16 exactly when the
// value is at least `limit` (a test of hundreds of thousands of indices in a few instructions each).
bool anyAtLeast(const char* bytes, uint64_t count, uint32_t limit) {
    if (limit > 0xFFFF) return false;
    constexpr uint64_t kLowHalves = 0x0000FFFF0000FFFFull, kCarries = 0x0001000000010000ull;
    const uint64_t add = (uint64_t{0x10000 - limit} << 32) | (0x10000 - limit);
    uint64_t carries = 0;
    uint64_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const uint64_t four = loadLittleEndian<uint64_t>(bytes + 2 * i);
        carries |= ((four & kLowHalves) + add) | (((four >> 16) & kLowHalves) + add);
    }
    for (; i < count; ++i) carries |= loadLittleEndian<uint16_t>(bytes + 2 * i) >= limit ? kCarries : 0;
    return (carries & kCarries) != 0;
}

// The index triples must name vertices of the mesh: the game reads the vertex an index names. The
// first index that is too large is looked for only when there is one.
void checkIndices(const StructureSpace& space, RecordDecoder& m, uint32_t at, uint64_t triples, uint32_t vertices) {
    const char* bytes = space.at(at);  // in one block, as for the vertices
    const uint64_t count = 3 * triples;
    if (!anyAtLeast(bytes, count, vertices)) return;
    for (uint64_t i = 0; i < count; ++i) {
        const uint16_t index = loadLittleEndian<uint16_t>(bytes + 2 * i);
        if (index >= vertices) {
            m.finding(StructureSeverity::Error, 36, "indices", std::to_string(at), "structureIndexOutOfRange",
                      {std::to_string(i + 1), std::to_string(index), std::to_string(vertices)});
            return;
        }
    }
}

MeshCounts decodeMesh(const StructureSpace& space, StructureReport& report, const std::string& label, uint32_t address,
                      uint32_t number, VertexBounds& bounds) {
    report.listing << "    mesh " << number << " at " << address << '\n';
    RecordDecoder m(space, report, space.fileAt(address), label + " mesh " + std::to_string(number), address,
                    kMeshSize, 1);
    const auto support = static_cast<int32_t>(m.peek(0));
    m.show(0, "support", support == kNoSupport ? "none" : std::to_string(support));
    m.reference(4, "texture", true);
    m.reference(8, "texture style", true);
    // Transparency other than 0 sorts the triangles: six more index values each follow the triples.
    const uint32_t transparency = m.u32(12, "transparency");
    m.flags(16, "texture flags");
    const uint32_t sides = m.u32(20, "sides");
    const uint32_t vertices = m.u32(24, "vertex count");
    const uint32_t indices = m.u32(28, "index count");
    const std::optional<uint32_t> vertexList = m.pointer(32, "vertices", vertices, kVertexSize);
    const uint64_t groups = indices / 3;
    const std::optional<uint32_t> indexList =
        m.pointer(36, "indices", groups, kTripleSize + (transparency != 0 ? kSextupleSize : 0));
    if (!m.whole()) return {.arraysInBlock = false};
    if (support < kNoSupport || support > kHighestSupport) {
        m.finding(StructureSeverity::Note, 0, "support", std::to_string(support), "structureSupportUnknown");
    }
    if (transparency > kHighestTransparency) {
        m.finding(StructureSeverity::Note, 12, "transparency", std::to_string(transparency),
                  "structureTransparencyUnknown");
    }
    if (sides != 1 && sides != 3) {
        m.finding(StructureSeverity::Note, 20, "sides", std::to_string(sides), "structureSidesUnknown");
    }
    if (vertices == 0 || indices == 0) {
        const bool noVertices = vertices == 0;
        m.finding(StructureSeverity::Note, noVertices ? 24 : 28, noVertices ? "vertex count" : "index count", "0",
                  "structureMeshEmpty");
    } else if (indices % 3 != 0) {
        m.finding(StructureSeverity::Note, 28, "index count", std::to_string(indices), "structureIndexCountNotTriangles");
    }
    if (vertexList) checkVertices(space, m, *vertexList, vertices, bounds);
    if (indexList) checkIndices(space, m, *indexList, groups, vertices);
    return {vertices, indices, support == kNoSupport ? 1u : 0u,
            vertexList.has_value() && (indexList.has_value() || groups == 0)};
}

// ---- BoneAnim ----

constexpr uint32_t kAnimSize = 12;
constexpr uint32_t kAnimBoneSize = 20;
constexpr uint32_t kKeySize = 16;

// ---- FlexiTexture ----

constexpr uint32_t kTextureSize = 36;
constexpr uint32_t kFrameSize = 28;
constexpr uint32_t kPaletteSize = 1024;
// The three colours a player may choose for a model; no other flag is known.
constexpr uint32_t kRecolourFlags = 0x7;

void checkRecolourFlags(RecordDecoder& r, uint32_t offset, uint32_t flags) {
    if ((flags & ~kRecolourFlags) != 0) {
        r.finding(StructureSeverity::Note, offset, "recolour flags", hexText(flags), "structureFlagsUnknown",
                  {hexText(flags & ~kRecolourFlags)});
    }
}

void checkSameSize(RecordDecoder& r, uint32_t offset, std::string_view field, uint32_t value, uint32_t expected,
                   std::string_view other) {
    if (value != expected) {
        r.finding(StructureSeverity::Note, offset, field, std::to_string(value), "structureDisagrees",
                  {std::string(other), std::to_string(expected)});
    }
}

}  // namespace

void decodeSceneryItemVisual(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                             const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, kVisualSize, 0);
    h.flags(0, "flags");
    h.f32(4, "sway");
    h.f32(8, "brightness");
    h.f32(12, unknown(12));
    h.f32(16, "scale");
    const uint32_t levels = h.u32(20, "level count");
    const std::optional<uint32_t> list = h.pointer(24, "levels", levels, 4);
    for (uint32_t o = 28; o <= 48; o += 4) h.u32(o, unknown(o));
    if (!list) return;
    for (uint32_t d = 0; d < levels; ++d) {
        const uint32_t level = space.word(uint64_t{*list} + 4 * d);
        decodeLevel(space, report, label, level, d + 1);
    }
}

void decodeBoneShape(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                     const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, kShapeSize, 0);
    std::array<float, 3> min{}, max{};
    for (int i = 0; i < 3; ++i) min[i] = h.f32(4 * i, std::string("bounding box minimum ") + kAxes[i]);
    for (int i = 0; i < 3; ++i) max[i] = h.f32(12 + 4 * i, std::string("bounding box maximum ") + kAxes[i]);
    const uint32_t vertexTotal = h.u32(24, "vertex count");
    const uint32_t indexTotal = h.u32(28, "index count");
    // The game reads word 36 meshes; a car build copies word 32 of them (the modelling tool counts
    // the meshes without support there, all of a car's): the list must hold either.
    const uint32_t withoutSupport = h.u32(32, "meshes without support");
    const uint32_t meshes = h.u32(36, "mesh count");
    const std::optional<uint32_t> meshList = h.pointer(40, "meshes", std::max(meshes, withoutSupport), 4);
    const uint32_t bones = h.u32(44, "bone count");
    const std::optional<uint32_t> boneList = h.pointer(48, "bones", bones, kBoneSize);
    h.pointer(52, "bone matrices", bones, kMatrixSize);
    h.pointer(56, "bone rest matrices", bones, kMatrixSize);
    if (!h.whole()) return;

    for (int i = 0; i < 3; ++i) {
        if (min[i] > max[i]) {
            h.finding(StructureSeverity::Note, 4 * i, std::string("bounding box minimum ") + kAxes[i], floatText(min[i]),
                      "structureBoxInsideOut", {floatText(max[i])});
        }
    }
    if (withoutSupport != meshes) {
        h.finding(StructureSeverity::Error, 36, "mesh count", std::to_string(meshes), "structureMeshCountsDiffer",
                  {std::to_string(withoutSupport), std::to_string(meshes)});
    }
    if (boneList) {
        for (uint32_t b = 0; b < bones; ++b) {
            const uint32_t bone = *boneList + kBoneSize * b;
            report.listing << "    bone " << (b + 1) << " at " << bone << '\n';
            RecordDecoder r(space, report, space.fileAt(bone), label + " bone " + std::to_string(b + 1), bone, kBoneSize, 1);
            r.text(0, "name");
            r.i32(4, "parent");
        }
    }
    if (!meshList) return;
    MeshCounts sum;
    VertexBounds bounds;
    for (uint32_t t = 0; t < meshes; ++t) {
        const MeshCounts counts = decodeMesh(space, report, label, space.word(uint64_t{*meshList} + 4 * t), t + 1, bounds);
        sum.vertices += counts.vertices;
        sum.indices += counts.indices;
        sum.withoutSupport += counts.withoutSupport;
        sum.arraysInBlock = sum.arraysInBlock && counts.arraysInBlock;
    }
    if (!sum.arraysInBlock) return;
    if (withoutSupport == meshes && sum.withoutSupport != withoutSupport) {
        h.finding(StructureSeverity::Note, 32, "meshes without support", std::to_string(withoutSupport),
                  "structureDisagrees", {"meshes whose support is none", std::to_string(sum.withoutSupport)});
    }
    if (sum.vertices != vertexTotal) {
        h.finding(StructureSeverity::Note, 24, "vertex count", std::to_string(vertexTotal), "structureDisagrees",
                  {"sum of the meshes' vertex counts", std::to_string(sum.vertices)});
    }
    if (sum.indices != indexTotal) {
        h.finding(StructureSeverity::Note, 28, "index count", std::to_string(indexTotal), "structureDisagrees",
                  {"sum of the meshes' index counts", std::to_string(sum.indices)});
    }
    if (bounds.any && min[0] <= max[0] && min[1] <= max[1] && min[2] <= max[2]) {
        for (int i = 0; i < 3; ++i) {
            // The side the vertices leave the box by is the field named.
            const bool belowMinimum = bounds.min[i] < min[i];
            if (belowMinimum || bounds.max[i] > max[i]) {
                h.finding(StructureSeverity::Note, belowMinimum ? 4 * i : 12 + 4 * i,
                          std::string(belowMinimum ? "bounding box minimum " : "bounding box maximum ") + kAxes[i],
                          floatText(belowMinimum ? min[i] : max[i]), "structureBoxMissesVertices",
                          {point(bounds.min), point(bounds.max)});
                break;
            }
        }
    }
}

void decodeBoneAnim(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                    const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, kAnimSize, 0);
    const uint32_t bones = h.u32(0, "bone count");
    const std::optional<uint32_t> list = h.pointer(4, "bones", bones, kAnimBoneSize);
    h.f32(8, "duration");
    if (!list) return;
    for (uint32_t b = 0; b < bones; ++b) {
        const uint32_t bone = *list + kAnimBoneSize * b;
        report.listing << "    bone " << (b + 1) << " at " << bone << '\n';
        RecordDecoder r(space, report, space.fileAt(bone), label + " bone " + std::to_string(b + 1), bone, kAnimBoneSize, 1);
        r.text(0, "name");
        const uint32_t translations = r.u32(4, "translation key count");
        r.pointer(8, "translation keys", translations, kKeySize, true);
        const uint32_t rotations = r.u32(12, "rotation key count");
        r.pointer(16, "rotation keys", rotations, kKeySize, true);
    }
}

void decodeFlexiTexture(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                        const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, kTextureSize, 0);
    const uint32_t scale = h.u32(0, "scale");
    const uint32_t width = h.u32(4, "width");
    const uint32_t height = h.u32(8, "height");
    h.u32(12, "frame rate");
    const uint32_t flags = h.flags(16, "recolour flags");
    const uint32_t steps = h.u32(20, "animation step count");
    const std::optional<uint32_t> stepList = h.pointer(24, "animation steps", steps, 4);
    const uint32_t frames = h.u32(28, "frame count");
    const std::optional<uint32_t> frameList = h.pointer(32, "frames", frames, kFrameSize);
    if (!h.whole()) return;

    if (!isPowerOfTwo(width)) {
        h.finding(StructureSeverity::Note, 4, "width", std::to_string(width), "structureNotPowerOfTwo");
    } else {
        checkSameSize(h, 0, "scale", scale, log2Of(width), "log2 of width");
    }
    checkSameSize(h, 8, "height", height, width, "width");
    checkRecolourFlags(h, 16, flags);
    if (stepList) {
        for (uint32_t i = 0; i < steps; ++i) {
            const uint32_t frame = space.word(uint64_t{*stepList} + 4 * i);
            if (frame >= frames) {
                h.finding(StructureSeverity::Error, 24, "animation steps", std::to_string(*stepList),
                          "structureFrameOutOfRange", {std::to_string(i + 1), std::to_string(frame), std::to_string(frames)});
                break;
            }
        }
    }
    if (!frameList) return;
    const uint64_t picture = uint64_t{width} * width;
    for (uint32_t f = 0; f < frames; ++f) {
        const uint32_t frame = *frameList + kFrameSize * f;
        report.listing << "    frame " << (f + 1) << " at " << frame << '\n';
        RecordDecoder r(space, report, space.fileAt(frame), label + " frame " + std::to_string(f + 1), frame, kFrameSize, 1);
        checkSameSize(r, 0, "scale", r.u32(0, "scale"), scale, "texture scale");
        checkSameSize(r, 4, "width", r.u32(4, "width"), width, "texture width");
        checkSameSize(r, 8, "height", r.u32(8, "height"), width, "texture width");
        checkRecolourFlags(r, 12, r.flags(12, "recolour flags"));
        r.pointer(16, "palette", 1, kPaletteSize);
        r.pointer(20, "pixels", picture, 1);
        if (r.peek(24) == 0) {
            r.u32(24, "alpha");
        } else {
            r.pointer(24, "alpha", picture, 1);
        }
    }
}

void decodeSpline(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                  const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, spline::HeaderSize, 0);
    const uint32_t nodes = h.u32(spline::NodeCount, "node count");
    h.pointer(spline::Nodes, "nodes", nodes, spline::NodeSize);
    const uint32_t closed = h.u32(spline::Closed, "closed");
    h.f32(spline::TotalLength, "length");
    h.f32(spline::Unknown16, unknown(16));
    // m = n + c − 1 segments, as the game counts them.
    const uint64_t segments = uint64_t{nodes} + closed > 0 ? uint64_t{nodes} + closed - 1 : 0;
    h.pointer(spline::SegmentLengths, "segment lengths", segments, spline::SegmentLengthSize);
    h.pointer(spline::SegmentRecords, "segments", segments, spline::SegmentRecordSize);
    h.f32(spline::Unknown28, unknown(28));
}

}  // namespace zw
