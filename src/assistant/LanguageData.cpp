#include "assistant/LanguageData.h"

#include <iterator>

namespace zw {
namespace {

constexpr LanguageText kTexts[] = {
    {"ToolButton1", "Neue Bahn beginnen", "New Ride"},
    {"ToolButton2", "Bahn öffnen", "Open Ride"},
    {"ToolButton3", "Bahn speichern...", "Save Ride (*.txt)"},
    {"ToolButton4", "Bahn erstellen (*.ovl)", "Create Ride (*.ovl)"},
    {"ToolButton8", "Assistent beenden", "Close Assistant"},
    {"TabBahneigenschaften", "Bahneigenschaften", "Ride properties"},
    {"TabStrecke", "Streckentyp + Sektionen", "Tracks + Sections"},
    {"TabAllgemein", "Allgemeine Einstellungen", "General settings"},
    {"TabErweitert", "Erweiterte Einstellungen", "Advanced settings"},
    {"TabAddOn", "AddOn", "AddOn"},
    {"TabStatistik", "Statistikwerte", "Statistics"},
    {"TabUeber", "Über", "About"},
    {"lblBahnName", "Bahnname", "Ride name"},
    {"lblBahnIcon", "Bahn-Icon", "Ride icon"},
    {"lblBahnBeschreibung", "Bahnbeschreibung", "Ride description"},
    {"lblBahnKategorie", "Bahnkategorie", "Ride category"},
    {"GroupBoxWagentypen", "Wagentypen", "Car types"},
    {"lblVerfuegbareWagen", "verfügbare Wagen", "available cars"},
    {"lblAusgewaehlteWagen", "ausgewählte Wagen", "chosen cars"},
    {"lstKategorie[0]", "Transportbahnen", "Transport Rides"},
    {"lstKategorie[1]", "Sanfte Bahnen", "Gentle Rides"},
    {"lstKategorie[2]", "Wasserbahnen", "Water Rides"},
    {"lstKategorie[3]", "Achterbahnen Stahl", "RollerCoasters Steel"},
    {"lstKategorie[4]", "Aufregende Fahrten", "Thrill Rides"},
    {"lstKategorie[5]", "Andere Bahnen und Attraktionen", "Other Rides and Attractions"},
    {"lstKategorie[6]", "Kinderbahnen", "Junior Rides"},
    {"lstKategorie[7]", "Achterbahnen Holz", "RollerCoasters Wooden"},
    {"lstKategorie[8]", "Achterbahnen Hängend", "RollerCoasters Suspended"},
    {"lstKategorie[9]", "Achterbahnen Wasser", "RollerCoasters Water"},
    {"GroupBoxStrecke", "Streckentyp und Sektion(en) mit Kostenauflistung", "Track and Section(s) with costs"},
    {"lblVerfuegbareSektionen", "verfügbare Sektionen", "available sections"},
    {"lblAusgewaehlteSektionen", "ausgewählte Sektionen", "chosen sections"},
    {"lblKosten", "Kosten", "Costs"},
    {"btnInsertTrackSections", "Tracksektionen aus der Zwischenablage einfügen", "Paste track sections from the clipboard"},
    {"Button1", "Track auswählen", "Choose track"},
    {"lblMinRunden", "min. Rundenzahl", "min circuits"},
    {"lblMaxRunden", "max. Rundenzahl", "max circuits"},
    {"lblStationstyp", "Stationstyp", "Station type"},
    {"lblBahnStartArt", "Bahnstartmöglichkeiten", "Start options"},
    {"StartOption[0]", "kontinuierlicher Kreis", "Continuous circuit"},
    {"StartOption[1]", "Abschuss", "Powered Launch"},
    {"StartOption[2]", "umgekehrter, geneigter Start", "Reverse inclined launch"},
    {"StartOption[3]", "auf Boot", "Boating"},
    {"StartOption[4]", "Rennen", "Racing"},
    {"StartOption[6]", "Aufwärtsstart", "Upwards launch"},
    {"StartOption[7]", "Freefall", "Freefall drop"},
    {"StartOption[8]", "Auf und ab", "Up and down"},
    {"StartOption[9]", "Minigolf", "Mini golf"},
    {"lblPreStart", "voreingestellter Bahnstart", "Preset start option"},
    {"lblBauKostenHoehe", "Höhenbaukosten", "Height cost"},
    {"lblMaxBauHoehe", "max. Bauhöhe", "max build height"},
    {"lblLichtraumProfilhoehe", "Lichtraumprofilhöhe", "Profile height"},
    {"txtGeschlosseneStrecke", "geschlossene Strecke", "closed circuit"},
    {"txtFertigstellung", "automatische Fertigstellung", "autocomplete"},
    {"txtWagenrotation", "Wagenrotationssymbol", "car rotation symbol"},
    {"txtNurVolllast", "Bahn nur mit Volllast starten", "only start ride fully loaded"},
    {"txtKeineKinder", "keine Kinder erlaubt", "no children allowed"},
    {"txtBlockmodus", "Blockmodus verfügbar", "Block section"},
    {"txtAmpelTestphase", "Ampelphase mit Testmodus", "yellow traffic light"},
    {"txtFliessendesWasser", "langsam fließende Wassertextur", "slowly flowing water texture"},
    {"txtStreckenVerlauf", "Wagen bewegen sich frei auf Strecke", "Ride can swing"},
    {"GroupBoxBauoptionen", "Bauoptionen", "Build options"},
    {"GroupBoxGeschwindigkeit", "Geschwindigkeitseinstellungen", "Speed settings"},
    {"lblGeschwindigkeitsEinheit", "Geschwindigkeitseinheit", "Speed unit"},
    {"lblRollGeschwindigkeitStation", "Stationsrollgeschwindigkeit", "Station speed"},
    {"lblMinStartgeschwindigkeit", "min. Startgeschwindigkeit", "min launch speed"},
    {"lblMaxStartgeschwindigkeit", "max. Startgeschwindigkeit", "max launch speed"},
    {"lblStdGeschwindigkeit", "std. Startgeschwindigkeit", "std launch speed"},
    {"lblMinLiftkettenGeschwindigkeit", "min. Liftkettengeschwindigkeit", "min lift chain speed"},
    {"lblMaxLiftkettenGeschwindigkeit", "max. Liftkettengeschwindigkeit", "max lift chain speed"},
    {"lblStdLiftkettenGeschwindigkeit", "std. Liftkettengeschwindigkeit", "std lift chain speed"},
    {"txtKonstanteGeschwindigkeit", "Konstante Geschwindigkeit", "constant speed"},
    {"lblMinKonstanteGeschwindigkeit", "min. Konstante Geschwindigkeit", "min constant speed"},
    {"lblMaxKonstanteGeschwindigkeit", "max. Konstante Geschwindigkeit", "max constant speed"},
    {"lblStdKonstanteGeschwindigkeit", "std. Konstante Geschwindigkeit", "std constant speed"},
    {"GroupBoxKosten", "Kostenfaktoren", "Cost factors"},
    {"lblKostenVorschau", "Bahnkostenvorschau", "Ride costs preview"},
    {"lblKostenProZug", "Betriebskosten pro Zug", "Running costs per train"},
    {"lblKostenProStation", "Betriebskosten pro Station", "Running costs per station"},
    {"lblKostenBasis", "Betriebskostenbasis", "Running costs base value"},
    {"lblKostenProWagen", "Betriebskosten pro Wagen", "Running costs per car"},
    {"GroupBoxWeitereFaktoren", "Weitere Faktoren", "Other factors"},
    {"lblZuverlaessigkeit", "Bahnzuverlässigkeitsfaktor", "Reliability factor"},
    {"lblAttraktionsAttraktivitaet", "Attraktionsattraktivitätsfaktor", "Attractivity factor"},
    {"lblBergAufAbEinfluss", "Berg auf und ab Einflussstärke", "Hill variation factor"},
    {"chkAddOn", "AddOn-Werte", "AddOn values"},
    {"lblZusatzTrackListe", "Zusatzstreckentyp(en)", "Additional track types"},
    {"lblSelZusatzTrackListe", "gewählte Zusatzstreck(en)", "Chosen additional track types"},
    {"GroupBoxSonstiges", "Sonstiges", "Other"},
    {"lblZugAnzahl", "voreingestellte Zuganzahl", "preset train count"},
    {"txtBahnSynconisieren", "Stationen können synchronisiert werden", "Stations can be synchronized"},
    {"txtVorRueckFreiRotation", "Vor- Rückwärts Frei Rotation", "Free rotation symbol"},
    {"txtVierAchsenRotation", "Vierachsenrotationswinkel", "4 axis rotation symbol"},
    {"txtVertikalInversion", "Vertikale Inversion", "Vertical inversion"},
    {"GroupBoxWasserbahnen", "Wasserbahnen", "Water Rides"},
    {"lblWasserBeschleunigung", "Wasserbeschleunigungsfaktor", "Water acceleration factor"},
    {"lblWasserBremsFaktor", "Wasser Abbremsfaktor", "Water braking factor"},
    {"lblKonstWasserGeschwindigkeit", "konstante Wassersektionsgeschwindigkeit", "constant water section speed"},
    {"GroupBoxStatistik", "Statistikwerte", "Statistics"},
    {"lblBasis", "Basiswerte", "Base"},
    {"lblRunden", "Rundenzahl", "Circuit count"},
    {"lblWagen", "Wagenanzahl", "Car count"},
    {"lblFahrtzeit", "Fahrtzeit", "Ride time"},
    {"lblSzenerie", "Szenerie", "Scenery"},
    {"lblSzenerieEinfluss", "Szenerieeinfluss", "Scenery influence"},
    {"lblFahrtlaenge", "Fahrtlänge", "Ride length"},
    {"lblSGKraefte", "Seitliche G-Kräfte", "Horizontal G force"},
    {"lblVGKraefte", "Vertikale G-Kräfte", "Vertical G force"},
    {"lblHGeschwindigkeit", "Höchstgeschwindigkeit", "Maximum speed"},
    {"lblDGeschwinigkeit", "Durchschnittsgeschwindigkeit", "Average speed"},
    {"lblErr", "Erregungswert", "Excitement"},
    {"lblInt", "Intensitätswert", "Intensity"},
    {"lblUeb", "Übelkeitswert", "Nausea"},
    {"btnThemenfahrt", "Default-Werte für Themenfahrten verwenden", "Apply default values for theme rides"},
    {"btnAchterbahn", "Default-Werte für Achterbahnen verwenden", "Apply default values for coaster rides"},
    {"GroupBoxTowerRides", "Tower Rides", "Tower Rides"},
    {"lblMidSection.EditLabel", "Mittlere Tracksektion (A)", "Middle track section (A)"},
    {"lblTopSection.EditLabel", "Obere Tracksektion (A)", "Top track section (A)"},
    {"lblMidSectionB.EditLabel", "Mittlere Tracksektion (B)", "Middle track section (B)"},
    {"lblTopSectionB.EditLabel", "Obere Tracksektion (B)", "Top track section (B)"},
    {"lblTopTime.EditLabel", "Spitzendauer", "Top duration"},
    {"lblTopLength.EditLabel", "Spitzenabstand", "Top clearance"},
    {"GroupBoxSpezialwagen", "Spezialwagen", "Special cars"},
    {"lblSpezialWagenA.EditLabel", "Spezialwagentyp (A)", "Special car (A)"},
    {"lblSpezialWagenWartepositionA.EditLabel", "Spezialwagentyp (A) - Warteposition", "Special car (A) wait position"},
    {"lblSpezialWagenEinhakpositionA.EditLabel", "Spezialwagentyp (A) - Einhakposition", "Special car (A) hitch position"},
    {"lblSpezialWagenB.EditLabel", "Spezialwagentyp (B)", "Special car (B)"},
};

constexpr LanguageText kUncaptioned[] = {
    {"lblStreckentypen", "Streckentyp", "Track type"},
    {"lblEintrittspreis", "voreingestellter Eintrittspreis", "preset entrance fee"},
    {"lblHoeheUeberGleis", "Stationshöhe über Gleis", "station height above track"},
    {"txtNurWasser", "nur auf Wasser baubar", "build on water only"},
    {"txtAbrissMoeglichkeit", "an jeder Stelle abbaubar", "can be demolished anywhere"},
    {"txtAlleModi", "alle Betriebsmodi anzeigen", "show all operating modes"},
    {"lblStartSchrittweite", "Schrittweite Startgeschwindigkeit", "launch speed step"},
    {"lblKettenSchrittweite", "Schrittweite Liftkettengeschwindigkeit", "lift chain speed step"},
    {"lblLiftkettenEinrastung", "Liftketteneinrastung", "lift chain engagement"},
    {"lblKonstanteGeschwindigkeitSchrittweite", "Schrittweite konstante Geschwindigkeit", "constant speed step"},
};

// The start options without a translation keep their text in both languages.
constexpr std::string_view kStartOptions[16] = {
    "", "", "", "", "", "Shuttle", "", "", "", "", "Slide", "ReverseCableLifthill", "Water Transport", "Aquarium",
    "Multiple Powerlaunch", "Lazy River"};

std::vector<std::string> itemsOf(std::string_view prefix, size_t count, bool english,
                                 const std::string_view* untranslated = nullptr) {
    std::vector<std::string> items(count);
    if (untranslated) {
        for (size_t i = 0; i < count; ++i) items[i] = std::string(untranslated[i]);
    }
    for (const auto& text : kTexts) {
        if (text.target.substr(0, prefix.size()) != prefix) continue;
        size_t index = 0;
        for (size_t i = prefix.size(); i < text.target.size() && text.target[i] != ']'; ++i) {
            index = index * 10 + static_cast<size_t>(text.target[i] - '0');
        }
        if (index < count) items[index] = std::string(english ? text.english : text.german);
    }
    return items;
}

}  // namespace

std::span<const LanguageText> languageTable() { return {kTexts, std::size(kTexts)}; }

std::span<const LanguageText> uncaptionedControlTexts() { return {kUncaptioned, std::size(kUncaptioned)}; }

std::vector<std::string> categoryItems(bool english) { return itemsOf("lstKategorie[", 10, english); }

std::vector<std::string> startOptionItems(bool english) {
    return itemsOf("StartOption[", 16, english, kStartOptions);
}

}  // namespace zw
