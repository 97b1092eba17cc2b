#pragma once
// The names an installed pair gives and asks for, read from its tables: the object name of its
// TrackedRide or RideTrain (its symbol without the tag), and for a ride the car types and track
// sections it names. What cannot be read (a pointer leaving the pair) is left out: the structure
// checks report it.

#include <optional>
#include <string>
#include <vector>

namespace zw {

class OvlPairReader;

struct PairNames {
    std::optional<std::string> rideName;   // the TrackedRide's symbol without ":trr" (Windows-1252)
    std::optional<std::string> trainName;  // the RideTrain's symbol without ":rit"
    std::vector<std::string> carTypes;       // the first TrackedRide's car type list
    std::vector<std::string> trackSections;  // every ":tks" symbol reference, without the tag, once each
};

PairNames pairNamesOf(const OvlPairReader& pair);

}  // namespace zw
