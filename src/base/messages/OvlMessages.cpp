#include "base/messages/MessageTables.h"

// OVL writer, model pair reader and model re-emission.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    // Warnings while a pair is written; the pair is written all the same. {1} the file (931) or the
    // pair's object name (932).
    {"931",
     "Fehler 931! {1} bekommt mehr als 6000 Relocations in einem seiner Teile. Die Datei wird trotzdem geschrieben, aber so große Dateien sind mit RCT3 nicht erprobt. Lädt das Spiel sie nicht, die Bahn bzw. den Wagen kleiner machen (weniger Modelle, Wagen oder Schienenabschnitte) und neu erstellen.",
     "Error 931! {1} gets more than 6000 relocations in one of its parts. The file is written all the same, but files this large have not been tried with RCT3. If the game does not load it, make the ride or car smaller (fewer models, cars or track sections) and build it again."},
    {"932",
     "Fehler 932! Das Paar {1} bekommt mehr als 12000 Pointer. Es wird trotzdem geschrieben, aber so große Paare sind mit RCT3 nicht erprobt. Lädt das Spiel es nicht, die Bahn bzw. den Wagen kleiner machen (weniger Modelle, Wagen oder Schienenabschnitte) und neu erstellen.",
     "Error 932! The pair {1} gets more than 12000 pointers. It is written all the same, but pairs this large have not been tried with RCT3. If the game does not load it, make the ride or car smaller (fewer models, cars or track sections) and build it again."},
    // {1} the model name as written in the car data file, without extension
    {"171",
     "Fehler 171! {1}.common.ovl Datei konnte nicht geöffnet werden.\r\nBefindet sich möglicherweise das Modell in einem anderen Ordner als die WagenDaten.txt Datei?",
     "Error 171! {1}.common.ovl file not found.\r\nMaybe the model is in another folder than the WagenDaten.txt file?"},
    // {1} the model name as written in the car data file, without extension
    {"172",
     "Fehler 172! {1}.common.ovl ist keine OVL-Version-1 Datei.",
     "Error 172! {1}.common.ovl is no OVL-Version-1 file."},
    // {1} the model name as written in the car data file, without extension
    {"176",
     "Fehler 176! Eine Blockanzahl in {1}.common.ovl ist größer als 51.",
     "Error 176! A block count in {1}.common.ovl is greater than 51."},
    // {1} the model name as written in the car data file, without extension
    {"173",
     "Fehler 173! {1}.unique.ovl Datei konnte nicht geöffnet werden.\r\nBefindet sich möglicherweise das Modell in einem anderen Ordner als die WagenDaten.txt Datei?",
     "Error 173! {1}.unique.ovl file not found.\r\nMaybe the model is in another folder than the WagenDaten.txt file?"},
    // {1} the model name as written in the car data file, without extension
    {"174",
     "Fehler 174! {1}.unique.ovl ist keine OVL-Version-1 Datei.",
     "Error 174! {1}.unique.ovl is no OVL-Version-1 file."},
    // {1} the model name as written in the car data file, without extension
    {"177",
     "Fehler 177! Eine Blockanzahl in {1}.unique.ovl ist größer als 51.",
     "Error 177! A block count in {1}.unique.ovl is greater than 51."},
    // {1} the model name as written in the car data file, without extension
    {"185",
     "Fehler 185! {1} enthält keine Deklarationen.",
     "Error 185! {1} includes no declarations."},
    // {1} the model name as written in the car data file, without extension
    {"181",
     "Fehler 181! Das vom Importer erzeugte Modell {1} kann nicht für die Erzeugung von CTR-Wagen verwendet werden, da es StaticShape-Strukturen (:SHS) enthält.",
     "Error 181! The model {1} cannot be used to create a CTR-Car, since it includes StaticShape-Structures (:SHS)."},
    // {1} the model name as written in the car data file, without extension
    {"182",
     "Fehler 182! Die eingelesenen {1} OVLs enthalten bereits RideCar-Strukturen (:RIC) und nicht nur ein vom Importer erzeugtes Modell.",
     "Error 182! The {1} OVLs include not just a car model but also RideCar-Structures (:RIC)."},
    // {1} the model name as written in the car data file, without extension
    {"183",
     "Fehler 183! Die eingelesenen {1} OVLs enthalten bereits RideTrain-Strukturen (:RIT) und nicht nur ein vom Importer erzeugtes Modell.",
     "Error 183! The {1} OVLs include not just a car model but also RideTrain-Structures (:RIT)."},
    // {1} the model name as written in the car data file, without extension
    {"190",
     "Fehler 190! Die eingelesenen {1} OVLs enthalten keine SceneryItemVisual-Struktur (:SVD), welche für die Erzeugung von CTR-Wagen benötigt wird.",
     "Error 190! The {1} OVLs include no SceneryItemVisual-Structures (:SVD) which are needed for CTR-Cars."},
    // {1} the model name as written in the car data file, without extension
    {"191",
     "Fehler 191! Die eingelesenen {1} OVLs enthalten mehr als eine SceneryItemVisual-Struktur (:SVD).",
     "Error 191! The {1} OVLs include more than one SceneryItemVisual-Structure (:SVD)."},
    // {1} the model name as written in the car data file, without extension
    {"188",
     "Fehler 188! Der Dateiname der eingelesenen {1} OVLs entspricht nicht dem internen Objektnamen (:SVD).",
     "Error 188! The file name of {1} OVLs doesn't match the internal object name (:SVD)."},
    // {1} the model name as written in the car data file, without extension
    {"186",
     "Fehler 186! Das vom Importer erzeugte Modell {1} enthält keine BoneShape-Strukturen (:BSH), welche für die Erzeugung von CTR-Wagen benötigt werden.",
     "Error 186! The model {1} includes no BoneShape-Structures (:BSH) which are needed to create a CTR-Car."},
    // {1} the model name as written in the car data file, without extension
    {"193",
     "Fehler 193! Das vom Importer erzeugte Modell {1} enthält keine FlexiTexture-Strukturen (:FTX), welche für die Erzeugung von CTR-Wagen benötigt werden.",
     "Error 193! The model {1} includes no FlexiTexture-Structures (:FTX) which are needed to create a CTR-Car."},
    // {1} the model name as written in the car data file, without extension
    {"194",
     "Fehler 194! {1} enthält keine Symbolliste.",
     "Error 194! {1} includes no Symbollist."},
    {"195",
     "Fehler 195! In einer BoneShape-Struktur (:bsh) fehlen die Texturen.",
     "Error 195! The textures are missing in a BoneShape-Structure (:bsh)."},
    {"196",
     "Fehler 196! In einer BoneShape-Struktur (:bsh) fehlen die EffectBones.",
     "Error 196! The EffectBones are missing in a BoneShape-Structure (:bsh)."},
    // {1} the model file that holds the word, {2} its address in the model pair (decimal)
    {"modelReferenceUnmatched",
     "{1} kann nicht verwendet werden: das Wort an Adresse {2} muss eine Symbolreferenz sein, aber die Symbolliste des Modells nennt keine für diese Stelle.",
     "{1} cannot be used: the word at address {2} must be a symbol reference, but the model's symbol list names none for that place."},
    // {1} the path of an output OVL file, {2} the system's reason
    {"ovlFileNotWritten",
     "Die Datei {1} konnte nicht geschrieben werden ({2}).",
     "The file {1} could not be written ({2})."},
    // The pair inspector. {1} a file name; numbers and addresses in decimal; names in quotes.
    {"ovlFileNotOpened",
     "Die Datei {1} konnte nicht geöffnet werden.",
     "The file {1} could not be opened."},
    // {2} what the reading ran into
    {"ovlFileMalformed",
     "{1} ist keine lesbare OVL-Datei: {2}",
     "{1} is no readable OVL file: {2}"},
    {"ovlCheckMagic",
     "{1}: beginnt nicht mit FGRK.",
     "{1}: does not start with FGRK."},
    {"ovlCheckVersion",
     "{1}: Version {2} statt 1.",
     "{1}: version {2} instead of 1."},
    {"ovlCheckLoaderTypes",
     "Die beiden Dateien nennen verschiedene Ladertypen.",
     "The two files list different loader types."},
    {"ovlCheckTables",
     "{1}: Blocktyp {2} hat {3} Blöcke, erwartet sind mindestens {4}.",
     "{1}: block type {2} has {3} blocks, at least {4} expected."},
    {"ovlCheckTableSize",
     "{1}: Blocktyp {2}, Block {3} umfasst {4} Bytes, kein Vielfaches von {5}.",
     "{1}: block type {2}, block {3} holds {4} bytes, not a multiple of {5}."},
    {"ovlCheckExtraData",
     "{1}: {2} Extradaten-Einträge folgen den Relocations; nur die .common-Datei darf welche haben.",
     "{1}: {2} extra-data entries follow the relocations; only the .common file may have them."},
    {"ovlCheckRelocationSlot",
     "{1}: Relocation {2} nennt den Slot bei Adresse {3}, der nicht ganz in einem Block des Adressraums liegt.",
     "{1}: relocation {2} names the slot at address {3}, which does not lie wholly in one block of the address space."},
    {"ovlCheckRelocationFile",
     "{1}: Relocation {2} nennt den Slot bei Adresse {3} in der anderen Datei.",
     "{1}: relocation {2} names the slot at address {3} in the other file."},
    {"ovlCheckRelocationValue",
     "{1}: Relocation {2}: der Slot bei Adresse {3} enthält {4}, außerhalb des Adressraums ({5} Bytes).",
     "{1}: relocation {2}: the slot at address {3} holds {4}, outside the address space ({5} bytes)."},
    {"ovlCheckSymbolName",
     "{1}: Symbol {2}: die Namensadresse {3} führt zu keinem Text der Stringtabelle.",
     "{1}: symbol {2}: the name address {3} leads to no string of the string table."},
    {"ovlCheckSymbolOrder",
     "{1}: Die Symboltabelle ist nicht sortiert: \"{2}\" steht vor \"{3}\".",
     "{1}: the symbol table is not sorted: \"{2}\" stands before \"{3}\"."},
    {"ovlCheckLoaderType",
     "{1}: Loader {2} hat den Ladertyp {3}, die Datei nennt aber nur {4} Ladertypen.",
     "{1}: loader {2} has loader type {3}, but the file lists only {4} loader types."},
    {"ovlCheckLoaderSymbol",
     "{1}: Loader {2}: das Symbolfeld {3} führt zu keinem Symboleintrag dieser Datei.",
     "{1}: loader {2}: its symbol field {3} leads to no symbol entry of this file."},
    {"ovlCheckLoaderStructure",
     "{1}: Loader {2} nennt die Struktur {3}, sein Symbol \"{4}\" aber die Struktur {5}.",
     "{1}: loader {2} names structure {3}, but its symbol \"{4}\" names structure {5}."},
    {"ovlCheckReferenceCount",
     "{1}: Loader {2} zählt {3} Symbolreferenzen, aber {4} nennen ihn.",
     "{1}: loader {2} counts {3} symbol references, but {4} name it."},
    {"ovlCheckReferenceName",
     "{1}: Symbolreferenz {2}: die Namensadresse {3} führt zu keinem Text der Stringtabelle.",
     "{1}: symbol reference {2}: the name address {3} leads to no string of the string table."},
    {"ovlCheckReferenceSlotOutside",
     "{1}: Symbolreferenz {2} (\"{3}\"): der Slot bei Adresse {4} liegt nicht ganz in einem Block des Adressraums.",
     "{1}: symbol reference {2} (\"{3}\"): the slot at address {4} does not lie wholly in one block of the address space."},
    {"ovlCheckReferenceSlot",
     "{1}: Symbolreferenz {2} (\"{3}\"): der Slot bei Adresse {4} enthält {5} statt 0.",
     "{1}: symbol reference {2} (\"{3}\"): the slot at address {4} holds {5} instead of 0."},
    {"ovlCheckReferenceLoader",
     "{1}: Symbolreferenz {2} (\"{3}\"): {4} ist kein Loadereintrag der .unique-Datei.",
     "{1}: symbol reference {2} (\"{3}\"): {4} is no loader entry of the .unique file."},
    // A pair whose unique file could not follow its common file. {1} the file that failed, {2} the
    // system's reason, {3} the common file; {4} why the common file could not be set back, {5} where
    // its previous content is kept.
    {"ovlPairSetBack",
     "Die Datei {1} konnte nicht geschrieben werden ({2}). {3} wurde auf den Stand vor dem Erstellen zurückgesetzt, damit kein halb ersetztes Dateipaar bleibt.",
     "The file {1} could not be written ({2}). {3} was set back to what it was before, so no half-replaced pair is left."},
    {"ovlPairOldFileKept",
     "Die Datei {1} konnte nicht geschrieben werden ({2}), und die bisherige Datei {3} konnte nicht zurückgelegt werden ({4}); sie liegt als {5} bereit.",
     "The file {1} could not be written ({2}), and the previous {3} could not be put back ({4}); it is kept as {5}."},
    {"ovlPairNewFileKept",
     "Die Datei {1} konnte nicht geschrieben werden ({2}), und die neue Datei {3} konnte nicht wieder entfernt werden ({4}); sie gehört zu keinem vollständigen Dateipaar.",
     "The file {1} could not be written ({2}), and the new file {3} could not be removed again ({4}); it belongs to no complete pair."},
};

}  // namespace

std::span<const MessageText> ovlMessages() { return kMessages; }

}  // namespace zw::messages
