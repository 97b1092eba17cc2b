#include <gtest/gtest.h>

#include <random>

#include "base/Encoding.h"
#include "datafiles/DataFileDecoding.h"

namespace zw {
namespace {

// Lines of a code-page file with every kind of line break, and what the reader must make of them.
struct LineEnds {
    std::string file;
    std::string expected;  // every break CR LF; a lone CR stays
    uint32_t lfOnly = 0;
};

LineEnds randomLineEnds(std::mt19937& random) {
    // "\xFC" is never part of UTF-8, so the file is the code page's whatever else it holds.
    LineEnds ends{"Gr\xFC\xDF" "e\r\n", "Gr\xFC\xDF" "e\r\n"};
    const std::string alphabet = std::string("ab \t,./-019") + "\xE4\xC3\xA9\x80\x9F\xEF\xBB\xBF";
    const int lines = std::uniform_int_distribution<int>(0, 30)(random);
    for (int l = 0; l < lines; ++l) {
        const int length = std::uniform_int_distribution<int>(0, 12)(random);
        std::string line;
        for (int i = 0; i < length; ++i)
            line += alphabet[std::uniform_int_distribution<size_t>(0, alphabet.size() - 1)(random)];
        ends.file += line;
        ends.expected += line;
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
            case 0: ends.file += "\r\n"; ends.expected += "\r\n"; break;
            case 1:
                // After a CR that ended the line before, the LF makes the pair CR LF.
                if (ends.file.back() == '\r') {
                    ends.file += "\n";
                    ends.expected += "\n";
                } else {
                    ends.file += "\n";
                    ends.expected += "\r\n";
                    ++ends.lfOnly;
                }
                break;
            case 2: ends.file += "\r"; ends.expected += "\r"; break;
            default: break;  // the line runs on
        }
    }
    return ends;
}

TEST(DataFileDecoding, ALineFeedAloneEndsALineAsCrLfDoesAndNothingElseChanges) {
    std::mt19937 random(27);
    for (int round = 0; round < 300; ++round) {
        const LineEnds ends = randomLineEnds(random);
        const DecodedDataFile decoded = decodeDataFile(ends.file);
        ASSERT_EQ(decoded.text, ends.expected) << round;
        EXPECT_EQ(decoded.source.lfOnlyLines, ends.lfOnly) << round;
        EXPECT_EQ(decoded.source.encoding, DataFileEncoding::CodePage);
        EXPECT_TRUE(decoded.source.unwritable.empty());
        // What the reader works on is read again as it is.
        EXPECT_EQ(decodeDataFile(decoded.text).text, decoded.text);
    }
}

TEST(DataFileDecoding, Utf8WithAndWithoutByteOrderMarkGivesTheCodePagesText) {
    const std::string cp1252 = "BahnName\tAchterbahn f\xFCr Gro\xDF und Klein \x80 \x84\x93\r\nX\t\xE9\n";
    const std::string utf8 = cp1252ToUtf8(cp1252);
    const DecodedDataFile plain = decodeDataFile(utf8);
    const DecodedDataFile marked = decodeDataFile("\xEF\xBB\xBF" + utf8);
    const std::string expected = "BahnName\tAchterbahn f\xFCr Gro\xDF und Klein \x80 \x84\x93\r\nX\t\xE9\r\n";
    EXPECT_EQ(plain.text, expected);
    EXPECT_EQ(plain.source.encoding, DataFileEncoding::Utf8);
    EXPECT_EQ(marked.text, expected);
    EXPECT_EQ(marked.source.encoding, DataFileEncoding::Utf8WithByteOrderMark);
    EXPECT_EQ(marked.source.lfOnlyLines, 1u);
    // A byte-order mark before ASCII text is dropped; ASCII alone is the code page's.
    EXPECT_EQ(decodeDataFile("\xEF\xBB\xBF" "a\r\n").text, "a\r\n");
    EXPECT_EQ(decodeDataFile("a\r\n").source.encoding, DataFileEncoding::CodePage);
}

TEST(DataFileDecoding, ACharacterTheCodePageCannotHoldIsReplacedAndNamedWithItsLine) {
    struct Case {
        std::string file;
        std::string text;
        std::vector<std::pair<uint32_t, char32_t>> unwritable;
    };
    const Case cases[] = {
        {"a\r\nb\r\n\xC5\x81\xC3\xB3" "d\xC5\xBA\r\n", "a\r\nb\r\n?\xF3" "d?\r\n", {{3, 0x141}, {3, 0x17A}}},
        {"x\n\xD0\x98\xD0\xB3\xD1\x80\xD1\x8B\n", "x\r\n????\r\n", {{2, 0x418}, {2, 0x433}, {2, 0x440}, {2, 0x44B}}},
        {"\xF0\x9F\x8E\xA2 ride", "? ride", {{1, 0x1F3A2}}},
        // With a byte-order mark, bytes that are not UTF-8 cannot be taken as anything.
        {"\xEF\xBB\xBF" "a\r\n\xFC" "b", "a\r\n?b", {{2, 0xFFFD}}},
    };
    for (const Case& c : cases) {
        const DecodedDataFile decoded = decodeDataFile(c.file);
        EXPECT_EQ(decoded.text, c.text) << c.file;
        std::vector<std::pair<uint32_t, char32_t>> found;
        for (const auto& u : decoded.source.unwritable) found.emplace_back(u.line, u.codePoint);
        EXPECT_EQ(found, c.unwritable) << c.file;
    }
}

}  // namespace
}  // namespace zw
