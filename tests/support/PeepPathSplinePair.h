#pragma once
// Spline pairs as the Importer makes them (PeepPathSpline.common.ovl / .unique.ovl), composed byte
// by byte. Each spline's 32-byte header stands in the structure block of its file; its records,
// segment lengths and nodes stand in the data block after all headers, in that (reversed) order,
// so that a copy must follow the header's address words.
//
// Spline contents are made from its number s (0-based in the list) so that every byte is known:
//   total length 1.5 + s, word 16 the float 0.36, word 28 the float 0.125;
//   node i, component j (0 … 8): the float 100·s + 10·i + j;
//   segment length k: the float 0.5 + k + s;  segment record k, byte b: (14·k + b + s) & 0xFF.

#include <cstdint>
#include <string>
#include <vector>

#include "support/HandMadeOvlPair.h"

namespace zw::test {

struct FixtureSpline {
    std::string symbol;  // e.g. "Loop:spl"
    uint32_t nodes = 3;
    uint32_t closed = 1;
    HandMadeOvlPair::File file = HandMadeOvlPair::File::Common;
};

struct FixtureSplineItems {
    int header = -1, nodes = -1, lengths = -1, records = -1;
};

// The pair; `items` receives the item numbers of each spline when given.
HandMadeOvlPair peepSplinePair(const std::vector<FixtureSpline>& splines,
                               std::vector<FixtureSplineItems>* items = nullptr);

// The bytes of spline s's parts as the fixture makes them.
std::string fixtureSplineHead(size_t s, const FixtureSpline& spline);  // the words at 12 and 16
std::string fixtureSplineWord28();
std::string fixtureSplineNodes(size_t s, const FixtureSpline& spline);
std::string fixtureSplineLengths(size_t s, const FixtureSpline& spline);
std::string fixtureSplineRecords(size_t s, const FixtureSpline& spline);

}  // namespace zw::test
