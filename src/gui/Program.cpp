#include "gui/Program.h"

#include <wx/dialog.h>

#include "assistant/AssistantStart.h"
#include "assistant/RideAssistant.h"
#include "gui/AssistantFrame.h"
#include "gui/CarPreviewDialog.h"
#include "gui/InstallDialog.h"
#include "gui/InterfaceLanguage.h"
#include "gui/MainFrame.h"
#include "gui/OptionsDialog.h"
#include "gui/WxText.h"
#include "workflow/InstallWindow.h"
#include "workflow/MainWindow.h"
#include "workflow/MainWindowAssistantHost.h"
#include "workflow/OptionsWindow.h"
#include "workflow/ReportShowing.h"

namespace zw::gui {

Program::Program(Dialogs& dialogs, Registry& registry, const std::filesystem::path& startFolder,
                 std::filesystem::path executableFolder)
    : dialogs_(dialogs), executableFolder_(std::move(executableFolder)) {
    // The toolkit's stock labels follow the language of the texts: the system's until the settings
    // are loaded, then theirs.
    useInterfaceLanguage(systemLanguage(), executableFolder_);
    main_ = std::make_unique<MainWindow>(dialogs_, registry, startFolder);
    main_->setExecutableFolder(executableFolder_);
    useInterfaceLanguage(languageOf(main_->state().settings.UseEnglish), executableFolder_);
    mainFrame_ = new MainFrame(*this);
    mainFrame_->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == mainFrame_) mainFrame_ = nullptr;
        event.Skip();
    });
    options_ = std::make_unique<OptionsWindow>(*main_);
    optionsDialog_ = new OptionsDialog(mainFrame_, *options_);
    install_ = std::make_unique<InstallWindow>(*main_);
    installDialog_ = new InstallDialog(mainFrame_, *install_);
    host_ = std::make_unique<MainWindowAssistantHost>(*main_, [this] { showInstall(); });
    // The assistant completes its lists from the game folder; while the options are not confirmed the
    // game folder is not known yet, and the assistant's button is disabled until they are.
    if (main_->optionsStatus() == OptionsStatus::Fine) createAssistant();
}

Program::~Program() {
    // The windows go before the models they show.
    delete mainFrame_;
}

bool Program::createAssistant() {
    const Settings& settings = main_->state().settings;
    auto lists = loadAssistantListsForStart(executableFolder_, settings.gameFolder());
    showReport(dialogs_, languageOf(settings.UseEnglish), lists.report);
    if (!lists) return false;
    delete assistantWindow_;
    assistantWindow_ = nullptr;
    assistant_ = std::make_unique<RideAssistant>(*host_, dialogs_, *lists.value);
    assistant_->onCreate();
    assistantGamePath_ = settings.GamePath;
    assistantWindow_ = createAssistantWindow(mainFrame_, *assistant_, dialogs_);
    return true;
}

void Program::showOptions() {
    optionsDialog_->ShowModal();
    mainFrame_->refreshFromModel();
}

void Program::showInstall() {
    install_->onActivate();
    installDialog_->refreshFromModel();
    installDialog_->ShowModal();
}

void Program::showCarPreview() {
    const ProjectState& state = main_->state();
    CarPreviewDialog preview(mainFrame_, toWx(std::string(main_->caption("WagenAnsehenButton"))), previewCars(state.car),
                             languageOf(state.settings.UseEnglish));
    preview.ShowModal();
}

void Program::showAssistant() {
    // A game folder changed in the options since the lists were read gives the lists anew.
    if (!assistant_ || assistantGamePath_ != main_->state().settings.GamePath) {
        if (!createAssistant()) return;
    }
    assistantWindow_->ShowModal();
    mainFrame_->refreshFromModel();  // the assistant's new ride runs the main window's restart
}

}  // namespace zw::gui
