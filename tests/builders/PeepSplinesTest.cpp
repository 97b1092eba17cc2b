// The peep splines: copied word by word from a hand-made spline pair; every refusal with its
// message in its stated language; malformed pairs named by file.

#include <gtest/gtest.h>

#include <functional>

#include "builders/PeepSplines.h"
#include "datafiles/RideData.h"
#include "ovl/OvlWriter.h"
#include "support/OvlWriterProbe.h"
#include "support/PeepPathSplinePair.h"
#include "support/Reported.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"

namespace zw {
namespace {

using test::FixtureSpline;
using test::HandMadeOvlPair;
using File = HandMadeOvlPair::File;

struct PeepSplineRun {
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
    Report writerReport;
    OvlWriter writer;
    RideData ride;

    PeepSplineRun() {
        ride.DataFileFolder = folder.path();
        ride.PeepLoopSplineName = "Loop";
        ride.PeepPathSplineName = {"Path1"};
        writer.beginPair(writerReport);
    }
    bool run(const HandMadeOvlPair& pair, Language language = Language::English) {
        pair.write(folder.path().string(), "PeepPathSpline");
        return copy(language);
    }
    bool copy(Language language = Language::English) {
        return test::reported(dialogs, language,
                              [&](Report& report) { return copyPeepSplines(writer, ride, 2, report); });
    }
    std::vector<std::string> messages() const { return dialogs.messages(); }
};

const std::vector<FixtureSpline> kLoopAndPath = {{"Loop:spl", 3, 1}, {"Path1:spl", 3, 0}};

TEST(PeepSplines, CopiesLoopThenPathSplinesFieldByField) {
    PeepSplineRun r;
    // In the pair the path spline comes first: the copy follows the ride data's order.
    const std::vector<FixtureSpline> splines = {kLoopAndPath[1], kLoopAndPath[0]};
    ASSERT_TRUE(r.run(test::peepSplinePair(splines))) << testing::PrintToString(r.messages());
    EXPECT_TRUE(r.messages().empty());
    const test::OvlWriterProbe probe{r.writer};
    const OvlPartFile& part5 = r.writer.partFile(OvlPart::CommonStructures);
    ASSERT_EQ(part5.blocks().size(), 1u);
    // Loop: n 3, c 1, m 3: 32 + 108 + 12 + 42 = 194, then 2 padding bytes. Path1: n 3, c 0, m 2: 176.
    EXPECT_EQ(part5.blocks()[0].size, 196u + 176u);

    struct Expected {
        uint32_t start;
        size_t fixtureIndex;
        uint32_t c, m;
    };
    for (const Expected& e : {Expected{0, 1, 1, 3}, Expected{196, 0, 0, 2}}) {
        SCOPED_TRACE(e.start);
        const FixtureSpline& fs = splines[e.fixtureIndex];
        const std::string& bytes = part5.bytes();
        EXPECT_EQ(probe.word(OvlPart::CommonStructures, e.start), 3u);
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, e.start + 4).targetPart, OvlPart::CommonStructures);
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, e.start + 4).targetOffset, e.start + 32);
        EXPECT_EQ(probe.word(OvlPart::CommonStructures, e.start + 8), e.c);
        EXPECT_EQ(bytes.substr(e.start + 12, 8), test::fixtureSplineHead(e.fixtureIndex, fs));
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, e.start + 20).targetOffset, e.start + 32 + 108);
        EXPECT_EQ(probe.pointer(OvlPart::CommonStructures, e.start + 24).targetOffset, e.start + 32 + 108 + 4 * e.m);
        EXPECT_EQ(bytes.substr(e.start + 28, 4), test::fixtureSplineWord28());
        EXPECT_EQ(bytes.substr(e.start + 32, 108), test::fixtureSplineNodes(e.fixtureIndex, fs));
        EXPECT_EQ(bytes.substr(e.start + 140, 4 * e.m), test::fixtureSplineLengths(e.fixtureIndex, fs));
        EXPECT_EQ(bytes.substr(e.start + 140 + 4 * e.m, 14 * e.m), test::fixtureSplineRecords(e.fixtureIndex, fs));
    }
    EXPECT_EQ(part5.bytes().substr(194, 2), std::string(2, '\0'));

    EXPECT_EQ(probe.string(OvlPart::CommonSymbols, 0), "Loop:spl");
    EXPECT_EQ(probe.pointer(OvlPart::CommonSymbols, 4).targetOffset, 0u);
    EXPECT_EQ(probe.string(OvlPart::CommonSymbols, 12), "Path1:spl");
    EXPECT_EQ(probe.pointer(OvlPart::CommonSymbols, 16).targetOffset, 196u);
    EXPECT_EQ(probe.word(OvlPart::CommonLoaders, 0), 2u);
    EXPECT_EQ(probe.word(OvlPart::CommonLoaders, 20), 2u);
    EXPECT_EQ(probe.pointer(OvlPart::CommonLoaders, 24).targetOffset, 196u);
}

TEST(PeepSplines, PaddingFollowsThePartFilesEnd) {
    // 3 nodes with c = 1: 42 bytes of records and two padding bytes; with c = 0: 28 bytes, none.
    PeepSplineRun r;
    r.ride.PeepLoopSplineName.clear();
    r.ride.PeepPathSplineName = {"A", "B"};
    ASSERT_TRUE(r.run(test::peepSplinePair({{"A:spl", 3, 1}, {"B:spl", 5, 0}})));
    // A: 194 + 2; B: 32 + 180 + 16 + 56 = 284, on a multiple of 4.
    EXPECT_EQ(r.writer.partFile(OvlPart::CommonStructures).end(), 196u + 284u);
}

TEST(PeepSplines, TheLastMatchingSymbolIsCopied) {
    PeepSplineRun r;
    r.ride.PeepPathSplineName.clear();
    r.ride.PeepLoopSplineName = "Loop";
    // The count check needs as many wanted splines as ":spl" symbols: the loop is wanted twice.
    r.ride.PeepPathSplineName = {"Loop"};
    const std::vector<FixtureSpline> splines = {{"Loop:spl", 3, 0, File::Common}, {"Loop:spl", 3, 0, File::Unique}};
    ASSERT_TRUE(r.run(test::peepSplinePair(splines)));
    const std::string& bytes = r.writer.partFile(OvlPart::CommonStructures).bytes();
    // Both copies are the .unique file's spline (fixture number 1).
    EXPECT_EQ(bytes.substr(32, 108), test::fixtureSplineNodes(1, splines[1]));
    EXPECT_EQ(bytes.substr(176 + 32, 108), test::fixtureSplineNodes(1, splines[1]));
}

TEST(PeepSplines, WithoutPeepSplinesThePairIsNeverOpened) {
    PeepSplineRun r;
    r.ride.PeepLoopSplineName.clear();
    r.ride.PeepPathSplineName.clear();
    EXPECT_EQ(PeepSplineCount(r.ride), 0u);
    EXPECT_TRUE(r.copy());
    EXPECT_TRUE(r.dialogs.log.empty());
    EXPECT_TRUE(r.writer.partFile(OvlPart::CommonStructures).blocks().empty());
}

TEST(PeepSplines, MissingFilesFollowTheLanguage) {
    PeepSplineRun english;
    EXPECT_FALSE(english.copy(Language::English));
    PeepSplineRun german;
    EXPECT_FALSE(german.copy(Language::German));
    test::peepSplinePair(kLoopAndPath).write(english.folder.path().string(), "PeepPathSpline");
    std::filesystem::remove(english.folder / "PeepPathSpline.unique.ovl");
    EXPECT_FALSE(english.copy(Language::English));
    EXPECT_EQ(english.messages(),
              (std::vector<std::string>{
                  "Error 141! PeepPathSpline.common.ovl file not found.\r\nMaybe this file is in another folder than "
                  "the BahnDaten.txt file?",
                  "Error 143! PeepPathSpline.unique.ovl file not found.\r\nMaybe this file is in another folder than "
                  "the BahnDaten.txt file?"}));
    EXPECT_EQ(german.messages(),
              std::vector<std::string>{"Fehler 141! PeepPathSpline.common.ovl Datei konnte nicht geöffnet werden.\r\n"
                                       "Befindet sich möglicherweise diese Datei in einem anderen Ordner als die "
                                       "BahnDaten.txt Datei?"});
}

// Every other refusal is shown in German, also with English texts selected.
TEST(PeepSplines, RefusalsAreInGermanInTheirOrder) {
    struct Case {
        std::string expected;
        std::function<void(HandMadeOvlPair&)> fault;
        std::vector<FixtureSpline> splines = kLoopAndPath;
    };
    const std::vector<Case> cases = {
        {"Fehler 142! PeepPathSpline.common.ovl ist keine OVL-Version-1 Datei.",
         [](HandMadeOvlPair& p) { p.commonFaults.version = 2; p.uniqueFaults.emptyType5Blocks = 60; }},
        {"Fehler 146! Eine Blockanzahl in PeepPathSpline.common.ovl ist größer als 51.",
         [](HandMadeOvlPair& p) { p.commonFaults.emptyType5Blocks = 51; p.uniqueFaults.version = 3; }},
        {"Fehler 144! PeepPathSpline.unique.ovl ist keine OVL-Version-1 Datei.",
         [](HandMadeOvlPair& p) { p.uniqueFaults.version = 0; p.commonFaults.emptyStringTable = true; }},
        {"Fehler 147! Eine Blockanzahl in PeepPathSpline.unique.ovl ist größer als 51.",
         [](HandMadeOvlPair& p) { p.uniqueFaults.emptyType5Blocks = 51; p.commonFaults.emptyStringTable = true; }},
        {"Fehler 155! PeepPathSpline.common.ovl enthält keine Deklarationen.",
         [](HandMadeOvlPair& p) { p.commonFaults.emptyStringTable = true; }},
        {"Fehler 149! Die eingelesenen PeepPathSpline-OVLs enthalten bereits TrackedRide-Strukturen (:TRR) und nicht "
         "nur vom Importer erzeugte Splines.",
         [](HandMadeOvlPair& p) { p.addSymbol("Ride:trr", -1, File::Unique); },
         {}},
        {"Fehler 150! Die eingelesenen PeepPathSpline-OVLs enthalten keine Spline-Struktur (:SPL), welche für die "
         "Erzeugung eines PeepPath benötigt wird.",
         [](HandMadeOvlPair&) {},
         {{"Loop:SPL", 3, 1}}},
        {"Fehler 151! Die eingelesenen PeepPathSpline-OVLs enthalten zuwenig Spline-Strukturen (:SPL). In den OVLs "
         "sind nur 1 Splines vorhanden, wohingegen in der BahnDaten.txt Datei 2 PeepSplines angegeben sind.",
         [](HandMadeOvlPair&) {},
         {{"Loop:spl", 3, 1}}},
        {"Fehler 152! Die eingelesenen PeepPathSpline-OVLs enthalten zuviele Spline-Strukturen (:SPL). In den OVLs "
         "sind 3 Splines vorhanden, wohingegen in der BahnDaten.txt Datei nur 2 PeepSplines angegeben sind.",
         [](HandMadeOvlPair&) {},
         {{"Loop:spl", 3, 1}, {"Path1:spl", 3, 1}, {"Path2:spl", 3, 1}}},
        {"Fehler 153! Die eingelesenen PeepPathSpline-OVLs enthalten nicht die in den BahnDaten angegebene "
         "Spline-Struktur namens Loop:spl.",
         [](HandMadeOvlPair&) {},
         {{"loop:spl", 3, 1}, {"Path1:spl", 3, 1}}},
        {"Fehler 154! Die eingelesenen PeepPathSpline-OVLs enthalten nicht die in den BahnDaten angegebene "
         "Spline-Struktur namens Path1:spl.",
         [](HandMadeOvlPair&) {},
         {{"Loop:spl", 3, 1}, {"Path1 :spl", 3, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        PeepSplineRun r;
        HandMadeOvlPair pair = test::peepSplinePair(c.splines);
        c.fault(pair);
        EXPECT_FALSE(r.run(pair, Language::English));
        EXPECT_EQ(r.messages(), std::vector<std::string>{c.expected});
    }
}

TEST(PeepSplines, ATrrSymbolIsRefusedBeforeTheSplinesAreCounted) {
    PeepSplineRun r;
    HandMadeOvlPair pair = test::peepSplinePair({{"Loop:spl", 3, 1}});
    pair.addSymbol("Ride:trr", -1, File::Common);
    EXPECT_FALSE(r.run(pair, Language::German));
    ASSERT_EQ(r.messages().size(), 1u);
    EXPECT_TRUE(r.messages()[0].starts_with("Fehler 149!"));
}

TEST(PeepSplines, ASplineWhosePartsLieOutsideThePairIsRefusedNamingTheFile) {
    {
        PeepSplineRun r;
        std::vector<test::FixtureSplineItems> items;
        HandMadeOvlPair pair = test::peepSplinePair(kLoopAndPath, &items);
        pair.items[items[1].header].pieces[1] = HandMadeOvlPair::Piece{test::le32(99999)};  // Path1's nodes
        EXPECT_FALSE(r.run(pair));
        ASSERT_EQ(r.messages().size(), 1u);
        EXPECT_TRUE(r.messages()[0].starts_with(
            "PeepPathSpline.common.ovl is no readable OVL file: 108 bytes at address 99999 lie outside the data of the pair"))
            << r.messages()[0];
    }
    {
        PeepSplineRun r;
        std::vector<test::FixtureSplineItems> items;
        HandMadeOvlPair pair = test::peepSplinePair({{"Loop:spl", 3, 1}, {"Path1:spl", 3, 1, File::Unique}}, &items);
        pair.items[items[1].header].pieces[0] = HandMadeOvlPair::Piece{test::le32(0x10000000)};  // its node count
        EXPECT_FALSE(r.run(pair, Language::German));
        ASSERT_EQ(r.messages().size(), 1u);
        EXPECT_TRUE(r.messages()[0].starts_with("PeepPathSpline.unique.ovl ist keine lesbare OVL-Datei: "))
            << r.messages()[0];
    }
    {
        PeepSplineRun r;
        HandMadeOvlPair pair = test::peepSplinePair(kLoopAndPath);
        pair.symbols[0].rawAddress = 0xFFFFFFF0;
        EXPECT_FALSE(r.run(pair));
        ASSERT_EQ(r.messages().size(), 1u);
        EXPECT_TRUE(r.messages()[0].starts_with("PeepPathSpline.common.ovl is no readable OVL file: 32 bytes at address"))
            << r.messages()[0];
    }
    {
        PeepSplineRun r;
        HandMadeOvlPair pair = test::peepSplinePair({{"Loop:spl", 0, 0}, {"Path1:spl", 3, 1}});
        EXPECT_FALSE(r.run(pair));
        EXPECT_EQ(r.messages(), std::vector<std::string>{"PeepPathSpline.common.ovl is no readable OVL file: the "
                                                         "spline at address 83 has no segments (0 nodes, word 8 is 0)"});
    }
}

}  // namespace
}  // namespace zw
