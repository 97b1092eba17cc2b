#include "datafiles/HeaderCheck.h"

#include <algorithm>

namespace zw {
namespace {

template <typename CodeAt>
HeaderSums sumsOf(CodeAt code) {
    HeaderSums sums;
    for (size_t i = 1; i <= 389; ++i) sums.full += code(i);
    for (size_t i = 1; i <= 386; i += 5) sums.stride += code(i);
    return sums;
}

bool isOneOf(int64_t value, int64_t base, std::span<const int> deltas) {
    return std::any_of(deltas.begin(), deltas.end(), [&](int d) { return value == base + d; });
}

}  // namespace

HeaderSums headerSums(const DataFileText& text) {
    return sumsOf([&](size_t i) -> int64_t { return charAt(text, i); });
}

HeaderSums headerSums(std::string_view headerText) {
    return sumsOf([&](size_t i) -> int64_t {
        return i < headerText.size() ? static_cast<unsigned char>(headerText[i]) : 0;
    });
}

HeaderCheckResult checkHeader(const DataFileText& text, size_t fileLength, const AcceptedHeaderSums& accepted) {
    if (fileLength <= kShortestHeaderlessLength) return HeaderCheckResult::TooShort;
    const HeaderSums sums = headerSums(text);
    if (!isOneOf(sums.full, accepted.current.full, accepted.fullDeltas)) return HeaderCheckResult::NotAccepted;
    if (!isOneOf(sums.stride, accepted.current.stride, accepted.strideDeltas)) return HeaderCheckResult::NotAccepted;
    return HeaderCheckResult::Accepted;
}

}  // namespace zw
