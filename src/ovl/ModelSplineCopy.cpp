#include "ovl/ModelSplineCopy.h"

#include <string>
#include <string_view>

#include "ovl/ModelPair.h"
#include "ovl/OvlWriter.h"
#include "ovl/SplineLayout.h"

namespace zw {

void copyModelSpline(OvlWriter& writer, const ModelPair& model, uint32_t address, OvlFileKind source) {
    const std::string_view header = model.bytes(address, spline::HeaderSize, source);
    // The structure's own words are blamed on the file that holds it.
    const OvlFileKind holder = model.fileAt(address);
    const uint64_t n = model.word(address + spline::NodeCount, holder);
    const uint64_t c = model.word(address + spline::Closed, holder);
    if (n + c == 0) {
        model.fail(holder, "the spline at address " + std::to_string(address) + " has no segments (0 nodes, word 8 is 0)");
    }
    const uint64_t m = n + c - 1;
    const std::string_view nodes =
        model.bytes(model.word(address + spline::Nodes, holder), spline::NodeSize * n, holder);
    const std::string_view lengths =
        model.bytes(model.word(address + spline::SegmentLengths, holder), spline::SegmentLengthSize * m, holder);
    const std::string_view records =
        model.bytes(model.word(address + spline::SegmentRecords, holder), spline::SegmentRecordSize * m, holder);

    const uint64_t start = writer.end(OvlPart::CommonStructures);
    const uint64_t size = spline::HeaderSize + nodes.size() + lengths.size() + records.size() + 2;
    if (start + size > UINT32_MAX) model.fail(holder, "the spline at address " + std::to_string(address) + " is too large");
    const uint32_t nodesAt = static_cast<uint32_t>(start + spline::HeaderSize);
    const uint32_t lengthsAt = static_cast<uint32_t>(nodesAt + nodes.size());
    const uint32_t recordsAt = static_cast<uint32_t>(lengthsAt + lengths.size());

    OvlPartWriter out = writer.into(OvlPart::CommonStructures);
    out.bytes(header.substr(spline::NodeCount, 4));
    out.pointer(OvlPart::CommonStructures, nodesAt);
    out.bytes(header.substr(spline::Closed, 8));  // c and the total length
    out.bytes(header.substr(spline::Unknown16, 4));
    out.pointer(OvlPart::CommonStructures, lengthsAt);
    out.pointer(OvlPart::CommonStructures, recordsAt);
    out.bytes(header.substr(spline::Unknown28, 4));
    out.bytes(nodes).bytes(lengths).bytes(records);
    if (writer.end(OvlPart::CommonStructures) % 4 != 0) out.zeros(2);
}

}  // namespace zw
