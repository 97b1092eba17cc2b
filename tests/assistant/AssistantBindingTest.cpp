// The assistant's binding table held against the key table, and every stored control walked
// through save, open, save and build on the real main window.

#include <gtest/gtest.h>

#include <map>

#include "AssistantFixture.h"
#include "assistant/ControlBindings.h"
#include "assistant/LanguageData.h"
#include "base/SafeFile.h"
#include "workflow/ProjectCommands.h"
#include "workflow/ProjectState.h"

namespace zw {
namespace {

const DataFileKey* keyOfField(const KeyField& field) {
    for (const auto& key : rideKeys()) {
        if (key.field == field) return &key;
    }
    return nullptr;
}

std::string englishCaption(std::string_view target) {
    for (const auto& text : languageTable()) {
        if (text.target == target) return std::string(text.english);
    }
    for (const auto& text : uncaptionedControlTexts()) {
        if (text.target == target) return std::string(text.english);
    }
    return "?" + std::string(target);
}

// What each caption the author reads means, written from the window's English texts and the ride
// data file's English key names.
const std::map<std::string, std::string> kKeyOfCaption = {
    {"Ride name", "RideName"},
    {"Ride description", "RideDescription"},
    {"Ride icon", "RideIcon"},
    {"Ride category", "RideCategory"},
    {"Car types", "CarTypeName"},
    {"chosen sections", "TrackSectionName"},
    {"Track type", "TrackType"},
    {"Chosen additional track types", "AdditionalTrackType"},
    {"Height cost", "CostsHeight4H"},
    {"Station type", "StationType"},
    {"Profile height", "ClearanceHeight"},
    {"max build height", "HeightMax"},
    {"Preset start option", "StartPreset"},
    {"Start options", "StartOptions"},
    {"no children allowed", "NoChildrenFlag"},
    {"slowly flowing water texture", "NoFlowingWaterTextureFlag"},
    {"yellow traffic light", "LightRedGreenFlag"},
    {"only start ride fully loaded", "FullLoadFlag"},
    {"Ride can swing", "RidebetweenTrackSplinesFlag"},
    {"Block section", "BlockSectionFlag"},
    {"min circuits", "CircuitsMin"},
    {"max circuits", "CircuitsMax"},
    {"autocomplete", "AutocompleteFlag"},
    {"car rotation symbol", "CarRotationFlag"},
    {"closed circuit", "NoCircuitsFlag"},
    {"can be demolished anywhere", "DestructionAnywhereFlag"},
    {"Speed unit", "DistanceSpeedUnit"},
    {"Station speed", "InOutOfStationRollSpeed"},
    {"min lift chain speed", "LiftchainSpeedMin"},
    {"max lift chain speed", "LiftchainSpeedMax"},
    {"std lift chain speed", "LiftchainSpeedPreset"},
    {"min launch speed", "StartSpeedMin"},
    {"max launch speed", "StartSpeedMax"},
    {"std launch speed", "StartSpeedPreset"},
    {"constant speed", "ConstantSpeedFlag"},
    {"min constant speed", "ConstantSpeedMin"},
    {"max constant speed", "ConstantSpeedMax"},
    {"std constant speed", "ConstantSpeedPreset"},
    {"Hill variation factor", "HillVariation"},
    {"Ride costs preview", "RideCostsPreview"},
    {"Running costs base value", "RunningCostsBase"},
    {"Running costs per train", "RunningCostsPerTrain"},
    {"Running costs per car", "RunningCostsPerCar"},
    {"Running costs per station", "RunningCostsPerStation"},
    {"Reliability factor", "ReliabilityDecrease"},
    {"Attractivity factor", "PeepAttractivity"},
    {"Free rotation symbol", "ForwardBackFreeRotationFlag"},
    {"4 axis rotation symbol", "FourAxisRotationFlag"},
    {"Vertical inversion", "VerticalInversionChangeFlag"},
    {"preset train count", "TrainCountPreset"},
    {"Stations can be synchronized", "StationsSyncFlag"},
    {"constant water section speed", "WaterSectionConstantSpeed"},
    {"Water acceleration factor", "WaterSectionAcceleration"},
    {"Water braking factor", "WaterSectionDeceleration"},
    {"Middle track section (A)", "SpecialTrackSectionNameAMid"},
    {"Top track section (A)", "SpecialTrackSectionNameAEnd"},
    {"Middle track section (B)", "SpecialTrackSectionNameBMid"},
    {"Top track section (B)", "SpecialTrackSectionNameBEnd"},
    {"Top duration", "TowerRideTopDuration"},
    {"Top clearance", "TowerRideTopClearance"},
    {"Special car (A)", "SpecialCarTypeAName"},
    {"Special car (B)", "SpecialCarTypeBName"},
    {"Special car (A) wait position", "SpecialCarTypeAOffsetWait"},
    {"Special car (A) hitch position", "SpecialCarTypeAOffsetHitch"},
};
// The rating rows and columns, each caption with its key's stem.
const std::map<std::string, std::string> kRatingRowOfCaption = {
    {"Base", "Base"},
    {"Circuit count", "CircuitCount"},
    {"Car count", "CarCount"},
    {"Ride time", "RideTime"},
    {"Scenery", "SceneryMax"},
    {"Maximum speed", "MaximumSpeed"},
    {"Average speed", "AverageSpeed"},
    {"Ride length", "RideLength"},
    {"Scenery influence", "SceneryInfluence"},
    {"Horizontal G force", "AverageHorizGForce"},
    {"Vertical G force", "AverageVertGForce"},
};
const std::map<std::string, std::string> kRatingColumnOfCaption = {
    {"Excitement", "Exc"}, {"Intensity", "Int"}, {"Nausea", "Nau"}};

// Each control edits the field of the key its caption names; a control that is only shown has no
// key, a stored one has one.
TEST(AssistantBindings, EachControlEditsTheFieldItsCaptionNames) {
    size_t stored = 0;
    for (const auto& binding : controlBindings()) {
        const DataFileKey* key = keyOfField(binding.field);
        if (binding.binding == Binding::ShownOnly) {
            EXPECT_EQ(key, nullptr) << binding.control << " shows a field that a data file holds";
            continue;
        }
        ++stored;
        ASSERT_NE(key, nullptr) << binding.control << " stores a field no data file holds";
        std::string expected;
        if (binding.columnCaption.empty()) {
            auto it = kKeyOfCaption.find(englishCaption(binding.caption));
            ASSERT_NE(it, kKeyOfCaption.end()) << binding.control << ": " << englishCaption(binding.caption);
            expected = it->second;
        } else {
            expected = kRatingColumnOfCaption.at(englishCaption(binding.columnCaption)) +
                       kRatingRowOfCaption.at(englishCaption(binding.caption));
        }
        EXPECT_EQ(key->englishName, expected) << binding.control;
        test::AssistantTest t;
        EXPECT_TRUE(t.form.edit(binding.control) || t.form.checkBox(binding.control) ||
                    t.form.listBox(binding.control) || binding.control == "lstIcons" ||
                    binding.control == "lstBahnStartArt" || binding.control == "lstPreStart")
            << binding.control << " is no control of the assistant";
    }
    // One control per field, and every rating cell the window shows.
    for (const auto& a : controlBindings()) {
        for (const auto& b : controlBindings()) {
            if (&a != &b) EXPECT_FALSE(a.field == b.field) << a.control << " and " << b.control;
        }
    }
    EXPECT_GT(stored, 0u);
}

// A value for a control other than the new ride's, as the author would enter it.
void enterValue(RideAssistant& form, const ControlBinding& binding) {
    const std::string name(binding.control);
    switch (binding.conversion) {
        case Conversion::Text:
            // Ä: Windows-1252 has it. A name holds no blank.
            form.edit(name)->Text = keyOfField(binding.field)->values == KeyValues::Text ? "Probe\xC3\x84rger"
                                                                                          : "Probe \xC3\x84rger";
            break;
        case Conversion::Number:
        case Conversion::Speed: form.edit(name)->Text = "12,345"; break;
        case Conversion::Integer:
        case Conversion::WholePart: form.edit(name)->Text = "7"; break;
        case Conversion::Money: form.edit(name)->Text = "12,34"; break;
        case Conversion::Flag:
        case Conversion::InvertedFlag:
        case Conversion::MinusOneFlag:
        case Conversion::FlagBit:
        case Conversion::InvertedFlagBit: form.checkBox(name)->Checked = !form.checkBox(name)->Checked; break;
        case Conversion::IconText: form.lstIcons.Text = "WildMouseIcon"; break;
        case Conversion::Choice: form.listBox(name)->ItemIndex = 5; break;
        case Conversion::Category: form.lstKategorie.ItemIndex = 8; break;
        case Conversion::List: {
            TListBox& available = name == "lstSelWagen" ? form.txtWagentypen : form.lstZusatzTrackListe;
            available.ItemIndex = 2;
            name == "lstSelWagen" ? form.onCarTypeChosen() : form.onExtraTrackTypeChosen();
            break;
        }
        case Conversion::SectionList:
            form.addSections("Other");
            form.lstStreckensektionskosten.Items.back() = "12,5";
            break;
        case Conversion::StartOptions: form.lstBahnStartArt.Checked[4] = true; break;
        case Conversion::PresetStart: form.onPreStartModeTicked(2); break;
        case Conversion::SpeedUnit: form.lstGeschwindigkeitsEinheit.ItemIndex = 2; break;
    }
}

// The field a binding writes, as text, to compare it between rides.
std::string fieldValue(const RideData& ride, const KeyField& field) {
    return std::visit(
        [&](const auto& f) -> std::string {
            using F = std::decay_t<decltype(f)>;
            if constexpr (std::is_same_v<F, RideFlagBit>) {
                return std::to_string(ride.RideFlags & f.bit);
            } else if constexpr (std::is_same_v<F, RatingCell>) {
                return std::to_string(ride.RatingCoefficients[f.row][f.column]);
            } else if constexpr (std::is_same_v<F, std::string RideData::*>) {
                return ride.*f;
            } else if constexpr (std::is_same_v<F, int32_t RideData::*> || std::is_same_v<F, double RideData::*>) {
                return std::to_string(ride.*f);
            } else if constexpr (std::is_same_v<F, std::vector<std::string> RideData::*>) {
                std::string all;
                for (const auto& item : ride.*f) all += item + ";";
                if (f == &RideData::TrackSectionName) {
                    for (auto cost : ride.TrackSectionKosten) all += std::to_string(cost) + ";";
                }
                return all;
            } else {
                return "?";
            }
        },
        field);
}

std::string bytesOf(const std::filesystem::path& file) {
    auto bytes = readWholeFile(file);
    return bytes ? *bytes : std::string();
}

// The assistant on the real main window in a working folder of its own, the add-ons ticked so
// their keys are saved and built too.
struct RealAssistant : test::AssistantOnMainWindow {
    std::filesystem::path rideFile() const { return folder / "CTR_BahnDaten_Probe.txt"; }
    std::filesystem::path pair() const { return folder / "CTR_Probe" / "CTR_Probe.common.ovl"; }
    std::string save() {
        dialogs.filesToSave = {rideFile()};
        form->onSaveRide();
        return bytesOf(rideFile());
    }
    std::string build() {
        dialogs.textAnswers = {std::string("Probe")};
        form->onBuildRide();
        return bytesOf(pair()) + bytesOf(folder / "CTR_Probe" / "CTR_Probe.unique.ovl");
    }
    // Everything shown but the add-on notice of an opened file.
    std::vector<std::string> problems() const {
        std::vector<std::string> shown;
        for (const auto& text : dialogs.messages()) {
            if (text.rfind("Achtung, die von Ihnen geladene Datei", 0) != 0) shown.push_back(text);
        }
        return shown;
    }
};

// Every stored control: the value entered is saved, read back into the control, saved again to the
// same bytes, and built into the pair, which is the pair the main window builds from the saved file.
TEST(AssistantBindings, EveryStoredValueSurvivesSaveOpenSaveAndReachesThePair) {
    RealAssistant plain;
    plain.form->chkAddOn.Checked = true;
    const std::string plainFile = plain.save();
    const std::string plainPair = plain.build();
    ASSERT_FALSE(plainPair.empty());
    const RideData plainRide = plain.main->state().ride;

    for (const auto& binding : controlBindings()) {
        if (binding.binding == Binding::ShownOnly) continue;
        SCOPED_TRACE(std::string(binding.control));
        RealAssistant a;
        a.form->chkAddOn.Checked = true;
        enterValue(*a.form, binding);
        const std::string saved = a.save();
        ASSERT_EQ(a.problems(), std::vector<std::string>{});
        const std::string entered = fieldValue(a.main->state().ride, binding.field);
        EXPECT_NE(entered, fieldValue(plainRide, binding.field)) << "the value entered did not reach its field";
        EXPECT_TRUE(saved != plainFile) << "the value entered is not saved";

        a.form->onNewRide();
        a.form->chkAddOn.Checked = true;  // a file without add-on values leaves the tick as it is
        a.dialogs.filesToOpen = {a.rideFile()};
        a.form->onOpenRide();
        a.form->storeControlsIntoRide();
        EXPECT_EQ(fieldValue(a.main->state().ride, binding.field), entered) << "the control shows another value";
        EXPECT_TRUE(a.save() == saved) << "saved again, the file differs";
        ASSERT_EQ(a.problems(), std::vector<std::string>{});

        const std::string built = a.build();
        ASSERT_EQ(a.problems(), std::vector<std::string>{});
        ASSERT_FALSE(built.empty());
        EXPECT_TRUE(built != plainPair) << "the value entered is not in the pair";
        // The main window builds the same pair from the saved file, with the same layout.
        a.main->state().settings.AddOnsEnabled = true;
        a.dialogs.filesToOpen = {a.rideFile()};
        ASSERT_TRUE(chooseAndReadRideFile(a.main->state(), a.dialogs));
        ASSERT_TRUE(buildRidePair(a.main->state(), a.dialogs));
        EXPECT_TRUE(bytesOf(a.pair()) + bytesOf(a.folder / "CTR_Probe" / "CTR_Probe.unique.ovl") == built)
            << "the main window builds another pair from the saved file";
    }
}

}  // namespace
}  // namespace zw
