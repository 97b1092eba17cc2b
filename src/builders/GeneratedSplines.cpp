#include "builders/GeneratedSplines.h"

#include <array>

#include "ovl/OvlFormat.h"
#include "ovl/OvlWriter.h"
#include "ovl/SplineLayout.h"

namespace zw {
namespace {

// Each node: its position, then control vectors a third of the way toward the previous and the
// next node.
constexpr std::array<std::array<double, 9>, 4> kNodes{{
    {0.25, 0, 0.87, -0.17, 0, 0, 0, 0, -0.29},
    {0.25, 0, 0, 0, 0, 0.29, -0.17, 0, 0},
    {-0.26, 0, 0, 0.17, 0, 0, 0, 0, 0.29},
    {-0.26, 0, 0.87, 0, 0, -0.29, 0.17, 0, 0},
}};
constexpr std::array<double, 4> kSegmentLengths{0.87, 0.51, 0.87, 0.51};

void writeGeneratedSpline(OvlWriter& writer) {
    OvlPartWriter out = writer.into(OvlPart::CommonStructures);
    const uint32_t start = out.offset();
    const uint32_t n = static_cast<uint32_t>(kNodes.size());
    const uint32_t m = n;  // closed: as many segments as nodes
    out.at(spline::NodeCount).word(n);
    out.at(spline::Nodes).pointer(OvlPart::CommonStructures, start + spline::HeaderSize);
    out.at(spline::Closed).word(1);
    out.at(spline::TotalLength).floatWord(2.76);
    out.at(spline::Unknown16).floatWord(0.36);
    out.at(spline::SegmentLengths).pointer(OvlPart::CommonStructures, start + spline::HeaderSize + spline::NodeSize * n);
    out.at(spline::SegmentRecords)
        .pointer(OvlPart::CommonStructures, start + spline::HeaderSize + spline::NodeSize * n + spline::SegmentLengthSize * m);
    out.at(spline::Unknown28).floatWord(0.0);
    out.at(spline::HeaderSize);
    for (const auto& node : kNodes) {
        for (double v : node) out.floatWord(v);
    }
    for (double length : kSegmentLengths) out.floatWord(length);
    for (uint32_t segment = 0; segment < m; ++segment) {
        for (uint32_t i = 1; i <= spline::SegmentRecordSize; ++i) out.byte(static_cast<uint8_t>(17 * i));  // 17 … 238
    }
}

}  // namespace

void makeGeneratedSplines(OvlWriter& writer, uint32_t splineLoaderType) {
    writer.startBlock(OvlPart::CommonStructures);
    for (const char* name : {"carcar:spl", "tracktrack:spl"}) {
        writer.makeSymbolAndLoader(OvlFileKind::Common, name, splineLoaderType);
        writeGeneratedSpline(writer);
    }
}

}  // namespace zw
