#include "assistant/RideAssistant.h"

#include <algorithm>
#include <array>

#include "assistant/CheckInput.h"
#include "assistant/ControlBindings.h"
#include "assistant/LanguageData.h"
#include "base/AsciiCase.h"
#include "base/Encoding.h"

namespace zw {
namespace {

constexpr std::string_view kRequiredFields[] = {
    "txtBahnName", "txtBahnBeschreibung", "txtMinRunden", "txtMaxRunden", "txtZugAnzahl", "txtBauKostenHoehe",
    "txtMaxBauHoehe", "txtLichtraumProfilhoehe", "txtRollGeschwindigkeitStation", "txtMinStartgeschwindigkeit",
    "txtMaxStartgeschwindigkeit", "txtStdGeschwindigkeit", "txtMinLiftkettenGeschwindigkeit",
    "txtMaxLiftkettenGeschwindigkeit", "txtStdLiftkettenGeschwindigkeit", "txtMinKonstanteGeschwindigkeit",
    "txtMaxKonstanteGeschwindigkeit", "txtStdKonstanteGeschwindigkeit", "txtKonstWasserGeschwindigkeit",
    "txtWasserBeschleunigung", "txtWasserBremsFaktor", "txtKostenVorschau", "txtKostenBasis", "txtKostenProZug",
    "txtKostenProWagen", "txtKostenProStation", "txtZuverlaessigkeit", "txtAttraktionsAttraktivitaet",
    "txtBergAufAbEinfluss",
};

// The two default rating sets: Err, Int, Ueb of each row's controls.
struct RatingDefaults {
    std::string_view controlStem;
    std::array<std::string_view, 3> coaster;
    std::array<std::string_view, 3> themeRide;
};
constexpr RatingDefaults kRatingDefaults[] = {
    {"lstBasis", {"3,398", "0,500", "0,300"}, {"2,000", "0,400", "0,000"}},
    {"lstRunden", {"0,000", "0,000", "0,000"}, {"0,000", "0,000", "0,000"}},
    {"lstWagen", {"0,030", "0,000", "0,000"}, {"0,030", "0,000", "0,000"}},
    {"lstFahrtzeit", {"0,004", "0,000", "0,000"}, {"0,004", "0,000", "0,000"}},
    {"lstSzenerie", {"1,000", "0,000", "0,000"}, {"1,000", "0,000", "0,000"}},
    {"lstSzenerieEinfluss", {"4,500", "0,000", "0,000"}, {"2,500", "0,000", "0,000"}},
    {"lstFahrtlaenge", {"0,000", "0,000", "0,000"}, {"0,000", "0,000", "0,000"}},
    {"lstSGKraefte", {"1,900", "2,000", "4,000"}, {"1,000", "0,500", "0,700"}},
    {"lstVGKraefte", {"1,199", "3,000", "1,500"}, {"0,300", "0,000", "0,000"}},
    {"lstHGeschwindigkeit", {"0,007", "0,014", "0,005"}, {"0,007", "0,014", "0,005"}},
    {"lstDGeschwinigkeit", {"0,043", "0,066", "0,000"}, {"0,043", "0,066", "0,000"}},
};

constexpr size_t kMaxAdditionalTrackTypes = 10;

constexpr std::string_view kRatingColumns[3] = {"Err", "Int", "Ueb"};

bool lessIgnoringCase(const std::string& a, const std::string& b) { return lessIgnoringAsciiCase(a, b); }

// Puts `name` into a sorted list at its place.
void insertSorted(std::vector<std::string>& items, const std::string& name) {
    items.insert(std::upper_bound(items.begin(), items.end(), name, lessIgnoringCase), name);
}

// Moves item `index` of `from` to the end of `to`; false when there is no such item.
bool moveItem(TListBox& from, TListBox& to, int index) {
    if (index < 0 || static_cast<size_t>(index) >= from.Items.size()) return false;
    to.Items.push_back(from.Items[static_cast<size_t>(index)]);
    from.Items.erase(from.Items.begin() + index);
    if (from.ItemIndex >= static_cast<int>(from.Items.size())) from.ItemIndex = static_cast<int>(from.Items.size()) - 1;
    return true;
}

int indexOf(const std::vector<std::string>& items, const std::string& name) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (sameIdentifier(items[i], name)) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

std::span<const std::string_view> RideAssistant::numericFields() {
    // Every edit that stores a number filters its keys.
    static const std::vector<std::string_view> fields = [] {
        std::vector<std::string_view> names;
        for (const auto& binding : controlBindings()) {
            switch (binding.conversion) {
                case Conversion::Number:
                case Conversion::Speed:
                case Conversion::Integer:
                case Conversion::WholePart:
                case Conversion::Money:
                    if (binding.binding == Binding::Stored) names.push_back(binding.control);
                    break;
                default: break;
            }
        }
        return names;
    }();
    return fields;
}

bool RideAssistant::isShownOnly(std::string_view control) {
    const ControlBinding* binding = bindingOf(control);
    return binding && binding->binding == Binding::ShownOnly;
}
std::span<const std::string_view> RideAssistant::requiredFields() { return kRequiredFields; }

RideAssistant::RideAssistant(AssistantHost& host, Dialogs& dialogs, const AssistantLists& lists)
    : host_(host), dialogs_(dialogs), lists_(lists) {
    lstIcons.Items = lists_.icons;
    lstKategorie.Items = categoryItems(false);
    txtWagentypen.Items = lists_.cars;
    txtStreckensektionen.Items = lists_.trackSections;
    lstStreckentypen.Items = lists_.trackTypes;
    lstZusatzTrackListe.Items = lists_.trackTypes;
    std::sort(lstZusatzTrackListe.Items.begin(), lstZusatzTrackListe.Items.end(), lessIgnoringCase);
    lstStationstyp.Items = lists_.stations;
    lstGeschwindigkeitsEinheit.Items = {"SI (m/s)", "Metrisch (km/h)", "Englisch (mph)"};
    lstBahnStartArt.setItems(startOptionItems(false));
    lstPreStart.setItems(startOptionItems(false));
    TrackCatalogue catalogue = buildTrackCatalogue(lists_.catalogue);
    TrackListe.Items = std::move(catalogue.trackSectionList);
    trackTypeMenu = std::move(catalogue.menu);

    // A control that a new ride leaves as it is starts with the value every ride read gets.
    txtAbrissMoeglichkeit.Checked = true;
}

Language RideAssistant::language() const { return languageOf(host_.useEnglish()); }

TEdit* RideAssistant::edit(std::string_view name) {
#define ZW_FIND(control) \
    if (name == #control) return &control;
    ZW_RIDE_ASSISTANT_EDITS(ZW_FIND)
#undef ZW_FIND
    return nullptr;
}

TCheckBox* RideAssistant::checkBox(std::string_view name) {
#define ZW_FIND(control) \
    if (name == #control) return &control;
    ZW_RIDE_ASSISTANT_CHECKBOXES(ZW_FIND)
#undef ZW_FIND
    return nullptr;
}

TListBox* RideAssistant::listBox(std::string_view name) {
#define ZW_FIND(control) \
    if (name == #control) return &control;
    ZW_RIDE_ASSISTANT_LISTBOXES(ZW_FIND)
#undef ZW_FIND
    return nullptr;
}

// ---- window and tool bar -------------------------------------------------------------------------

void RideAssistant::onCreate() {
    applyLanguage(host_.useEnglish());
    chkAddOn.Checked = host_.addOnsEnabled();
    // A new ride, but without the main window's restart: creating the window must not change the
    // main window's buttons (at the first start it would offer the commands the missing options
    // hold back).
    resetRideLists();
    newRideValues();
}

void RideAssistant::onClose() {
    if (!offerToSaveChanges()) return;  // the window stays open with the changes
    restartWithNewRide();
    Visible = false;
}

void RideAssistant::onNewRide() {
    if (offerToSaveChanges()) restartWithNewRide();
}
void RideAssistant::onOpenRide() { openRide(); }
void RideAssistant::onSaveRide() { saveRide(); }
void RideAssistant::onBuildRide() { buildRide(); }
void RideAssistant::onCloseAssistant() { onClose(); }

// ---- lists ---------------------------------------------------------------------------------------

void RideAssistant::onCarTypeChosen() { moveItem(txtWagentypen, lstSelWagen, txtWagentypen.ItemIndex); }

void RideAssistant::onChosenCarTypeRemoved() { moveItem(lstSelWagen, txtWagentypen, lstSelWagen.ItemIndex); }

void RideAssistant::moveToChosenSections(size_t availableIndex) {
    if (moveItem(txtStreckensektionen, lstSelSektionen, static_cast<int>(availableIndex))) {
        lstStreckensektionskosten.Items.push_back("10");
    }
}

void RideAssistant::onTrackSectionChosen() {
    if (txtStreckensektionen.hasSelection()) moveToChosenSections(static_cast<size_t>(txtStreckensektionen.ItemIndex));
}

void RideAssistant::onChosenSectionRemoved() {
    if (!lstSelSektionen.hasSelection()) return;
    const auto index = static_cast<size_t>(lstSelSektionen.ItemIndex);
    insertSorted(txtStreckensektionen.Items, lstSelSektionen.Items[index]);
    lstSelSektionen.Items.erase(lstSelSektionen.Items.begin() + static_cast<std::ptrdiff_t>(index));
    if (index < lstStreckensektionskosten.Items.size()) {
        lstStreckensektionskosten.Items.erase(lstStreckensektionskosten.Items.begin() +
                                              static_cast<std::ptrdiff_t>(index));
    }
    lstSelSektionen.ItemIndex = -1;
    lstStreckensektionskosten.ItemIndex = -1;
}

void RideAssistant::onSectionCostRemoved() {
    if (!lstStreckensektionskosten.hasSelection()) return;
    auto& cost = lstStreckensektionskosten.Items[static_cast<size_t>(lstStreckensektionskosten.ItemIndex)];
    auto answer = dialogs_.askText(message("sectionCostCaption", language()), message("sectionCostPrompt", language()),
                                   cost);
    if (answer) cost = *answer;
}

void RideAssistant::onChosenSectionSelected() { lstStreckensektionskosten.ItemIndex = lstSelSektionen.ItemIndex; }

void RideAssistant::onSectionCostSelected() { lstSelSektionen.ItemIndex = lstStreckensektionskosten.ItemIndex; }

void RideAssistant::onExtraTrackTypeChosen() {
    if (!lstZusatzTrackListe.hasSelection()) return;
    // A ride holds at most ten additional track types.
    if (SelZusatzTrackListe.Items.size() >= kMaxAdditionalTrackTypes) return;
    moveItem(lstZusatzTrackListe, SelZusatzTrackListe, lstZusatzTrackListe.ItemIndex);
}

void RideAssistant::onChosenExtraTrackTypeRemoved() {
    if (!SelZusatzTrackListe.hasSelection()) return;
    const auto index = static_cast<size_t>(SelZusatzTrackListe.ItemIndex);
    insertSorted(lstZusatzTrackListe.Items, SelZusatzTrackListe.Items[index]);
    SelZusatzTrackListe.Items.erase(SelZusatzTrackListe.Items.begin() + static_cast<std::ptrdiff_t>(index));
    SelZusatzTrackListe.ItemIndex = -1;
}

void RideAssistant::returnChosenSections() {
    for (const auto& name : lstSelSektionen.Items) insertSorted(txtStreckensektionen.Items, name);
    lstSelSektionen.clear();
    lstStreckensektionskosten.clear();
}

void RideAssistant::onChosenCarTypesMouseUp(bool rightButton) {
    if (!rightButton) return;
    for (const auto& name : lstSelWagen.Items) txtWagentypen.Items.push_back(name);
    lstSelWagen.clear();
}

void RideAssistant::onChosenSectionsMouseUp(bool rightButton) {
    if (rightButton) returnChosenSections();
}

void RideAssistant::onChosenExtraTrackTypesMouseUp(bool rightButton) {
    if (!rightButton) return;
    for (const auto& name : SelZusatzTrackListe.Items) insertSorted(lstZusatzTrackListe.Items, name);
    SelZusatzTrackListe.clear();
}

void RideAssistant::onStartModesMouseUp(bool rightButton) {
    if (rightButton) lstBahnStartArt.clearChecks();
}

void RideAssistant::onPreStartModesMouseUp(bool rightButton) {
    if (rightButton) lstPreStart.clearChecks();
}

void RideAssistant::onPreStartModeTicked(int index) {
    if (index < 0 || static_cast<size_t>(index) >= lstPreStart.Items.size()) return;
    lstPreStart.ItemIndex = index;
    lstPreStart.clearChecks();
    lstPreStart.Checked[static_cast<size_t>(index)] = true;
}

void RideAssistant::onInsertTrackSections() {
    // A clipboard without text adds nothing.
    addSections(dialogs_.clipboardText());
}

void RideAssistant::addSections(const std::string& text) {
    // Words end at blanks, line breaks and commas, none of which a section name can hold, so a
    // line copied from a ride data file works as well as a list of names.
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(" \t\r\n,", start);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) continue;
        for (size_t i = 0; i < txtStreckensektionen.Items.size();) {
            if (txtStreckensektionen.Items[i] == word) {
                moveToChosenSections(i);
            } else {
                ++i;
            }
        }
    }
}

void RideAssistant::selectTrackSections(size_t first, size_t last) {
    for (size_t position = first; position < last && position < TrackListe.Items.size(); ++position) {
        const std::string& name = TrackListe.Items[position];
        for (size_t i = 0; i < txtStreckensektionen.Items.size();) {
            if (txtStreckensektionen.Items[i] == name) {
                moveToChosenSections(i);
            } else {
                ++i;
            }
        }
    }
}

void RideAssistant::chooseTrackType(size_t menuIndex) {
    if (menuIndex >= trackTypeMenu.size()) return;
    const TrackMenuItem& item = trackTypeMenu[menuIndex];
    if (item.first == item.end) {
        // Neither the shipped lists nor the game folder named a section of this type.
        dialogs_.showMessage(message("assistantNoTrackSections", language(),
                                     {item.trackType, displayName(host_.gamePath())}));
        return;
    }
    // The menu item's positions run to the next header, so every section of the type is added.
    selectTrackSections(item.first, item.end);
}

void RideAssistant::onSpeedUnitChosen() { showValuesWithoutKeys(); }

void RideAssistant::onRollerCoasterPreset() {
    for (const auto& row : kRatingDefaults) {
        for (size_t c = 0; c < 3; ++c) {
            edit(std::string(row.controlStem) + std::string(kRatingColumns[c]))->Text = std::string(row.coaster[c]);
        }
    }
    showNumbersWithSeparator();
}

void RideAssistant::onThemedRidePreset() {
    for (const auto& row : kRatingDefaults) {
        for (size_t c = 0; c < 3; ++c) {
            edit(std::string(row.controlStem) + std::string(kRatingColumns[c]))->Text = std::string(row.themeRide[c]);
        }
    }
    showNumbersWithSeparator();
}

// ---- input ---------------------------------------------------------------------------------------

bool RideAssistant::onNumberFieldKey(TEdit& field, char key) {
    auto typed = typeIntoNumberField(field.Text, field.SelStart, field.SelLength, key, decimalSeparator());
    if (!typed) return false;
    field.Text = std::move(typed->text);
    field.SelStart = typed->caret;
    field.SelLength = 0;
    return true;
}

void RideAssistant::PasteIntoNumberField(TEdit& field) {
    // The selection goes first, then each character as typed.
    if (field.SelLength > 0) onNumberFieldKey(field, kBackspaceKey);
    for (char c : dialogs_.clipboardText()) {
        if (c != kBackspaceKey) onNumberFieldKey(field, c);
    }
}

char RideAssistant::decimalSeparator() const { return zw::decimalSeparator(host_.useEnglish()); }

// ---- reset and new ride --------------------------------------------------------------------------

void RideAssistant::resetRideLists() {
    for (const auto& name : lstSelWagen.Items) txtWagentypen.Items.push_back(name);
    lstSelWagen.clear();
    returnChosenSections();
    for (const auto& name : SelZusatzTrackListe.Items) insertSorted(lstZusatzTrackListe.Items, name);
    SelZusatzTrackListe.clear();
    lstStreckentypen.ItemIndex = lstStreckentypen.Items.empty() ? -1 : 0;
    lstStationstyp.ItemIndex = -1;
    lstBahnStartArt.clearChecks();
    lstPreStart.clearChecks();
}

void RideAssistant::restartWithNewRide() {
    host_.restart();
    resetRideLists();
    newRideValues();
}

void RideAssistant::newRideValues() {
    rideFromFile_ = false;

    txtBahnName.Text = "Mein CTR";
    txtBahnBeschreibung.Text = "Mein eigener CTR";
    lstIcons.select(indexOf(lstIcons.Items, "CTR"));
    lstIcons.Text = "CTR";
    lstKategorie.ItemIndex = 3;
    if (int car = indexOf(txtWagentypen.Items, "6PeepWoodenRC"); car >= 0) moveItem(txtWagentypen, lstSelWagen, car);
    for (const char* section : {"stationmiddle", "straight"}) {
        if (int i = indexOf(txtStreckensektionen.Items, section); i >= 0) moveToChosenSections(static_cast<size_t>(i));
    }
    txtMinRunden.Text = "1";
    txtMaxRunden.Text = "10";
    txtZugAnzahl.Text = "-1";
    lstStationstyp.ItemIndex = indexOf(lstStationstyp.Items, "Standard");
    lstBahnStartArt.Checked[0] = true;   // "kontinuierlicher Kreis"
    lstBahnStartArt.Checked[11] = true;  // "ReverseCableLifthill"
    lstPreStart.Checked[0] = true;
    txtBauKostenHoehe.Text = "16,000";
    txtMaxBauHoehe.Text = "100";
    txtLichtraumProfilhoehe.Text = "1,900";
    txtGeschlosseneStrecke.Checked = true;
    txtAmpelTestphase.Checked = true;
    for (TCheckBox* box : {&txtFertigstellung, &txtWagenrotation, &txtNurVolllast, &txtKeineKinder, &txtBlockmodus,
                           &txtFliessendesWasser, &txtStreckenVerlauf, &txtKonstanteGeschwindigkeit,
                           &txtBahnSynconisieren, &txtVorRueckFreiRotation, &txtVierAchsenRotation,
                           &txtVertikalInversion}) {
        box->Checked = false;
    }
    lstGeschwindigkeitsEinheit.ItemIndex = 0;
    txtRollGeschwindigkeitStation.Text = "8,000";
    txtMinStartgeschwindigkeit.Text = "3,000";
    txtMaxStartgeschwindigkeit.Text = "50,000";
    txtStdGeschwindigkeit.Text = "20,000";
    txtMinLiftkettenGeschwindigkeit.Text = "1,000";
    txtMaxLiftkettenGeschwindigkeit.Text = "25,000";
    txtStdLiftkettenGeschwindigkeit.Text = "4,000";
    txtMinKonstanteGeschwindigkeit.Text = "1,000";
    txtMaxKonstanteGeschwindigkeit.Text = "25,000";
    txtStdKonstanteGeschwindigkeit.Text = "5,000";
    txtKostenVorschau.Text = "2500,000";
    txtKostenBasis.Text = "49,600";
    txtKostenProZug.Text = "11,000";
    txtKostenProWagen.Text = "3,000";
    txtKostenProStation.Text = "10,000";
    txtKonstWasserGeschwindigkeit.Text = "1,900";
    txtWasserBeschleunigung.Text = "2,000";
    txtWasserBremsFaktor.Text = "30000,000";
    txtZuverlaessigkeit.Text = "10,000";
    txtAttraktionsAttraktivitaet.Text = "60";
    txtBergAufAbEinfluss.Text = "1,000";
    chkAddOn.Checked = host_.addOnsEnabled();
    onRollerCoasterPreset();
    for (TEdit* text : {&lblMidSection, &lblTopSection, &lblMidSectionB, &lblTopSectionB, &lblTopTime, &lblSpezialWagenA,
                        &lblSpezialWagenB}) {
        text->Text.clear();
    }
    lblTopLength.Text = "0,010";
    lblSpezialWagenWartepositionA.Text = "0,000";
    lblSpezialWagenEinhakpositionA.Text = "0,000";
    showValuesWithoutKeys();
    showNumbersWithSeparator();
    lastName_.clear();
    savedState_ = controlState();
}

// ---- language ------------------------------------------------------------------------------------

void RideAssistant::applyLanguage(bool english) {
    for (const auto& text : languageTable()) {
        if (text.target.find('[') != std::string_view::npos) continue;  // list items, below
        Captions[std::string(text.target)] = std::string(english ? text.english : text.german);
    }
    for (const auto& text : uncaptionedControlTexts()) {
        Captions[std::string(text.target)] = std::string(english ? text.english : text.german);
    }
    lstKategorie.Items = categoryItems(english);
    lstBahnStartArt.Items = startOptionItems(english);
    lstPreStart.Items = startOptionItems(english);
}

std::string RideAssistant::captionOf(std::string_view control) const {
    // The label that names a control for the user: the one its binding names (with the column of a
    // rating), an edit label, or the label beside an edit.
    auto caption = [this](std::string_view target) {
        auto it = Captions.find(target);
        return it != Captions.end() ? it->second : std::string(target);
    };
    if (const ControlBinding* binding = bindingOf(control)) {
        std::string text = caption(binding->caption);
        if (!binding->columnCaption.empty()) text += " / " + caption(binding->columnCaption);
        return text;
    }
    if (control == "lstStreckensektionskosten") return caption("lblKosten");
    std::string name(control);
    if (auto it = Captions.find(name + ".EditLabel"); it != Captions.end()) return it->second;
    if (name.rfind("txt", 0) == 0) {
        if (auto it = Captions.find("lbl" + name.substr(3)); it != Captions.end()) return it->second;
    }
    if (auto it = Captions.find(name); it != Captions.end()) return it->second;
    return name;
}

}  // namespace zw
