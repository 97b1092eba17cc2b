#pragma once
// The fixed header comment of a car data file, and the header sums the car reader accepts: those of
// this header and those of the headers that earlier program versions wrote.

#include <array>
#include <string_view>

namespace zw {

// Five lines and an empty line, 399 bytes, the same in German and English files.
inline constexpr std::string_view kCarDataHeader =
    "// -----------------------------------------------------------------------------------\r\n"
    "// 'CTR_WagenDaten' fuer CustomTrackedRides (CTR) im Spiel RollerCoaster Tycoon 3 (RCT3)\r\n"
    "// zur Verwendung mit der Software 'Zorbaltwerk' von Jaskel Fernow\r\n"
    "// Datei erstellt mit Zorbaltwerk Version 0.85 (12.July 2009)\r\n"
    "// -----------------------------------------------------------------------------------\r\n"
    "\r\n";

// The header sums of earlier versions' headers differ from those of this header by these amounts
// (full sum over the 2nd to the 390th byte, stride sum over every fifth of them).
inline constexpr std::array<int, 8> kCarHeaderFullSumOffsets = {-46, 0, 46, 98, 124, 168, 206, 287};
inline constexpr std::array<int, 8> kCarHeaderStrideSumOffsets = {-65, -54, -52, -47, -12, -5, 0, 65};

static_assert(kCarDataHeader.size() == 399);

}  // namespace zw
