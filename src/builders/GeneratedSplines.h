#pragma once
// The ride pair's own "carcar:spl" and "tracktrack:spl": two copies of one small fixed closed
// spline (4 nodes, 4 segments, 248 bytes), in a new block of part file 5, each with a common
// symbol and a Spline loader. The TrackedRide always refers to these names; the ride builder makes
// them when the ride names no special A track sections.

#include <cstdint>

namespace zw {

class OvlWriter;

// The size of the generated spline.
constexpr uint32_t kGeneratedSplineSize = 248;

// `splineLoaderType`: the position of "Spline" in the pair's LoaderTypeList.
void makeGeneratedSplines(OvlWriter& writer, uint32_t splineLoaderType);

}  // namespace zw
