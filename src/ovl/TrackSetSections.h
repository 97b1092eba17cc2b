#pragma once
// The track sections of a track set: every string of its common file's string table that ends with
// ":tks" names a section, whose own pair "<name>_data.common.ovl" / ".unique.ovl" lies beside the set.

#include <string>
#include <string_view>
#include <vector>

namespace zw {

struct TrackSetSections {
    enum class Status {
        Read,         // `names` holds the sections in string table order
        NotVersion1,  // the version word is not 1
        Damaged,      // the header or string table runs past the end, or a name is unusable; see `problem`
    };
    Status status = Status::Read;
    std::vector<std::string> names;  // Windows-1252, without ":tks"
    std::string problem;             // what is wrong with a damaged file (without the file's name)
};

// Reads the section names from the bytes of a track set's common file; `source` names the file in
// `problem`. Names that would reach outside the set's folder (a separator or a colon in them) make
// the file damaged.
TrackSetSections readTrackSetSections(std::string_view commonBytes, const std::string& source);

}  // namespace zw
