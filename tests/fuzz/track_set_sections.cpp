// A track set's common file as its install reads the section names from the string table.

#include "FuzzTarget.h"
#include "ovl/TrackSetSections.h"

ZW_FUZZ_TARGET(track_set_sections) {
    (void)zw::readTrackSetSections(input, "Fuzz.common.ovl");
}
