// The assistant window's tool bar and its seven pages: which control stands where. Captions come
// from the model: its language table, and texts of its own for the few controls the table leaves
// without a caption.

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/checklst.h>
#include <wx/choice.h>
#include <wx/combobox.h>
#include <wx/listbox.h>
#include <wx/notebook.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/toolbar.h>

#include "assistant/RideAssistant.h"
#include "base/Messages.h"
#include "base/ProgramVersion.h"
#include "gui/AssistantFrame.h"
#include "gui/WxText.h"

namespace zw::gui {
namespace {

constexpr int kGap = 4;


// A group box named `name`; its controls are made with the box as their parent.
wxStaticBoxSizer* group(wxWindow* parent, const char* name, int orient) {
    auto* sizer = new wxStaticBoxSizer(orient, parent, wxString());
    sizer->GetStaticBox()->SetName(name);
    return sizer;
}

wxFlexGridSizer* grid(int columns = 2) {
    auto* sizer = new wxFlexGridSizer(columns, kGap, 2 * kGap);
    return sizer;
}

wxPanel* page(wxNotebook* book, const char* name) {
    auto* panel = new wxPanel(book, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL, name);
    book->AddPage(panel, name);
    return panel;
}

// The note on a page with controls that only show a value.
wxWindow* shownOnlyNote(wxWindow* parent, const char* name, Language language) {
    auto* note = new wxStaticText(parent, wxID_ANY, toWx(message("assistantShownOnlyNote", language)),
                                  wxDefaultPosition, wxDefaultSize, 0, name);
    note->Wrap(260);
    return note;
}

// A label above a list: both in one column.
wxBoxSizer* column(wxWindow* labelWindow, wxWindow* list) {
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(labelWindow, 0, wxBOTTOM, 2);
    sizer->Add(list, 1, wxEXPAND);
    return sizer;
}

}  // namespace

// ---- bound controls --------------------------------------------------------------------------------

wxTextCtrl* AssistantFrame::edit(wxWindow* parent, const char* name, int width) {
    auto* control = new wxTextCtrl(parent, wxID_ANY, wxString(), wxDefaultPosition, wxSize(width, -1), 0,
                                   wxDefaultValidator, name);
    edits_.push_back({model_.edit(name), control});
    return control;
}

wxCheckBox* AssistantFrame::checkBox(wxWindow* parent, const char* name) {
    // Made with its name as label, which the caption replaces: GTK cannot lay out an empty one.
    auto* control = new wxCheckBox(parent, wxID_ANY, name, wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                                   name);
    checks_.push_back({model_.checkBox(name), control});
    return control;
}

wxWindow* AssistantFrame::listBox(wxWindow* parent, const char* name, wxSize size) {
    auto* control = new wxListBox(parent, wxID_ANY, wxDefaultPosition, size, 0, nullptr, wxLB_SINGLE | wxLB_NEEDED_SB,
                                  wxDefaultValidator, name);
    lists_.push_back({model_.listBox(name), control, control, {}});
    return control;
}

wxWindow* AssistantFrame::choice(wxWindow* parent, const char* name) {
    auto* control = new wxChoice(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, 0, nullptr, 0, wxDefaultValidator,
                                 name);
    lists_.push_back({model_.listBox(name), control, control, {}});
    return control;
}

wxCheckListBox* AssistantFrame::checkListBox(wxWindow* parent, TCheckListBox& model, const char* name, wxSize size) {
    auto* control = new wxCheckListBox(parent, wxID_ANY, wxDefaultPosition, size, 0, nullptr, 0, wxDefaultValidator,
                                       name);
    checkLists_.push_back({&model, control});
    return control;
}

wxComboBox* AssistantFrame::iconBox(wxWindow* parent) {
    icons_ = new wxComboBox(parent, wxID_ANY, wxString(), wxDefaultPosition, wxSize(260, -1), 0, nullptr, wxCB_DROPDOWN,
                            wxDefaultValidator, "lstIcons");
    return icons_;
}

wxWindow* AssistantFrame::label(wxWindow* parent, const char* name) {
    return new wxStaticText(parent, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0, name);
}

wxTextCtrl* AssistantFrame::labelledEdit(wxWindow* parent, wxSizer* rows, const char* labelName, const char* editName,
                                         int width) {
    rows->Add(label(parent, labelName), 0, wxALIGN_CENTER_VERTICAL);
    auto* control = edit(parent, editName, width);
    rows->Add(control, 0, wxALIGN_CENTER_VERTICAL);
    return control;
}

wxSizer* AssistantFrame::editGroup(wxWindow* parent, const char* groupName,
                                   std::initializer_list<std::pair<const char*, const char*>> edits) {
    auto* sizer = group(parent, groupName, wxVERTICAL);
    auto* rows = grid();
    for (const auto& [labelName, editName] : edits) labelledEdit(sizer->GetStaticBox(), rows, labelName, editName);
    sizer->Add(rows, 0, wxALL, kGap);
    return sizer;
}

// ---- tool bar and pages ----------------------------------------------------------------------------

void AssistantFrame::buildToolBar(wxSizer* sizer) {
    auto* bar = new wxToolBar(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTB_HORIZONTAL | wxTB_FLAT,
                              "ToolBar1");
    for (const char* name : {"ToolButton1", "ToolButton2", "ToolButton3", "ToolButton4", "", "ToolButton8"}) {
        if (*name == '\0') {
            bar->AddSeparator();
            continue;
        }
        // Made with its caption: on Windows a tool bar keeps a control at the size it was added with.
        wxString caption;
        for (const auto& [target, text] : model_.Captions) {
            if (target == name) caption = toWx(text);
        }
        bar->AddControl(new wxButton(bar, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, wxBU_EXACTFIT,
                                     wxDefaultValidator, name));
    }
    bar->Realize();
    sizer->Add(bar, 0, wxEXPAND);
}

void AssistantFrame::buildPropertiesPage(wxNotebook* book) {
    wxPanel* panel = page(book, "TabBahneigenschaften");
    auto* top = new wxBoxSizer(wxVERTICAL);

    auto* rows = grid();
    labelledEdit(panel, rows, "lblBahnName", "txtBahnName", 300);
    rows->Add(label(panel, "lblBahnIcon"), 0, wxALIGN_CENTER_VERTICAL);
    rows->Add(iconBox(panel));
    labelledEdit(panel, rows, "lblBahnBeschreibung", "txtBahnBeschreibung", 500);
    rows->Add(label(panel, "lblBahnKategorie"), 0, wxALIGN_CENTER_VERTICAL);
    rows->Add(choice(panel, "lstKategorie"));
    top->Add(rows, 0, wxALL, 2 * kGap);

    auto* cars = group(panel, "GroupBoxWagentypen", wxHORIZONTAL);
    wxWindow* box = cars->GetStaticBox();
    cars->Add(column(label(box, "lblVerfuegbareWagen"), listBox(box, "txtWagentypen", wxSize(260, 330))), 1,
              wxEXPAND | wxALL, kGap);
    cars->Add(column(label(box, "lblAusgewaehlteWagen"), listBox(box, "lstSelWagen", wxSize(260, 330))), 1,
              wxEXPAND | wxALL, kGap);
    top->Add(cars, 1, wxEXPAND | wxALL, 2 * kGap);
    panel->SetSizer(top);
}

void AssistantFrame::buildTrackPage(wxNotebook* book) {
    wxPanel* panel = page(book, "TabStrecke");
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* track = group(panel, "GroupBoxStrecke", wxVERTICAL);
    wxWindow* box = track->GetStaticBox();

    auto* lists = new wxBoxSizer(wxHORIZONTAL);
    lists->Add(column(label(box, "lblStreckentypen"), listBox(box, "lstStreckentypen", wxSize(150, 360))),
               0, wxEXPAND | wxALL, kGap);
    lists->Add(column(label(box, "lblVerfuegbareSektionen"), listBox(box, "txtStreckensektionen", wxSize(240, 360))),
               1, wxEXPAND | wxALL, kGap);
    lists->Add(column(label(box, "lblAusgewaehlteSektionen"), listBox(box, "lstSelSektionen", wxSize(240, 360))), 1,
               wxEXPAND | wxALL, kGap);
    lists->Add(column(label(box, "lblKosten"), listBox(box, "lstStreckensektionskosten", wxSize(80, 360))), 0,
               wxEXPAND | wxALL, kGap);
    track->Add(lists, 1, wxEXPAND);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->Add(new wxButton(box, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                              "Button1"),
                 0, wxALL, kGap);
    buttons->Add(new wxButton(box, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                              "btnInsertTrackSections"),
                 0, wxALL, kGap);
    track->Add(buttons);
    // The catalogue behind the menu is a list the user never sees.
    listBox(box, "TrackListe", wxSize(10, 10))->Hide();
    top->Add(track, 1, wxEXPAND | wxALL, 2 * kGap);
    panel->SetSizer(top);
}

void AssistantFrame::buildGeneralPage(wxNotebook* book) {
    wxPanel* panel = page(book, "TabAllgemein");
    auto* top = new wxBoxSizer(wxHORIZONTAL);

    auto* left = new wxBoxSizer(wxVERTICAL);
    auto* rounds = grid();
    labelledEdit(panel, rounds, "lblMinRunden", "txtMinRunden");
    labelledEdit(panel, rounds, "lblMaxRunden", "txtMaxRunden");
    labelledEdit(panel, rounds, "lblEintrittspreis", "txtEintrittspreis", 90);
    left->Add(rounds, 0, wxALL, kGap);
    left->Add(column(label(panel, "lblStationstyp"), listBox(panel, "lstStationstyp", wxSize(180, 330))), 1,
              wxEXPAND | wxALL, kGap);
    top->Add(left, 0, wxEXPAND | wxALL, kGap);

    auto* starts = new wxBoxSizer(wxVERTICAL);
    starts->Add(column(label(panel, "lblBahnStartArt"),
                       checkListBox(panel, model_.lstBahnStartArt, "lstBahnStartArt", wxSize(230, 200))),
                1, wxEXPAND | wxBOTTOM, 2 * kGap);
    starts->Add(column(label(panel, "lblPreStart"), checkListBox(panel, model_.lstPreStart, "lstPreStart",
                                                                 wxSize(230, 200))),
                1, wxEXPAND);
    top->Add(starts, 0, wxEXPAND | wxALL, 2 * kGap);

    auto* build = group(panel, "GroupBoxBauoptionen", wxVERTICAL);
    wxWindow* box = build->GetStaticBox();
    auto* heights = grid();
    labelledEdit(box, heights, "lblBauKostenHoehe", "txtBauKostenHoehe");
    labelledEdit(box, heights, "lblMaxBauHoehe", "txtMaxBauHoehe");
    labelledEdit(box, heights, "lblLichtraumProfilhoehe", "txtLichtraumProfilhoehe");
    heights->Add(label(box, "lblHoeheUeberGleis"), 0, wxALIGN_CENTER_VERTICAL);
    heights->Add(edit(box, "txtHoeheUeberGleis"));
    build->Add(heights, 0, wxALL, kGap);
    for (const char* name : {"txtGeschlosseneStrecke", "txtFertigstellung", "txtWagenrotation", "txtNurVolllast",
                             "txtKeineKinder", "txtBlockmodus", "txtAmpelTestphase", "txtFliessendesWasser",
                             "txtStreckenVerlauf"}) {
        build->Add(checkBox(box, name), 0, wxALL, 2);
    }
    for (const char* name : {"txtNurWasser", "txtAbrissMoeglichkeit", "txtAlleModi"}) {
        build->Add(checkBox(box, name), 0, wxALL, 2);
    }
    // The early animation end is a flag no data file key sets; it stays unseen.
    checkBox(box, "txtAnimFahrtEnde")->Hide();
    build->Add(shownOnlyNote(box, "lblShownOnlyNoteAllgemein", model_.language()), 0, wxALL, kGap);
    top->Add(build, 1, wxEXPAND | wxALL, 2 * kGap);
    panel->SetSizer(top);
}

void AssistantFrame::buildAdvancedPage(wxNotebook* book) {
    wxPanel* panel = page(book, "TabErweitert");
    auto* top = new wxBoxSizer(wxHORIZONTAL);

    auto* speed = group(panel, "GroupBoxGeschwindigkeit", wxVERTICAL);
    wxWindow* box = speed->GetStaticBox();
    auto* speeds = grid();
    speeds->Add(label(box, "lblGeschwindigkeitsEinheit"), 0, wxALIGN_CENTER_VERTICAL);
    speeds->Add(choice(box, "lstGeschwindigkeitsEinheit"));
    labelledEdit(box, speeds, "lblRollGeschwindigkeitStation", "txtRollGeschwindigkeitStation");
    labelledEdit(box, speeds, "lblMinStartgeschwindigkeit", "txtMinStartgeschwindigkeit");
    labelledEdit(box, speeds, "lblMaxStartgeschwindigkeit", "txtMaxStartgeschwindigkeit");
    labelledEdit(box, speeds, "lblStdGeschwindigkeit", "txtStdGeschwindigkeit");
    labelledEdit(box, speeds, "lblStartSchrittweite", "txtStartSchrittweite", 90);
    labelledEdit(box, speeds, "lblMinLiftkettenGeschwindigkeit", "txtMinLiftkettenGeschwindigkeit");
    labelledEdit(box, speeds, "lblMaxLiftkettenGeschwindigkeit", "txtMaxLiftkettenGeschwindigkeit");
    labelledEdit(box, speeds, "lblStdLiftkettenGeschwindigkeit", "txtStdLiftkettenGeschwindigkeit");
    labelledEdit(box, speeds, "lblKettenSchrittweite", "txtKettenSchrittweite", 90);
    labelledEdit(box, speeds, "lblLiftkettenEinrastung", "txtLiftkettenEinrastung", 90);
    speeds->Add(checkBox(box, "txtKonstanteGeschwindigkeit"), 0, wxALIGN_CENTER_VERTICAL);
    speeds->AddSpacer(0);
    labelledEdit(box, speeds, "lblMinKonstanteGeschwindigkeit", "txtMinKonstanteGeschwindigkeit");
    labelledEdit(box, speeds, "lblMaxKonstanteGeschwindigkeit", "txtMaxKonstanteGeschwindigkeit");
    labelledEdit(box, speeds, "lblStdKonstanteGeschwindigkeit", "txtStdKonstanteGeschwindigkeit");
    labelledEdit(box, speeds, "lblKonstanteGeschwindigkeitSchrittweite", "txtKonstanteGeschwindigkeitSchrittweite", 90);
    speed->Add(speeds, 0, wxALL, kGap);
    speed->Add(shownOnlyNote(box, "lblShownOnlyNoteErweitert", model_.language()), 0, wxALL, kGap);
    top->Add(speed, 0, wxEXPAND | wxALL, 2 * kGap);

    auto* right = new wxBoxSizer(wxVERTICAL);
    right->Add(editGroup(panel, "GroupBoxKosten",
                         {{"lblKostenVorschau", "txtKostenVorschau"},
                          {"lblKostenProZug", "txtKostenProZug"},
                          {"lblKostenProStation", "txtKostenProStation"},
                          {"lblKostenBasis", "txtKostenBasis"},
                          {"lblKostenProWagen", "txtKostenProWagen"}}),
               0, wxEXPAND | wxBOTTOM, 2 * kGap);
    right->Add(editGroup(panel, "GroupBoxWeitereFaktoren",
                         {{"lblZuverlaessigkeit", "txtZuverlaessigkeit"},
                          {"lblAttraktionsAttraktivitaet", "txtAttraktionsAttraktivitaet"},
                          {"lblBergAufAbEinfluss", "txtBergAufAbEinfluss"}}),
               0, wxEXPAND);
    top->Add(right, 1, wxEXPAND | wxALL, 2 * kGap);
    panel->SetSizer(top);
}

void AssistantFrame::buildAddOnPage(wxNotebook* book) {
    wxPanel* panel = page(book, "TabAddOn");
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(checkBox(panel, "chkAddOn"), 0, wxALL, 2 * kGap);

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    auto* tracks = new wxBoxSizer(wxHORIZONTAL);
    tracks->Add(column(label(panel, "lblZusatzTrackListe"), listBox(panel, "lstZusatzTrackListe", wxSize(150, 300))),
                1, wxEXPAND | wxRIGHT, kGap);
    tracks->Add(column(label(panel, "lblSelZusatzTrackListe"), listBox(panel, "SelZusatzTrackListe", wxSize(150, 300))),
                1, wxEXPAND);
    columns->Add(tracks, 0, wxEXPAND | wxALL, kGap);

    auto* middle = new wxBoxSizer(wxVERTICAL);
    auto* other = group(panel, "GroupBoxSonstiges", wxVERTICAL);
    wxWindow* box = other->GetStaticBox();
    auto* trains = grid();
    labelledEdit(box, trains, "lblZugAnzahl", "txtZugAnzahl");
    other->Add(trains, 0, wxALL, kGap);
    for (const char* name :
         {"txtBahnSynconisieren", "txtVorRueckFreiRotation", "txtVierAchsenRotation", "txtVertikalInversion"}) {
        other->Add(checkBox(box, name), 0, wxALL, 2);
    }
    middle->Add(other, 0, wxEXPAND | wxBOTTOM, 2 * kGap);
    middle->Add(editGroup(panel, "GroupBoxWasserbahnen",
                          {{"lblWasserBeschleunigung", "txtWasserBeschleunigung"},
                           {"lblWasserBremsFaktor", "txtWasserBremsFaktor"},
                           {"lblKonstWasserGeschwindigkeit", "txtKonstWasserGeschwindigkeit"}}),
                0, wxEXPAND);
    columns->Add(middle, 0, wxEXPAND | wxALL, kGap);

    // Tower rides and special cars: labelled edits, the label above its field.
    auto* right = new wxBoxSizer(wxVERTICAL);
    auto labelledAbove = [this](wxStaticBoxSizer* sizer, const char* name, int width) {
        wxWindow* parent = sizer->GetStaticBox();
        sizer->Add(label(parent, (std::string(name) + ".EditLabel").c_str()), 0, wxLEFT | wxRIGHT | wxTOP, kGap);
        sizer->Add(edit(parent, name, width), 0, wxLEFT | wxRIGHT | wxBOTTOM, kGap);
    };
    auto* tower = group(panel, "GroupBoxTowerRides", wxVERTICAL);
    for (const char* name : {"lblMidSection", "lblTopSection", "lblMidSectionB", "lblTopSectionB"}) {
        labelledAbove(tower, name, 200);
    }
    labelledAbove(tower, "lblTopTime", 90);
    labelledAbove(tower, "lblTopLength", 90);
    right->Add(tower, 0, wxEXPAND | wxBOTTOM, 2 * kGap);
    auto* special = group(panel, "GroupBoxSpezialwagen", wxVERTICAL);
    labelledAbove(special, "lblSpezialWagenA", 200);
    labelledAbove(special, "lblSpezialWagenWartepositionA", 90);
    labelledAbove(special, "lblSpezialWagenEinhakpositionA", 90);
    labelledAbove(special, "lblSpezialWagenB", 200);
    right->Add(special, 0, wxEXPAND);
    columns->Add(right, 0, wxEXPAND | wxALL, kGap);

    top->Add(columns, 1, wxEXPAND);
    panel->SetSizer(top);
}

void AssistantFrame::buildStatisticsPage(wxNotebook* book) {
    wxPanel* panel = page(book, "TabStatistik");
    auto* top = new wxBoxSizer(wxVERTICAL);
    auto* ratings = group(panel, "GroupBoxStatistik", wxVERTICAL);
    wxWindow* box = ratings->GetStaticBox();
    auto* rows = grid(4);
    rows->AddSpacer(0);
    for (const char* name : {"lblErr", "lblInt", "lblUeb"}) rows->Add(label(box, name));
    // In the order of the default value table.
    for (const char* stem : {"lstBasis", "lstRunden", "lstWagen", "lstFahrtzeit", "lstSzenerie", "lstSzenerieEinfluss",
                             "lstFahrtlaenge", "lstSGKraefte", "lstVGKraefte", "lstHGeschwindigkeit",
                             "lstDGeschwinigkeit"}) {
        const std::string labelName = "lbl" + std::string(stem).substr(3);
        rows->Add(label(box, labelName.c_str()), 0, wxALIGN_CENTER_VERTICAL);
        for (const char* rating : {"Err", "Int", "Ueb"}) rows->Add(edit(box, (std::string(stem) + rating).c_str()));
    }
    ratings->Add(rows, 0, wxALL, kGap);
    top->Add(ratings, 0, wxALL, 2 * kGap);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    for (const char* name : {"btnThemenfahrt", "btnAchterbahn"}) {
        buttons->Add(new wxButton(panel, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, 0, wxDefaultValidator,
                                  name),
                     0, wxRIGHT, 2 * kGap);
    }
    top->Add(buttons, 0, wxALL, 2 * kGap);
    panel->SetSizer(top);
}

void AssistantFrame::buildAboutPage(wxNotebook* book) {
    wxPanel* panel = page(book, "TabUeber");
    auto* top = new wxBoxSizer(wxVERTICAL);
    top->Add(label(panel, "lblUeber"), 0, wxALL, 4 * kGap);
    static_cast<wxStaticText*>(wxWindow::FindWindowByName("lblUeber", panel))
        ->SetLabel(toWx(message("assistantAbout", model_.language(), {kProgramVersion})));
    panel->SetSizer(top);
}

}  // namespace zw::gui
