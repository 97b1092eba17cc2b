// The structures of a car model: SceneryItemVisual, BoneShape, BoneAnim, FlexiTexture and Spline,
// as the modelling tool writes them and as the car build re-emits them (same fields, same sizes).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "base/LittleEndian.h"
#include "ovl/LayoutDecoder.h"
#include "ovl/ModelLayouts.h"
#include "ovl/SplineLayout.h"
#include "ovl/StructureDecoders.h"
#include "ovl/VertexExtent.h"

namespace zw {
namespace {

constexpr std::array<const char*, 3> kAxes = {"x", "y", "z"};

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

// ---- SceneryItemVisual: a header and its levels of detail ----

void decodeLevel(const StructureSpace& space, StructureReport& report, const std::string& label, uint32_t address,
                 uint32_t number) {
    const std::string levelLabel = label + " level " + std::to_string(number);
    report.listing << "    level " << number << " at " << address << '\n';
    RecordDecoder l(space, report, space.fileAt(address), levelLabel, address, model::kLevel.size, 1);
    LayoutDecoder d(l, model::kLevel);
    const uint32_t animations = d.u32("animation count");
    const std::optional<uint32_t> list = d.pointer("animations", animations, 4, true);
    if (!list) return;
    for (uint32_t a = 0; a < animations; ++a) {
        const uint32_t slot = space.word(uint64_t{*list} + 4 * a);
        RecordDecoder s(space, report, space.fileAt(slot), levelLabel + " animation " + std::to_string(a + 1), slot, 4, 2);
        s.reference(0, "animation " + std::to_string(a + 1), true);
    }
}

// ---- BoneShape: a header, bones, two matrix lists and the meshes ----

using model::kMatrixSize;
using model::kSextupleSize;
using model::kTripleSize;
using model::kVertexNormal;
using model::kVertexSize;

// The extent of a shape's meshes together (the normals are not looked at here).
struct VertexBounds : VertexExtent {
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

// The vertices: their extent, and the first normal that is not of unit length, looked for only when
// the one pass over them saw a square length outside the range.
void checkVertices(const StructureSpace& space, RecordDecoder& m, uint32_t at, uint32_t count, VertexBounds& all) {
    // The array lies whole in one block (the pointer was checked).
    const char* const first = space.at(at);
    const VertexExtent extent = vertexExtent(first, count);
    const char* vertex = first;
    for (uint32_t v = 0; extent.oddNormal && v < count; ++v, vertex += kVertexSize) {
        const float x = floatFrom(vertex + kVertexNormal), y = floatFrom(vertex + kVertexNormal + 4),
                    z = floatFrom(vertex + kVertexNormal + 8);
        const float n = x * x + y * y + z * z;
        if (n >= kLeastSquare && n <= kMostSquare) continue;
        const float length = std::sqrt(n);
        if (!(std::fabs(length - 1.0f) <= 0.01f)) {
            m.finding(StructureSeverity::Note, 32, "vertices", std::to_string(at), "structureNormalNotUnit",
                      {std::to_string(v + 1), floatText(length)});
            break;
        }
    }
    if (count > 0) {
        if (m.report().listed()) m.line("vertices from " + point(extent.min) + " to " + point(extent.max));
        all.add(extent.min);
        all.add(extent.max);
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
                    model::kMesh.size, 1);
    LayoutDecoder d(m, model::kMesh);
    const uint32_t supportAt = d.special("support");
    const auto support = static_cast<int32_t>(m.peek(supportAt));
    m.show(supportAt, "support", support == kNoSupport ? "none" : std::to_string(support));
    d.reference("texture");
    d.reference("texture style");
    const uint32_t transparency = d.u32("transparency");
    d.flags("texture flags");
    const uint32_t sides = d.u32("sides");
    const uint32_t vertices = d.u32("vertex count");
    const uint32_t indices = d.u32("index count");
    const std::optional<uint32_t> vertexList = d.pointer("vertices", vertices, kVertexSize);
    const uint64_t groups = indices / 3;
    const std::optional<uint32_t> indexList =
        d.pointer("indices", groups, kTripleSize + (transparency != 0 ? kSextupleSize : 0));
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

// ---- FlexiTexture ----

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
    RecordDecoder h(space, report, s.file, label, s.address, model::kVisual.size, 0);
    LayoutDecoder d(h, model::kVisual);
    const uint32_t levels = d.u32("level count");
    const std::optional<uint32_t> list = d.pointer("levels", levels, 4);
    d.rest();
    if (!list) return;
    for (uint32_t d = 0; d < levels; ++d) {
        const uint32_t level = space.word(uint64_t{*list} + 4 * d);
        decodeLevel(space, report, label, level, d + 1);
    }
}

void decodeBoneShape(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                     const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, model::kShape.size, 0);
    LayoutDecoder d(h, model::kShape);
    std::array<float, 3> min{}, max{};
    for (int i = 0; i < 3; ++i) min[i] = d.f32(std::string("bounding box minimum ") + kAxes[i]);
    for (int i = 0; i < 3; ++i) max[i] = d.f32(std::string("bounding box maximum ") + kAxes[i]);
    const uint32_t vertexTotal = d.u32("vertex count");
    const uint32_t indexTotal = d.u32("index count");
    // The list must hold as many meshes as the game reads (word 36) and as a car build copies (32).
    const uint32_t withoutSupport = d.u32("meshes without support");
    const uint32_t meshes = d.u32("mesh count");
    const std::optional<uint32_t> meshList = d.pointer("meshes", std::max(meshes, withoutSupport), 4);
    const uint32_t bones = d.u32("bone count");
    const std::optional<uint32_t> boneList = d.pointer("bones", bones, model::kShapeBone.size);
    d.pointer("bone matrices", bones, kMatrixSize);
    d.pointer("bone rest matrices", bones, kMatrixSize);
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
            const uint32_t bone = *boneList + model::kShapeBone.size * b;
            report.listing << "    bone " << (b + 1) << " at " << bone << '\n';
            RecordDecoder r(space, report, space.fileAt(bone), label + " bone " + std::to_string(b + 1), bone,
                            model::kShapeBone.size, 1);
            LayoutDecoder(r, model::kShapeBone).rest();
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
    RecordDecoder h(space, report, s.file, label, s.address, model::kAnim.size, 0);
    LayoutDecoder d(h, model::kAnim);
    const uint32_t bones = d.u32("bone count");
    const std::optional<uint32_t> list = d.pointer("bones", bones, model::kAnimBone.size);
    d.rest();
    if (!list) return;
    for (uint32_t b = 0; b < bones; ++b) {
        const uint32_t bone = *list + model::kAnimBone.size * b;
        report.listing << "    bone " << (b + 1) << " at " << bone << '\n';
        RecordDecoder r(space, report, space.fileAt(bone), label + " bone " + std::to_string(b + 1), bone,
                        model::kAnimBone.size, 1);
        LayoutDecoder a(r, model::kAnimBone);
        const uint32_t translations = a.u32("translation key count");
        a.pointer("translation keys", translations, model::kKeySize, true);
        const uint32_t rotations = a.u32("rotation key count");
        a.pointer("rotation keys", rotations, model::kKeySize, true);
    }
}

void decodeFlexiTexture(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                        const std::string& label) {
    constexpr auto& T = model::kTexture;
    constexpr auto& F = model::kFrame;
    RecordDecoder h(space, report, s.file, label, s.address, T.size, 0);
    LayoutDecoder d(h, T);
    const uint32_t scale = d.u32("scale");
    const uint32_t width = d.u32("width");
    const uint32_t height = d.u32("height");
    d.u32("frame rate");
    const uint32_t flags = d.flags("recolour flags");
    const uint32_t steps = d.u32("animation step count");
    const std::optional<uint32_t> stepList = d.pointer("animation steps", steps, 4);
    const uint32_t frames = d.u32("frame count");
    const std::optional<uint32_t> frameList = d.pointer("frames", frames, F.size);
    if (!h.whole()) return;

    if (!isPowerOfTwo(width)) {
        h.finding(StructureSeverity::Note, T["width"], "width", std::to_string(width), "structureNotPowerOfTwo");
    } else {
        checkSameSize(h, T["scale"], "scale", scale, log2Of(width), "log2 of width");
    }
    checkSameSize(h, T["height"], "height", height, width, "width");
    checkRecolourFlags(h, T["recolour flags"], flags);
    if (stepList) {
        for (uint32_t i = 0; i < steps; ++i) {
            const uint32_t frame = space.word(uint64_t{*stepList} + 4 * i);
            if (frame >= frames) {
                h.finding(StructureSeverity::Error, T["animation steps"], "animation steps", std::to_string(*stepList),
                          "structureFrameOutOfRange", {std::to_string(i + 1), std::to_string(frame), std::to_string(frames)});
                break;
            }
        }
    }
    if (!frameList) return;
    const uint64_t picture = uint64_t{width} * width;
    for (uint32_t f = 0; f < frames; ++f) {
        const uint32_t frame = *frameList + F.size * f;
        report.listing << "    frame " << (f + 1) << " at " << frame << '\n';
        RecordDecoder r(space, report, space.fileAt(frame), label + " frame " + std::to_string(f + 1), frame, F.size, 1);
        LayoutDecoder fd(r, F);
        checkSameSize(r, F["scale"], "scale", fd.u32("scale"), scale, "texture scale");
        checkSameSize(r, F["width"], "width", fd.u32("width"), width, "texture width");
        checkSameSize(r, F["height"], "height", fd.u32("height"), width, "texture width");
        checkRecolourFlags(r, F["recolour flags"], fd.flags("recolour flags"));
        fd.pointer("palette", 1, model::kPaletteSize);
        fd.pointer("pixels", picture, 1);
        // Without alpha data the pointer is a plain 0.
        const uint32_t alpha = fd.special("alpha");
        if (r.peek(alpha) == 0) {
            r.u32(alpha, "alpha");
        } else {
            r.pointer(alpha, "alpha", picture, 1);
        }
    }
}

void decodeSpline(const StructureSpace& space, StructureReport& report, const SpaceStructure& s,
                  const std::string& label) {
    RecordDecoder h(space, report, s.file, label, s.address, spline::HeaderSize, 0);
    LayoutDecoder d(h, spline::kSpline);
    const uint32_t nodes = d.u32("node count");
    d.pointer("nodes", nodes, spline::NodeSize);
    const uint32_t closed = d.u32("closed");
    // m = n + c − 1 segments, as the game counts them.
    const uint64_t segments = uint64_t{nodes} + closed > 0 ? uint64_t{nodes} + closed - 1 : 0;
    d.pointer("segment lengths", segments, spline::SegmentLengthSize);
    d.pointer("segments", segments, spline::SegmentRecordSize);
    d.rest();
}

}  // namespace zw
