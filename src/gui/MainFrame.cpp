#include "gui/MainFrame.h"

#include <wx/button.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "gui/Program.h"
#include "gui/WxText.h"
#include "workflow/MainWindow.h"

namespace zw::gui {
namespace {

constexpr long kFixedFrame = wxDEFAULT_FRAME_STYLE & ~(wxRESIZE_BORDER | wxMAXIMIZE_BOX);
constexpr const char* kStatusLabel = "StatusLabel";
constexpr const char* kCarPreviewButton = "WagenAnsehenButton";

wxString captionOf(const MainWindow& model, std::string_view control) {
    return toWx(std::string(model.caption(control)));
}

}  // namespace

MainFrame::MainFrame(Program& program)
    : wxFrame(nullptr, wxID_ANY, toWx(std::string(kMainWindowCaption)), wxDefaultPosition, wxDefaultSize,
              kFixedFrame),
      program_(program) {
    SetName("TForm1");
    const MainWindow& model = program_.mainModel();
    auto* panel = new wxPanel(this);
    auto* column = new wxBoxSizer(wxVERTICAL);

    auto addButton = [&](wxWindow* parent, wxSizer* sizer, Command which) {
        const std::string_view name = buttonName(which);
        auto* button = new wxButton(parent, wxID_ANY, captionOf(model, name));
        button->SetName(wxString::FromUTF8(name.data(), name.size()));
        button->Bind(wxEVT_BUTTON, [this, which](wxCommandEvent&) { onCommand(which); });
        sizer->Add(button, 0, wxEXPAND | wxALL, 3);
    };
    auto groupBox = [&](std::string_view name) {
        auto* box = new wxStaticBoxSizer(wxVERTICAL, panel, captionOf(model, name));
        box->GetStaticBox()->SetName(wxString::FromUTF8(name.data(), name.size()));
        return box;
    };
    auto label = [&](wxWindow* parent, std::string_view name) {
        auto* text = new wxStaticText(parent, wxID_ANY, captionOf(model, name));
        text->SetName(wxString::FromUTF8(name.data(), name.size()));
        return text;
    };

    auto* general = groupBox("GroupBoxAllgemein");
    wxStaticText* intro = label(general->GetStaticBox(), "Label1Allgemein");
    intro->Wrap(FromDIP(600));
    general->Add(intro, 0, wxALL, 5);
    auto* generalButtons = new wxGridSizer(2, 2, 0, 0);
    for (Command b : {Command::Restart, Command::Options, Command::InstallUninstall,
                     Command::RideAssistant}) {
        addButton(general->GetStaticBox(), generalButtons, b);
    }
    general->Add(generalButtons, 0, wxEXPAND);
    column->Add(general, 0, wxEXPAND | wxALL, 6);

    auto* groups = new wxBoxSizer(wxHORIZONTAL);
    const std::pair<std::string_view, Command> kGroups[] = {
        {"GroupBoxBahnen", Command::ReadRideFile},
        {"GroupBoxSchienen", Command::ReadTrackFile},
        {"GroupBoxWagen", Command::ReadCarFile},
    };
    for (const auto& [name, first] : kGroups) {
        auto* box = groupBox(name);
        // Each group holds its read, rewrite, build and install buttons, which follow one another.
        for (int step = 0; step < 4; ++step) {
            addButton(box->GetStaticBox(), box, static_cast<Command>(static_cast<int>(first) + step));
        }
        if (first == Command::ReadCarFile) {
            auto* preview = new wxButton(box->GetStaticBox(), wxID_ANY, captionOf(model, kCarPreviewButton));
            preview->SetName(kCarPreviewButton);
            preview->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
                program_.showCarPreview();
                refreshFromModel();
            });
            box->Add(preview, 0, wxEXPAND | wxALL, 3);
        }
        groups->Add(box, 1, wxEXPAND | wxALL, 6);
    }
    column->Add(groups, 0, wxEXPAND);

    // The status line: the file read, and below it the last command's result. Its height is kept for
    // two lines and long texts are shortened in the middle, so the fixed window never changes its size.
    auto* status = new wxStaticText(panel, wxID_ANY, " \n ", wxDefaultPosition, wxDefaultSize,
                                    wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_MIDDLE);
    status->SetName(kStatusLabel);
    column->Add(status, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 8);

    for (std::string_view name : {"VersionLabel", "DankeLabel", "AssistentCreditsLabel"}) {
        column->Add(label(panel, name), 0, wxLEFT | wxRIGHT | wxBOTTOM, 8);
    }

    panel->SetSizer(column);
    auto* frameSizer = new wxBoxSizer(wxVERTICAL);
    frameSizer->Add(panel, 1, wxEXPAND);
    SetSizerAndFit(frameSizer);
    // A fixed size: the window cannot be resized.
    SetSizeHints(GetSize(), GetSize());
    refreshFromModel();
}

void MainFrame::refreshFromModel() {
    const MainWindow& model = program_.mainModel();
    if (wxWindow* status = FindWindowByName(kStatusLabel, this)) {
        const wxString text = toWx(model.statusText());
        if (status->GetLabel() != text) {
            status->SetLabel(text);
            status->SetToolTip(text);
        }
    }
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const std::string_view name = buttonName(static_cast<Command>(i));
        if (wxWindow* button = FindWindowByName(wxString::FromUTF8(name.data(), name.size()), this)) {
            button->Enable(model.enabled(static_cast<Command>(i)));
        }
    }
    if (wxWindow* preview = FindWindowByName(kCarPreviewButton, this)) preview->Enable(model.carPreviewOffered());
}

void MainFrame::onCommand(Command which) {
    MainWindow& model = program_.mainModel();
    switch (which) {
        case Command::Restart: model.restart(); break;
        case Command::Options: program_.showOptions(); break;
        case Command::InstallUninstall: program_.showInstall(); break;
        case Command::RideAssistant: program_.showAssistant(); break;
        case Command::ReadRideFile: model.readRideFile(); break;
        case Command::RewriteRideFile: model.rewriteRideFile(); break;
        case Command::BuildRidePair: model.buildRidePair(); break;
        case Command::InstallRidePair: model.installRidePair(); break;
        case Command::ReadCarFile: model.readCarFile(); break;
        case Command::RewriteCarFile: model.rewriteCarFile(); break;
        case Command::BuildCarPair: model.buildCarPair(); break;
        case Command::InstallCarPair: model.installCarPair(); break;
        // The track buttons have no command: nothing ever enables them.
        case Command::ReadTrackFile:
        case Command::RewriteTrackFile:
        case Command::BuildTrackPair:
        case Command::InstallTrackPair: break;
    }
    refreshFromModel();
}

}  // namespace zw::gui
