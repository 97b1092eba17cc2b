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
void MainWindowAssistantHost::setAddOnsEnabled(bool enabled) { mainWindow_.state().settings.AddOnsEnabled = enabled; }
std::filesystem::path MainWindowAssistantHost::gamePath() const { return mainWindow_.state().settings.gameFolder(); }
// The install window opens in the working folder (StartFolder), so it shows the new pair at once.
std::filesystem::path MainWindowAssistantHost::buildFolder() const { return mainWindow_.state().StartFolder; }

// The assistant runs the main window's commands themselves, not their buttons: the main window's
// buttons stay as they were.
bool MainWindowAssistantHost::chooseAndReadRideFile() {
    return zw::chooseAndReadRideFile(mainWindow_.state(), mainWindow_.dialogs());
}

bool MainWindowAssistantHost::rewriteRideFile() {
    return zw::rewriteRideFile(mainWindow_.state(), mainWindow_.dialogs());
}

bool MainWindowAssistantHost::buildRidePair() {
    return zw::buildRidePair(mainWindow_.state(), mainWindow_.dialogs());
}

void MainWindowAssistantHost::restart() { mainWindow_.restart(); }

void MainWindowAssistantHost::showInstallWindow() {
    if (!showInstallWindow_) throw std::logic_error("the assistant was opened without the install window");
    showInstallWindow_();
}

}  // namespace zw
