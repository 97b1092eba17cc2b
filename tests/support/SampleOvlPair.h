#pragma once
// A small OVL pair made with the writer, for tests that read pairs: two common structures with
// symbols "zeta:ab" and "beta:ab" (made in this order), two blocks of common data, a unique
// structure "Alpha:cd" with a shared string, a reference to "zeta:ab" and a pointer to itself, the
// unique header reference "R1" and one extra-data entry "EX".
//
// Its layout (addresses; file offsets in brackets):
//   .common (283 bytes): string table 0 [100], data blocks 27 [131] and 31 [139], symbols 33 [145],
//            loaders 57 [173], structures 97 [217], 10 relocations [237], extra data [277].
//   .unique (212 bytes): symbols 113 [104], loaders 125 [120], symbol references 145 [144],
//            structures 157 [160], 9 relocations [176]. Address space 169 bytes.

#include "ovl/OvlPairAssembly.h"

namespace zw::test {

OvlPairBytes sampleOvlPair();

}  // namespace zw::test
