// A built pair as `inspect` reads it: the listing, the checks, every structure field by field, the
// same checks as the game folder's check makes them, and the pictures (the ride icon and the texture frames, at most a few of them).
//
// Input: the pair (FuzzTarget.h, splitPairInput).

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
        // The game folder's check: findings only, in a buffer kept from pair to pair.
        static std::string storage;
        (void)checkOvlPair(pair, Language::English, storage);
        const StructureSpace space = StructureSpace::of(pair);
        (void)rideIconPicture(space);
        size_t frames = 0;
        forEachTextureFrame(space, [&](const TextureFrame&) { return ++frames < 4; });
    } catch (const BinaryReadError&) {
        // A malformed file, named in the message: what inspect shows.
    }
}
