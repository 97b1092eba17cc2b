#include "ovl/TrackSetSections.h"

#include "ovl/ByteReader.h"

namespace zw {

namespace {

void skipShortText(ByteReader& reader) { reader.skip(reader.u16()); }

bool isUsableSectionName(std::string_view name) {
    return name.find_first_of("/\\:") == std::string_view::npos;
}

}  // namespace

TrackSetSections readTrackSetSections(std::string_view commonBytes, const std::string& source) {
    TrackSetSections result;
    try {
        ByteReader reader(commonBytes, source);
        reader.u32();  // magic, not checked
        reader.u32();  // reserved
        if (reader.u32() != 1) {
            result.status = TrackSetSections::Status::NotVersion1;
            return result;
        }
        const uint32_t references = reader.u32();
        for (uint32_t i = 0; i < references; ++i) skipShortText(reader);
        reader.u32();  // spare
        const uint32_t loaderTypes = reader.u32();
        for (uint32_t i = 0; i < loaderTypes; ++i) {
            skipShortText(reader);  // loader name
            skipShortText(reader);  // type name
            reader.u32();           // number
            skipShortText(reader);  // tag
        }
        const uint32_t stringTables = reader.u32();  // blocks of type 0; the first is the string table
        for (int type = 1; type < 9; ++type) reader.u32();
        if (stringTables == 0) return result;  // no string table, so no sections

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
