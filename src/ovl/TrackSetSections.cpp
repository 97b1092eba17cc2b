#include "ovl/TrackSetSections.h"

#include "ovl/ByteReader.h"
#include "ovl/OvlFileReader.h"

namespace zw {

namespace {

bool isUsableSectionName(std::string_view name) {
    return name.find_first_of("/\\:") == std::string_view::npos;
}

}  // namespace

TrackSetSections readTrackSetSections(std::string_view commonBytes, const std::string& source) {
    TrackSetSections result;
    try {
        ByteReader reader(commonBytes, source);
        OvlFileHeader header = readOvlFileStart(reader);
        if (header.version != kOvlVersion) {
            result.status = TrackSetSections::Status::NotVersion1;
            return result;
        }
        readOvlFileHeaderRest(reader, header);
        // Blocks of type 0; the first is the string table.
        if (readOvlBlockCounts(reader)[0] == 0) return result;  // no string table, so no sections

        const uint32_t tableSize = reader.u32();
        const std::string_view table = reader.bytes(tableSize);
        for (size_t start = 0; start < table.size();) {
            const size_t end = table.find('\0', start);
            if (end == std::string_view::npos) reader.fail("the last text of the string table has no end");
            const std::string_view text = table.substr(start, end - start);
            if (text.size() >= 4 && text.substr(text.size() - 4) == ":tks") {
                const std::string_view name = text.substr(0, text.size() - 4);
                if (!isUsableSectionName(name)) {
                    reader.fail("the section name \"" + std::string(name) + "\" is not a plain file name");
                }
                result.names.emplace_back(name);
            }
            start = end + 1;
        }
    } catch (const BinaryReadError& e) {
        result.status = TrackSetSections::Status::Damaged;
        result.names.clear();
        // The file is named by the caller's message; keep only what is wrong with it.
        std::string what = e.what();
        const std::string prefix = e.source + ": ";
        result.problem = what.compare(0, prefix.size(), prefix) == 0 ? what.substr(prefix.size()) : what;
    }
    return result;
}

}  // namespace zw
