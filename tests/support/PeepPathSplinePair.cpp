#include "support/PeepPathSplinePair.h"

namespace zw::test {
namespace {

// A spline without nodes and segments (a faulty one) gets no segment data.
uint32_t segments(const FixtureSpline& spline) {
    return spline.nodes + spline.closed == 0 ? 0 : spline.nodes + spline.closed - 1;
}

}  // namespace

std::string fixtureSplineHead(size_t s, const FixtureSpline&) {
    return leFloat(1.5f + static_cast<float>(s)) + leFloat(0.36f);
}

std::string fixtureSplineWord28() { return leFloat(0.125f); }

std::string fixtureSplineNodes(size_t s, const FixtureSpline& spline) {
    std::string out;
    for (uint32_t i = 0; i < spline.nodes; ++i) {
        for (uint32_t j = 0; j < 9; ++j) out += leFloat(static_cast<float>(100 * s + 10 * i + j));
    }
    return out;
}

std::string fixtureSplineLengths(size_t s, const FixtureSpline& spline) {
    std::string out;
    for (uint32_t k = 0; k < segments(spline); ++k) out += leFloat(0.5f + static_cast<float>(k + s));
    return out;
}

std::string fixtureSplineRecords(size_t s, const FixtureSpline& spline) {
    std::string out;
    for (uint32_t k = 0; k < segments(spline); ++k) {
        for (uint32_t b = 0; b < 14; ++b) out += static_cast<char>((14 * k + b + s) & 0xFF);
    }
    return out;
}

HandMadeOvlPair peepSplinePair(const std::vector<FixtureSpline>& splines, std::vector<FixtureSplineItems>* items) {
    using Piece = HandMadeOvlPair::Piece;
    using Area = HandMadeOvlPair::Area;
    HandMadeOvlPair pair;
    std::vector<FixtureSplineItems> made(splines.size());
    // Data first in item order (records, lengths, nodes), so that it lies in reverse of the header's order.
    for (size_t s = 0; s < splines.size(); ++s) {
        const FixtureSpline& sp = splines[s];
        made[s].records = pair.addItem(sp.file, Area::Data, {Piece{fixtureSplineRecords(s, sp)}});
        made[s].lengths = pair.addItem(sp.file, Area::Data, {Piece{fixtureSplineLengths(s, sp)}});
        made[s].nodes = pair.addItem(sp.file, Area::Data, {Piece{fixtureSplineNodes(s, sp)}});
    }
    for (size_t s = 0; s < splines.size(); ++s) {
        const FixtureSpline& sp = splines[s];
        made[s].header = pair.addItem(sp.file, Area::Structures,
                                      {Piece{le32(sp.nodes)}, Piece{"", made[s].nodes}, Piece{le32(sp.closed)},
                                       Piece{fixtureSplineHead(s, sp)}, Piece{"", made[s].lengths},
                                       Piece{"", made[s].records}, Piece{fixtureSplineWord28()}});
        pair.addSymbol(sp.symbol, made[s].header, sp.file);
    }
    if (items != nullptr) *items = made;
    return pair;
}

}  // namespace zw::test
