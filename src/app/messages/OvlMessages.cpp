#include "app/messages/MessageTables.h"

// OVL writer, model pair reader and model re-emission.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    {"931",
     "Fehler 931! RelocationAnzahl in einem File groesser als 6000. Bitte Jaskel kontaktieren.",
     "Error 931! Relocation count is greater than 6000 in one file. Please contact Jaskel."},
    {"932",
     "Fehler 932! PointerAnzahl groesser als 12000. Bitte Jaskel kontaktieren.",
     "Error 932! Pointer count is greater than 12000 in one file. Please contact Jaskel."},
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
    // {1} the path of an output OVL file, {2} the system's reason
    {"ovlFileNotWritten",
     "Die Datei {1} konnte nicht geschrieben werden ({2}).",
     "The file {1} could not be written ({2})."},
};

}  // namespace

std::span<const MessageText> ovlMessages() { return kMessages; }

}  // namespace zw::messages
