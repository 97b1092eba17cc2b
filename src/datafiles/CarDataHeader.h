#pragma once
// The fixed header comment of a car data file, and the header sums the car reader accepts: those of
// this header and those of the headers that earlier program versions wrote.

#include <array>
#include <cstdint>
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

// The full sum over the 2nd to the 390th byte and the stride sum over every fifth byte from the 2nd
// to the 387th, taken over the header this version writes.
constexpr std::int32_t carHeaderFullSum() {
    std::int32_t sum = 0;
    for (std::size_t i = 1; i <= 389; ++i) sum += static_cast<unsigned char>(kCarDataHeader[i]);
    return sum;
}
constexpr std::int32_t carHeaderStrideSum() {
    std::int32_t sum = 0;
    for (std::size_t i = 1; i <= 386; i += 5) sum += static_cast<unsigned char>(kCarDataHeader[i]);
    return sum;
}

// The headers of earlier versions differ from this one's by these amounts.
inline constexpr std::array<std::int32_t, 8> kCarHeaderFullSumOffsets = {-46, 0, 46, 98, 124, 168, 206, 287};
inline constexpr std::array<std::int32_t, 8> kCarHeaderStrideSumOffsets = {-65, -54, -52, -47, -12, -5, 0, 65};

constexpr std::array<std::int32_t, 8> acceptedCarHeaderFullSums() {
    std::array<std::int32_t, 8> sums{};
    for (std::size_t i = 0; i < sums.size(); ++i) sums[i] = carHeaderFullSum() + kCarHeaderFullSumOffsets[i];
    return sums;
}
constexpr std::array<std::int32_t, 8> acceptedCarHeaderStrideSums() {
    std::array<std::int32_t, 8> sums{};
    for (std::size_t i = 0; i < sums.size(); ++i) sums[i] = carHeaderStrideSum() + kCarHeaderStrideSumOffsets[i];
    return sums;
}

static_assert(kCarDataHeader.size() == 399);

}  // namespace zw
