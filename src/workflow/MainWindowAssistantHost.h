#pragma once
// The assistant on the main window: its ride fields and settings, its ride reader, rewrite and
// builder, its restart. The modal install window is handed in by whoever opens the assistant (the
// window program), because it needs a real window.

#include <filesystem>
#include <functional>

#include "assistant/AssistantHost.h"

namespace zw {

class MainWindow;

class MainWindowAssistantHost : public AssistantHost {
public:
    // `showInstallWindow` opens the install/uninstall window modally. Calling it while it was not
    // handed in is a programming error (std::logic_error).
    MainWindowAssistantHost(MainWindow& mainWindow, std::function<void()> showInstallWindow = {});

    RideData& rideData() override;
    bool useEnglish() const override;
    bool addOnsEnabled() const override;
    std::filesystem::path gamePath() const override;
    std::filesystem::path buildFolder() const override;

    bool chooseAndReadRideFile(const std::filesystem::path& initialFolder) override;
    bool rewriteRideFile(bool addOns) override;
    bool buildRidePair(bool addOns) override;
    void restart() override;
    void showInstallWindow() override;

private:
    MainWindow& mainWindow_;
    std::function<void()> showInstallWindow_;
};

}  // namespace zw
