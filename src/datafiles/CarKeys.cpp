// The keys of a car data file, in the order the car reader looks them up: the train's keys, then
// each role's keys, named after the role ("FrontCar_ModellnameTeilA").
#include "datafiles/CarData.h"
#include "datafiles/DataFileKeys.h"
#include "datafiles/Formatters.h"

namespace zw {
namespace {

DataFileKey key(std::vector<std::string> names, KeyValues values, std::string defaultText,
                KeyUse use = KeyUse::Always) {
    DataFileKey k = dataFileKey(std::move(names), values, std::move(defaultText));
    k.use = use;
    return k;
}

std::string decimal(double v) { return formatDecimal(v); }

void addRoleKeys(std::vector<DataFileKey>& keys, CarRole carRole) {
    using V = KeyValues;
    const std::string p = std::string(carRoleName(carRole)) + "_";
    const KeyUse hidden = KeyUse::Hidden;
    // The names and inertias follow rules over several keys (the reader's per-role rules): their
    // defaults are left to those rules.
    std::vector<DataFileKey> role = {
        key({p + "IncludeRIC"}, V::Text, "", hidden),
        key({p + "IncludeTeilASVD"}, V::Text, "", hidden),
        key({p + "IncludeTeilBSVD"}, V::Text, "", hidden),
        key({p + "ModellnameTeilA", p + "ModelNamePartA"}, V::Text, ""),
        key({p + "ModellnameTeilB", p + "ModelNamePartB"}, V::Text, ""),
        key({p + "TraegheitTeilA", p + "TraegheitFestteil", p + "InertiaPartA"}, V::Decimal, ""),
        key({p + "TraegheitTeilB", p + "TraegheitBewegungsteil", p + "InertiaPartB"}, V::Decimal, ""),
        key({p + "BewegungsachsenTyp", p + "Bewegungsachsentyp", p + "TurnaxisType"}, V::Integer, "0"),
        key({p + "BewegungsachsenStabilitaet", p + "StabilitaetBewegungsteil", p + "TurnaxisStability"},
            V::Decimal, decimal(4.0)),
        key({p + "BewegungsachsenSchwung", p + "SchwungBewegungsteil", p + "TurnaxisMomentum"}, V::Decimal,
            decimal(0.1)),
        key({p + "BewegungsachsenAnschlag", p + "TurnaxisStopper"}, V::Decimal, decimal(-1.0)),
        key({p + "BewegungsachsenUnknown"}, V::Decimal, decimal(0.0), hidden),
        key({p + "PeepSitzposition", p + "PeepSeatingPosition"}, V::IntegerList, "11"),
        key({p + "Seitenschwankung", p + "SideSwing"}, V::Decimal, decimal(0.0)),
        key({p + "Hoehenschwankung", p + "HeightSwing"}, V::Decimal, decimal(0.0)),
    };
    for (size_t i = 3; i <= 6; ++i) role[i].settledByRule = true;
    for (const auto& event : kCarAnimEvents) {
        const std::string name(event.name);
        role.push_back(key({p + "AnimNr" + name, p + "AnimNo" + name}, V::Integer, "-1"));
    }
    keys.insert(keys.end(), role.begin(), role.end());
}

std::vector<DataFileKey> makeCarKeys() {
    using V = KeyValues;
    const KeyUse hidden = KeyUse::Hidden;
    std::vector<DataFileKey> keys = {
        key({"IncludePfad"}, V::TextList, "", hidden),
        key({"ZugName", "TrainName"}, V::TextWithSpaces, "RollercoasterTrain"),
        key({"WagenanzahlproZugMin", "CarCountPerTrainMin"}, V::Integer, "1"),
        key({"WagenanzahlproZugMax", "CarCountPerTrainMax"}, V::Integer, "15"),
        key({"WagenanzahlproZugPreset", "CarCountPerTrainPreset"}, V::Integer, "3"),
        key({"KameraLookahead", "CameraLookahead"}, V::Decimal, decimal(8.0)),
        key({"KameraLATiltfactor", "CameraLATiltfactor"}, V::Decimal, decimal(0.5)),
        key({"JetSkiUnknown"}, V::Decimal, decimal(10.0), hidden),
        key({"WaterUnknownA"}, V::Decimal, decimal(2.0), hidden),
        key({"WaterUnknownB"}, V::Decimal, decimal(2.0), hidden),
        key({"WaterUnknownC"}, V::Decimal, decimal(0.5), hidden),
        key({"WaterUnknownD"}, V::Decimal, decimal(0.5), hidden),
        key({"WaterUnknownE"}, V::Decimal, decimal(0.0), hidden),
        key({"WaterUnknownF"}, V::Decimal, decimal(0.0), hidden),
        key({"UeberholenFlag", "OvertakeFlag"}, V::Flag, "0"),
        key({"PrioritaetStationstyp", "PriorityStationType"}, V::Text, ""),
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
