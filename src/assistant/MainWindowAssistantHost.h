#pragma once
// The assistant on the main window: its ride fields and settings, its ride reader and rewrite, its
// restart. The ride builder and the modal install window are handed in by whoever opens the
// assistant (the window program), because the builder lives in its own layer and the install
// window needs a real window.

#include <filesystem>
#include <functional>

#include "assistant/AssistantHost.h"

namespace zw {

class MainWindow;

class MainWindowAssistantHost : public AssistantHost {
public:
    // `buildRide` runs the ride builder on the main window's state and returns 1 after a pair was
    // written; `showInstallWindow` opens the install/uninstall window modally. Calling either while
    // it was not handed in is a programming error (std::logic_error).
    MainWindowAssistantHost(MainWindow& mainWindow, std::filesystem::path executableFolder,
                            std::function<int()> buildRide = {}, std::function<void()> showInstallWindow = {});

    RideData& rideData() override;
    bool useEnglish() const override;
    bool addOnsEnabled() const override;
    void setAddOnsEnabled(bool enabled) override;
    std::filesystem::path gamePath() const override;
    std::filesystem::path executableFolder() const override { return executableFolder_; }

    int CTRBahnDatenLesenAuslagerung() override;
    int CTRBahnDatenSchreibenAuslagerung() override;
    int BahnOVLsErstellenAuslagerung() override;
    void NeustartButtonClick() override;
    void showInstallWindow() override;

private:
    MainWindow& mainWindow_;
    std::filesystem::path executableFolder_;
    std::function<int()> buildRide_;
    std::function<void()> showInstallWindow_;
};

}  // namespace zw
