#include "datafiles/RideDataHeader.h"

namespace zw {
namespace {

constexpr int kFullDeltas[] = {-46, -45, -38, 0, 46, 98, 124, 168, 206, 287};
constexpr int kStrideDeltas[] = {-75, 0, 51, 62, 87, 105, 116};

}  // namespace

const std::string& rideDataHeader() {
    static const std::string header = [] {
        const std::string rule = "// " + std::string(83, '-') + "\r\n";
        return rule +
               "// 'CTR_BahnDaten' fuer CustomTrackedRides (CTR) im Spiel RollerCoaster Tycoon 3 (RCT3)\r\n"
               "// zur Verwendung mit der Software 'Zorbaltwerk' von Jaskel Fernow\r\n"
               "// Datei erstellt mit Zorbaltwerk Version 0.85 (12.July 2009)\r\n" +
               rule + "\r\n";
    }();
    return header;
}

AcceptedHeaderSums acceptedRideHeaderSums() {
    static const HeaderSums current = headerSums(rideDataHeader());
    return {current, kFullDeltas, kStrideDeltas};
}

}  // namespace zw
