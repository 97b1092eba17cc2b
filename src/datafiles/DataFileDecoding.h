#pragma once
// From a data file's bytes to the text the reader works on: 8-bit characters of the code page the
// program writes, every line ended by CR LF. Files as editors save them are read the same way as
// files this program wrote: a line ended by LF alone ends it as CR LF does, and a UTF-8 file (with
// a byte-order mark, or valid UTF-8 holding characters beyond ASCII) is converted. A file of the
// code page with CR LF throughout is taken byte for byte.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

enum class DataFileEncoding {
    CodePage,               // the 8-bit code page, taken as it is
    Utf8,                   // UTF-8 without a byte-order mark
    Utf8WithByteOrderMark,  // UTF-8 after the byte-order mark EF BB BF
};

// A character of a UTF-8 file that the code page cannot hold (U+FFFD for bytes that are not
// UTF-8 in a file with a byte-order mark); the text holds kUnwritableReplacement in its place.
struct UnwritableCharacter {
    uint32_t line = 0;  // the file's line, the first being 1
    char32_t codePoint = 0;
};

inline constexpr char kUnwritableReplacement = '?';

// What the text was made from.
struct DataFileSource {
    DataFileEncoding encoding = DataFileEncoding::CodePage;
    uint32_t lfOnlyLines = 0;  // line breaks that were a line feed alone
    std::vector<UnwritableCharacter> unwritable;
};

struct DecodedDataFile {
    std::string text;  // 8-bit code page, line breaks CR LF
    DataFileSource source;
};

DecodedDataFile decodeDataFile(std::string_view fileBytes);

}  // namespace zw
