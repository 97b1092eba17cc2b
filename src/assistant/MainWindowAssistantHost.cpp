#include "assistant/MainWindowAssistantHost.h"

#include <stdexcept>

#include "app/MainWindow.h"
#include "builders/RideBuilder.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"

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
int MainWindowAssistantHost::CTRBahnDatenLesenAuslagerung() {
    return zw::CTRBahnDatenLesenAuslagerung(mainWindow_.state(), mainWindow_.dialogs());
}

int MainWindowAssistantHost::CTRBahnDatenSchreibenAuslagerung() {
    return zw::CTRBahnDatenSchreibenAuslagerung(mainWindow_.state(), mainWindow_.dialogs());
}

int MainWindowAssistantHost::BahnOVLsErstellenAuslagerung() {
    return zw::BahnOVLsErstellenAuslagerung(mainWindow_.state(), mainWindow_.dialogs());
}

void MainWindowAssistantHost::NeustartButtonClick() { mainWindow_.NeustartButtonClick(); }

void MainWindowAssistantHost::showInstallWindow() {
    if (!showInstallWindow_) throw std::logic_error("the assistant was opened without the install window");
    showInstallWindow_();
}

}  // namespace zw
