#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/Encoding.h"
#include "base/SafeFile.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

TEST(SafeFile, ReplacesAFileAndLeavesNoTemporaryBehind) {
    test::TempFolder dir;
    const auto file = dir / "data.txt";
    test::writeBytes(file, "old");
    EXPECT_FALSE(writeFileAtomically(file, std::string("new\0bytes", 9)));
    EXPECT_EQ(readWholeFile(file), std::string("new\0bytes", 9));
    EXPECT_FALSE(std::filesystem::exists(temporarySibling(file)));
}

// One buffer for file after file: each read gives exactly that file's bytes, whatever the buffer held.
TEST(SafeFile, AKeptBufferReadsFileAfterFile) {
    test::TempFolder dir;
    const std::string large(200000, 'L');
    test::writeBytes(dir / "large", large);
    test::writeBytes(dir / "small", std::string("s\0b", 3));
    test::writeBytes(dir / "empty", "");
    FileBuffer buffer;
    std::error_code error;
    for (const auto& [name, bytes] : {std::pair<std::string, std::string>{"small", std::string("s\0b", 3)},
                                      {"large", large}, {"small", std::string("s\0b", 3)}, {"empty", ""}}) {
        ASSERT_TRUE(buffer.read(dir / name, error)) << name << ": " << error.message();
        EXPECT_EQ(buffer.bytes(), bytes) << name;
    }
    EXPECT_FALSE(buffer.read(dir / "large", error, large.size() - 1));
    EXPECT_EQ(error, std::errc::file_too_large);
    EXPECT_EQ(buffer.fileSize(), large.size());
    EXPECT_EQ(buffer.bytes(), "");
    EXPECT_FALSE(buffer.read(dir / "missing", error));
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

TEST(SafeFile, AFailedWriteReportsAndKeepsTheOldFile) {
    test::TempFolder dir;
    const auto missingFolder = dir / "no such folder" / "data.txt";
    EXPECT_TRUE(writeFileAtomically(missingFolder, "x"));
    std::error_code error;
    EXPECT_FALSE(readWholeFile(missingFolder, &error));
    EXPECT_TRUE(error);
    EXPECT_TRUE(copyFileAtomically(dir / "missing.ovl", dir / "copy.ovl"));
    EXPECT_FALSE(std::filesystem::exists(dir / "copy.ovl"));
}

// Data files are named after their rides, and ride names are Windows-1252 text: such a file must be
// found, read and replaced under its own name, not under its bytes read in another code page.
TEST(SafeFile, NamesWithWindows1252CharactersAreReadReplacedAndCopied) {
    test::TempFolder dir;
    const auto file = dir.path() / pathFromCp1252("CTR_BahnDaten_\xDC" "ber.txt");
    test::writeBytes(file, "old");
    EXPECT_EQ(readWholeFile(file), "old");
    EXPECT_FALSE(writeFileAtomically(file, "new\r\n"));
    EXPECT_EQ(readWholeFile(file), "new\r\n");
    EXPECT_FALSE(copyFileAtomically(file, dir.path() / pathFromCp1252("Kopie_\xC4\x80.txt")));

    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(pathToCp1252(entry.path().filename()));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"CTR_BahnDaten_\xDC" "ber.txt", "Kopie_\xC4\x80.txt"}));
    EXPECT_EQ(readWholeFile(dir.path() / u8"Kopie_Ä€.txt"), "new\r\n");
}

}  // namespace
}  // namespace zw
