// A built pair as `inspect` reads it: the listing, the checks, every structure field by field, the
// same checks as the game folder's check makes them, and the pictures (the ride icon and the texture frames, at most a few of them).
//
// Input: the pair (FuzzTarget.h, splitPairInput).

#include <algorithm>
#include <memory>

#include "FuzzTarget.h"
#include "ovl/OvlPairInspection.h"
#include "ovl/OvlPairReader.h"
#include "ovl/PairPictures.h"
#include "ovl/StructureSpace.h"

ZW_FUZZ_TARGET(pair_inspector) {
    using namespace zw;
    fuzz::PairInput files = fuzz::splitPairInput(input);
    try {
        const OvlPairReader pair(std::move(files.common), "Fuzz.common.ovl", std::move(files.unique), "Fuzz.unique.ovl");
        (void)inspectOvlPair(pair, Language::English);
        // The game folder's check: findings only, the structures read where they lie in the files,
        // here copies of exactly their size, so that a read past a file's end is seen.
        const std::string_view commonBytes = pair.common().bytes(), uniqueBytes = pair.unique().bytes();
        const std::unique_ptr<char[]> common(new char[commonBytes.size()]), unique(new char[uniqueBytes.size()]);
        std::copy(commonBytes.begin(), commonBytes.end(), common.get());
        std::copy(uniqueBytes.begin(), uniqueBytes.end(), unique.get());
        (void)checkOvlPair(OvlPairReader::ofKeptBytes({common.get(), commonBytes.size()}, "Fuzz.common.ovl",
                                                      {unique.get(), uniqueBytes.size()}, "Fuzz.unique.ovl"),
                           Language::English);
        const StructureSpace space = StructureSpace::of(pair);
        (void)rideIconPicture(space);
        size_t frames = 0;
        forEachTextureFrame(space, [&](const TextureFrame&) { return ++frames < 4; });
    } catch (const BinaryReadError&) {
        // A malformed file, named in the message: what inspect shows.
    }
}
