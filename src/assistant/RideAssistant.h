#pragma once
// The ride data assistant as a model without a window toolkit: every control of the window is a
// member named like the control, and the methods are the window's event handlers. The window class
// creates the real controls, names each one after its member, forwards events here and refreshes.
//
// The assistant edits the ride fields of the main window's state record: opening a file runs the
// main window's ride reader and fills the controls from the fields; saving and building store the
// controls into the fields (`storeControlsIntoRide`) and run the main window's rewrite or builder.

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "assistant/AssistantHost.h"
#include "assistant/AssistantLists.h"
#include "assistant/Controls.h"
#include "assistant/TrackCatalogue.h"
#include "base/Dialogs.h"
#include "base/Messages.h"
#include "datafiles/RideData.h"

namespace zw {

// The edit fields, including the labelled edits of the tower and special car tab (lbl...) and the
// rating controls (lst...Err/Int/Ueb), which are edit fields despite their prefix.
#define ZW_RIDE_ASSISTANT_EDITS(X)                                                                                          \
    X(txtBahnName) X(txtBahnBeschreibung) X(txtBauKostenHoehe) X(txtHoeheUeberGleis) X(txtLichtraumProfilhoehe)     \
    X(txtMaxBauHoehe) X(txtMinRunden) X(txtMaxRunden) X(txtRollGeschwindigkeitStation)                               \
    X(txtMinLiftkettenGeschwindigkeit) X(txtMaxLiftkettenGeschwindigkeit) X(txtStdLiftkettenGeschwindigkeit)        \
    X(txtKettenSchrittweite) X(txtLiftkettenEinrastung) X(txtMinStartgeschwindigkeit) X(txtMaxStartgeschwindigkeit)  \
    X(txtStdGeschwindigkeit) X(txtStartSchrittweite) X(txtMinKonstanteGeschwindigkeit)                              \
    X(txtMaxKonstanteGeschwindigkeit) X(txtStdKonstanteGeschwindigkeit) X(txtKonstanteGeschwindigkeitSchrittweite)  \
    X(txtBergAufAbEinfluss) X(txtKostenVorschau) X(txtKostenBasis) X(txtKostenProZug) X(txtKostenProWagen)           \
    X(txtKostenProStation) X(txtEintrittspreis) X(txtZuverlaessigkeit) X(txtAttraktionsAttraktivitaet)              \
    X(txtZugAnzahl) X(txtKonstWasserGeschwindigkeit) X(txtWasserBeschleunigung) X(txtWasserBremsFaktor)             \
    X(lblMidSection) X(lblTopSection) X(lblMidSectionB) X(lblTopSectionB) X(lblTopTime) X(lblTopLength)             \
    X(lblSpezialWagenA) X(lblSpezialWagenB) X(lblSpezialWagenWartepositionA) X(lblSpezialWagenEinhakpositionA)      \
    X(lstBasisErr) X(lstBasisInt) X(lstBasisUeb) X(lstRundenErr) X(lstRundenInt) X(lstRundenUeb) X(lstWagenErr)     \
    X(lstWagenInt) X(lstWagenUeb) X(lstFahrtzeitErr) X(lstFahrtzeitInt) X(lstFahrtzeitUeb) X(lstSzenerieErr)        \
    X(lstSzenerieInt) X(lstSzenerieUeb) X(lstHGeschwindigkeitErr) X(lstHGeschwindigkeitInt)                         \
    X(lstHGeschwindigkeitUeb) X(lstDGeschwinigkeitErr) X(lstDGeschwinigkeitInt) X(lstDGeschwinigkeitUeb)           \
    X(lstFahrtlaengeErr) X(lstFahrtlaengeInt) X(lstFahrtlaengeUeb) X(lstSzenerieEinflussErr)                        \
    X(lstSzenerieEinflussInt) X(lstSzenerieEinflussUeb) X(lstSGKraefteErr) X(lstSGKraefteInt) X(lstSGKraefteUeb)    \
    X(lstVGKraefteErr) X(lstVGKraefteInt) X(lstVGKraefteUeb)

#define ZW_RIDE_ASSISTANT_CHECKBOXES(X)                                                                                  \
    X(txtNurWasser) X(txtKeineKinder) X(txtFliessendesWasser) X(txtAmpelTestphase) X(txtAnimFahrtEnde)           \
    X(txtNurVolllast) X(txtStreckenVerlauf) X(txtBlockmodus) X(txtFertigstellung) X(txtWagenrotation)            \
    X(txtGeschlosseneStrecke) X(txtAbrissMoeglichkeit) X(txtAlleModi) X(txtKonstanteGeschwindigkeit)             \
    X(txtVorRueckFreiRotation) X(txtVierAchsenRotation) X(txtVertikalInversion) X(txtBahnSynconisieren) X(chkAddOn)

#define ZW_RIDE_ASSISTANT_LISTBOXES(X)                                                                                   \
    X(lstKategorie) X(txtWagentypen) X(lstSelWagen) X(txtStreckensektionen) X(lstSelSektionen)                   \
    X(lstStreckensektionskosten) X(lstStreckentypen) X(lstZusatzTrackListe) X(SelZusatzTrackListe)              \
    X(lstStationstyp) X(lstGeschwindigkeitsEinheit) X(TrackListe)

// A control whose input cannot be saved or built, and why.
struct InputFault {
    enum class Kind { Empty, NothingChosen, NotANumber, NotStorable };
    std::string control;
    Kind kind;
    std::string text;  // the text that is no number (UTF-8)
};

// Controls whose texts cannot be stored: not a number where one is needed, or a character a ride
// data file cannot hold.
struct AssistantInputError : std::runtime_error {
    explicit AssistantInputError(std::vector<InputFault> faults)
        : std::runtime_error("input of " + faults.front().control + " cannot be stored"), faults(std::move(faults)) {}
    std::vector<InputFault> faults;
};

class RideAssistant {
public:
    // `lists` are the shipped lists, completed from the game folder by the caller.
    RideAssistant(AssistantHost& host, Dialogs& dialogs, const AssistantLists& lists);

#define ZW_DECLARE_EDIT(name) TEdit name;
#define ZW_DECLARE_CHECKBOX(name) TCheckBox name;
#define ZW_DECLARE_LISTBOX(name) TListBox name;
    ZW_RIDE_ASSISTANT_EDITS(ZW_DECLARE_EDIT)
    ZW_RIDE_ASSISTANT_CHECKBOXES(ZW_DECLARE_CHECKBOX)
    ZW_RIDE_ASSISTANT_LISTBOXES(ZW_DECLARE_LISTBOX)
#undef ZW_DECLARE_EDIT
#undef ZW_DECLARE_CHECKBOX
#undef ZW_DECLARE_LISTBOX
    TComboBox lstIcons;
    TCheckListBox lstBahnStartArt;
    TCheckListBox lstPreStart;

    // The items of the "Track auswählen" menu (`trackTypeMenu`), one per track type of the catalogue.
    std::vector<TrackMenuItem> trackTypeMenu;
    // Captions of tool buttons, tabs, group boxes, labels, check boxes, buttons and edit labels, by the
    // targets of the language table ("ToolButton1", "lblTopTime.EditLabel").
    std::map<std::string, std::string, std::less<>> Captions;
    // False once the window was closed by "Assistent beenden" or its frame.
    bool Visible = true;

    // The window's status line: where the last open, save or build read or wrote.
    std::string StatusText;

    // Controls by name, for the window's binding; nullptr for an unknown name.
    TEdit* edit(std::string_view name);
    TCheckBox* checkBox(std::string_view name);
    TListBox* listBox(std::string_view name);

    // The numeric fields that filter typed keys, and the fields the error analysis requires.
    static std::span<const std::string_view> numericFields();
    static std::span<const std::string_view> requiredFields();

    // Window and tool bar.
    void onCreate();
    void onClose();
    void onNewRide();  // "Neue Bahn beginnen"
    void onOpenRide();  // "Bahn öffnen"
    void onSaveRide();  // "Bahn speichern..."
    void onBuildRide();  // "Bahn erstellen (*.ovl)"
    void onCloseAssistant();  // "Assistent beenden"

    // Lists.
    void onCarTypeChosen();
    void onChosenCarTypeRemoved();
    void onTrackSectionChosen();
    void onChosenSectionRemoved();
    void onSectionCostRemoved();
    void onChosenSectionSelected();
    void onSectionCostSelected();
    void onExtraTrackTypeChosen();
    void onChosenExtraTrackTypeRemoved();
    void onChosenCarTypesMouseUp(bool rightButton);
    void onChosenSectionsMouseUp(bool rightButton);
    void onChosenExtraTrackTypesMouseUp(bool rightButton);
    void onStartModesMouseUp(bool rightButton);
    void onPreStartModesMouseUp(bool rightButton);
    void onPreStartModeTicked(int index);
    void onInsertTrackSections();
    void addSections(const std::string& text);
    void selectTrackSections(size_t first, size_t last);
    void chooseTrackType(size_t menuIndex);  // "Track auswählen" -> a track type
    void onSpeedUnitChosen();  // the speed unit chosen
    void onRollerCoasterPreset();
    void onThemedRidePreset();

    // A key typed into a numeric field, in place of its selection (typeIntoNumberField). Returns
    // whether the key was accepted.
    bool onNumberFieldKey(TEdit& field, char key);
    // The clipboard's text pasted into a numeric field in place of its selection: each character
    // as if typed, so what no number holds stays out.
    void PasteIntoNumberField(TEdit& field);
    // The decimal separator shown and typed: the interface language's.
    char decimalSeparator() const;

    void resetRideLists();
    void restartWithNewRide();
    void applyLanguage(bool english);
    // Every control whose input keeps the ride from being saved or built.
    std::vector<InputFault> inputFaults();
    // Shows the faults, naming each field, and returns true when there are any.
    bool refuseFaultyInput();
    // Stores all controls into the ride fields; throws AssistantInputError (and changes no field)
    // when a control cannot be stored.
    void storeControlsIntoRide();
    // True when the controls hold changes that were not saved since the last new ride, open or save.
    bool hasUnsavedChanges() const;
    // Whether `control` only shows a value (the window makes it read-only).
    static bool isShownOnly(std::string_view control);

    // The language the host's settings choose now; the window takes its title from it.
    Language language() const;

private:
    void newRideValues();
    void openRide();
    bool saveRide();
    void buildRide();
    void fillControlsFromRide(const RideData& ride, bool shownOnly);
    void showValuesWithoutKeys();
    void showNumbersWithSeparator();
    bool detectAddOnSettings() const;
    void showInputFaults(const std::vector<InputFault>& faults);
    // Offers to save unsaved changes; false when the author wanted them saved and the save did not
    // complete (the command that asked stops).
    bool offerToSaveChanges();
    std::string controlState() const;
    std::filesystem::path lastFolder() const;
    std::string captionOf(std::string_view control) const;
    void moveToChosenSections(size_t availableIndex);
    void returnChosenSections();
    std::optional<std::string> askName(MessageId captionId, MessageId promptId, const std::string& defaultName);

    AssistantHost& host_;
    Dialogs& dialogs_;
    AssistantLists lists_;
    // True while the controls hold a ride opened from a file (until the next new ride).
    bool rideFromFile_ = false;
    // The controls' state when they were last saved, opened or started as a new ride.
    std::string savedState_;
    // The folder and ride name of the file last opened or saved; empty before the first.
    std::filesystem::path lastFolder_;
    std::string lastName_;
};

}  // namespace zw
