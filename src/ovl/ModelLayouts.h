#pragma once
// The structures of a car model as the modelling tool writes them and as the car build re-emits
// them (same fields, same sizes): SceneryItemVisual with its levels of detail, BoneShape with its
// bones and meshes, BoneAnim with its bones, FlexiTexture with its frames.

#include <cstdint>

#include "ovl/StructureLayout.h"

namespace zw::model {

using enum FieldKind;

// ---- SceneryItemVisual ----

inline constexpr auto kVisual = structureLayout(52, {
    {0, Flags, "flags"},
    {4, Float, "sway"},
    {8, Float, "brightness"},
    {12, Float, ""},
    {16, Float, "scale"},
    {20, Unsigned, "level count"},
    {24, Pointer, "levels"},
    {28, Unsigned, ""},
    {32, Unsigned, ""},
    {36, Unsigned, ""},
    {40, Unsigned, ""},
    {44, Unsigned, ""},
    {48, Unsigned, ""},
});

// A level of detail; its animation pointers lead to reference slots.
inline constexpr auto kLevel = structureLayout(72, {
    {0, Unsigned, "mesh kind"},
    {4, Text, "name"},
    {8, Unsigned, "static shape"},
    {12, Unsigned, ""},
    {16, Reference, "bone shape"},
    {20, Unsigned, ""},
    {24, Float, ""},
    {28, Float, ""},
    {32, Float, ""},
    {36, Float, ""},
    {40, Float, ""},
    {44, Float, ""},
    {48, Float, ""},
    {52, Float, ""},
    {56, Float, "distance"},
    {60, Unsigned, "animation count"},
    {64, Unsigned, ""},
    {68, Pointer, "animations"},
});

// ---- BoneShape ----

// The game reads word 36 meshes; a car build copies word 32 of them (the modelling tool counts the
// meshes without support there, all of a car's).
inline constexpr auto kShape = structureLayout(60, {
    {0, Float, "bounding box minimum x"},
    {4, Float, "bounding box minimum y"},
    {8, Float, "bounding box minimum z"},
    {12, Float, "bounding box maximum x"},
    {16, Float, "bounding box maximum y"},
    {20, Float, "bounding box maximum z"},
    {24, Unsigned, "vertex count"},
    {28, Unsigned, "index count"},
    {32, Unsigned, "meshes without support"},
    {36, Unsigned, "mesh count"},
    {40, Pointer, "meshes"},
    {44, Unsigned, "bone count"},
    {48, Pointer, "bones"},
    {52, Pointer, "bone matrices"},
    {56, Pointer, "bone rest matrices"},
});

inline constexpr auto kShapeBone = structureLayout(8, {
    {0, Text, "name"},
    {4, Signed, "parent"},
});
inline constexpr uint32_t kMatrixSize = 64;

// A mesh. Transparency other than 0 sorts the triangles: six more index values each follow the
// index triples.
inline constexpr auto kMesh = structureLayout(40, {
    {0, Special, "support"},
    {4, Reference, "texture"},
    {8, Reference, "texture style"},
    {12, Unsigned, "transparency"},
    {16, Flags, "texture flags"},
    {20, Unsigned, "sides"},
    {24, Unsigned, "vertex count"},
    {28, Unsigned, "index count"},
    {32, Pointer, "vertices"},
    {36, Pointer, "indices"},
});
// A vertex: its position and normal (three floats each), the bone it follows and its texture u and v.
inline constexpr uint32_t kVertexSize = 44;
inline constexpr uint32_t kVertexNormal = 12;  // after the position's three floats
inline constexpr uint32_t kVertexBone = 24;
inline constexpr uint32_t kVertexU = 36;
inline constexpr uint32_t kVertexV = 40;
inline constexpr uint32_t kTripleSize = 6;     // three 16-bit indices
inline constexpr uint32_t kSextupleSize = 12;  // six 16-bit values

// ---- BoneAnim ----

inline constexpr auto kAnim = structureLayout(12, {
    {0, Unsigned, "bone count"},
    {4, Pointer, "bones"},
    {8, Float, "duration"},
});

inline constexpr auto kAnimBone = structureLayout(20, {
    {0, Text, "name"},
    {4, Unsigned, "translation key count"},
    {8, Pointer, "translation keys"},
    {12, Unsigned, "rotation key count"},
    {16, Pointer, "rotation keys"},
});
inline constexpr uint32_t kKeySize = 16;

// ---- FlexiTexture ----

inline constexpr auto kTexture = structureLayout(36, {
    {0, Unsigned, "scale"},
    {4, Unsigned, "width"},
    {8, Unsigned, "height"},
    {12, Unsigned, "frame rate"},
    {16, Flags, "recolour flags"},
    {20, Unsigned, "animation step count"},
    {24, Pointer, "animation steps"},
    {28, Unsigned, "frame count"},
    {32, Pointer, "frames"},
});

// A frame: its palette, and its pixels and alpha (one byte each, width × width), the alpha pointer
// a plain 0 when the frame has none.
inline constexpr auto kFrame = structureLayout(28, {
    {0, Unsigned, "scale"},
    {4, Unsigned, "width"},
    {8, Unsigned, "height"},
    {12, Flags, "recolour flags"},
    {16, Pointer, "palette"},
    {20, Pointer, "pixels"},
    {24, Special, "alpha"},
});
inline constexpr uint32_t kPaletteEntrySize = 4;  // blue, green, red, unused
inline constexpr uint32_t kPaletteSize = 256 * kPaletteEntrySize;

static_assert(isWellFormed(kVisual) && isWellFormed(kLevel) && isWellFormed(kShape) && isWellFormed(kShapeBone) &&
              isWellFormed(kMesh) && isWellFormed(kAnim) && isWellFormed(kAnimBone) && isWellFormed(kTexture) &&
              isWellFormed(kFrame));

}  // namespace zw::model
