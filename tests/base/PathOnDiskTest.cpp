#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "base/PathOnDisk.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

namespace fs = std::filesystem;

TEST(PathOnDisk, NamesAreEqualIgnoringTheCaseOfWindows1252Letters) {
    struct Case {
        const char* a;
        const char* b;
        bool equal;
    };
    const Case cases[] = {
        {"Tracks", "tRACKS", true},       {"CTR_1", "ctr_1", true},  {"Tracks", "Track", false},
        {"\xC4pfel", "\xE4PFEL", true},   // Ä ä
        {"\xC0\xDE", "\xE0\xFE", true},   // À … Þ and à … þ
        {"\xD7", "\xF7", false},          // × and ÷ are no letters
        {"\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF", true},  // Š Œ Ž Ÿ
        {"\xDF", "ss", false},            {"\xC0", "A", false},      {"[", "{", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(equalIgnoringWindowsCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(equalIgnoringWindowsCase(c.b, c.a), c.equal) << c.b << " / " << c.a;
    }
}

#ifndef _WIN32
// Where the file system tells letter cases apart, each component is found as Windows finds it.
TEST(PathOnDisk, EachComponentIsFoundAsWindowsFindsIt) {
    test::TempFolder temp;
    const fs::path root = temp.path();
    test::writeBytes(root / "Tracks" / "TrackedRides" / "CTR_A" / "CTR_A.common.ovl", "");
    test::writeBytes(root / "Both" / "name", "");
    test::writeBytes(root / "Both" / "NAME", "");
    test::writeBytes(root / pathFromCp1252("\xC4pfel\x8A"), "");
    test::writeBytes(root / pathFromCp1252("\xD7"), "");

    using Status = PathOnDisk::Status;
    struct Case {
        std::string asked;  // Windows-1252, below the temporary folder
        Status status;
        std::string found;
    };
    const Case cases[] = {
        {"Tracks/TrackedRides", Status::Found, "Tracks/TrackedRides"},
        {"tracks/trackedrides/ctr_a/ctr_a.COMMON.ovl", Status::Found, "Tracks/TrackedRides/CTR_A/CTR_A.common.ovl"},
        {"tracks/TrackedRides/CTR_New/Sub", Status::Missing, "Tracks/TrackedRides/CTR_New/Sub"},
        {"Both/name", Status::Found, "Both/name"},  // the exact name wins over the other case
        {"both/Name/x", Status::Ambiguous, "Both/Name/x"},
        {"\xE4PFEL\x9A", Status::Found, "\xC4pfel\x8A"},
        {"\xF7", Status::Missing, "\xF7"},
    };
    for (const Case& c : cases) {
        const PathOnDisk result = findPathOnDisk(root / pathFromCp1252(c.asked));
        EXPECT_EQ(result.status, c.status) << c.asked;
        EXPECT_EQ(result.path, root / pathFromCp1252(c.found)) << c.asked;
    }
    const PathOnDisk ambiguous = findPathOnDisk(root / "both" / "Name");
    EXPECT_EQ(ambiguous.candidates[0], root / "Both" / "NAME");
    EXPECT_EQ(ambiguous.candidates[1], root / "Both" / "name");
}

TEST(PathOnDisk, TwoNamesThatDifferOnlyInCaseAreReportedNotGuessed) {
    test::TempFolder temp;
    test::writeBytes(temp / "Model.common.ovl", "");
    test::writeBytes(temp / "MODEL.common.ovl", "");
    test::ScriptedDialogs dialogs;
    EXPECT_EQ(pathAsFoundOnDisk(temp / "model.common.ovl", dialogs, Language::English), std::nullopt);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{message(
                  "namesDifferOnlyInCase", Language::English,
                  {pathForMessage(temp / "MODEL.common.ovl"), pathForMessage(temp / "Model.common.ovl")})});

    fs::path exact = temp / "Model.common.ovl", missing = temp / "model.unique.ovl";
    EXPECT_TRUE(findPathsOnDisk({&exact, &missing}, dialogs, Language::English));
    EXPECT_EQ(exact, temp / "Model.common.ovl");
    EXPECT_EQ(missing, temp / "model.unique.ovl");
    EXPECT_EQ(dialogs.messages().size(), 1u);
}
#endif

}  // namespace
}  // namespace zw
