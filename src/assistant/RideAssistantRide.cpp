// The assistant's side of the ride fields: storing the controls into them and filling the controls
// from them, both by the binding table (ControlBindings), the input checks before saving and
// building, and the open, save and build commands.

#include <algorithm>
#include <cmath>
#include <limits>

#include "assistant/CheckInput.h"
#include "assistant/CommaDecimal.h"
#include "assistant/ControlBindings.h"
#include "assistant/RideAssistant.h"
#include "base/AsciiCase.h"
#include "base/Encoding.h"
#include "datafiles/RideDataReader.h"
#include "datafiles/RideDataRewrite.h"

namespace zw {
namespace {

constexpr double kMetricFactor = 0.277778;
constexpr double kImperialFactor = 0.44704;
constexpr double kUnitFactors[] = {1.0, kMetricFactor, kImperialFactor};
constexpr const char* kDefaultRideName = "MeinEigenerCTR";
constexpr std::string_view kRideFilePrefix = "CTR_BahnDaten_";
constexpr std::string_view kRideFileSuffix = ".txt";

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
    return !name.empty() && name.find_first_of("/\\:*?\"<>|") == std::string::npos && name != "." && name != "..";
}

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

bool isNumeric(Conversion conversion) {
    switch (conversion) {
        case Conversion::Number:
        case Conversion::Speed:
        case Conversion::Integer:
        case Conversion::WholePart:
        case Conversion::Money: return true;
        default: return false;
    }
}

// A whole-number field's text read by its conversion: an integer, a decimal's whole part, or an
// amount in hundredths.
std::optional<int32_t> wholeNumberOf(Conversion conversion, std::string_view text) {
    switch (conversion) {
        case Conversion::Integer: return commaTextToInt(text);
        case Conversion::WholePart: return commaTextToTruncatedInt(text);
        default: return commaTextToHundredths(text);
    }
}

// The data-file key of a field, for its default.
const DataFileKey* keyOf(const KeyField& field) {
    for (const auto& key : rideKeys()) {
        if (key.field == field) return &key;
    }
    return nullptr;
}

// Whether `utf8` can be stored under the key of `field`: in Windows-1252, and, for a key that holds
// a name, without the blanks and commas that end a name when the file is read.
bool storableText(const std::string& utf8, const KeyField& field) {
    try {
        utf8ToCp1252(utf8);
    } catch (const EncodingError&) {
        return false;
    }
    const DataFileKey* key = keyOf(field);
    return !key || key->values != KeyValues::Text || utf8.find_first_of(" \t,") == std::string::npos;
}

// A field's value as a decimal or an integer, whichever kind of field it is.
double& decimalField(RideData& ride, const KeyField& field) {
    if (const auto* cell = std::get_if<RatingCell>(&field)) return ride.RatingCoefficients[cell->row][cell->column];
    return ride.*std::get<double RideData::*>(field);
}
int32_t& integerField(RideData& ride, const KeyField& field) { return ride.*std::get<int32_t RideData::*>(field); }
double decimalValue(const RideData& ride, const KeyField& field) {
    return decimalField(const_cast<RideData&>(ride), field);
}
int32_t integerValue(const RideData& ride, const KeyField& field) {
    return integerField(const_cast<RideData&>(ride), field);
}
bool flagBitSet(const RideData& ride, const KeyField& field) {
    return (ride.RideFlags & std::get<RideFlagBit>(field).bit) != 0;
}

// The list the author chooses a chosen list's items from.
TListBox* availableListOf(RideAssistant& form, std::string_view chosen) {
    if (chosen == "lstSelWagen") return &form.txtWagentypen;
    if (chosen == "lstSelSektionen") return &form.txtStreckensektionen;
    if (chosen == "SelZusatzTrackListe") return &form.lstZusatzTrackListe;
    return nullptr;
}

std::string cp1252OrPlain(const std::string& utf8) {
    try {
        return utf8ToCp1252(utf8);
    } catch (const EncodingError&) {
        return "?";
    }
}

}  // namespace

// ---- checks --------------------------------------------------------------------------------------

std::vector<InputFault> RideAssistant::inputFaults() {
    std::vector<InputFault> faults;
    const std::vector<std::string_view> required(requiredFields().begin(), requiredFields().end());
    auto isRequired = [&](std::string_view name) {
        return std::find(required.begin(), required.end(), name) != required.end();
    };
    for (const auto& binding : controlBindings()) {
        if (binding.binding == Binding::ShownOnly) continue;
        const std::string name(binding.control);
        if (TEdit* field = edit(name)) {
            if (field->Text.empty()) {
                if (isRequired(name)) faults.push_back({name, InputFault::Kind::Empty, ""});
                continue;
            }
            bool ok = true;
            switch (binding.conversion) {
                case Conversion::Number:
                case Conversion::Speed: ok = commaTextToDouble(field->Text).has_value(); break;
                case Conversion::Integer:
                case Conversion::WholePart:
                case Conversion::Money: ok = wholeNumberOf(binding.conversion, field->Text).has_value(); break;
                default:
                    if (!storableText(field->Text, binding.field)) {
                        faults.push_back({name, InputFault::Kind::NotStorable, ""});
                    }
                    break;
            }
            if (!ok) faults.push_back({name, InputFault::Kind::NotANumber, field->Text});
            continue;
        }
        switch (binding.conversion) {
            case Conversion::IconText:
                if (!storableText(lstIcons.Text, binding.field)) {
                    faults.push_back({name, InputFault::Kind::NotStorable, ""});
                }
                break;
            case Conversion::Category:
            case Conversion::Choice:
                if (!listBox(name)->hasSelection()) faults.push_back({name, InputFault::Kind::NothingChosen, ""});
                break;
            case Conversion::List:
                if (name == "lstSelWagen" && lstSelWagen.Items.empty()) {
                    faults.push_back({name, InputFault::Kind::NothingChosen, ""});
                }
                break;
            case Conversion::SectionList:
                if (lstSelSektionen.Items.empty()) faults.push_back({name, InputFault::Kind::NothingChosen, ""});
                for (const auto& cost : lstStreckensektionskosten.Items) {
                    if (!commaTextToHundredths(cost)) {
                        faults.push_back({"lstStreckensektionskosten", InputFault::Kind::NotANumber, cost});
                    }
                }
                break;
            case Conversion::StartOptions:
                if (!lstBahnStartArt.anyChecked()) faults.push_back({name, InputFault::Kind::NothingChosen, ""});
                break;
            case Conversion::PresetStart:
                if (!lstPreStart.anyChecked()) faults.push_back({name, InputFault::Kind::NothingChosen, ""});
                break;
            default: break;
        }
    }
    return faults;
}

void RideAssistant::showInputFaults(const std::vector<InputFault>& faults) {
    std::string lines;
    for (const auto& fault : faults) {
        std::string reason;
        switch (fault.kind) {
            case InputFault::Kind::Empty: reason = message("assistantFaultEmpty", language()); break;
            case InputFault::Kind::NothingChosen: reason = message("assistantFaultNothingChosen", language()); break;
            case InputFault::Kind::NotANumber:
                reason = message("assistantFaultNotANumber", language(), {cp1252OrPlain(fault.text)});
                break;
            case InputFault::Kind::NotStorable: reason = message("assistantFaultNotStorable", language()); break;
        }
        lines += "\r\n- " + captionOf(fault.control) + ": " + reason;
    }
    dialogs_.showMessage(message("assistantInputFaults", language(), {cp1252OrPlain(lines)}));
}

bool RideAssistant::refuseFaultyInput() {
    const auto faults = inputFaults();
    if (faults.empty()) return false;
    showInputFaults(faults);
    return true;
}

// ---- storing -------------------------------------------------------------------------------------

void RideAssistant::storeControlsIntoRide() {
    RideData& target = host_.rideData();
    RideData ride = target;  // stored only when every control could be read
    std::vector<InputFault> faults;

    auto cp1252 = [&](const std::string& utf8, std::string_view control) {
        try {
            return utf8ToCp1252(utf8);
        } catch (const EncodingError&) {
            faults.push_back({std::string(control), InputFault::Kind::NotStorable, ""});
            return std::string();
        }
    };
    auto text = [&](const std::string& utf8, const ControlBinding& binding) {
        if (!storableText(utf8, binding.field)) {
            faults.push_back({std::string(binding.control), InputFault::Kind::NotStorable, ""});
            return std::string();
        }
        return utf8ToCp1252(utf8);
    };
    // A number's text, or the key's default for a field left empty that need not be filled.
    auto number = [&](const ControlBinding& binding, auto parse) {
        using Value = typename decltype(parse(std::string_view()))::value_type;
        const TEdit& field = *edit(binding.control);
        if (field.Text.empty()) {
            if (const DataFileKey* key = keyOf(binding.field)) {
                // A speed's default is in metres per second; the field holds the ride's unit.
                const double unit = binding.conversion == Conversion::Speed ? ride.SpeedUnitFactor : 1.0;
                return std::optional<Value>(static_cast<Value>(key->number / unit));
            }
        }
        std::optional<Value> value = parse(field.Text);
        if (!value) faults.push_back({std::string(binding.control), InputFault::Kind::NotANumber, field.Text});
        return value;
    };

    // Values without controls. A ride opened from a file keeps the file's values for them; a new
    // ride gets the fixed values.
    if (!rideFromFile_) {
        ride.PeepLoopSplineName.clear();
        ride.PeepPathSplineName.clear();
        ride.SpezialWagentypABergaufGeschw = 6.0;
        ride.SpezialWagentypABergabGeschw = -10.0;
    }
    ride.RideFlags = kFlagAlwaysSet;
    // Rating rows: every factor 1.0; rows without controls 0.
    for (auto& row : ride.RatingCoefficients) row = {0.0, 0.0, 0.0, 1.0};

    for (const auto& binding : controlBindings()) {
        if (binding.binding == Binding::ShownOnly) continue;
        const std::string name(binding.control);
        switch (binding.conversion) {
            case Conversion::Text:
                ride.*std::get<std::string RideData::*>(binding.field) = text(edit(name)->Text, binding);
                break;
            case Conversion::Number:
            case Conversion::Speed:
                if (auto v = number(binding, [](std::string_view t) { return commaTextToDouble(t); })) {
                    decimalField(ride, binding.field) = *v;
                }
                break;
            case Conversion::Integer:
            case Conversion::WholePart:
            case Conversion::Money:
                if (auto v = number(binding, [&](std::string_view t) { return wholeNumberOf(binding.conversion, t); })) {
                    integerField(ride, binding.field) = *v;
                }
                break;
            case Conversion::Flag: integerField(ride, binding.field) = checkBox(name)->Checked ? 1 : 0; break;
            case Conversion::InvertedFlag: integerField(ride, binding.field) = checkBox(name)->Checked ? 0 : 1; break;
            case Conversion::MinusOneFlag:
                // Not checked: the field keeps its value.
                if (checkBox(name)->Checked) integerField(ride, binding.field) = -1;
                break;
            case Conversion::FlagBit:
                if (checkBox(name)->Checked) ride.RideFlags |= std::get<RideFlagBit>(binding.field).bit;
                break;
            case Conversion::InvertedFlagBit:
                if (!checkBox(name)->Checked) ride.RideFlags |= std::get<RideFlagBit>(binding.field).bit;
                break;
            case Conversion::IconText:
                ride.*std::get<std::string RideData::*>(binding.field) = text(lstIcons.Text, binding);
                break;
            case Conversion::Choice:
                if (listBox(name)->hasSelection()) {
                    ride.*std::get<std::string RideData::*>(binding.field) = cp1252(listBox(name)->selectedText(), name);
                }
                break;
            case Conversion::Category:
                if (lstKategorie.hasSelection()) integerField(ride, binding.field) = categoryOfItem(lstKategorie.ItemIndex);
                break;
            case Conversion::List: {
                auto& list = ride.*std::get<std::vector<std::string> RideData::*>(binding.field);
                list.clear();
                const size_t limit = binding.field == KeyField{&RideData::ZusatzTrackTyp}
                                         ? kExtraTrackTypeLimit
                                         : std::numeric_limits<size_t>::max();
                for (const auto& item : listBox(name)->Items) {
                    if (list.size() == limit) break;
                    list.push_back(cp1252(item, name));
                }
                break;
            }
            case Conversion::SectionList:
                ride.TrackSectionName.clear();
                ride.TrackSectionKosten.clear();
                for (size_t i = 0; i < lstSelSektionen.Items.size(); ++i) {
                    ride.TrackSectionName.push_back(cp1252(lstSelSektionen.Items[i], name));
                    int32_t cost = 1000;
                    if (i < lstStreckensektionskosten.Items.size()) {
                        const std::string& text = lstStreckensektionskosten.Items[i];
                        if (auto value = commaTextToHundredths(text)) {
                            cost = *value;
                        } else {
                            faults.push_back({"lstStreckensektionskosten", InputFault::Kind::NotANumber, text});
                        }
                    }
                    ride.TrackSectionKosten.push_back(cost);
                }
                break;
            case Conversion::StartOptions:
                integerField(ride, binding.field) = 0;
                for (size_t i = 0; i < lstBahnStartArt.Checked.size() && i < 16; ++i) {
                    if (lstBahnStartArt.Checked[i]) integerField(ride, binding.field) += int32_t{1} << i;
                }
                break;
            case Conversion::PresetStart:
                integerField(ride, binding.field) = 0;
                for (size_t i = 0; i < lstPreStart.Checked.size(); ++i) {
                    if (lstPreStart.Checked[i]) integerField(ride, binding.field) = static_cast<int32_t>(i);
                }
                break;
            case Conversion::SpeedUnit:
                // Nothing selected: the factor keeps its value.
                if (lstGeschwindigkeitsEinheit.hasSelection() && lstGeschwindigkeitsEinheit.ItemIndex < 3) {
                    decimalField(ride, binding.field) = kUnitFactors[lstGeschwindigkeitsEinheit.ItemIndex];
                }
                break;
        }
    }
    if (!faults.empty()) throw AssistantInputError(std::move(faults));
    // The fields without keys get what a read of the saved file gives, so a ride built here is the
    // ride built from the file.
    setFieldsWithoutKeys(ride);
    target = std::move(ride);
    showValuesWithoutKeys();
}

// ---- filling the controls ------------------------------------------------------------------------

void RideAssistant::fillControlsFromRide(const RideData& ride, bool shownOnly) {
    auto shown = [](const std::string& cp1252) { return cp1252ToUtf8(cp1252); };
    for (const auto& binding : controlBindings()) {
        if ((binding.binding == Binding::ShownOnly) != shownOnly) continue;
        const std::string name(binding.control);
        switch (binding.conversion) {
            case Conversion::Text: edit(name)->Text = shown(ride.*std::get<std::string RideData::*>(binding.field)); break;
            case Conversion::Number:
            case Conversion::Speed: edit(name)->Text = doubleToCommaText(decimalValue(ride, binding.field)); break;
            case Conversion::Integer:
            case Conversion::WholePart: edit(name)->Text = std::to_string(integerValue(ride, binding.field)); break;
            case Conversion::Money: edit(name)->Text = hundredthsToCommaText(integerValue(ride, binding.field)); break;
            case Conversion::Flag: checkBox(name)->Checked = integerValue(ride, binding.field) == 1; break;
            case Conversion::InvertedFlag: checkBox(name)->Checked = integerValue(ride, binding.field) != 1; break;
            case Conversion::MinusOneFlag: checkBox(name)->Checked = integerValue(ride, binding.field) == -1; break;
            case Conversion::FlagBit: checkBox(name)->Checked = flagBitSet(ride, binding.field); break;
            case Conversion::InvertedFlagBit: checkBox(name)->Checked = !flagBitSet(ride, binding.field); break;
            case Conversion::IconText: {
                const std::string icon = shown(ride.*std::get<std::string RideData::*>(binding.field));
                lstIcons.ItemIndex = findIdentifier(lstIcons.Items, icon);
                lstIcons.Text = icon;
                break;
            }
            case Conversion::Choice: {
                std::string item = shown(ride.*std::get<std::string RideData::*>(binding.field));
                // The station type "kein" or "keine" is the list's "none".
                if (name == "lstStationstyp" && (sameIdentifier(item, "kein") || sameIdentifier(item, "keine"))) {
                    item = "none";
                }
                selectOrAdd(*listBox(name), item);
                break;
            }
            case Conversion::Category: lstKategorie.ItemIndex = itemOfCategory(integerValue(ride, binding.field)); break;
            case Conversion::List:
                for (const auto& item : ride.*std::get<std::vector<std::string> RideData::*>(binding.field)) {
                    choose(*availableListOf(*this, name), *listBox(name), shown(item));
                }
                break;
            case Conversion::SectionList:
                for (size_t i = 0; i < ride.TrackSectionName.size(); ++i) {
                    choose(txtStreckensektionen, lstSelSektionen, shown(ride.TrackSectionName[i]));
                    lstStreckensektionskosten.Items.push_back(
                        hundredthsToCommaText(i < ride.TrackSectionKosten.size() ? ride.TrackSectionKosten[i] : 1000));
                }
                break;
            case Conversion::StartOptions:
                for (size_t i = 0; i < lstBahnStartArt.Checked.size() && i < 16; ++i) {
                    lstBahnStartArt.Checked[i] = (static_cast<uint32_t>(integerValue(ride, binding.field)) >> i) & 1u;
                }
                break;
            case Conversion::PresetStart: {
                const int32_t preset = integerValue(ride, binding.field);
                if (preset >= 0 && static_cast<size_t>(preset) < lstPreStart.Checked.size()) {
                    lstPreStart.Checked[static_cast<size_t>(preset)] = true;
                }
                break;
            }
            case Conversion::SpeedUnit: {
                const double factor = decimalValue(ride, binding.field);
                lstGeschwindigkeitsEinheit.ItemIndex = factor == kMetricFactor ? 1 : factor == kImperialFactor ? 2 : 0;
                break;
            }
        }
    }
    showNumbersWithSeparator();
}

void RideAssistant::showValuesWithoutKeys() {
    RideData asRead;
    if (lstGeschwindigkeitsEinheit.hasSelection() && lstGeschwindigkeitsEinheit.ItemIndex < 3) {
        asRead.SpeedUnitFactor = kUnitFactors[lstGeschwindigkeitsEinheit.ItemIndex];
    }
    setFieldsWithoutKeys(asRead);
    fillControlsFromRide(asRead, true);
}

void RideAssistant::showNumbersWithSeparator() {
    // Numbers are made with a comma; the English interface shows a point.
    const char separator = decimalSeparator();
    auto localise = [separator](std::string& text) { std::replace(text.begin(), text.end(), ',', separator); };
    for (const auto& binding : controlBindings()) {
        if (!isNumeric(binding.conversion)) continue;
        if (TEdit* field = edit(binding.control)) localise(field->Text);
    }
    for (auto& cost : lstStreckensektionskosten.Items) localise(cost);
}

// ---- unsaved changes -----------------------------------------------------------------------------

std::string RideAssistant::controlState() const {
    // Every stored control's content, in the table's order; a change to any of them changes it.
    auto& form = const_cast<RideAssistant&>(*this);
    std::string state;
    auto add = [&state](const std::string& piece) {
        state += piece;
        state += '\x1F';
    };
    for (const auto& binding : controlBindings()) {
        if (binding.binding == Binding::ShownOnly) continue;
        const std::string name(binding.control);
        if (const TEdit* field = form.edit(name)) add(field->Text);
        if (const TCheckBox* box = form.checkBox(name)) add(box->Checked ? "1" : "0");
        if (const TListBox* list = form.listBox(name)) {
            for (const auto& item : list->Items) add(item);
            add(std::to_string(binding.conversion == Conversion::List ? 0 : list->ItemIndex));
        }
    }
    for (const auto& cost : lstStreckensektionskosten.Items) add(cost);
    for (const TCheckListBox* list : {&lstBahnStartArt, &lstPreStart}) {
        for (bool checked : list->Checked) add(checked ? "1" : "0");
    }
    add(lstIcons.Text);
    return state;
}

bool RideAssistant::hasUnsavedChanges() const { return controlState() != savedState_; }

bool RideAssistant::offerToSaveChanges() {
    if (!hasUnsavedChanges()) return true;
    if (!dialogs_.askYesNo(message("assistantSaveChangesCaption", language()),
                           message("assistantSaveChanges", language()))) {
        return true;  // the changes are dropped
    }
    return saveRide();
}

// ---- commands ------------------------------------------------------------------------------------

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

std::filesystem::path RideAssistant::lastFolder() const {
    return lastFolder_.empty() ? host_.buildFolder() : lastFolder_;
}

void RideAssistant::openRide() {
    if (!offerToSaveChanges()) return;
    if (!host_.chooseAndReadRideFile(lastFolder())) return;  // the reader showed why; the controls stay
    resetRideLists();
    // Add-on settings in the file switch the add-ons on; a file without them leaves the tick as it is.
    if (detectAddOnSettings()) {
        chkAddOn.Checked = true;
        dialogs_.showMessage(message("addOnSettingsText", language()));
    }
    const RideData& ride = host_.rideData();
    fillControlsFromRide(ride, false);
    showValuesWithoutKeys();
    rideFromFile_ = true;
    lastFolder_ = ride.DataFileFolder;
    lastName_ = ride.RideObjectName.rfind("CTR_", 0) == 0 ? ride.RideObjectName.substr(4) : ride.RideObjectName;
    const auto file = rideDataRewriteTarget(ride);
    StatusText = message("assistantOpenedFrom", language(), {displayName(file)});
    savedState_ = controlState();
}

// Asks for a name in an input box; nullopt when cancelled or when the name cannot be used (message
// shown). The answer is returned in Windows-1252.
std::optional<std::string> RideAssistant::askName(MessageId captionId, MessageId promptId, const std::string& defaultName) {
    auto answer = dialogs_.askText(message(captionId, language()), message(promptId, language()), defaultName);
    if (!answer) return std::nullopt;
    std::string name;
    try {
        name = utf8ToCp1252(*answer);
    } catch (const EncodingError&) {
        dialogs_.showMessage(message("assistantBadName", language(), {"?"}));
        return std::nullopt;
    }
    if (!name.empty() && !isUsableName(name)) {
        dialogs_.showMessage(message("assistantBadName", language(), {name}));
        return std::nullopt;
    }
    return name;
}

bool RideAssistant::saveRide() {
    if (refuseFaultyInput()) return false;
    try {
        storeControlsIntoRide();
    } catch (const AssistantInputError& error) {
        showInputFaults(error.faults);
        return false;
    }
    const std::string suggested = std::string(kRideFilePrefix) + (lastName_.empty() ? kDefaultRideName : lastName_) +
                                  std::string(kRideFileSuffix);
    auto file = dialogs_.chooseFileToSave(kRideDataFileFilter, lastFolder(), cp1252ToUtf8(suggested));
    if (!file) return false;
    // The ride's name is the file name's middle part; a file named otherwise gives its whole stem.
    std::string name;
    try {
        name = pathToCp1252(file->filename());
    } catch (const EncodingError&) {
        dialogs_.showMessage(message("assistantBadName", language(), {"?"}));
        return false;
    }
    if (name.size() >= kRideFileSuffix.size() && equalIgnoringAsciiCase(std::string_view(name).substr(name.size() - kRideFileSuffix.size()), kRideFileSuffix)) {
        name.resize(name.size() - kRideFileSuffix.size());
    }
    if (name.size() > kRideFilePrefix.size() && equalIgnoringAsciiCase(std::string_view(name).substr(0, kRideFilePrefix.size()), kRideFilePrefix)) {
        name = name.substr(kRideFilePrefix.size());
    }
    if (!isUsableName(name)) {
        dialogs_.showMessage(message("assistantBadName", language(), {name}));
        return false;
    }
    RideData& ride = host_.rideData();
    ride.DataFileFolder = file->parent_path();
    // The rewrite forms the file name from the object name without its first four characters.
    ride.RideObjectName = "CTR_" + name;
    bool written = false;
    try {
        written = host_.rewriteRideFile(chkAddOn.Checked);
    } catch (const std::exception& e) {
        dialogs_.showMessage(message("assistantSaveFailed", language(), {e.what()}));
    }
    if (!written) return false;
    lastFolder_ = ride.DataFileFolder;
    lastName_ = name;
    StatusText = message("assistantSavedTo", language(), {displayName(rideDataRewriteTarget(ride))});
    savedState_ = controlState();
    return true;
}

void RideAssistant::buildRide() {
    if (refuseFaultyInput()) return;
    auto answer = askName("folderNameCaption", "folderNamePrompt",
                          "CTR_" + (lastName_.empty() ? std::string(kDefaultRideName) : lastName_));
    if (!answer) return;
    // An empty answer takes the default name, any other gets the prefix it lacks.
    std::string objectName = answer->empty() ? "CTR_" + std::string(kDefaultRideName) : *answer;
    if (objectName.rfind("CTR_", 0) != 0) objectName = "CTR_" + objectName;
    try {
        storeControlsIntoRide();
    } catch (const AssistantInputError& error) {
        showInputFaults(error.faults);
        return;
    }
    RideData& ride = host_.rideData();
    ride.DataFileFolder = host_.buildFolder();
    ride.RideObjectName = objectName;
    // A build that stopped has shown why; there is no pair to install.
    if (!host_.buildRidePair(chkAddOn.Checked)) return;
    StatusText = message("assistantBuiltTo", language(), {displayName(ride.DataFileFolder / pathFromCp1252(objectName))});
    host_.showInstallWindow();
}

}  // namespace zw
