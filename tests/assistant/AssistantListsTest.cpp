#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "assistant/AssistantLists.h"
#include "assistant/TrackCatalogue.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

std::filesystem::path shippedFolder() {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    EXPECT_TRUE(source) << "ctest sets ZW_SOURCE_DIR";
    return std::filesystem::path(source ? source : ".") / "data" / "assistant";
}

bool contains(const std::vector<std::string>& items, const std::string& name) {
    return std::find(items.begin(), items.end(), name) != items.end();
}

TEST(AssistantLists, ShippedListsHoldTheGamesIdentifiersInFull) {
    const AssistantLists lists = loadAssistantLists(shippedFolder());
    ASSERT_EQ(lists.icons.size(), 119u);
    EXPECT_EQ(lists.icons.front(), "AirBoatIcon");
    EXPECT_EQ(lists.icons.back(), "WoodenWildMouseIcon");
    EXPECT_EQ(lists.icons[16], "CTR");
    EXPECT_TRUE(contains(lists.icons, "Style"));
    ASSERT_EQ(lists.cars.size(), 158u);
    EXPECT_EQ(lists.cars.front(), "6PeepWoodenRC");
    EXPECT_EQ(lists.cars.back(), "ZamperlaFlyer");
    ASSERT_EQ(lists.trackTypes.size(), 75u);
    EXPECT_EQ(lists.trackTypes[35], "Track36");
    EXPECT_EQ(lists.trackTypes[38], "Track9_CT");
    EXPECT_FALSE(contains(lists.trackTypes, "TrackBased23"));
    EXPECT_EQ(lists.trackTypes.back(), "TrackBased41");
    ASSERT_EQ(lists.stations.size(), 19u);
    EXPECT_EQ(lists.stations[12], "Standard");
    EXPECT_EQ(lists.stations[8], "none");
    EXPECT_EQ(lists.trackSections.front(), "45BarrelRollLeft");
    EXPECT_EQ(lists.trackSections.back(), "whirlpool");
    EXPECT_TRUE(contains(lists.trackSections, "stationmiddle"));
    EXPECT_TRUE(contains(lists.trackSections, "straight"));
}

TEST(AssistantLists, CatalogueHasTheMenusTrackTypesWithTheirSizes) {
    const AssistantLists lists = loadAssistantLists(shippedFolder());
    ASSERT_EQ(lists.catalogue.size(), 68u);
    EXPECT_EQ(lists.catalogue.front().trackType, "Track1");
    EXPECT_EQ(lists.catalogue.front().shippedSectionCount, 13u);
    EXPECT_EQ(lists.catalogue[31].trackType, "Track32");
    EXPECT_EQ(lists.catalogue[31].shippedSectionCount, 100u);  // positions 2223 to 2322
    EXPECT_EQ(lists.catalogue.back().trackType, "TrackBased41");
    EXPECT_EQ(lists.catalogue.back().shippedSectionCount, 18u);
    size_t positions = 0;
    for (const auto& type : lists.catalogue) positions += 1 + type.shippedSectionCount;
    EXPECT_EQ(positions, 3871u);  // headers and sections, positions 0 to 3870
}

TEST(AssistantLists, MissingOrBrokenFileIsNamed) {
    test::TempFolder folder;
    for (const char* name : {kIconListFile, kCarListFile, kTrackSectionListFile, kTrackTypeListFile, kStationListFile}) {
        test::writeBytes(folder / name, "# comment\r\nName1\r\n\r\nName2\r\n");
    }
    try {
        loadAssistantLists(folder.path());
        FAIL() << "the catalogue file is missing";
    } catch (const AssistantDataError& e) {
        EXPECT_EQ(e.file.filename(), kTrackCatalogueFile);
    }
    test::writeBytes(folder / kTrackCatalogueFile, "= Track1 2\nA\nB\n= Track2 x\n");
    EXPECT_THROW(loadAssistantLists(folder.path()), AssistantDataError);
    test::writeBytes(folder / kTrackCatalogueFile, "= Track1 2\nA\nB\n");
    test::writeBytes(folder / kCarListFile, "Good\nTwo words\n");
    try {
        loadAssistantLists(folder.path());
        FAIL() << "a name with a blank is no identifier";
    } catch (const AssistantDataError& e) {
        EXPECT_EQ(e.file.filename(), kCarListFile);
        EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
    }
    test::writeBytes(folder / kCarListFile, "Good\n");
    const AssistantLists lists = loadAssistantLists(folder.path());
    EXPECT_EQ(lists.icons, (std::vector<std::string>{"Name1", "Name2"}));
    // Catalogue sections are offered in the section list too.
    EXPECT_EQ(lists.trackSections, (std::vector<std::string>{"A", "B", "Name1", "Name2"}));
}

TEST(AssistantLists, FoundBesideTheExecutableOrInstalledBeforeTheSourceTree) {
    test::TempFolder exe;
    EXPECT_EQ(findAssistantDataFolder(exe.path()), shippedFolder());
    test::writeBytes(exe / "data/assistant/track_catalogue.txt", "= Track1 0\n");
    EXPECT_EQ(findAssistantDataFolder(exe.path()), exe.path() / "data" / "assistant");
    // An installed package: the program in <prefix>/bin, the lists in <prefix>/share/zorbaltwerk.
    test::TempFolder prefix;
    test::writeBytes(prefix / "share/zorbaltwerk/assistant/track_catalogue.txt", "= Track1 0\n");
    EXPECT_EQ(findAssistantDataFolder(prefix.path() / "bin"), prefix.path() / "share" / "zorbaltwerk" / "assistant");
}

TEST(TrackCatalogue, HeadersStandBeforeTheirSectionsAndTheMenuCoversEachType) {
    std::vector<TrackCatalogueType> types = {{"Track1", 2, {"a", "b"}}, {"Track2", 0, {}}, {"Track3", 1, {"c"}}};
    TrackCatalogue catalogue = buildTrackCatalogue(types);
    EXPECT_EQ(catalogue.trackSectionList, (std::vector<std::string>{"Track1", "a", "b", "Track2", "Track3", "c"}));
    ASSERT_EQ(catalogue.menu.size(), 3u);
    EXPECT_EQ(catalogue.menu[0].first, 1u);
    EXPECT_EQ(catalogue.menu[0].end, 3u);
    EXPECT_EQ(catalogue.menu[1].first, catalogue.menu[1].end);
    EXPECT_EQ(catalogue.menu[2].trackType, "Track3");
    EXPECT_EQ(catalogue.menu[2].first, 5u);
    EXPECT_EQ(catalogue.menu[2].end, 6u);
}

TEST(TrackCatalogue, UnknownSectionsAreReadFromTheGameFolder) {
    test::TempFolder game;
    test::writeBytes(game / "Tracks/Track1/TRACK1.common.ovl", "one");
    test::writeBytes(game / "Tracks/Track2/Track2.common.ovl", "broken");
    test::writeBytes(game / "Tracks/Track3/Track3.unique.ovl", "not the common file");
    AssistantLists lists;
    lists.trackSections = {"Known"};
    lists.catalogue = {{"Track1", 2, {}}, {"Track2", 1, {}}, {"Track3", 1, {}}, {"Track4", 1, {"Shipped"}}};
    std::vector<std::filesystem::path> read;
    TksNameReader reader = [&](const std::filesystem::path& file) -> std::vector<std::string> {
        read.push_back(file.filename());
        if (file.filename() == "Track2.common.ovl") throw std::runtime_error("string table runs past the end");
        return {"zLoop", "aStraight"};
    };
    auto failures = readTrackSectionsFromGame(lists, game.path(), reader);
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].trackType, "Track2");
    EXPECT_EQ(failures[0].reason, "string table runs past the end");
    EXPECT_EQ(read.size(), 2u);  // Track3 has no common file, Track4 is known
    EXPECT_EQ(lists.catalogue[0].sections, (std::vector<std::string>{"zLoop", "aStraight"}));
    EXPECT_TRUE(lists.catalogue[1].sections.empty());
    EXPECT_EQ(lists.catalogue[3].sections, (std::vector<std::string>{"Shipped"}));
    EXPECT_EQ(lists.trackSections, (std::vector<std::string>{"aStraight", "Known", "zLoop"}));
}

TEST(TrackCatalogue, NoGameFolderLeavesTheShippedLists) {
    AssistantLists lists;
    lists.catalogue = {{"Track1", 2, {}}};
    bool called = false;
    auto failures = readTrackSectionsFromGame(lists, "/no/such/game/folder", [&](const std::filesystem::path&) {
        called = true;
        return std::vector<std::string>{};
    });
    EXPECT_TRUE(failures.empty());
    EXPECT_FALSE(called);
    EXPECT_TRUE(lists.catalogue[0].sections.empty());
}

}  // namespace
}  // namespace zw
