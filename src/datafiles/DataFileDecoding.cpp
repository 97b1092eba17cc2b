#include "datafiles/DataFileDecoding.h"

#include "base/Encoding.h"

namespace zw {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Valid UTF-8 that holds at least one character beyond ASCII. A code-page file is almost never
// that: its letters beyond ASCII would have to fall into exact UTF-8 sequences.
bool isUtf8BeyondAscii(std::string_view bytes) {
    bool beyondAscii = false;
    for (size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        if (!decodeUtf8(bytes, i, cp)) return false;
        beyondAscii = beyondAscii || cp >= 0x80;
    }
    return beyondAscii;
}

// Appends characters to the text, a lone LF as CR LF, and counts the lines.
class TextBuilder {
public:
    explicit TextBuilder(DecodedDataFile& out) : out_(out) {}

    void add(char c) {
        if (c == '\n') {
            if (out_.text.empty() || out_.text.back() != '\r') {
                out_.text += '\r';
                ++out_.source.lfOnlyLines;
            }
            ++line_;
        }
        out_.text += c;
    }
    void addUnwritable(char32_t cp) {
        out_.source.unwritable.push_back({line_, cp});
        out_.text += kUnwritableReplacement;
    }

private:
    DecodedDataFile& out_;
    uint32_t line_ = 1;
};

}  // namespace

DecodedDataFile decodeDataFile(std::string_view fileBytes) {
    DecodedDataFile decoded;
    decoded.text.reserve(fileBytes.size());
    TextBuilder text(decoded);
    std::string_view body = fileBytes;
    if (body.starts_with(kByteOrderMark)) {
        decoded.source.encoding = DataFileEncoding::Utf8WithByteOrderMark;
        body.remove_prefix(kByteOrderMark.size());
    } else if (isUtf8BeyondAscii(body)) {
        decoded.source.encoding = DataFileEncoding::Utf8;
    }

    if (decoded.source.encoding == DataFileEncoding::CodePage) {
        for (char c : body) text.add(c);
        return decoded;
    }
    for (size_t i = 0; i < body.size();) {
        char32_t cp = 0;
        if (!decodeUtf8(body, i, cp)) {
            text.addUnwritable(0xFFFD);
        } else if (const auto byte = codePageByte(cp)) {
            text.add(*byte);
        } else {
            text.addUnwritable(cp);
        }
    }
    return decoded;
}

}  // namespace zw
