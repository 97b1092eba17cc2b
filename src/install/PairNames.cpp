#include "install/PairNames.h"

#include <algorithm>

#include "ovl/OvlPairReader.h"
#include "ovl/TrackedRideLayout.h"

namespace zw {

namespace {

// The TrackedRide begins with the word -1 in the layout of the game with both add-ons; the car
// type count and list pointer stand at different offsets in the two layouts.
using trackedRide::kAddOnLayoutMark;
constexpr uint32_t kAddOnCarTypeCount = trackedRide::kHeadA["WagentypName count"];
constexpr uint32_t kBaseCarTypeCount = trackedRide::kBaseHeader["WagentypName count"];
static_assert(trackedRide::kHeadA["car types"] == kAddOnCarTypeCount + 4 &&
              trackedRide::kBaseHeader["car types"] == kBaseCarTypeCount + 4);

std::optional<std::string> withoutTag(std::string_view symbol, std::string_view tag) {
    if (symbol.size() <= tag.size() || symbol.substr(symbol.size() - tag.size()) != tag) return std::nullopt;
    return std::string(symbol.substr(0, symbol.size() - tag.size()));
}

std::vector<std::string> carTypesAt(const OvlPairReader& pair, uint32_t ride) {
    const std::optional<uint32_t> mark = pair.wordAt(ride);
    if (!mark) return {};
    const uint32_t countAt = ride + (*mark == kAddOnLayoutMark ? kAddOnCarTypeCount : kBaseCarTypeCount);
    const std::optional<uint32_t> count = pair.wordAt(countAt);
    const std::optional<uint32_t> list = pair.wordAt(countAt + 4);
    if (!count || !list) return {};
    std::vector<std::string> names;
    // A count larger than the pair can hold ends at the first slot outside it.
    for (uint32_t i = 0; i < *count; ++i) {
        const uint64_t at = *list + uint64_t{4} * i;
        if (at >= pair.addressSpaceSize()) break;
        const std::optional<uint32_t> slot = pair.wordAt(static_cast<uint32_t>(at));
        if (!slot) break;
        if (const auto text = pair.stringAt(*slot)) names.emplace_back(*text);
    }
    return names;
}

}  // namespace

PairNames pairNamesOf(const OvlPairReader& pair) {
    PairNames names;
    std::optional<uint32_t> ride;
    for (OvlFileKind kind : {OvlFileKind::Common, OvlFileKind::Unique}) {
        for (const OvlSymbolEntry& symbol : pair.symbols(kind)) {
            const std::optional<std::string_view> text = pair.stringAt(symbol.nameAddress);
            if (!text) continue;
            if (auto name = withoutTag(*text, ":trr"); name && !names.rideName) {
                names.rideName = std::move(name);
                ride = symbol.structureAddress;
            } else if (auto train = withoutTag(*text, ":rit"); train && !names.trainName) {
                names.trainName = std::move(train);
            }
        }
    }
    if (ride) names.carTypes = carTypesAt(pair, *ride);
    for (const OvlSymbolReferenceEntry& reference : pair.symbolReferences()) {
        const std::optional<std::string_view> text = pair.stringAt(reference.nameAddress);
        if (!text) continue;
        if (auto section = withoutTag(*text, ":tks");
            section && std::find(names.trackSections.begin(), names.trackSections.end(), *section) ==
                           names.trackSections.end()) {
            names.trackSections.push_back(std::move(*section));
        }
    }
    return names;
}

}  // namespace zw
