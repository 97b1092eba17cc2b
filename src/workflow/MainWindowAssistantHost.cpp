#include "workflow/MainWindowAssistantHost.h"

#include <stdexcept>

#include "builders/RideBuilder.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"
#include "workflow/MainWindow.h"
#include "workflow/ProjectCommands.h"

namespace zw {

MainWindowAssistantHost::MainWindowAssistantHost(MainWindow& mainWindow, std::function<void()> showInstallWindow)
    : mainWindow_(mainWindow), showInstallWindow_(std::move(showInstallWindow)) {}

RideData& MainWindowAssistantHost::rideData() { return mainWindow_.state().ride; }
bool MainWindowAssistantHost::useEnglish() const { return mainWindow_.state().settings.UseEnglish; }
bool MainWindowAssistantHost::addOnsEnabled() const { return mainWindow_.state().settings.AddOnsEnabled; }
std::filesystem::path MainWindowAssistantHost::gamePath() const { return mainWindow_.state().settings.gameFolder(); }
// The install window opens in the working folder (StartFolder), so it shows the new pair at once.
std::filesystem::path MainWindowAssistantHost::buildFolder() const { return mainWindow_.state().StartFolder; }

namespace {

// Runs `command` with the layout the assistant's tick chooses; the options are as they were after it,
// also when it throws.
template <class Command>
bool inLayout(Settings& settings, bool addOns, Command command) {
    struct Restore {
        Settings& settings;
        bool options;
        ~Restore() { settings.AddOnsEnabled = options; }
    } restore{settings, settings.AddOnsEnabled};
    settings.AddOnsEnabled = addOns;
    return command();
}

}  // namespace

// The assistant runs the main window's commands themselves, not their buttons: the main window's
// buttons stay as they were.
bool MainWindowAssistantHost::chooseAndReadRideFile(const std::filesystem::path& initialFolder) {
    return zw::chooseAndReadRideFile(mainWindow_.state(), mainWindow_.dialogs(), initialFolder);
}

bool MainWindowAssistantHost::rewriteRideFile(bool addOns) {
    return inLayout(mainWindow_.state().settings, addOns,
                    [&] { return zw::rewriteRideFile(mainWindow_.state(), mainWindow_.dialogs()); });
}

bool MainWindowAssistantHost::buildRidePair(bool addOns) {
    return inLayout(mainWindow_.state().settings, addOns,
                    [&] { return zw::buildRidePair(mainWindow_.state(), mainWindow_.dialogs()); });
}

void MainWindowAssistantHost::restart() { mainWindow_.restart(); }

void MainWindowAssistantHost::showInstallWindow() {
    if (!showInstallWindow_) throw std::logic_error("the assistant was opened without the install window");
    showInstallWindow_();
}

}  // namespace zw
