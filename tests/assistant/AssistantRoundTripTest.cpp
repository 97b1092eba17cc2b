#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AssistantFixture.h"
#include "base/SafeFile.h"
#include "datafiles/RideDataReader.h"
#include "support/FakeRegistry.h"
#include "support/TempFolder.h"
#include "workflow/InstallWindow.h"
#include "workflow/MainWindow.h"
#include "workflow/MainWindowAssistantHost.h"
#include "workflow/ProjectCommands.h"

namespace zw {
namespace {

// The example ride goes through the assistant on the real main window: opened with the ride
// reader, stored from the controls, saved with the rewrite under a new name, and read again.
TEST(AssistantRoundTrip, ExampleRideSavedThroughTheAssistantReadsBackTheSame) {
    test::TempFolder folder;
    test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                     "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    const char* source = std::getenv("ZW_SOURCE_DIR");
    ASSERT_TRUE(source);
    const auto original = folder / "rides" / "CTR_BahnDaten_Beispielbahn.txt";
    std::filesystem::create_directories(original.parent_path());
    std::filesystem::copy_file(std::filesystem::path(source) / "examples" / "CTR_BahnDaten_Beispielbahn.txt", original);

    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;
    MainWindow window(dialogs, registry, folder.path());
    MainWindowAssistantHost host(window);
    RideAssistant form(host, dialogs, test::testLists());
    form.onCreate();

    dialogs.filesToOpen = {original};
    form.onOpenRide();
    ASSERT_EQ(form.txtBahnName.Text, "Beispielbahn Deluxe");
    EXPECT_TRUE(form.chkAddOn.Checked);  // the example presets two trains
    EXPECT_FALSE(window.state().settings.AddOnsEnabled);  // the options stay as they are
    const RideData read = window.state().ride;

    dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_Kopie.txt")};  // where the ride was opened
    form.onSaveRide();
    const auto saved = folder / "rides" / "CTR_BahnDaten_Kopie.txt";
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_TRUE(window.enabled(Command::RideAssistant));  // the main window's buttons stay

    dialogs.filesToOpen = {saved};
    ASSERT_EQ(chooseAndReadRideFile(window.state(), dialogs), 1);
    RideData back = window.state().ride;
    EXPECT_EQ(back.RideObjectName, "CTR_Kopie");
    back.RideObjectName = read.RideObjectName;
    // Decimals pass through texts with three places.
    for (auto field : {&RideData::LichtraumprofilHoehe, &RideData::InAusStationRollgeschw,
                       &RideData::LiftkettengeschwMin, &RideData::LiftkettengeschwMax,
                       &RideData::LiftkettengeschwPreset, &RideData::StartgeschwMin, &RideData::StartgeschwMax,
                       &RideData::StartgeschwPreset, &RideData::KonstantgeschwMin, &RideData::KonstantgeschwMax,
                       &RideData::KonstantgeschwPreset, &RideData::BergaufabAbweichung,
                       &RideData::Zuverlaessigkeitsabnahme, &RideData::TowerRideSpitzenAbstand,
                       &RideData::WaterSectionKonstantgeschw, &RideData::WaterSectionBeschleunigung,
                       &RideData::WaterSectionAbbremsung, &RideData::SpezialWagentypABergaufGeschw,
                       &RideData::SpezialWagentypABergabGeschw}) {
        EXPECT_NEAR(back.*field, read.*field, 0.002);
        back.*field = read.*field;
    }
    for (size_t r = 0; r < back.RatingCoefficients.size(); ++r) {
        for (size_t c = 0; c < 4; ++c) {
            EXPECT_NEAR(back.RatingCoefficients[r][c], read.RatingCoefficients[r][c], 0.002) << r;
            back.RatingCoefficients[r][c] = read.RatingCoefficients[r][c];
        }
    }
    EXPECT_EQ(back.TrackSectionName, read.TrackSectionName);
    EXPECT_EQ(back.TrackSectionKosten, read.TrackSectionKosten);
    EXPECT_EQ(back.ZusatzTrackTyp, (std::vector<std::string>{"Track1", "Track4"}));
    EXPECT_EQ(back.ZuganzahlPreset, 2);
    EXPECT_EQ(back.Stationstyp, "Standard");  // the list's item for the file's "standard"
    back.Stationstyp = read.Stationstyp;
    EXPECT_TRUE(back == read);
}

// The assistant's build runs the main window's ride builder into the program's folder, then opens the
// install window; the main window's buttons stay as they were.
TEST(AssistantRoundTrip, BuildWritesThePairInTheWorkingFolderAndOpensTheInstallWindowThere) {
    test::TempFolder folder;
    test::writeBytes(folder / "Zorbaltwerk_Options.txt",
                     "'Deutsch'\r\n'D:/RCT3'\r\n'AddOns 0'\r\n'Ueberschreiben 0'\r\n'HiddenSettings 0'\r\n");
    const char* source = std::getenv("ZW_SOURCE_DIR");
    ASSERT_TRUE(source);
    const auto ride = folder / "CTR_BahnDaten_Beispielbahn.txt";
    std::filesystem::copy_file(std::filesystem::path(source) / "examples" / "CTR_BahnDaten_Beispielbahn.txt", ride);

    test::ScriptedDialogs dialogs;
    test::FakeRegistry registry;
    MainWindow window(dialogs, registry, folder.path());
    // The install window opens in the working folder, where the new pair lies.
    std::vector<std::string> installListing;
    InstallWindow install(window);
    MainWindowAssistantHost host(window, [&] {
        install.onActivate();
        installListing = install.ListBox;
    });
    RideAssistant form(host, dialogs, test::testLists());
    form.onCreate();
    dialogs.filesToOpen = {ride};
    form.onOpenRide();
    ASSERT_EQ(form.txtBahnName.Text, "Beispielbahn Deluxe");

    dialogs.textAnswers = {std::string("Gebaut")};
    form.onBuildRide();
    EXPECT_TRUE(std::filesystem::exists(folder / "CTR_Gebaut" / "CTR_Gebaut.common.ovl"));
    EXPECT_TRUE(std::filesystem::exists(folder / "CTR_Gebaut" / "CTR_Gebaut.unique.ovl"));
    EXPECT_NE(std::find(installListing.begin(), installListing.end(), "CTR_Gebaut"), installListing.end());
    EXPECT_FALSE(window.enabled(Command::InstallRidePair));  // the main window's buttons stay
}


// Opening a file never changes the options' layout: not an example, not a file the assistant saved
// itself with the add-on values of a new ride (which are no add-on settings). The tick follows the
// file only where it holds add-on settings.
TEST(AssistantRoundTrip, OpeningFilesLeavesTheOptionsLayout) {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    ASSERT_TRUE(source);
    for (const bool addOns : {false, true}) {
        test::AssistantOnMainWindow a(false, addOns);
        auto& folder = a.folder;
        auto& dialogs = a.dialogs;
        auto& window = *a.main;
        RideAssistant& form = *a.form;
        ASSERT_EQ(form.chkAddOn.Checked, addOns);
        dialogs.filesToSave = {std::filesystem::path("CTR_BahnDaten_Eigen.txt")};
        form.onSaveRide();
        std::vector<std::filesystem::path> files = {folder / "CTR_BahnDaten_Eigen.txt"};
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(source) / "examples")) {
            if (entry.path().filename().string().rfind("CTR_BahnDaten_", 0) == 0) files.push_back(entry.path());
        }
        for (const auto& file : files) {
            form.onNewRide();
            dialogs.log.clear();
            dialogs.filesToOpen = {file};
            form.onOpenRide();
            const bool addOnSettings = !dialogs.messages().empty();  // the add-on notice
            EXPECT_EQ(form.chkAddOn.Checked, addOns || addOnSettings) << file;
            EXPECT_EQ(window.state().settings.AddOnsEnabled, addOns) << file;
            // The options file is as it was.
            EXPECT_EQ(readWholeFile(folder / "Zorbaltwerk_Options.txt")->find(addOns ? "AddOns 1" : "AddOns 0") !=
                          std::string::npos,
                      true);
        }
        EXPECT_GE(files.size(), 2u);
    }
}

}  // namespace
}  // namespace zw
