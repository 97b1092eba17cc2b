#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/FolderListing.h"
#include "base/SafeFile.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

namespace fs = std::filesystem;

// "name/" for a folder, "name" for a file, sorted.
std::vector<std::u8string> listed(const fs::path& folder) {
    std::error_code error;
    std::vector<std::u8string> names;
    for (const ListedEntry& entry : listFolder(folder, error)) {
        EXPECT_NE(entry.isFolder, entry.isFile) << entry.name;
        EXPECT_FALSE(entry.isLink);
        names.push_back(entry.name.u8string() + (entry.isFolder ? u8"/" : u8""));
    }
    EXPECT_FALSE(error) << error.message();
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FolderListing, ListsNamesOutsideTheCodePageAndTellsFoldersFromFiles) {
    test::TempFolder dir;
    bool made = false;
    ASSERT_FALSE(makeFolder(dir / u8"Игры", made));
    ASSERT_FALSE(makeFolder(dir / u8"RollerCoaster Tycoon 3 – Łódź", made));
    ASSERT_FALSE(writeFileAtomically(dir / u8"Größe.txt", "x"));
    EXPECT_EQ(listed(dir.path()), (std::vector<std::u8string>{u8"Größe.txt", u8"RollerCoaster Tycoon 3 – Łódź/",
                                                              u8"Игры/"}));
    EXPECT_TRUE(listed(dir / u8"Игры").empty());
}

// Folders deep in an author's documents: past 260 characters a folder is made, written into,
// listed and removed as any other.
TEST(FolderListing, ListsAndRemovesAFolderPastTwoHundredSixtyCharacters) {
    test::TempFolder dir;
    fs::path deep = fs::absolute(dir.path()) / u8"Ordner_Łódź";
    bool made = false;
    ASSERT_FALSE(makeFolder(deep, made));
    while (deep.native().size() < 330) {
        deep /= "Ordner_mit_einem_recht_langen_Namen_____";
        ASSERT_FALSE(makeFolder(deep, made)) << deep.native().size();
    }
    ASSERT_FALSE(writeFileAtomically(deep / "CTR_Beispielbahn.common.ovl", "pair"));
    ASSERT_FALSE(makeFolder(deep / "Unterordner", made));
    EXPECT_EQ(listed(deep), (std::vector<std::u8string>{u8"CTR_Beispielbahn.common.ovl", u8"Unterordner/"}));
    EXPECT_EQ(readWholeFile(deep / "CTR_Beispielbahn.common.ovl"), "pair");

    EXPECT_FALSE(removeFolderTree(dir / u8"Ordner_Łódź"));
    EXPECT_TRUE(listed(dir.path()).empty());
}

TEST(FolderListing, AMissingFolderOrAFileIsAnError) {
    test::TempFolder dir;
    ASSERT_FALSE(writeFileAtomically(dir / "file.txt", "x"));
    for (const fs::path& folder : {dir / "missing", dir / "missing" / "deeper", dir / "file.txt"}) {
        std::error_code error;
        EXPECT_TRUE(listFolder(folder, error).empty());
        EXPECT_TRUE(error) << folder;
    }
    std::error_code error;
    listFolder(dir / "missing", error);
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

}  // namespace
}  // namespace zw
