// The ride build as a whole: output folder and overwrite question, track paths and their
// messages, the pair's headers, and the places where splines and icon join the build.
#include <gtest/gtest.h>

#include "RideBuildFixture.h"
#include "base/Encoding.h"
#include "base/Messages.h"
#include "base/SafeFile.h"
#include "builders/RidePairLayout.h"
#include "builders/RideTrackPath.h"

namespace zw::test {
namespace {

TEST(TrackPath, FirstMatchingRuleWins) {
    EXPECT_EQ(TrackPath("Track8"), "../../coasters/Track8/Track8");
    EXPECT_EQ(TrackPath("Track"), "../../coasters/Track/Track");
    EXPECT_EQ(TrackPath("TrackCTR_Loop"), "../../TrackedRides/TrackCTR_Loop/TrackCTR_Loop");
    EXPECT_EQ(TrackPath("TrackBasedX"), "../../TrackedRides/TrackBasedX/TrackBasedX");
    EXPECT_EQ(TrackPath("Track9_CTmore"), "../../coasters/Track9/Track9_CT");
    EXPECT_EQ(TrackPath("Track9"), "../../coasters/Track9/Track9");
    EXPECT_EQ(TrackPath("Track33"), "../../coasters/Track33/Track33_CT");
    EXPECT_EQ(TrackPath("Track331"), "../../coasters/Track33/Track33_CT");
    EXPECT_EQ(TrackPath("TrackCTR"), "../../coasters/TrackCTR/TrackCTR");  // no underscore
    EXPECT_EQ(TrackPath("track8"), std::nullopt);
    EXPECT_EQ(TrackPath("Trac"), std::nullopt);
    EXPECT_EQ(TrackPath(""), std::nullopt);
}

TEST(RideIcon, OnlyFourSpellingsMakeTheOwnIcon) {
    for (const char* own : {"Style", "style", "CTR", "ctr"}) EXPECT_EQ(rideIconSymbol(own), "StyleIcon:gsi") << own;
    EXPECT_EQ(rideIconSymbol("STYLE"), "STYLE:gsi");
    EXPECT_EQ(rideIconSymbol("Ctr"), "Ctr:gsi");
    EXPECT_EQ(rideIconSymbol("Wooden"), "Wooden:gsi");
}

// A stopped build leaves nothing: no pair, and not the output folder it made.
bool noOutput(const RideData& ride) { return !std::filesystem::exists(rideOutputFolder(ride)); }

TEST_F(RideBuildTest, WrongTrackTypeStopsWith468InBothLayouts) {
    ride.TrackTyp = "track8";
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("468", Language::German)});
    EXPECT_TRUE(noOutput(ride));
    EXPECT_TRUE(writer.pointers().empty());  // checked before anything of the pair was written

    settings.AddOnsEnabled = true;
    settings.UseEnglish = true;
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages().back(), message("468", Language::English));
    EXPECT_TRUE(noOutput(ride));
}

TEST_F(RideBuildTest, WrongExtraTrackTypeStopsWith469OnlyInTheAddOnLayout) {
    ride.ZusatzTrackTyp = {"Track1", "Schiene"};
    EXPECT_EQ(build(), 1);  // the base layout has no track path list
    EXPECT_TRUE(dialogs.log.empty());

    std::filesystem::remove_all(rideOutputFolder(ride));
    settings.AddOnsEnabled = true;
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("469", Language::German)});
    EXPECT_TRUE(noOutput(ride));
}

TEST_F(RideBuildTest, OutputStandsInAFolderNamedAfterTheRide) {
    ASSERT_EQ(build(), 1);
    EXPECT_EQ(rideCommonFile(ride), temp.path() / "CTR_Testbahn" / "CTR_Testbahn.common.ovl");
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "CTR_Testbahn" / "CTR_Testbahn.unique.ovl"));
    // No temporary name is left beside the pair.
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(rideOutputFolder(ride))) ++entries;
    EXPECT_EQ(entries, 2u);
}

TEST_F(RideBuildTest, OverwriteQuestionOnlyForAnEarlierPair) {
    std::filesystem::create_directory(rideOutputFolder(ride));
    ASSERT_EQ(build(), 1);  // the folder was there, but no file: no question
    EXPECT_TRUE(dialogs.log.empty());
    const std::string earlier = *readWholeFile(rideUniqueFile(ride));

    std::filesystem::remove(rideCommonFile(ride));  // one file of the pair is enough
    dialogs.yesNoAnswers = {false};
    EXPECT_EQ(build(), 0);
    ASSERT_EQ(dialogs.log.size(), 1u);
    EXPECT_EQ(dialogs.log[0].kind, DialogEvent::Kind::Question);
    EXPECT_EQ(dialogs.log[0].caption, "Warnung");
    EXPECT_EQ(dialogs.log[0].text,
              pathForMessage(rideUniqueFile(ride)) +
                  " existiert bereits und enthält ein Bahn-Paar. Möchten Sie es überschreiben?");
    EXPECT_FALSE(std::filesystem::exists(rideCommonFile(ride)));
    EXPECT_EQ(*readWholeFile(rideUniqueFile(ride)), earlier);

    settings.UseEnglish = true;
    dialogs.yesNoAnswers = {true};
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(dialogs.questions().back(),
              pathForMessage(rideUniqueFile(ride)) +
                  " already exists and holds a ride pair. Overwrite it?");
    EXPECT_EQ(dialogs.log.back().caption, "Warning");
    EXPECT_TRUE(std::filesystem::exists(rideCommonFile(ride)));

    settings.OverwriteWithoutPrompt = true;
    const size_t asked = dialogs.log.size();
    EXPECT_EQ(build(), 1);
    EXPECT_EQ(dialogs.log.size(), asked);
}

TEST_F(RideBuildTest, StoppedBuildLeavesTheEarlierPairIntact) {
    ASSERT_EQ(build(), 1);
    const std::string common = *readWholeFile(rideCommonFile(ride));
    const std::string unique = *readWholeFile(rideUniqueFile(ride));
    settings.OverwriteWithoutPrompt = true;
    ride.TrackTyp = "Bahn";
    EXPECT_EQ(build(), 0);
    EXPECT_EQ(*readWholeFile(rideCommonFile(ride)), common);
    EXPECT_EQ(*readWholeFile(rideUniqueFile(ride)), unique);
}

TEST_F(RideBuildTest, OutputFolderThatCannotBeMadeIsReported) {
    writeBytes(rideOutputFolder(ride), "a file where the folder should be");
    EXPECT_EQ(build(), 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("CTR_Testbahn"), std::string::npos);
}

TEST_F(RideBuildTest, HeadersOfThePair) {
    ASSERT_EQ(build(), 1);
    const ParsedRidePair pair = built();
    const std::vector<std::string> loaderTypes = {"FGDK/Flic/2/flic", "FGDK/GUISkinItem/1/gsi", "FGDK/Spline/1/spl",
                                                  "FGDK/Texture/2/tex", "FGDK/TrackedRide/1/trr"};
    EXPECT_EQ(pair.common.loaderTypeRows, loaderTypes);
    EXPECT_EQ(pair.unique.loaderTypeRows, loaderTypes);
    EXPECT_TRUE(pair.common.references.empty());
    EXPECT_EQ(pair.unique.references, std::vector<std::string>{"../../../RideIcons/RideIcons"});
    EXPECT_TRUE(pair.common.extraData.empty());
    // Block counts: string table, two tables, the RideDataBlock; three tables and the TrackedRide.
    const uint32_t common[9] = {1, 0, 2, 0, 1, 0, 0, 0, 0};
    const uint32_t unique[9] = {0, 0, 4, 0, 0, 0, 0, 0, 0};
    for (int t = 0; t < 9; ++t) {
        EXPECT_EQ(pair.common.blockCounts[t], common[t]) << t;
        EXPECT_EQ(pair.unique.blockCounts[t], unique[t]) << t;
    }
    // The unique header as bytes: magic, 0, 1, one reference of 28 characters, 0, 5 loader types.
    const std::string bytes = *readWholeFile(rideUniqueFile(ride));
    EXPECT_EQ(bytes.substr(0, 46), std::string("FGRK\0\0\0\0\1\0\0\0\1\0\0\0\x1C\0../../../RideIcons/RideIcons", 46));
    EXPECT_EQ(bytes.substr(46, 8), std::string("\0\0\0\0\5\0\0\0", 8));
}

// Stand-ins for the splines and the icon, recording when they run.
struct RecordedSteps {
    std::vector<std::string> ran;
    bool iconSucceeds = true;
    RideBuildSteps steps() {
        RideBuildSteps s;
        s.makeGeneratedSplines = [this](RideBuild&, Report&) { ran.push_back("generated"); return true; };
        s.copyPeepSplines = [this](RideBuild&, Report&) { ran.push_back("peep"); return true; };
        s.makeRideIcon = [this](RideBuild& build, Report&) {
            ran.push_back("icon");
            build.iconPicture = "abc";
            return iconSucceeds;
        };
        return s;
    }
};

TEST_F(RideBuildTest, SplinesAndIconJoinAtTheirSteps) {
    RecordedSteps recorded;
    ASSERT_EQ(build(recorded.steps()), 1);  // icon "Wooden", no peep splines, no special A sections
    EXPECT_EQ(recorded.ran, std::vector<std::string>{"generated"});

    recorded.ran.clear();
    ride.SpezialTrackSectionNameAEnde = "AEnd";
    ride.PeepLoopSplineName = "Loop";
    ride.BahnIcon = "ctr";
    settings.OverwriteWithoutPrompt = true;
    ASSERT_EQ(build(recorded.steps()), 1);
    EXPECT_EQ(recorded.ran, (std::vector<std::string>{"peep", "icon"}));
    const ParsedRidePair pair = built();
    EXPECT_TRUE(pair.unique.references.empty());
    EXPECT_EQ(pair.common.extraData, std::vector<std::string>{"abc"});

    recorded.ran.clear();
    ride.SpezialTrackSectionNameAEnde.clear();
    ride.SpezialTrackSectionNameAMitte = "AMid";
    ride.PeepLoopSplineName.clear();
    ride.PeepPathSplineName = {"Path"};
    ASSERT_EQ(build(recorded.steps()), 1);
    EXPECT_EQ(recorded.ran, (std::vector<std::string>{"peep", "icon"}));
}

TEST_F(RideBuildTest, StepThatStopsEndsTheBuildWithoutOutput) {
    RecordedSteps recorded;
    recorded.iconSucceeds = false;
    ride.BahnIcon = "Style";
    EXPECT_EQ(build(recorded.steps()), 0);
    EXPECT_TRUE(noOutput(ride));
}

}  // namespace
}  // namespace zw::test

namespace zw::test {
namespace {

TEST_F(RideBuildTest, FailedWriteOfOneFileKeepsTheEarlierPair) {
    ASSERT_EQ(build(), 1);
    const std::string common = *readWholeFile(rideCommonFile(ride));
    const std::string unique = *readWholeFile(rideUniqueFile(ride));
    // A folder in the way of the unique file's temporary name makes its write fail.
    std::filesystem::create_directories(temporarySibling(temporarySibling(rideUniqueFile(ride))));
    settings.OverwriteWithoutPrompt = true;
    ride.BahnName = "Changed";
    EXPECT_EQ(build(), 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("CTR_Testbahn.unique.ovl"), std::string::npos);
    EXPECT_EQ(*readWholeFile(rideCommonFile(ride)), common);
    EXPECT_EQ(*readWholeFile(rideUniqueFile(ride)), unique);
    EXPECT_FALSE(std::filesystem::exists(temporarySibling(rideCommonFile(ride))));
}

}  // namespace
}  // namespace zw::test

#include "support/FakeRegistry.h"
#include "workflow/MainWindow.h"

namespace zw::test {
namespace {

TEST(RideBuildButton, SuccessSwapsBuildForInstallFailureChangesNothing) {
    TempFolder temp;
    writeBytes(temp / "Zorbaltwerk_Options.txt",
               "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    ScriptedDialogs dialogs;
    FakeRegistry registry;
    MainWindow window(dialogs, registry, temp.path());
    window.applyMoment(ButtonMoment::RideRead);
    window.state().ride = distinctRide(temp.path());

    window.state().ride.TrackTyp = "Schiene";
    EXPECT_EQ(window.buildRidePair(), 0);
    EXPECT_TRUE(window.enabled(Command::BuildRidePair));
    EXPECT_FALSE(window.enabled(Command::InstallRidePair));

    window.state().ride.TrackTyp = "Track8";
    EXPECT_EQ(window.buildRidePair(), 1);
    EXPECT_FALSE(window.enabled(Command::BuildRidePair));
    EXPECT_TRUE(window.enabled(Command::InstallRidePair));
    EXPECT_TRUE(std::filesystem::exists(rideUniqueFile(window.state().ride)));
    // The build used the window's temporary folder and removed it afterwards.
    EXPECT_FALSE(std::filesystem::exists(temp / "Temp"));
}

}  // namespace
}  // namespace zw::test
