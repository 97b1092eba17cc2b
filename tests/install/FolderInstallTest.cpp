#include <gtest/gtest.h>

#include "base/Encoding.h"
#include "base/FileFaults.h"
#include "install/InstallCommands.h"
#include "support/GameFolderFixture.h"
#include "support/InstallRuns.h"
#include "support/ScriptedDialogs.h"

namespace zw {
namespace {

namespace fs = std::filesystem;
using test::entryNames;
using test::fileContent;

class FolderInstall : public ::testing::Test {
protected:
    test::GameFolderFixture game;
    test::ScriptedDialogs dialogs;
    InstallSettings settings{game.gamePath(), false, Language::German};

    InstallOutcome install(const std::string& item) { return test::installCtrFolder(settings, dialogs, game.author(), item); }
    std::string only731() { return message("731", settings.language); }
};

TEST_F(FolderInstall, InstallsRidesAndCarsWhereTheirKindBelongs) {
    game.makeRideFolder(game.author(), "CTR_Ride");
    game.makeCarFolder(game.author(), "CTR_Car");
    EXPECT_EQ(install("CTR_Ride"), InstallOutcome::Installed);
    EXPECT_EQ(install("CTR_Car"), InstallOutcome::Installed);
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{
                  "Alles okay! Die ausgewählte CTR-Bahn wurde erfolgreich in RCT3 installiert.",
                  "Alles okay! Der ausgewählte CTR-Wagen wurde erfolgreich in RCT3 installiert."}));
    EXPECT_EQ(entryNames(game.ridesFolder() / "CTR_Ride"),
              (std::vector<std::string>{"CTR_Ride.common.ovl", "CTR_Ride.unique.ovl"}));
    EXPECT_EQ(fileContent(game.carsFolder() / "CTR_Car" / "CTR_Car.common.ovl"),
              fileContent(game.author() / "CTR_Car" / "CTR_Car.common.ovl"));
    EXPECT_EQ(entryNames(game.ridesFolder()), std::vector<std::string>{"CTR_Ride"});
    EXPECT_EQ(entryNames(game.carsFolder()), std::vector<std::string>{"CTR_Car"});
}

TEST_F(FolderInstall, AFolderWithBothLoaderTypesIsARide) {
    const fs::path folder = game.makeCarFolder(game.author(), "CTR_Both");
    test::writeBytes(folder / "CTR_Both.unique.ovl",
                     test::uniqueFile({test::rideTrainRow(), test::rideCarRow(), test::trackedRideRow()}));
    EXPECT_EQ(install("CTR_Both"), InstallOutcome::Installed);
    EXPECT_TRUE(fs::exists(game.ridesFolder() / "CTR_Both" / "CTR_Both.unique.ovl"));
    EXPECT_FALSE(fs::exists(game.carsFolder() / "CTR_Both"));
}

TEST_F(FolderInstall, RefusesWhatIsNoCtrFolder) {
    game.makeRideFolder(game.author(), "ctr_lower");
    game.makeTrackSetFolder(game.author(), "trackctr_lower", {"a"});
    game.makeRideFolder(game.author(), "Plain");
    const fs::path noUnique = game.makeRideFolder(game.author(), "CTR_NoUnique");
    fs::remove(noUnique / "CTR_NoUnique.unique.ovl");
    const fs::path noKind = game.makeRideFolder(game.author(), "CTR_NoKind");
    test::writeBytes(noKind / "CTR_NoKind.unique.ovl", test::uniqueFile({test::textRow(), test::rideCarRow()}));

    for (const char* item : {"ctr_lower", "trackctr_lower", "Plain", "CTR_NoUnique", "CTR_NoKind", "CTR_Missing"}) {
        dialogs.log.clear();
        EXPECT_EQ(install(item), InstallOutcome::NotInstallable) << item;
        EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"Fehler 731! Der ausgewählte Ordner ist kein gültiger "
                                                               "CTR-Ordner."})
            << item;
    }
    EXPECT_TRUE(entryNames(game.ridesFolder()).empty());
    EXPECT_TRUE(entryNames(game.carsFolder()).empty());
}

TEST_F(FolderInstall, ExistingObjectsAreReplacedOnlyWhenAllowed) {
    game.makeRideFolder(game.author(), "CTR_Ride", "newer");
    game.makeRideFolder(game.ridesFolder(), "CTR_Ride", "older");
    const fs::path installed = game.ridesFolder() / "CTR_Ride" / "CTR_Ride.common.ovl";
    const std::string older = fileContent(installed);

    EXPECT_EQ(install("CTR_Ride"), InstallOutcome::Declined);
    EXPECT_EQ(dialogs.questions(),
              std::vector<std::string>{message("overwriteInstalledRide", Language::German,
                                                {displayName(game.ridesFolder() / "CTR_Ride")})});
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(fileContent(installed), older);

    settings.overwriteWithoutPrompt = true;
    settings.language = Language::English;
    dialogs.log.clear();
    EXPECT_EQ(install("CTR_Ride"), InstallOutcome::Installed);
    EXPECT_TRUE(dialogs.questions().empty());
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Everything okay! The CTR-Ride has been installed successfully in RCT3."});
    EXPECT_NE(fileContent(installed), older);
    EXPECT_EQ(fileContent(installed), fileContent(game.author() / "CTR_Ride" / "CTR_Ride.common.ovl"));
}

TEST_F(FolderInstall, TrackSetsBringTheirSectionPairs) {
    game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop", "Drop"});
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::Installed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Alles okay! Die ausgewählten CTR-Schienen wurde erfolgreich in RCT3 installiert."});
    const fs::path target = game.ridesFolder() / "TrackCTR_Set";
    EXPECT_EQ(entryNames(target),
              (std::vector<std::string>{"Drop_data.common.ovl", "Drop_data.unique.ovl", "Loop_data.common.ovl",
                                        "Loop_data.unique.ovl", "TrackCTR_Set.common.ovl", "TrackCTR_Set.unique.ovl"}));
    EXPECT_EQ(fileContent(target / "Loop_data.unique.ovl"), "section unique Loop");

    // Without sections only the set's own pair is installed; other files beside it stay behind.
    game.makeTrackSetFolder(game.author(), "TrackCTR_Bare", {});
    test::writeBytes(game.author() / "TrackCTR_Bare" / "Stray_data.common.ovl", "not named");
    EXPECT_EQ(install("TrackCTR_Bare"), InstallOutcome::Installed);
    EXPECT_EQ(entryNames(game.ridesFolder() / "TrackCTR_Bare"),
              (std::vector<std::string>{"TrackCTR_Bare.common.ovl", "TrackCTR_Bare.unique.ovl"}));
}

TEST_F(FolderInstall, TrackSetFailuresNameWhatFailed) {
    const fs::path set = game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop", "Drop"});
    fs::remove(set / "Drop_data.unique.ovl");
    settings.overwriteWithoutPrompt = true;
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::CopyFailed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Fehler 742! Drop_data.unique.ovl konnte nicht kopiert/installiert werden."});
    // All or nothing: neither the pair copied before the failure nor the staging folder stays.
    EXPECT_TRUE(entryNames(game.ridesFolder()).empty());

    fs::remove(set / "Loop_data.common.ovl");
    dialogs.log.clear();
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::CopyFailed);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{"Fehler 741! Loop_data.common.ovl konnte nicht kopiert/installiert werden."});

    fs::remove(set / "TrackCTR_Set.common.ovl");
    dialogs.log.clear();
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::NotInstallable);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("738", Language::German, {"TrackCTR_Set"})});

    test::writeBytes(set / "TrackCTR_Set.common.ovl", test::commonFileWithStrings({"Loop:tks"}, 2));
    dialogs.log.clear();
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::NotInstallable);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("739", Language::German, {"TrackCTR_Set"})});
}

TEST_F(FolderInstall, AFailedTrackSetLeavesAnEarlierSetExactlyAsItWas) {
    game.makeTrackSetFolder(game.ridesFolder(), "TrackCTR_Set", {"Loop"});
    const fs::path installed = game.ridesFolder() / "TrackCTR_Set";
    test::writeBytes(installed / "readme.txt", "the user's own");
    const auto before = entryNames(installed);
    const fs::path set = game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop", "Drop", "Turn"});
    fs::remove(set / "Drop_data.common.ovl");  // the second section pair is missing
    settings.overwriteWithoutPrompt = true;

    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::CopyFailed);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("741", Language::German, {"Drop"})});
    EXPECT_EQ(entryNames(installed), before);
    EXPECT_EQ(fileContent(installed / "Loop_data.common.ovl"), "section common Loop");
    EXPECT_EQ(entryNames(game.ridesFolder()), std::vector<std::string>{"TrackCTR_Set"});

    // Once complete, the new set replaces the old one and the user's own file goes along.
    test::writeBytes(set / "Drop_data.common.ovl", "section common Drop (new)");
    test::writeBytes(set / "Loop_data.common.ovl", "section common Loop (new)");
    dialogs.log.clear();
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::Installed);
    EXPECT_EQ(entryNames(installed).size(), 9u);
    EXPECT_EQ(fileContent(installed / "readme.txt"), "the user's own");
    EXPECT_EQ(fileContent(installed / "Loop_data.common.ovl"), "section common Loop (new)");
    EXPECT_EQ(entryNames(game.ridesFolder()), std::vector<std::string>{"TrackCTR_Set"});
}

TEST_F(FolderInstall, TheNextInstallOfASetClearsWhatAKilledRunLeft) {
    game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop"});
    settings.overwriteWithoutPrompt = true;
    // Killed while staging: a stale staging folder.
    test::writeBytes(game.ridesFolder() / "TrackCTR_Set.zwtmp" / "Loop_data.common.ovl", "half");
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::Installed);
    EXPECT_EQ(entryNames(game.ridesFolder()), std::vector<std::string>{"TrackCTR_Set"});

    // Killed between setting the earlier set aside and renaming the new one into place: the earlier
    // set is put back before anything else, and a failing install then leaves it there.
    fs::rename(game.ridesFolder() / "TrackCTR_Set", game.ridesFolder() / "TrackCTR_Set.zwold");
    fs::remove(game.author() / "TrackCTR_Set" / "Loop_data.unique.ovl");
    dialogs.log.clear();
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::CopyFailed);
    EXPECT_EQ(entryNames(game.ridesFolder()), std::vector<std::string>{"TrackCTR_Set"});
    EXPECT_EQ(entryNames(game.ridesFolder() / "TrackCTR_Set").size(), 4u);

    // The earlier set cannot be put back: it stays set aside, and the install stops before it.
    fs::rename(game.ridesFolder() / "TrackCTR_Set", game.ridesFolder() / "TrackCTR_Set.zwold");
    dialogs.log.clear();
    {
        ScopedFileFault failing(FileOperation::Rename, 1);
        EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::FolderNotCreated);
        EXPECT_TRUE(failing.fired());
    }
    EXPECT_EQ(entryNames(game.ridesFolder()), std::vector<std::string>{"TrackCTR_Set.zwold"});
    EXPECT_EQ(entryNames(game.ridesFolder() / "TrackCTR_Set.zwold").size(), 4u);
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(FolderInstall, AFailedFreshRideInstallTakesItsFolderAway) {
    const fs::path ride = game.makeRideFolder(game.author(), "CTR_Ride");
    fs::remove(ride / "CTR_Ride.common.ovl");
    test::writeBytes(ride / "CTR_Ride.common.ovl" / "not a file", "x");  // cannot be read
    EXPECT_EQ(install("CTR_Ride"), InstallOutcome::CopyFailed);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("732", Language::German, {"CTR_Ride"})});
    EXPECT_TRUE(entryNames(game.ridesFolder()).empty());
}

TEST_F(FolderInstall, ADamagedTrackSetIsReportedAndNothingIsCopied) {
    const fs::path set = game.makeTrackSetFolder(game.author(), "TrackCTR_Bad", {"Loop"});
    const std::string whole = fileContent(set / "TrackCTR_Bad.common.ovl");
    test::writeBytes(set / "TrackCTR_Bad.common.ovl", whole.substr(0, whole.size() - 20));
    EXPECT_EQ(install("TrackCTR_Bad"), InstallOutcome::NotInstallable);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_NE(dialogs.messages()[0].find("TrackCTR_Bad.common.ovl"), std::string::npos);
    EXPECT_FALSE(fs::exists(game.ridesFolder() / "TrackCTR_Bad"));

    // A section name that climbs out of the set's folder.
    test::writeBytes(set / "TrackCTR_Bad.common.ovl", test::commonFileWithStrings({"../../Escape:tks"}));
    dialogs.log.clear();
    EXPECT_EQ(install("TrackCTR_Bad"), InstallOutcome::NotInstallable);
    EXPECT_EQ(dialogs.messages().size(), 1u);
    EXPECT_FALSE(fs::exists(game.ridesFolder() / "TrackCTR_Bad"));
}

TEST_F(FolderInstall, ATrackFolderThatCannotBeMadeGives719) {
    game.makeTrackSetFolder(game.author(), "TrackCTR_Set", {"Loop"});
    test::writeBytes(game.ridesFolder() / "TrackCTR_Set", "a file in the way");
    const int exists = test::folderCreationError(game.ridesFolder() / "TrackCTR_Set");
    EXPECT_EQ(install("TrackCTR_Set"), InstallOutcome::FolderNotCreated);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("719", Language::German, {std::to_string(exists)})});
    EXPECT_NE(dialogs.messages()[0].find("(ErrorValue=" + std::to_string(exists) + ")"), std::string::npos);

    // A ride whose game folder is a file: the ride's own message.
    game.makeRideFolder(game.author(), "CTR_Ride");
    fs::remove_all(game.ridesFolder());
    test::writeBytes(game.ridesFolder(), "not a folder");
    dialogs.log.clear();
    const int notFolder = test::folderCreationError(game.ridesFolder() / "CTR_Ride");
    EXPECT_EQ(install("CTR_Ride"), InstallOutcome::FolderNotCreated);
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{message("717", Language::German, {std::to_string(notFolder)})});
}

}  // namespace
}  // namespace zw
