#pragma once
// Copies a Spline structure of a model pair into the pair under construction, at the current end
// of part file 5: the words at 0, 8, 12, 16 and 28 as they are, the three address words made anew
// as pointers into the copy, then the nodes, segment lengths and segment records from wherever the
// model's own address words say they are (never assumed to follow the header), and two 0 bytes
// when part file 5 then does not end on a multiple of 4.
//
// The caller makes the spline's symbol and loader first. Everything is read before anything is
// written: a spline whose parts lie outside the pair, or that has no segments (n + c = 0), throws
// BinaryReadError naming the file that holds it, and leaves the part file as it was.

#include <cstdint>

#include "ovl/OvlFormat.h"

namespace zw {

class ModelPair;
class OvlWriter;

// `address`: the spline's data address; `source`: the file whose symbol table named it.
void copyModelSpline(OvlWriter& writer, const ModelPair& model, uint32_t address, OvlFileKind source);

}  // namespace zw
