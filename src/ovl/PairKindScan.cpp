#include "ovl/PairKindScan.h"

#include "ovl/ByteReader.h"

namespace zw {

namespace {

bool rowAt(const ByteReader& reader, size_t position, std::string_view typeName, std::string_view tag) {
    // Between the name and the tag stand the row's number word and the tag's length short.
    const size_t tagPosition = position + typeName.size() + 6;
    if (tagPosition + tag.size() > reader.size()) return false;
    return reader.bytesAt(position, typeName.size()) == typeName && reader.bytesAt(tagPosition, tag.size()) == tag;
}

bool scan(const ByteReader& reader, long long positions, std::string_view typeName, std::string_view tag) {
    for (long long i = 0; i < positions; ++i) {
        if (rowAt(reader, static_cast<size_t>(i), typeName, tag)) return true;
    }
    return false;
}

}  // namespace

PairKind scanPairKind(std::string_view uniqueBytes, const std::string& source) {
    const ByteReader reader(uniqueBytes, source);
    const long long length = static_cast<long long>(uniqueBytes.size());
    const long long positions = length > 1024 ? 1000 : length - 25;
    if (scan(reader, positions, "TrackedRide", "trr")) return PairKind::Ride;
    if (scan(reader, positions, "RideTrain", "rit")) return PairKind::Car;
    return PairKind::Unknown;
}

}  // namespace zw
