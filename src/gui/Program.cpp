#include "gui/Program.h"

#include <wx/dialog.h>

#include "app/MainWindow.h"
#include "app/OptionsWindow.h"
#include "assistant/AssistantStart.h"
#include "assistant/MainWindowAssistantHost.h"
#include "assistant/TForm4.h"
#include "gui/AssistantFrame.h"
#include "gui/InstallDialog.h"
#include "gui/MainFrame.h"
#include "gui/OptionsDialog.h"
#include "install/InstallWindow.h"

namespace zw::gui {

Program::Program(Dialogs& dialogs, Registry& registry, const std::filesystem::path& startFolder,
                 std::filesystem::path executableFolder)
    : dialogs_(dialogs), executableFolder_(std::move(executableFolder)) {
    main_ = std::make_unique<MainWindow>(dialogs_, registry, startFolder);
    main_->setExecutableFolder(executableFolder_);
    form1_ = new TForm1(*this);
    form1_->Bind(wxEVT_DESTROY, [this](wxWindowDestroyEvent& event) {
        if (event.GetEventObject() == form1_) form1_ = nullptr;
        event.Skip();
    });
    options_ = std::make_unique<OptionsWindow>(*main_);
    form2_ = new TForm2(form1_, *options_);
    install_ = std::make_unique<InstallWindow>(*main_);
    form3_ = new TForm3(form1_, *install_);
    host_ = std::make_unique<MainWindowAssistantHost>(*main_, [this] { showInstall(); });
    // The assistant completes its lists from the game folder; while the options are not confirmed the
    // game folder is not known yet, and the assistant's button is disabled until they are.
    if (main_->optionsStatus() == OptionsStatus::Fine) createAssistant();
}

Program::~Program() {
    // The windows go before the models they show.
    delete form1_;
}

bool Program::createAssistant() {
    const Settings& settings = main_->state().settings;
    auto lists = loadAssistantListsForStart(executableFolder_, settings.gameFolder(), dialogs_,
                                            languageOf(settings.UseEnglish));
    if (!lists) return false;
    delete form4_;
    form4_ = nullptr;
    assistant_ = std::make_unique<TForm4>(*host_, dialogs_, *lists);
    assistant_->FormCreate();
    assistantGamePath_ = settings.GamePath;
    form4_ = createAssistantWindow(form1_, *assistant_, dialogs_);
    return true;
}

void Program::showOptions() {
    form2_->ShowModal();
    form1_->refreshFromModel();
}

void Program::showInstall() {
    install_->FormActivate();
    form3_->refreshFromModel();
    form3_->ShowModal();
}

void Program::showAssistant() {
    // A game folder changed in the options since the lists were read gives the lists anew.
    if (!assistant_ || assistantGamePath_ != main_->state().settings.GamePath) {
        if (!createAssistant()) return;
    }
    form4_->ShowModal();
    form1_->refreshFromModel();  // the assistant's new ride runs the main window's restart
}

}  // namespace zw::gui
