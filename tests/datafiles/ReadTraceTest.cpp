#include <gtest/gtest.h>

#include "datafiles/DataFileFixture.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/ReadTrace.h"
#include "datafiles/RideDataReader.h"

namespace zw {
namespace {

const DataFileKey& rideKey(const std::string& name) {
    for (const DataFileKey& key : rideKeys())
        if (key.names.front() == name) return key;
    throw std::runtime_error("no key " + name);
}

// A traced line: its index in the line index, the name that matched it, its word and what the reader made of it.
struct Line {
    size_t index;
    size_t name;
    std::string word;
    std::vector<std::string> texts;
    bool everythingRead = true;
};

struct Expected {
    std::string key;
    std::vector<Line> lines;
    std::optional<size_t> nameUsed;
    std::string defaultText;
    LookupCut cut = LookupCut::None;
};

// What the reader did for each key of a small file: lines matched under every name, the name taken,
// the values as read, the default and where reading stopped.
TEST(ReadTrace, RecordsWhatTheReaderDidForEachKey) {
    test::LoadedText text(
        "BahnKategorie\t$1F\r\n"         // 0: ends the German name's lookup before any value
        "BahnKategorie\t5\r\n"           // 1: so this is never taken
        "RideCategory\t4\r\n"            // 2: and the alias is
        "TrackType\tT9\r\n"              // 3: begins with the German name TrackTyp
        "BaukostenHoehe4H\t12.345 x\r\n"  // 4
        "DistanzGeschwEinheit\tmph\r\n"  // 5
        "KeineKinderFlag\t2\r\n"         // 6
        "BahnIcon\tA\r\n"               // 7: taken
        "RideIcon\tB\r\n");             // 8: an alias the reader never looks up
    const Expected expected[] = {
        {"BahnKategorie", {{0, 0, "BahnKategorie", {}, false}, {1, 0, "BahnKategorie", {"5"}}, {2, 1, "RideCategory", {"4"}}},
         1, "3"},
        {"TrackTyp", {{3, 0, "TrackType", {"T9"}}}, 0, "Track8"},
        {"BaukostenHoehe4H", {{4, 0, "BaukostenHoehe4H", {"12.34"}, false}}, 0, "16.00"},
        {"KeineKinderFlag", {{6, 0, "KeineKinderFlag", {"0"}}}, 0, "0"},
        {"BahnIcon", {{7, 0, "BahnIcon", {"A"}}, {8, 1, "RideIcon", {"B"}}}, 0, "CTR"},
        {"StartgeschwMax", {}, std::nullopt, "111.846"},
        {"BahnName", {}, std::nullopt, rideKey("BahnName").defaultText},
    };
    ReadTrace trace;
    Lookups lookups(text.files, text.results, text.report, &trace);
    (void)rideDataFromKeys(lookups, "CTR_BahnDaten_Probe.txt");
    EXPECT_EQ(trace.keys.size(), rideKeys().size());

    for (const Expected& e : expected) {
        const KeyTrace& traced = trace.keys.at(&rideKey(e.key));
        EXPECT_EQ(traced.nameUsed, e.nameUsed) << e.key;
        EXPECT_EQ(traced.defaultText, e.defaultText) << e.key;
        ASSERT_EQ(traced.lines.size(), e.lines.size()) << e.key;
        for (size_t i = 0; i < e.lines.size(); ++i) {
            const TracedLine& got = traced.lines[i];
            EXPECT_EQ(got.lineIndex, e.lines[i].index) << e.key;
            EXPECT_EQ(got.nameIndex, e.lines[i].name) << e.key;
            EXPECT_EQ(got.word, e.lines[i].word) << e.key;
            EXPECT_EQ(got.texts, e.lines[i].texts) << e.key;
            EXPECT_EQ(got.everythingRead, e.lines[i].everythingRead) << e.key;
        }
    }
    EXPECT_EQ(trace.keys.at(&rideKey("BahnKategorie")).lines[0].end, LineScanEnd::Hexadecimal);
    EXPECT_EQ(trace.keys.at(&rideKey("BaukostenHoehe4H")).lines[0].written, "12.345 x");
}

}  // namespace
}  // namespace zw
