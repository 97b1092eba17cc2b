// The assistant's side of the ride fields: storing the controls into them (storeControlsIntoRide),
// filling the controls from them after a file was opened, and the open, save and build commands.

#include <algorithm>
#include <cmath>

#include "assistant/CommaDecimal.h"
#include "assistant/RideAssistant.h"
#include "base/Encoding.h"
#include "datafiles/RideData.h"

namespace zw {
namespace {

constexpr double kMetricFactor = 0.277778;
constexpr double kImperialFactor = 0.44704;
// The early animation end; the reader never sets it, only the assistant does.
constexpr uint32_t kFlagEarlyAnimationEnd = 32;

// Ride category items 7, 8 and 9 stand for the categories 15, 16 and 17.
int32_t categoryOfItem(int item) { return item >= 7 ? item + 8 : item; }
int itemOfCategory(int32_t category) {
    if (category >= 0 && category <= 6) return category;
    if (category >= 15 && category <= 17) return category - 8;
    return -1;
}

int findIdentifier(const std::vector<std::string>& items, const std::string& name) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (sameIdentifier(items[i], name)) return static_cast<int>(i);
    }
    return -1;
}

// The characters a ride name or folder name cannot hold, because it becomes part of a path.
bool isUsableName(const std::string& name) {
    return name.find_first_of("/\\:*?\"<>|") == std::string::npos && name != "." && name != "..";
}

// Reads the controls' texts into values; the first text that cannot be stored throws.
class ControlReader {
public:
    std::string text(const TEdit& edit, const char* name) const { return cp1252(edit.Text, name); }
    std::string cp1252(const std::string& utf8, const char* name) const {
        try {
            return utf8ToCp1252(utf8);
        } catch (const EncodingError&) {
            throw AssistantInputError(name, utf8, false);
        }
    }
    double number(const TEdit& edit, const char* name) const {
        auto value = commaTextToDouble(edit.Text);
        if (!value) throw AssistantInputError(name, edit.Text, true);
        return *value;
    }
    int32_t hundredths(const std::string& text, const char* name) const {
        auto value = commaTextToHundredths(text);
        if (!value) throw AssistantInputError(name, text, true);
        return *value;
    }
    int32_t integer(const TEdit& edit, const char* name) const {
        auto value = commaTextToInt(edit.Text);
        if (!value) throw AssistantInputError(name, edit.Text, true);
        return *value;
    }
    int32_t truncated(const TEdit& edit, const char* name) const {
        auto value = commaTextToTruncatedInt(edit.Text);
        if (!value) throw AssistantInputError(name, edit.Text, true);
        return *value;
    }
};

#define ZW_CONTROL(control) control, #control

}  // namespace

void RideAssistant::storeControlsIntoRide() {
    RideData& target = host_.rideData();
    RideData ride = target;  // stored only when every control could be read
    const ControlReader read;

    // Values without controls. A ride opened from a file keeps the file's values for them; a new
    // ride gets the fixed values.
    if (!rideFromFile_) {
        ride.PeepLoopSplineName.clear();
        ride.PeepPathSplineName.clear();
        ride.SpezialWagentypABergaufGeschw = 6.0;
        ride.SpezialWagentypABergabGeschw = -10.0;
        ride.TowerRideUnknown1 = 0;
        ride.TowerRideUnknown2 = 0;
        ride.Unknowns = 0;
    }
    ride.SpezialWagentypAName.clear();
    ride.SpezialWagentypBName.clear();
    ride.SpezialTrackSectionNameAMitte.clear();
    ride.SpezialTrackSectionNameAEnde.clear();
    ride.SpezialTrackSectionNameBMitte.clear();
    ride.SpezialTrackSectionNameBEnde.clear();
    ride.TowerRideSpitzenDauer = 0.0;
    ride.TowerRideSpitzenAbstand = 0.01;
    ride.SpezialWagentypAVersatzWarten = 0.0;
    ride.SpezialWagentypAVersatzEinhaken = 0.0;

    ride.BahnName = read.text(ZW_CONTROL(txtBahnName));
    ride.BahnDescription = read.text(ZW_CONTROL(txtBahnBeschreibung));
    ride.BahnIcon = read.cp1252(lstIcons.Text, "lstIcons");
    if (lstKategorie.hasSelection()) ride.BahnKategorie = categoryOfItem(lstKategorie.ItemIndex);

    ride.WagentypName.clear();
    for (const auto& car : lstSelWagen.Items) ride.WagentypName.push_back(read.cp1252(car, "lstSelWagen"));
    ride.TrackSectionName.clear();
    ride.TrackSectionKosten.clear();
    for (size_t i = 0; i < lstSelSektionen.Items.size(); ++i) {
        ride.TrackSectionName.push_back(read.cp1252(lstSelSektionen.Items[i], "lstSelSektionen"));
        ride.TrackSectionKosten.push_back(i < lstStreckensektionskosten.Items.size()
                                              ? read.hundredths(lstStreckensektionskosten.Items[i],
                                                                "lstStreckensektionskosten")
                                              : 1000);
    }
    if (lstStreckentypen.hasSelection()) ride.TrackTyp = read.cp1252(lstStreckentypen.selectedText(), "lstStreckentypen");
    ride.ZusatzTrackTyp.clear();
    for (const auto& type : SelZusatzTrackListe.Items) {
        if (ride.ZusatzTrackTyp.size() == kZusatzTrackTypLimit) break;
        ride.ZusatzTrackTyp.push_back(read.cp1252(type, "SelZusatzTrackListe"));
    }

    ride.BaukostenHoehe4H = read.hundredths(txtBauKostenHoehe.Text, "txtBauKostenHoehe");
    if (lstStationstyp.hasSelection()) ride.Stationstyp = read.cp1252(lstStationstyp.selectedText(), "lstStationstyp");
    ride.StationshoeheueberGleis = read.truncated(ZW_CONTROL(txtHoeheUeberGleis));
    ride.LichtraumprofilHoehe = read.number(ZW_CONTROL(txtLichtraumProfilhoehe));
    ride.BauhoeheMax = read.integer(ZW_CONTROL(txtMaxBauHoehe));

    ride.BahnstartPreset = 0;
    for (size_t i = 0; i < lstPreStart.Checked.size(); ++i) {
        if (lstPreStart.Checked[i]) ride.BahnstartPreset = static_cast<int32_t>(i);
    }
    ride.BahnstartMoeglichkeiten = 0;
    for (size_t i = 0; i < lstBahnStartArt.Checked.size() && i < 16; ++i) {
        if (lstBahnStartArt.Checked[i]) ride.BahnstartMoeglichkeiten += int32_t{1} << i;
    }

    ride.BaunuraufWasserFlag = txtNurWasser.Checked ? 1 : 0;
    ride.RideFlags = kFlagAlwaysSet;
    if (txtKeineKinder.Checked) ride.RideFlags += kFlagNoChildren;
    if (txtFliessendesWasser.Checked) ride.RideFlags += kFlagNoFlowingWaterTexture;
    if (!txtAmpelTestphase.Checked) ride.RideFlags += kFlagRedGreenLight;
    if (txtAnimFahrtEnde.Checked) ride.RideFlags += kFlagEarlyAnimationEnd;
    if (txtNurVolllast.Checked) ride.RideFlags += kFlagFullLoad;
    if (txtStreckenVerlauf.Checked) ride.RideFlags += kFlagRideBetweenTrackSplines;

    ride.BlockaufteilungsFlag = txtBlockmodus.Checked ? 1 : 0;
    ride.RundenanzahlMin = read.truncated(ZW_CONTROL(txtMinRunden));
    ride.RundenanzahlMax = read.integer(ZW_CONTROL(txtMaxRunden));
    ride.AutoFertigstellungFlag = txtFertigstellung.Checked ? 1 : 0;
    ride.WagenRotationswinkelFlag = txtWagenrotation.Checked ? 1 : 0;
    ride.SchleifenUnzulaessigFlag = txtGeschlosseneStrecke.Checked ? 0 : 1;
    ride.AnjederStelleabbaubarFlag = txtAbrissMoeglichkeit.Checked ? 1 : 0;
    if (txtAlleModi.Checked) ride.BetriebsmodusanzeigenFlag = -1;

    switch (lstGeschwindigkeitsEinheit.ItemIndex) {
        case 0: ride.SpeedUnitFactor = 1.0; break;
        case 1: ride.SpeedUnitFactor = kMetricFactor; break;
        case 2: ride.SpeedUnitFactor = kImperialFactor; break;
        default: break;  // nothing selected: the factor keeps its value
    }
    ride.InAusStationRollgeschw = read.number(ZW_CONTROL(txtRollGeschwindigkeitStation));
    ride.LiftkettengeschwMin = read.number(ZW_CONTROL(txtMinLiftkettenGeschwindigkeit));
    ride.LiftkettengeschwMax = read.number(ZW_CONTROL(txtMaxLiftkettenGeschwindigkeit));
    ride.LiftkettengeschwPreset = read.number(ZW_CONTROL(txtStdLiftkettenGeschwindigkeit));
    ride.LiftkettengeschwStep = read.number(ZW_CONTROL(txtKettenSchrittweite));
    ride.LiftkettenEinrastung = read.number(ZW_CONTROL(txtLiftkettenEinrastung));
    ride.StartgeschwMin = read.number(ZW_CONTROL(txtMinStartgeschwindigkeit));
    ride.StartgeschwMax = read.number(ZW_CONTROL(txtMaxStartgeschwindigkeit));
    ride.StartgeschwPreset = read.number(ZW_CONTROL(txtStdGeschwindigkeit));
    ride.StartgeschwStep = read.number(ZW_CONTROL(txtStartSchrittweite));
    ride.KonstantgeschwFlag = txtKonstanteGeschwindigkeit.Checked ? 1 : 0;
    ride.KonstantgeschwMin = read.number(ZW_CONTROL(txtMinKonstanteGeschwindigkeit));
    ride.KonstantgeschwMax = read.number(ZW_CONTROL(txtMaxKonstanteGeschwindigkeit));
    ride.KonstantgeschwPreset = read.number(ZW_CONTROL(txtStdKonstanteGeschwindigkeit));
    ride.KonstantgeschwStep = read.number(ZW_CONTROL(txtKonstanteGeschwindigkeitSchrittweite));
    ride.BergaufabAbweichung = read.number(ZW_CONTROL(txtBergAufAbEinfluss));

    ride.BahnkostenVorschau = read.hundredths(txtKostenVorschau.Text, "txtKostenVorschau");
    ride.BetriebskostenBasis = read.hundredths(txtKostenBasis.Text, "txtKostenBasis");
    ride.BetriebskostenproZug = read.hundredths(txtKostenProZug.Text, "txtKostenProZug");
    ride.BetriebskostenproWagen = read.hundredths(txtKostenProWagen.Text, "txtKostenProWagen");
    ride.BetriebskostenproStation = read.hundredths(txtKostenProStation.Text, "txtKostenProStation");

    // Rating rows: every factor 1.0; rows without controls 0.
    for (auto& row : ride.RatingCoefficients) row = {0.0, 0.0, 0.0, 1.0};
    for (const auto& row : ratingControlRows()) {
        static constexpr const char* kColumns[3] = {"Err", "Int", "Ueb"};
        for (size_t c = 0; c < 3; ++c) {
            const std::string name = std::string(row.controlStem) + kColumns[c];
            ride.RatingCoefficients[static_cast<size_t>(row.row - 1)][c] = read.number(*edit(name), name.c_str());
        }
    }

    ride.Zuverlaessigkeitsabnahme = read.number(ZW_CONTROL(txtZuverlaessigkeit));
    ride.PeepAttraktivitaet = read.integer(ZW_CONTROL(txtAttraktionsAttraktivitaet));
    ride.VorRueckFreiRotationFlag = txtVorRueckFreiRotation.Checked ? 1 : 0;
    ride.VierAchsenRotationswinkelFlag = txtVierAchsenRotation.Checked ? 1 : 0;
    ride.VertikalInversionswechselFlag = txtVertikalInversion.Checked ? 1 : 0;
    ride.ZuganzahlPreset = read.integer(ZW_CONTROL(txtZugAnzahl));
    ride.StationenSyncFlag = txtBahnSynconisieren.Checked ? 1 : 0;
    ride.WaterSectionKonstantgeschw = read.number(ZW_CONTROL(txtKonstWasserGeschwindigkeit));
    ride.WaterSectionBeschleunigung = read.number(ZW_CONTROL(txtWasserBeschleunigung));
    ride.WaterSectionAbbremsung = read.number(ZW_CONTROL(txtWasserBremsFaktor));

    // The tower and special car tab overwrites the fixed values where its fields are filled.
    ride.SpezialTrackSectionNameAMitte = read.text(ZW_CONTROL(lblMidSection));
    ride.SpezialTrackSectionNameAEnde = read.text(ZW_CONTROL(lblTopSection));
    ride.SpezialTrackSectionNameBMitte = read.text(ZW_CONTROL(lblMidSectionB));
    ride.SpezialTrackSectionNameBEnde = read.text(ZW_CONTROL(lblTopSectionB));
    ride.SpezialWagentypAName = read.text(ZW_CONTROL(lblSpezialWagenA));
    ride.SpezialWagentypBName = read.text(ZW_CONTROL(lblSpezialWagenB));
    if (!lblTopTime.Text.empty()) ride.TowerRideSpitzenDauer = read.number(ZW_CONTROL(lblTopTime));
    if (!lblTopLength.Text.empty()) ride.TowerRideSpitzenAbstand = read.number(ZW_CONTROL(lblTopLength));
    if (!lblSpezialWagenWartepositionA.Text.empty()) {
        ride.SpezialWagentypAVersatzWarten = read.number(ZW_CONTROL(lblSpezialWagenWartepositionA));
    }
    if (!lblSpezialWagenEinhakpositionA.Text.empty()) {
        ride.SpezialWagentypAVersatzEinhaken = read.number(ZW_CONTROL(lblSpezialWagenEinhakpositionA));
    }

    target = std::move(ride);
}

// ---- filling the controls from an opened file ----------------------------------------------------

namespace {

// Puts `name` from the file into `chosen` as the file spells it and takes it (in any letter case)
// out of `available`; a name the list does not offer is chosen all the same, so nothing of the
// file is lost.
void choose(TListBox& available, TListBox& chosen, const std::string& name) {
    int index = findIdentifier(available.Items, name);
    if (index >= 0) available.Items.erase(available.Items.begin() + index);
    chosen.Items.push_back(name);
}

// Selects the item named `name`, adding it when the list does not offer it.
void selectOrAdd(TListBox& list, const std::string& name) {
    int index = findIdentifier(list.Items, name);
    if (index < 0) {
        list.Items.push_back(name);
        index = static_cast<int>(list.Items.size()) - 1;
    }
    list.ItemIndex = index;
}

}  // namespace

bool RideAssistant::detectAddOnSettings() const {
    const RideData& ride = host_.rideData();
    // A file without water keys holds the reader's defaults, which are no add-on settings either.
    const bool plainAcceleration = ride.WaterSectionBeschleunigung == 2.0 || ride.WaterSectionBeschleunigung == 200.0;
    const bool plainDeceleration = ride.WaterSectionAbbremsung == 30000.0 || ride.WaterSectionAbbremsung == 3000.0;
    const bool none = ride.ZuganzahlPreset == -1 && ride.StationenSyncFlag != 1 && ride.VorRueckFreiRotationFlag != 1 &&
                      ride.VierAchsenRotationswinkelFlag != 1 && ride.VertikalInversionswechselFlag != 1 &&
                      plainAcceleration && plainDeceleration && ride.WaterSectionKonstantgeschw == 1.9;
    return !none;
}

void RideAssistant::fillControlsFromRide() {
    const RideData& ride = host_.rideData();
    auto shown = [](const std::string& cp1252) { return cp1252ToUtf8(cp1252); };
    auto setNumber = [](TEdit& edit, double value) { edit.Text = doubleToCommaText(value); };
    auto setAmount = [](TEdit& edit, int32_t amount) { edit.Text = hundredthsToCommaText(amount); };
    auto setInteger = [](TEdit& edit, int32_t value) { edit.Text = std::to_string(value); };

    txtBahnName.Text = shown(ride.BahnName);
    txtBahnBeschreibung.Text = shown(ride.BahnDescription);
    lstIcons.ItemIndex = findIdentifier(lstIcons.Items, shown(ride.BahnIcon));
    lstIcons.Text = shown(ride.BahnIcon);
    lstKategorie.ItemIndex = itemOfCategory(ride.BahnKategorie);

    for (const auto& car : ride.WagentypName) choose(txtWagentypen, lstSelWagen, shown(car));
    for (size_t i = 0; i < ride.TrackSectionName.size(); ++i) {
        choose(txtStreckensektionen, lstSelSektionen, shown(ride.TrackSectionName[i]));
        lstStreckensektionskosten.Items.push_back(
            hundredthsToCommaText(i < ride.TrackSectionKosten.size() ? ride.TrackSectionKosten[i] : 1000));
    }
    selectOrAdd(lstStreckentypen, shown(ride.TrackTyp));
    for (const auto& type : ride.ZusatzTrackTyp) choose(lstZusatzTrackListe, SelZusatzTrackListe, shown(type));

    setAmount(txtBauKostenHoehe, ride.BaukostenHoehe4H);
    if (sameIdentifier(ride.Stationstyp, "kein") || sameIdentifier(ride.Stationstyp, "keine")) {
        selectOrAdd(lstStationstyp, "none");
    } else {
        selectOrAdd(lstStationstyp, shown(ride.Stationstyp));
    }
    setInteger(txtHoeheUeberGleis, ride.StationshoeheueberGleis);
    setNumber(txtLichtraumProfilhoehe, ride.LichtraumprofilHoehe);
    setInteger(txtMaxBauHoehe, ride.BauhoeheMax);
    for (size_t i = 0; i < lstBahnStartArt.Checked.size() && i < 16; ++i) {
        lstBahnStartArt.Checked[i] = (static_cast<uint32_t>(ride.BahnstartMoeglichkeiten) >> i) & 1u;
    }
    if (ride.BahnstartPreset >= 0 && static_cast<size_t>(ride.BahnstartPreset) < lstPreStart.Checked.size()) {
        lstPreStart.Checked[static_cast<size_t>(ride.BahnstartPreset)] = true;
    }

    txtNurWasser.Checked = ride.BaunuraufWasserFlag == 1;
    txtKeineKinder.Checked = ride.RideFlags & kFlagNoChildren;
    txtFliessendesWasser.Checked = ride.RideFlags & kFlagNoFlowingWaterTexture;
    txtAmpelTestphase.Checked = !(ride.RideFlags & kFlagRedGreenLight);
    txtAnimFahrtEnde.Checked = ride.RideFlags & kFlagEarlyAnimationEnd;
    txtNurVolllast.Checked = ride.RideFlags & kFlagFullLoad;
    txtStreckenVerlauf.Checked = ride.RideFlags & kFlagRideBetweenTrackSplines;
    txtBlockmodus.Checked = ride.BlockaufteilungsFlag == 1;
    setInteger(txtMinRunden, ride.RundenanzahlMin);
    setInteger(txtMaxRunden, ride.RundenanzahlMax);
    txtFertigstellung.Checked = ride.AutoFertigstellungFlag == 1;
    txtWagenrotation.Checked = ride.WagenRotationswinkelFlag == 1;
    txtGeschlosseneStrecke.Checked = ride.SchleifenUnzulaessigFlag != 1;
    txtAbrissMoeglichkeit.Checked = ride.AnjederStelleabbaubarFlag == 1;
    txtAlleModi.Checked = ride.BetriebsmodusanzeigenFlag == -1;

    if (ride.SpeedUnitFactor == kMetricFactor) {
        lstGeschwindigkeitsEinheit.ItemIndex = 1;
    } else if (ride.SpeedUnitFactor == kImperialFactor) {
        lstGeschwindigkeitsEinheit.ItemIndex = 2;
    } else {
        lstGeschwindigkeitsEinheit.ItemIndex = 0;
    }
    setNumber(txtRollGeschwindigkeitStation, ride.InAusStationRollgeschw);
    setNumber(txtMinLiftkettenGeschwindigkeit, ride.LiftkettengeschwMin);
    setNumber(txtMaxLiftkettenGeschwindigkeit, ride.LiftkettengeschwMax);
    setNumber(txtStdLiftkettenGeschwindigkeit, ride.LiftkettengeschwPreset);
    setNumber(txtKettenSchrittweite, ride.LiftkettengeschwStep);
    setNumber(txtLiftkettenEinrastung, ride.LiftkettenEinrastung);
    setNumber(txtMinStartgeschwindigkeit, ride.StartgeschwMin);
    setNumber(txtMaxStartgeschwindigkeit, ride.StartgeschwMax);
    setNumber(txtStdGeschwindigkeit, ride.StartgeschwPreset);
    setNumber(txtStartSchrittweite, ride.StartgeschwStep);
    txtKonstanteGeschwindigkeit.Checked = ride.KonstantgeschwFlag == 1;
    setNumber(txtMinKonstanteGeschwindigkeit, ride.KonstantgeschwMin);
    setNumber(txtMaxKonstanteGeschwindigkeit, ride.KonstantgeschwMax);
    setNumber(txtStdKonstanteGeschwindigkeit, ride.KonstantgeschwPreset);
    setNumber(txtKonstanteGeschwindigkeitSchrittweite, ride.KonstantgeschwStep);
    setNumber(txtBergAufAbEinfluss, ride.BergaufabAbweichung);

    setAmount(txtKostenVorschau, ride.BahnkostenVorschau);
    setAmount(txtKostenBasis, ride.BetriebskostenBasis);
    setAmount(txtKostenProZug, ride.BetriebskostenproZug);
    setAmount(txtKostenProWagen, ride.BetriebskostenproWagen);
    setAmount(txtKostenProStation, ride.BetriebskostenproStation);
    setAmount(txtEintrittspreis, ride.EintrittspreisPreset);

    for (const auto& row : ratingControlRows()) {
        static constexpr const char* kColumns[3] = {"Err", "Int", "Ueb"};
        for (size_t c = 0; c < 3; ++c) {
            setNumber(*edit(std::string(row.controlStem) + kColumns[c]),
                      ride.RatingCoefficients[static_cast<size_t>(row.row - 1)][c]);
        }
    }

    setNumber(txtZuverlaessigkeit, ride.Zuverlaessigkeitsabnahme);
    setInteger(txtAttraktionsAttraktivitaet, ride.PeepAttraktivitaet);
    txtVorRueckFreiRotation.Checked = ride.VorRueckFreiRotationFlag == 1;
    txtVierAchsenRotation.Checked = ride.VierAchsenRotationswinkelFlag == 1;
    txtVertikalInversion.Checked = ride.VertikalInversionswechselFlag == 1;
    setInteger(txtZugAnzahl, ride.ZuganzahlPreset);
    txtBahnSynconisieren.Checked = ride.StationenSyncFlag == 1;
    setNumber(txtKonstWasserGeschwindigkeit, ride.WaterSectionKonstantgeschw);
    setNumber(txtWasserBeschleunigung, ride.WaterSectionBeschleunigung);
    setNumber(txtWasserBremsFaktor, ride.WaterSectionAbbremsung);

    lblMidSection.Text = shown(ride.SpezialTrackSectionNameAMitte);
    lblTopSection.Text = shown(ride.SpezialTrackSectionNameAEnde);
    lblMidSectionB.Text = shown(ride.SpezialTrackSectionNameBMitte);
    lblTopSectionB.Text = shown(ride.SpezialTrackSectionNameBEnde);
    setNumber(lblTopTime, ride.TowerRideSpitzenDauer);
    setNumber(lblTopLength, ride.TowerRideSpitzenAbstand);
    lblSpezialWagenA.Text = shown(ride.SpezialWagentypAName);
    lblSpezialWagenB.Text = shown(ride.SpezialWagentypBName);
    setNumber(lblSpezialWagenWartepositionA, ride.SpezialWagentypAVersatzWarten);
    setNumber(lblSpezialWagenEinhakpositionA, ride.SpezialWagentypAVersatzEinhaken);
}

// ---- commands ------------------------------------------------------------------------------------

void RideAssistant::openRide() {
    if (!host_.chooseAndReadRideFile()) return;  // the reader showed why; the controls stay
    resetRideLists();
    chkAddOn.Checked = detectAddOnSettings();
    if (chkAddOn.Checked) dialogs_.showMessage(message("addOnSettingsText", language()));
    chkAddOnClick();
    fillControlsFromRide();
    rideFromFile_ = true;
}

void RideAssistant::showInputError(const AssistantInputError& error) {
    auto cp1252OrPlain = [](const std::string& utf8) {
        try {
            return utf8ToCp1252(utf8);
        } catch (const EncodingError&) {
            return std::string("?");
        }
    };
    const std::string field = cp1252OrPlain(captionOf(error.control));
    if (error.notANumber) {
        dialogs_.showMessage(message("assistantNotANumber", language(), {cp1252OrPlain(error.text), field}));
    } else {
        dialogs_.showMessage(message("assistantTextNotStorable", language(), {field}));
    }
}

// Asks for a name in an input box; nullopt when cancelled or when the name cannot be used (message
// shown). The answer is returned in Windows-1252.
std::optional<std::string> RideAssistant::askName(const char* captionId, const char* promptId, const std::string& defaultName) {
    auto answer = dialogs_.askText(message(captionId, language()), message(promptId, language()), defaultName);
    if (!answer) return std::nullopt;
    std::string name;
    try {
        name = utf8ToCp1252(*answer);
    } catch (const EncodingError&) {
        dialogs_.showMessage(message("assistantBadName", language(), {"?"}));
        return std::nullopt;
    }
    if (!isUsableName(name)) {
        dialogs_.showMessage(message("assistantBadName", language(), {name}));
        return std::nullopt;
    }
    return name;
}

void RideAssistant::saveRide() {
    if (requiredInputMissing()) return;
    try {
        storeControlsIntoRide();
    } catch (const AssistantInputError& error) {
        showInputError(error);
        return;
    }
    auto name = askName("rideNameCaption", "rideNamePrompt", "MeinEigenerCTR");
    if (!name) return;
    // The rewrite forms the file name from the object name without its first four characters.
    host_.rideData().RideObjectName = "    " + *name;
    try {
        host_.rewriteRideFile();
    } catch (const std::exception& e) {
        dialogs_.showMessage(message("assistantSaveFailed", language(), {e.what()}));
    }
}

void RideAssistant::buildRide() {
    if (requiredInputMissing()) return;
    auto answer = askName("folderNameCaption", "folderNamePrompt", "CTR_MeinEigenerCTR");
    if (!answer) return;
    // An empty answer takes the default name, any other gets the prefix it lacks.
    std::string objectName = answer->empty() ? "CTR_MeinEigenerCTR" : *answer;
    if (objectName.rfind("CTR_", 0) != 0) objectName = "CTR_" + objectName;
    try {
        storeControlsIntoRide();
    } catch (const AssistantInputError& error) {
        showInputError(error);
        return;
    }
    RideData& ride = host_.rideData();
    ride.DataFileFolder = host_.buildFolder();
    ride.RideObjectName = objectName;
    host_.buildRidePair();
    host_.showInstallWindow();
}

}  // namespace zw
