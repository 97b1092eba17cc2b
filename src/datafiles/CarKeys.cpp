// The keys of a car data file, in the order the car reader looks them up: the train's keys, then
// each role's keys, named after the role ("FrontCar_ModellnameTeilA").
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"

namespace zw {
namespace {

using V = KeyValues;

// The English rewrite writes the last alias; a dump names the field.
DataFileKey entry(std::vector<std::string> names, KeyField field, std::string fieldName, KeyValues values) {
    DataFileKey k;
    k.englishName = names.back();
    k.names = std::move(names);
    k.field = field;
    k.fieldName = std::move(fieldName);
    k.values = values;
    return k;
}

DataFileKey text(std::vector<std::string> names, KeyField field, std::string fieldName, KeyValues values,
                 std::string defaultText = "") {
    DataFileKey k = entry(std::move(names), field, std::move(fieldName), values);
    k.defaultText = std::move(defaultText);
    return k;
}

DataFileKey number(std::vector<std::string> names, KeyField field, std::string fieldName, KeyValues values,
                   double defaultNumber) {
    DataFileKey k = entry(std::move(names), field, std::move(fieldName), values);
    k.number = defaultNumber;
    k.defaultText =
        values == V::Decimal ? formatDecimal(defaultNumber) : integerText(static_cast<int64_t>(defaultNumber));
    return k;
}

DataFileKey hidden(DataFileKey k) {
    k.use = KeyUse::Hidden;
    return k;
}

DataFileKey opens(DataFileKey k, GroupStart group = GroupStart::Yes) {
    k.group = group;
    return k;
}

// The names and inertias follow rules over several keys (the reader's per-role rules): their
// defaults are left to those rules.
DataFileKey settled(DataFileKey k) {
    k.settledByRule = true;
    return k;
}

void addRoleKeys(std::vector<DataFileKey>& keys, CarRole carRole) {
    using C = CarRoleData;
    const std::string p = std::string(carRoleName(carRole)) + "_";
    std::vector<DataFileKey> role = {
        hidden(text({p + "IncludeRIC"}, &C::IncludeRIC, "IncludeRIC", V::Text)),
        hidden(text({p + "IncludeTeilASVD"}, &C::IncludeSVDPartA, "IncludeSVDPartA", V::Text)),
        hidden(text({p + "IncludeTeilBSVD"}, &C::IncludeSVDPartB, "IncludeSVDPartB", V::Text)),
        opens(settled(text({p + "ModellnameTeilA", p + "ModelNamePartA"}, &C::ModelNamePartA, "ModelNamePartA",
                           V::Text)),
              GroupStart::InGermanOnly),
        settled(text({p + "ModellnameTeilB", p + "ModelNamePartB"}, &C::ModelNamePartB, "ModelNamePartB", V::Text)),
        settled(text({p + "TraegheitTeilA", p + "TraegheitFestteil", p + "InertiaPartA"}, &C::InertiaPartA,
                     "InertiaPartA", V::Decimal)),
        settled(text({p + "TraegheitTeilB", p + "TraegheitBewegungsteil", p + "InertiaPartB"}, &C::InertiaPartB,
                     "InertiaPartB", V::Decimal)),
        number({p + "BewegungsachsenTyp", p + "Bewegungsachsentyp", p + "TurnaxisType"}, &C::TurnaxisType,
               "TurnaxisType", V::Integer, 0),
        number({p + "BewegungsachsenStabilitaet", p + "StabilitaetBewegungsteil", p + "TurnaxisStability"},
               &C::TurnaxisStability, "TurnaxisStability", V::Decimal, 4.0),
        number({p + "BewegungsachsenSchwung", p + "SchwungBewegungsteil", p + "TurnaxisMomentum"},
               &C::TurnaxisMomentum, "TurnaxisMomentum", V::Decimal, 0.1),
        number({p + "BewegungsachsenAnschlag", p + "TurnaxisStopper"}, &C::TurnaxisStopper, "TurnaxisStopper",
               V::Decimal, -1.0),
        hidden(number({p + "BewegungsachsenUnknown"}, &C::TurnaxisUnknown, "TurnaxisUnknown", V::Decimal, 0.0)),
        number({p + "PeepSitzposition", p + "PeepSeatingPosition"}, &C::PeepSeatingPositions, "PeepSeatingPositions",
               V::IntegerList, 11),
        opens(number({p + "Seitenschwankung", p + "SideSwing"}, &C::SideSwing, "SideSwing", V::Decimal, 0.0)),
        number({p + "Hoehenschwankung", p + "HeightSwing"}, &C::HeightSwing, "HeightSwing", V::Decimal, 0.0),
    };
    for (const auto& event : kCarAnimEvents) {
        const std::string name(event.name);
        role.push_back(
            number({p + "AnimNr" + name, p + "AnimNo" + name}, event.field, "Anim" + name, V::Integer, -1));
    }
    for (DataFileKey& key : role) key.role = carRole;
    keys.insert(keys.end(), role.begin(), role.end());
}

std::vector<DataFileKey> makeCarKeys() {
    using C = CarData;
    std::vector<DataFileKey> keys = {
        hidden(text({"IncludePfad"}, &C::IncludePaths, "IncludePaths", V::TextList)),
        opens(text({"ZugName", "TrainName"}, &C::TrainName, "TrainName", V::TextWithSpaces, "RollercoasterTrain")),
        number({"WagenanzahlproZugMin", "CarCountPerTrainMin"}, &C::CarCountPerTrainMin, "CarCountPerTrainMin",
               V::Integer, 1),
        number({"WagenanzahlproZugMax", "CarCountPerTrainMax"}, &C::CarCountPerTrainMax, "CarCountPerTrainMax",
               V::Integer, 15),
        number({"WagenanzahlproZugPreset", "CarCountPerTrainPreset"}, &C::CarCountPerTrainPreset,
               "CarCountPerTrainPreset", V::Integer, 3),
        opens(number({"KameraLookahead", "CameraLookahead"}, &C::CameraLookahead, "CameraLookahead", V::Decimal, 8.0)),
        number({"KameraLATiltfactor", "CameraLATiltfactor"}, &C::CameraLATiltfactor, "CameraLATiltfactor", V::Decimal,
               0.5),
        hidden(number({"JetSkiUnknown"}, &C::JetSkiUnknown, "JetSkiUnknown", V::Decimal, 10.0)),
        hidden(number({"WaterUnknownA"}, &C::WaterUnknownA, "WaterUnknownA", V::Decimal, 2.0)),
        hidden(number({"WaterUnknownB"}, &C::WaterUnknownB, "WaterUnknownB", V::Decimal, 2.0)),
        hidden(number({"WaterUnknownC"}, &C::WaterUnknownC, "WaterUnknownC", V::Decimal, 0.5)),
        hidden(number({"WaterUnknownD"}, &C::WaterUnknownD, "WaterUnknownD", V::Decimal, 0.5)),
        hidden(number({"WaterUnknownE"}, &C::WaterUnknownE, "WaterUnknownE", V::Decimal, 0.0)),
        hidden(number({"WaterUnknownF"}, &C::WaterUnknownF, "WaterUnknownF", V::Decimal, 0.0)),
        number({"UeberholenFlag", "OvertakeFlag"}, &C::OvertakeFlag, "OvertakeFlag", V::Flag, 0),
        text({"PrioritaetStationstyp", "PriorityStationType"}, &C::PriorityStationType, "PriorityStationType",
             V::Text),
    };
    keys.back().list = KnownList::Stations;
    for (CarRole role : kCarRoles) addRoleKeys(keys, role);
    return keys;
}

}  // namespace

const std::vector<DataFileKey>& carKeys() {
    static const std::vector<DataFileKey> keys = makeCarKeys();
    return keys;
}

}  // namespace zw
