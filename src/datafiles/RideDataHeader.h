#pragma once
// The header comment that begins every ride data file this program writes, and the header sums
// the ride reader accepts: those of this header and of the headers of earlier program versions.

#include <string>

#include "datafiles/HeaderCheck.h"

namespace zw {

// Five comment lines and one empty line, each ended by CR LF (always German).
const std::string& rideDataHeader();

// This header's sums, with the differences that earlier versions' headers make.
AcceptedHeaderSums acceptedRideHeaderSums();

}  // namespace zw
