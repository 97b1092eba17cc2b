#pragma once
// The header check that recognises a data file written by this program (or an earlier version of
// it): two sums over the beginning of the header comment must each be one of the accepted values.

#include <cstdint>
#include <span>
#include <string_view>

#include "datafiles/DataFileText.h"

namespace zw {

struct HeaderSums {
    int64_t full = 0;    // codes 1..389 (the 2nd through the 390th character)
    int64_t stride = 0;  // codes 1, 6, 11, ..., 386 (every fifth)
};

// Files of this length or shorter cannot hold a header.
inline constexpr size_t kShortestHeaderlessLength = 391;

// The sums of a text array (which must hold more than 390 elements).
HeaderSums headerSums(const DataFileText& text);

// The sums of a header text as this version writes it.
HeaderSums headerSums(std::string_view headerText);

enum class HeaderCheckResult { Accepted, TooShort, NotAccepted };

// The accepted sums are the sums of this version's header plus one of the differences of earlier
// versions' headers.
struct AcceptedHeaderSums {
    HeaderSums current;
    std::span<const int> fullDeltas;
    std::span<const int> strideDeltas;
};

HeaderCheckResult checkHeader(const DataFileText& text, size_t fileLength, const AcceptedHeaderSums& accepted);

}  // namespace zw
