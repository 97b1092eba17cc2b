#pragma once
// The Spline structure (common file). n = node count, c = the word at 8 (1 for a closed spline),
// m = n + c − 1 segments:
//    0  n                          16  a float copied unchanged
//    4  pointer to the nodes (32)   20  pointer to the segment lengths (32 + 36·n)
//    8  c                           24  pointer to the segment records (32 + 36·n + 4·m)
//   12  total length (float)        28  a float copied unchanged
//   32  n nodes of 36 bytes (position, then two control vectors, three floats each),
//       m segment lengths (floats), m segment records of 14 bytes,
//       then two 0 bytes when the part file's end is not on a multiple of 4.

#include <cstdint>

#include "ovl/StructureLayout.h"

namespace zw::spline {

inline constexpr auto kSpline = structureLayout(32, {
    {0, FieldKind::Unsigned, "node count"},
    {4, FieldKind::Pointer, "nodes"},
    {8, FieldKind::Unsigned, "closed"},
    {12, FieldKind::Float, "length"},
    {16, FieldKind::Float, ""},
    {20, FieldKind::Pointer, "segment lengths"},
    {24, FieldKind::Pointer, "segments"},
    {28, FieldKind::Float, ""},
});
static_assert(isWellFormed(kSpline));

constexpr uint32_t NodeCount = kSpline["node count"];
constexpr uint32_t Nodes = kSpline["nodes"];
constexpr uint32_t Closed = kSpline["closed"];
constexpr uint32_t TotalLength = kSpline["length"];
constexpr uint32_t Unknown16 = 16;
constexpr uint32_t SegmentLengths = kSpline["segment lengths"];
constexpr uint32_t SegmentRecords = kSpline["segments"];
constexpr uint32_t Unknown28 = 28;
constexpr uint32_t HeaderSize = kSpline.size;

constexpr uint32_t NodeSize = 36;
constexpr uint32_t SegmentLengthSize = 4;
constexpr uint32_t SegmentRecordSize = 14;

}  // namespace zw::spline
