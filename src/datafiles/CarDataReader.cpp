#include "datafiles/CarDataReader.h"

#include <initializer_list>
#include <type_traits>

#include "base/Dialogs.h"
#include "base/Messages.h"

namespace zw {
namespace {

// The values of the first key, in lookup order, that gives any value.
template <typename Lookup>
auto firstFound(const std::vector<std::string>& keys, Lookup lookup) {
    decltype(lookup(std::string_view{})) values;
    for (const auto& key : keys) {
        values = lookup(key);
        if (!values.empty()) break;
    }
    return values;
}

template <typename T>
T firstOr(const std::vector<T>& values, std::type_identity_t<T> fallback) {
    return values.empty() ? fallback : values.front();
}

struct RoleFound {
    std::vector<std::string> IncludeRIC, IncludeSVDPartA, IncludeSVDPartB;
    std::vector<std::string> ModelNamePartA, ModelNamePartB;
    std::vector<double> InertiaPartA, InertiaPartB;
};

// The names and inertias of a role, settled in this order; later rules see what earlier ones left.
void settleRole(CarRole role, const RoleFound& found, bool hiddenSettings, CarRoleData& data) {
    const std::string none;
    // 1. Parts taken from other OVLs are a hidden setting.
    data.IncludeRIC = hiddenSettings ? firstOr(found.IncludeRIC, none) : none;
    data.IncludeSVDPartA = hiddenSettings ? firstOr(found.IncludeSVDPartA, none) : none;
    data.IncludeSVDPartB = hiddenSettings ? firstOr(found.IncludeSVDPartB, none) : none;
    // 2. A whole car structure from elsewhere needs no models.
    if (!data.IncludeRIC.empty()) {
        data.IncludeSVDPartA.clear();
        data.IncludeSVDPartB.clear();
    }
    // 3., 4. A part taken from elsewhere has no model of its own.
    data.ModelNamePartA = firstOr(found.ModelNamePartA, none);
    if (!data.IncludeRIC.empty() || !data.IncludeSVDPartA.empty()) data.ModelNamePartA.clear();
    data.ModelNamePartB = firstOr(found.ModelNamePartB, none);
    if (!data.IncludeRIC.empty() || !data.IncludeSVDPartB.empty()) data.ModelNamePartB.clear();
    // 5. A car given only a B part is a one-part car.
    if (data.ModelNamePartA.empty() && data.IncludeSVDPartA.empty() && !data.ModelNamePartB.empty()) {
        data.ModelNamePartA = std::move(data.ModelNamePartB);
        data.ModelNamePartB.clear();
    }
    // The front car always needs a model; the example name stands in only when nothing else gave
    // the front car a model, so a lone B name is not pushed aside by it.
    if (role == CarRole::FrontCar && found.ModelNamePartA.empty() && data.ModelNamePartA.empty() &&
        data.IncludeRIC.empty() && data.IncludeSVDPartA.empty()) {
        data.ModelNamePartA = "BeispielWagenModell";
    }
    // 6. Inertia, -1 standing for "none".
    data.InertiaPartA = firstOr(found.InertiaPartA, 500.0);
    data.InertiaPartB = firstOr(found.InertiaPartB, -1.0);
    if (data.ModelNamePartB.empty()) {
        if (data.InertiaPartA == -1.0) data.InertiaPartA = data.InertiaPartB;
        if (data.InertiaPartA == -1.0) data.InertiaPartA = 500.0;
        data.InertiaPartB = -1.0;
    } else {
        if (data.InertiaPartA == -1.0) data.InertiaPartA = 0.0;
        if (data.InertiaPartB == -1.0) data.InertiaPartB = 500.0;
    }
}

// Looks up a field by its keys in order; role keys are the role name, "_" and the key's own part.
class KeyReader {
public:
    KeyReader(CarKeyLookup& lookup, std::string prefix) : lookup_(lookup), prefix_(std::move(prefix)) {}

    std::vector<std::int32_t> integers(std::initializer_list<std::string_view> keys) {
        return firstFound(names(keys), [this](std::string_view k) { return lookup_.integers(k); });
    }
    std::vector<double> decimals(std::initializer_list<std::string_view> keys) {
        return firstFound(names(keys), [this](std::string_view k) { return lookup_.decimals(k); });
    }
    std::vector<std::string> texts(std::initializer_list<std::string_view> keys) {
        return firstFound(names(keys), [this](std::string_view k) { return lookup_.texts(k); });
    }
    std::vector<std::string> textsWithSpaces(std::initializer_list<std::string_view> keys) {
        return firstFound(names(keys), [this](std::string_view k) { return lookup_.textsWithSpaces(k); });
    }

private:
    std::vector<std::string> names(std::initializer_list<std::string_view> keys) const {
        std::vector<std::string> out;
        for (auto key : keys) out.push_back(prefix_ + std::string(key));
        return out;
    }

    CarKeyLookup& lookup_;
    std::string prefix_;
};

void readTrain(KeyReader& keys, bool hiddenSettings, CarData& car) {
    std::vector<std::string> includePaths = keys.texts({"IncludePfad"});
    if (hiddenSettings) {
        if (includePaths.size() > kMaxIncludePaths) includePaths.resize(kMaxIncludePaths);
        car.IncludePaths = std::move(includePaths);
    }
    car.TrainName = firstOr(keys.textsWithSpaces({"ZugName", "TrainName"}), std::string("RollercoasterTrain"));
    car.CarCountPerTrainMin = firstOr(keys.integers({"WagenanzahlproZugMin", "CarCountPerTrainMin"}), 1);
    car.CarCountPerTrainMax = firstOr(keys.integers({"WagenanzahlproZugMax", "CarCountPerTrainMax"}), 15);
    car.CarCountPerTrainPreset = firstOr(keys.integers({"WagenanzahlproZugPreset", "CarCountPerTrainPreset"}), 3);
    car.CameraLookahead = firstOr(keys.decimals({"KameraLookahead", "CameraLookahead"}), 8.0);
    car.CameraLATiltfactor = firstOr(keys.decimals({"KameraLATiltfactor", "CameraLATiltfactor"}), 0.5);

    // Hidden values: looked up always, kept only with the hidden settings on.
    struct Hidden {
        std::string_view key;
        double CarData::*field;
        double fallback;
    };
    constexpr Hidden hidden[] = {
        {"JetSkiUnknown", &CarData::JetSkiUnknown, 10.0}, {"WaterUnknownA", &CarData::WaterUnknownA, 2.0},
        {"WaterUnknownB", &CarData::WaterUnknownB, 2.0},  {"WaterUnknownC", &CarData::WaterUnknownC, 0.5},
        {"WaterUnknownD", &CarData::WaterUnknownD, 0.5},  {"WaterUnknownE", &CarData::WaterUnknownE, 0.0},
        {"WaterUnknownF", &CarData::WaterUnknownF, 0.0},
    };
    for (const auto& h : hidden) {
        const auto values = keys.decimals({h.key});
        car.*h.field = hiddenSettings ? firstOr(values, h.fallback) : h.fallback;
    }

    car.OvertakeFlag = firstOr(keys.integers({"UeberholenFlag", "OvertakeFlag"}), 0) == 1 ? 1 : 0;
    car.PriorityStationType = firstOr(keys.texts({"PrioritaetStationstyp", "PriorityStationType"}), std::string());
}

void readRole(CarKeyLookup& lookup, CarRole role, bool hiddenSettings, Dialogs& dialogs, bool useEnglish,
              CarRoleData& data) {
    KeyReader keys(lookup, std::string(carRoleName(role)) + "_");
    RoleFound found;
    found.IncludeRIC = keys.texts({"IncludeRIC"});
    found.IncludeSVDPartA = keys.texts({"IncludeTeilASVD"});
    found.IncludeSVDPartB = keys.texts({"IncludeTeilBSVD"});
    found.ModelNamePartA = keys.texts({"ModellnameTeilA", "ModelNamePartA"});
    found.ModelNamePartB = keys.texts({"ModellnameTeilB", "ModelNamePartB"});
    found.InertiaPartA = keys.decimals({"TraegheitTeilA", "TraegheitFestteil", "InertiaPartA"});
    found.InertiaPartB = keys.decimals({"TraegheitTeilB", "TraegheitBewegungsteil", "InertiaPartB"});
    settleRole(role, found, hiddenSettings, data);

    data.TurnaxisType = firstOr(keys.integers({"BewegungsachsenTyp", "Bewegungsachsentyp", "TurnaxisType"}), 0);
    data.TurnaxisStability = firstOr(
        keys.decimals({"BewegungsachsenStabilitaet", "StabilitaetBewegungsteil", "TurnaxisStability"}), 4.0);
    data.TurnaxisMomentum =
        firstOr(keys.decimals({"BewegungsachsenSchwung", "SchwungBewegungsteil", "TurnaxisMomentum"}), 0.1);
    data.TurnaxisStopper = firstOr(keys.decimals({"BewegungsachsenAnschlag", "TurnaxisStopper"}), -1.0);
    const auto unknown = keys.decimals({"BewegungsachsenUnknown"});
    data.TurnaxisUnknown = hiddenSettings ? firstOr(unknown, 0.0) : 0.0;

    data.PeepSeatingPositions = keys.integers({"PeepSitzposition", "PeepSeatingPosition"});
    if (data.PeepSeatingPositions.empty()) data.PeepSeatingPositions = {11};
    if (data.PeepSeatingPositions.size() > kMaxPeepSeatingPositions) {
        // The car structure has room for this many; say so rather than drop the rest unseen.
        dialogs.showMessage(message("peepSeatingPositionsCut", languageOf(useEnglish),
                                    {carRoleName(role), std::to_string(data.PeepSeatingPositions.size()),
                                     std::to_string(kMaxPeepSeatingPositions)}));
        data.PeepSeatingPositions.resize(kMaxPeepSeatingPositions);
    }

    data.SideSwing = firstOr(keys.decimals({"Seitenschwankung", "SideSwing"}), 0.0);
    data.HeightSwing = firstOr(keys.decimals({"Hoehenschwankung", "HeightSwing"}), 0.0);
    for (const auto& event : kCarAnimEvents) {
        const std::string german = "AnimNr" + std::string(event.name);
        const std::string english = "AnimNo" + std::string(event.name);
        data.*event.field = firstOr(keys.integers({german, english}), -1);
    }
}

}  // namespace

CarData readCarFields(CarKeyLookup& lookup, bool hiddenSettings, Dialogs& dialogs, bool useEnglish) {
    CarData car;
    KeyReader trainKeys(lookup, "");
    readTrain(trainKeys, hiddenSettings, car);
    for (CarRole role : kCarRoles) readRole(lookup, role, hiddenSettings, dialogs, useEnglish, car.role(role));
    return car;
}

}  // namespace zw
