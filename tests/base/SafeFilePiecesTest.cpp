#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/SafeFile.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

// Pieces of every size, among them empty ones and one larger than any stream buffer, end up in
// order, and the file they replace is gone.
TEST(SafeFilePieces, WritesThePiecesInOrderOverTheOldFile) {
    test::TempFolder dir;
    const auto file = dir / "pair.ovl";
    test::writeBytes(file, "old content that is longer than the new");
    std::string large(300000, '\0');
    for (size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 % 251);
    const std::vector<std::string_view> pieces = {"head", "", std::string_view("\0\1", 2), large, "", "tail"};
    EXPECT_FALSE(writePiecesAtomically(file, pieces));
    EXPECT_EQ(readWholeFile(file), "head" + std::string("\0\1", 2) + large + "tail");
    EXPECT_FALSE(std::filesystem::exists(temporarySibling(file)));

    EXPECT_FALSE(writePiecesAtomically(file, {}));
    EXPECT_EQ(readWholeFile(file), "");
}

// A file that cannot be made, or cannot take the place of what stands there, is reported; what
// stood there stays, and no temporary file is left.
TEST(SafeFilePieces, AFailedWriteIsReportedAndLeavesNothingBehind) {
    test::TempFolder dir;
    const std::vector<std::string_view> pieces = {"a", "b"};
    EXPECT_TRUE(writePiecesAtomically(dir / "no such folder" / "pair.ovl", pieces));
    EXPECT_FALSE(std::filesystem::exists(dir / "no such folder"));

    const auto blocked = dir / "pair.ovl";
    test::writeBytes(blocked / "in the way", "x");
    EXPECT_TRUE(writePiecesAtomically(blocked, pieces));
    EXPECT_EQ(readWholeFile(blocked / "in the way"), "x");
    EXPECT_FALSE(std::filesystem::exists(temporarySibling(blocked)));
}

// A file's bytes go after what the buffer holds; a file that cannot be read leaves the buffer as
// it was and says why.
TEST(SafeFilePieces, AppendsAWholeFileOrLeavesTheBufferAsItWas) {
    test::TempFolder dir;
    std::string large(200001, 'q');
    large[100000] = '\0';
    test::writeBytes(dir / "large.bin", large);
    test::writeBytes(dir / "empty.bin", "");
    std::string buffer = "kept";
    std::error_code error = std::make_error_code(std::errc::io_error);
    EXPECT_TRUE(appendWholeFile(dir / "large.bin", buffer, &error));
    EXPECT_FALSE(error);
    EXPECT_TRUE(appendWholeFile(dir / "empty.bin", buffer));
    EXPECT_EQ(buffer, "kept" + large);

    EXPECT_FALSE(appendWholeFile(dir / "missing.bin", buffer, &error));
    EXPECT_TRUE(error);
    EXPECT_FALSE(appendWholeFile(dir.path(), buffer, &error));  // a folder is no file
    EXPECT_TRUE(error);
    EXPECT_EQ(buffer, "kept" + large);
}

}  // namespace
}  // namespace zw
