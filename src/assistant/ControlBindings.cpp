#include "assistant/ControlBindings.h"

#include <deque>
#include <string>
#include <vector>

namespace zw {
namespace {

using R = RideData;
using C = Conversion;

// The feature flags no data-file key sets: the early animation end.
constexpr uint32_t kFlagEarlyAnimationEnd = 32;

// A rating row with controls: its row of the rating table (0-based), its controls' stem and its label.
struct RatingControls {
    size_t row;
    std::string_view stem;     // "lstBasis" names lstBasisErr, lstBasisInt, lstBasisUeb
    std::string_view caption;  // the row's label
};
constexpr RatingControls kRatingControls[] = {
    {0, "lstBasis", "lblBasis"},
    {1, "lstRunden", "lblRunden"},
    {2, "lstWagen", "lblWagen"},
    {3, "lstFahrtzeit", "lblFahrtzeit"},
    {4, "lstSzenerie", "lblSzenerie"},
    {10, "lstHGeschwindigkeit", "lblHGeschwindigkeit"},
    {11, "lstDGeschwinigkeit", "lblDGeschwinigkeit"},
    {12, "lstFahrtlaenge", "lblFahrtlaenge"},
    {22, "lstSzenerieEinfluss", "lblSzenerieEinfluss"},
    {23, "lstSGKraefte", "lblSGKraefte"},
    {24, "lstVGKraefte", "lblVGKraefte"},
};

struct RatingColumnControls {
    RatingColumn column;
    std::string_view suffix;
    std::string_view caption;
};
constexpr RatingColumnControls kRatingColumns[] = {
    {Excitement, "Err", "lblErr"},
    {Intensity, "Int", "lblInt"},
    {Nausea, "Ueb", "lblUeb"},
};

ControlBinding shownOnly(ControlBinding binding) {
    binding.binding = Binding::ShownOnly;
    return binding;
}

std::vector<ControlBinding> makeBindings() {
    std::vector<ControlBinding> b = {
        {"txtBahnName", "lblBahnName", "", &R::BahnName, C::Text},
        {"txtBahnBeschreibung", "lblBahnBeschreibung", "", &R::BahnDescription, C::Text},
        {"lstIcons", "lblBahnIcon", "", &R::BahnIcon, C::IconText},
        {"lstKategorie", "lblBahnKategorie", "", &R::BahnKategorie, C::Category},
        {"lstSelWagen", "GroupBoxWagentypen", "", &R::WagentypName, C::List},
        {"lstSelSektionen", "lblAusgewaehlteSektionen", "", &R::TrackSectionName, C::SectionList},
        {"lstStreckentypen", "lblStreckentypen", "", &R::TrackTyp, C::Choice},
        {"SelZusatzTrackListe", "lblSelZusatzTrackListe", "", &R::ZusatzTrackTyp, C::List},
        {"txtBauKostenHoehe", "lblBauKostenHoehe", "", &R::BaukostenHoehe4H, C::Money},
        {"lstStationstyp", "lblStationstyp", "", &R::Stationstyp, C::Choice},
        shownOnly({"txtHoeheUeberGleis", "lblHoeheUeberGleis", "", &R::stationHeightAboveTrack, C::WholePart}),
        {"txtLichtraumProfilhoehe", "lblLichtraumProfilhoehe", "", &R::LichtraumprofilHoehe, C::Number},
        {"txtMaxBauHoehe", "lblMaxBauHoehe", "", &R::BauhoeheMax, C::Integer},
        {"lstPreStart", "lblPreStart", "", &R::BahnstartPreset, C::PresetStart},
        {"lstBahnStartArt", "lblBahnStartArt", "", &R::BahnstartMoeglichkeiten, C::StartOptions},
        shownOnly({"txtNurWasser", "txtNurWasser", "", &R::buildOnWaterOnly, C::Flag}),
        {"txtKeineKinder", "txtKeineKinder", "", RideFlagBit{kFlagNoChildren}, C::FlagBit},
        {"txtFliessendesWasser", "txtFliessendesWasser", "", RideFlagBit{kFlagNoFlowingWaterTexture}, C::FlagBit},
        {"txtAmpelTestphase", "txtAmpelTestphase", "", RideFlagBit{kFlagRedGreenLight}, C::InvertedFlagBit},
        shownOnly({"txtAnimFahrtEnde", "txtAnimFahrtEnde", "", RideFlagBit{kFlagEarlyAnimationEnd}, C::FlagBit}),
        {"txtNurVolllast", "txtNurVolllast", "", RideFlagBit{kFlagFullLoad}, C::FlagBit},
        {"txtStreckenVerlauf", "txtStreckenVerlauf", "", RideFlagBit{kFlagRideBetweenTrackSplines}, C::FlagBit},
        {"txtBlockmodus", "txtBlockmodus", "", &R::BlockaufteilungsFlag, C::Flag},
        {"txtMinRunden", "lblMinRunden", "", &R::RundenanzahlMin, C::WholePart},
        {"txtMaxRunden", "lblMaxRunden", "", &R::RundenanzahlMax, C::Integer},
        {"txtFertigstellung", "txtFertigstellung", "", &R::AutoFertigstellungFlag, C::Flag},
        {"txtWagenrotation", "txtWagenrotation", "", &R::WagenRotationswinkelFlag, C::Flag},
        {"txtGeschlosseneStrecke", "txtGeschlosseneStrecke", "", &R::SchleifenUnzulaessigFlag, C::InvertedFlag},
        {"txtAbrissMoeglichkeit", "txtAbrissMoeglichkeit", "", &R::AnjederStelleabbaubarFlag, C::Flag},
        shownOnly({"txtAlleModi", "txtAlleModi", "", &R::showAllOperatingModes, C::MinusOneFlag}),
        {"lstGeschwindigkeitsEinheit", "lblGeschwindigkeitsEinheit", "", &R::SpeedUnitFactor, C::SpeedUnit},
        {"txtRollGeschwindigkeitStation", "lblRollGeschwindigkeitStation", "", &R::InAusStationRollgeschw, C::Speed},
        {"txtMinLiftkettenGeschwindigkeit", "lblMinLiftkettenGeschwindigkeit", "", &R::LiftkettengeschwMin, C::Speed},
        {"txtMaxLiftkettenGeschwindigkeit", "lblMaxLiftkettenGeschwindigkeit", "", &R::LiftkettengeschwMax, C::Speed},
        {"txtStdLiftkettenGeschwindigkeit", "lblStdLiftkettenGeschwindigkeit", "", &R::LiftkettengeschwPreset,
         C::Speed},
        shownOnly({"txtKettenSchrittweite", "lblKettenSchrittweite", "", &R::liftChainSpeedStep, C::Speed}),
        shownOnly({"txtLiftkettenEinrastung", "lblLiftkettenEinrastung", "", &R::liftChainEngagement, C::Number}),
        {"txtMinStartgeschwindigkeit", "lblMinStartgeschwindigkeit", "", &R::StartgeschwMin, C::Speed},
        {"txtMaxStartgeschwindigkeit", "lblMaxStartgeschwindigkeit", "", &R::StartgeschwMax, C::Speed},
        {"txtStdGeschwindigkeit", "lblStdGeschwindigkeit", "", &R::StartgeschwPreset, C::Speed},
        shownOnly({"txtStartSchrittweite", "lblStartSchrittweite", "", &R::launchSpeedStep, C::Speed}),
        {"txtKonstanteGeschwindigkeit", "txtKonstanteGeschwindigkeit", "", &R::KonstantgeschwFlag, C::Flag},
        {"txtMinKonstanteGeschwindigkeit", "lblMinKonstanteGeschwindigkeit", "", &R::KonstantgeschwMin, C::Speed},
        {"txtMaxKonstanteGeschwindigkeit", "lblMaxKonstanteGeschwindigkeit", "", &R::KonstantgeschwMax, C::Speed},
        {"txtStdKonstanteGeschwindigkeit", "lblStdKonstanteGeschwindigkeit", "", &R::KonstantgeschwPreset, C::Speed},
        shownOnly({"txtKonstanteGeschwindigkeitSchrittweite", "lblKonstanteGeschwindigkeitSchrittweite", "",
                   &R::constantSpeedStep, C::Speed}),
        {"txtBergAufAbEinfluss", "lblBergAufAbEinfluss", "", &R::BergaufabAbweichung, C::Number},
        {"txtKostenVorschau", "lblKostenVorschau", "", &R::BahnkostenVorschau, C::Money},
        {"txtKostenBasis", "lblKostenBasis", "", &R::BetriebskostenBasis, C::Money},
        {"txtKostenProZug", "lblKostenProZug", "", &R::BetriebskostenproZug, C::Money},
        {"txtKostenProWagen", "lblKostenProWagen", "", &R::BetriebskostenproWagen, C::Money},
        {"txtKostenProStation", "lblKostenProStation", "", &R::BetriebskostenproStation, C::Money},
        shownOnly({"txtEintrittspreis", "lblEintrittspreis", "", &R::entranceFeePreset, C::Money}),
    };
    for (const auto& row : kRatingControls) {
        for (const auto& column : kRatingColumns) {
            // The names live as long as the table (a deque keeps its items in place as it grows).
            static std::deque<std::string> names;
            names.push_back(std::string(row.stem) + std::string(column.suffix));
            b.push_back({names.back(), row.caption, column.caption, RatingCell{row.row, column.column}, C::Number});
        }
    }
    const std::vector<ControlBinding> rest = {
        {"txtZuverlaessigkeit", "lblZuverlaessigkeit", "", &R::Zuverlaessigkeitsabnahme, C::Number},
        {"txtAttraktionsAttraktivitaet", "lblAttraktionsAttraktivitaet", "", &R::PeepAttraktivitaet, C::Integer},
        {"txtVorRueckFreiRotation", "txtVorRueckFreiRotation", "", &R::VorRueckFreiRotationFlag, C::Flag},
        {"txtVierAchsenRotation", "txtVierAchsenRotation", "", &R::VierAchsenRotationswinkelFlag, C::Flag},
        {"txtVertikalInversion", "txtVertikalInversion", "", &R::VertikalInversionswechselFlag, C::Flag},
        {"txtZugAnzahl", "lblZugAnzahl", "", &R::ZuganzahlPreset, C::Integer},
        {"txtBahnSynconisieren", "txtBahnSynconisieren", "", &R::StationenSyncFlag, C::Flag},
        {"txtKonstWasserGeschwindigkeit", "lblKonstWasserGeschwindigkeit", "", &R::WaterSectionKonstantgeschw,
         C::Number},
        {"txtWasserBeschleunigung", "lblWasserBeschleunigung", "", &R::WaterSectionBeschleunigung, C::Number},
        {"txtWasserBremsFaktor", "lblWasserBremsFaktor", "", &R::WaterSectionAbbremsung, C::Number},
        {"lblMidSection", "lblMidSection.EditLabel", "", &R::SpezialTrackSectionNameAMitte, C::Text},
        {"lblTopSection", "lblTopSection.EditLabel", "", &R::SpezialTrackSectionNameAEnde, C::Text},
        {"lblMidSectionB", "lblMidSectionB.EditLabel", "", &R::SpezialTrackSectionNameBMitte, C::Text},
        {"lblTopSectionB", "lblTopSectionB.EditLabel", "", &R::SpezialTrackSectionNameBEnde, C::Text},
        {"lblTopTime", "lblTopTime.EditLabel", "", &R::TowerRideSpitzenDauer, C::Number},
        {"lblTopLength", "lblTopLength.EditLabel", "", &R::TowerRideSpitzenAbstand, C::Number},
        {"lblSpezialWagenA", "lblSpezialWagenA.EditLabel", "", &R::SpezialWagentypAName, C::Text},
        {"lblSpezialWagenB", "lblSpezialWagenB.EditLabel", "", &R::SpezialWagentypBName, C::Text},
        {"lblSpezialWagenWartepositionA", "lblSpezialWagenWartepositionA.EditLabel", "",
         &R::SpezialWagentypAVersatzWarten, C::Number},
        {"lblSpezialWagenEinhakpositionA", "lblSpezialWagenEinhakpositionA.EditLabel", "",
         &R::SpezialWagentypAVersatzEinhaken, C::Number},
    };
    b.insert(b.end(), rest.begin(), rest.end());
    return b;
}

}  // namespace

std::span<const ControlBinding> controlBindings() {
    static const std::vector<ControlBinding> bindings = makeBindings();
    return bindings;
}

const ControlBinding* bindingOf(std::string_view control) {
    for (const auto& binding : controlBindings()) {
        if (binding.control == control) return &binding;
    }
    return nullptr;
}

}  // namespace zw
