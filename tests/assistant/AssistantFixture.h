#pragma once
// A main window stand-in for the assistant's tests: it holds the ride fields and settings, counts the
// ride commands, and "reads" a ride that the test prepared.

#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>

#include "assistant/AssistantLists.h"
#include "assistant/RideAssistant.h"
#include "datafiles/RideData.h"
#include "support/FakeRegistry.h"
#include "support/ScriptedDialogs.h"
#include "support/TempFolder.h"
#include "workflow/MainWindow.h"
#include "workflow/MainWindowAssistantHost.h"

namespace zw::test {

struct FakeAssistantHost : AssistantHost {
    RideData ride;
    bool english = false;
    bool addOns = false;  // the options' layout
    std::filesystem::path game;
    std::filesystem::path build = "build-folder";
    std::optional<RideData> fileToRead;  // what the next read delivers; nullopt: the read fails
    std::function<bool()> onRewrite;     // what the rewrite does beyond being counted
    bool buildSucceeds = true;           // false: the build stops (as after its message)
    int reads = 0, rewrites = 0, builds = 0, restarts = 0, installWindows = 0;
    std::vector<std::filesystem::path> openFolders;  // where each read's open dialog started
    std::vector<bool> layouts;                       // the layout of each rewrite and build

    RideData& rideData() override { return ride; }
    bool useEnglish() const override { return english; }
    bool addOnsEnabled() const override { return addOns; }
    std::filesystem::path gamePath() const override { return game; }
    std::filesystem::path buildFolder() const override { return build; }
    bool chooseAndReadRideFile(const std::filesystem::path& initialFolder) override {
        ++reads;
        openFolders.push_back(initialFolder);
        if (!fileToRead) return false;
        ride = *fileToRead;
        return true;
    }
    bool rewriteRideFile(bool addOnsLayout) override {
        ++rewrites;
        layouts.push_back(addOnsLayout);
        return onRewrite ? onRewrite() : true;
    }
    bool buildRidePair(bool addOnsLayout) override {
        ++builds;
        layouts.push_back(addOnsLayout);
        return buildSucceeds;
    }
    void restart() override { ++restarts; }
    void showInstallWindow() override { ++installWindows; }
};

// The shipped lists, with three known sections for Track1 and Track2 so the menu has work to do.
inline AssistantLists testLists() {
    const char* source = std::getenv("ZW_SOURCE_DIR");
    AssistantLists lists = loadAssistantLists(std::filesystem::path(source ? source : ".") / "data" / "assistant");
    lists.catalogue[0].sections = {"T1Start", "T1Loop", "T1End"};
    lists.catalogue[1].sections = {"T2Curve", "straight"};
    for (const char* name : {"T1Start", "T1Loop", "T1End", "T2Curve", "Other"}) lists.trackSections.push_back(name);
    sortTrackSectionNames(lists.trackSections);
    return lists;
}

// A ride as the reader gives it for a file that holds only the header: every key at its default.
inline RideData readerDefaultRide() {
    RideData ride;
    ride.DataFileFolder = "rides";
    ride.RideObjectName = "CTR_Zipper";
    ride.SpeedUnitFactor = 1.0;
    ride.RideFlags = 2;
    ride.BahnName = "CTR Unbenannt";
    ride.BahnDescription = "CTR Description";
    ride.BahnIcon = "CTR";
    ride.BahnKategorie = 3;
    ride.WagentypName = {"JuniorLadybird", "WildMouse", "LIMCoaster"};
    ride.TrackTyp = "Track8";
    ride.TrackSectionName = {"Stationmiddle", "Straight", "Medcurve"};
    ride.TrackSectionKosten = {1000, 1000, 1000};
    ride.BaukostenHoehe4H = 1600;
    ride.Stationstyp = "standard";
    ride.LichtraumprofilHoehe = 0.9;
    ride.BauhoeheMax = 100;
    ride.BahnstartPreset = 0;
    ride.BahnstartMoeglichkeiten = 3;
    ride.BlockaufteilungsFlag = 1;
    ride.RundenanzahlMin = 1;
    ride.RundenanzahlMax = 10;
    ride.AnjederStelleabbaubarFlag = 1;
    ride.InAusStationRollgeschw = 8;
    ride.LiftkettengeschwMin = 1;
    ride.LiftkettengeschwMax = 25;
    ride.LiftkettengeschwPreset = 4;
    ride.StartgeschwMin = 1;
    ride.StartgeschwMax = 50;
    ride.StartgeschwPreset = 20;
    ride.KonstantgeschwMin = 1;
    ride.KonstantgeschwMax = 25;
    ride.KonstantgeschwPreset = 5;
    ride.BergaufabAbweichung = 1.0;
    ride.BahnkostenVorschau = 250000;
    ride.BetriebskostenBasis = 4960;
    ride.BetriebskostenproZug = 1100;
    ride.BetriebskostenproWagen = 300;
    ride.BetriebskostenproStation = 1000;
    for (auto& row : ride.RatingCoefficients) row = {0.0, 0.0, 0.0, 1.0};
    ride.RatingCoefficients[0] = {3.0, 2.0, 1.5, 1.0};
    ride.RatingCoefficients[2] = {0.3, 0.0, 0.0, 1.0};
    ride.RatingCoefficients[3] = {0.01, 0.0, 0.0, 1.0};
    ride.RatingCoefficients[4] = {0.5, 0.0, 0.0, 1.0};
    ride.RatingCoefficients[10] = {0.01, 0.02, 0.01, 1.0};
    ride.RatingCoefficients[11] = {0.05, 0.05, 0.0, 1.0};
    ride.RatingCoefficients[12] = {0.01, 0.0, 0.0, 1.0};
    ride.RatingCoefficients[22] = {4.0, 0.0, 0.0, 1.0};
    ride.RatingCoefficients[23] = {2.0, 2.0, 4.0, 1.0};
    ride.RatingCoefficients[24] = {1.5, 3.0, 1.5, 1.0};
    ride.Zuverlaessigkeitsabnahme = 10.0;
    ride.PeepAttraktivitaet = 60;
    ride.TowerRideSpitzenAbstand = 0.01;
    ride.ZuganzahlPreset = -1;
    ride.WaterSectionKonstantgeschw = 1.9;
    ride.WaterSectionBeschleunigung = 200.0;
    ride.WaterSectionAbbremsung = 3000.0;
    ride.liftChainSpeedStep = ride.launchSpeedStep = ride.constantSpeedStep = 0.1;
    return ride;
}

struct AssistantTest {
    FakeAssistantHost host;
    ScriptedDialogs dialogs;
    RideAssistant form{host, dialogs, testLists()};

    AssistantTest() { form.onCreate(); }

    std::vector<std::string> inputBoxes() const {
        std::vector<std::string> captions;
        for (const auto& e : dialogs.log)
            if (e.kind == DialogEvent::Kind::InputBox) captions.push_back(e.caption);
        return captions;
    }
};

// The assistant on the real main window, in a working folder of its own with an options file of the
// given language and layout (files are replaced without asking).
struct AssistantOnMainWindow {
    TempFolder folder;
    ScriptedDialogs dialogs;
    FakeRegistry registry;
    std::unique_ptr<MainWindow> main;
    std::unique_ptr<MainWindowAssistantHost> host;
    std::unique_ptr<RideAssistant> form;

    explicit AssistantOnMainWindow(bool english = false, bool addOns = false,
                                   std::function<void()> installWindow = [] {}) {
        writeBytes(folder / "Zorbaltwerk_Options.txt", std::string("'") + (english ? "English" : "Deutsch") +
                                                           "'\r\n'D:/RCT3'\r\n'AddOns " + (addOns ? "1" : "0") +
                                                           "'\r\n'Ueberschreiben 1'\r\n'HiddenSettings 0'\r\n");
        main = std::make_unique<MainWindow>(dialogs, registry, folder.path());
        host = std::make_unique<MainWindowAssistantHost>(*main, std::move(installWindow));
        form = std::make_unique<RideAssistant>(*host, dialogs, testLists());
        form->onCreate();
    }
};

inline int indexOfItem(const std::vector<std::string>& items, const std::string& name) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] == name) return static_cast<int>(i);
    return -1;
}

}  // namespace zw::test
