#include "base/messages/MessageTables.h"

// Ride pair (tracked ride, splines, icon) and car pair.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    {"468",
     "Fehler 468! TrackTyp ist fehlerhaft angegeben. Abbruch des Schreibens der ovl-Datei.",
     "Error 468! TrackType is wrong. Abort writing the ovl-file."},
    {"469",
     "Fehler 469! ZusatzTrackTyp ist fehlerhaft angegeben. Abbruch des Schreibens der ovl-Datei.",
     "Error 469! AdditionalTrackType is wrong. Abort writing the ovl-file."},
    {"141",
     "Fehler 141! PeepPathSpline.common.ovl Datei konnte nicht geöffnet werden.\r\nBefindet sich möglicherweise diese Datei in einem anderen Ordner als die BahnDaten.txt Datei?",
     "Error 141! PeepPathSpline.common.ovl file not found.\r\nMaybe this file is in another folder than the BahnDaten.txt file?"},
    {"142",
     "Fehler 142! PeepPathSpline.common.ovl ist keine OVL-Version-1 Datei.",
     ""},
    {"146",
     "Fehler 146! Eine Blockanzahl in PeepPathSpline.common.ovl ist größer als 51.",
     ""},
    {"143",
     "Fehler 143! PeepPathSpline.unique.ovl Datei konnte nicht geöffnet werden.\r\nBefindet sich möglicherweise diese Datei in einem anderen Ordner als die BahnDaten.txt Datei?",
     "Error 143! PeepPathSpline.unique.ovl file not found.\r\nMaybe this file is in another folder than the BahnDaten.txt file?"},
    {"144",
     "Fehler 144! PeepPathSpline.unique.ovl ist keine OVL-Version-1 Datei.",
     ""},
    {"147",
     "Fehler 147! Eine Blockanzahl in PeepPathSpline.unique.ovl ist größer als 51.",
     ""},
    {"155",
     "Fehler 155! PeepPathSpline.common.ovl enthält keine Deklarationen.",
     ""},
    {"149",
     "Fehler 149! Die eingelesenen PeepPathSpline-OVLs enthalten bereits TrackedRide-Strukturen (:TRR) und nicht nur vom Importer erzeugte Splines.",
     ""},
    {"150",
     "Fehler 150! Die eingelesenen PeepPathSpline-OVLs enthalten keine Spline-Struktur (:SPL), welche für die Erzeugung eines PeepPath benötigt wird.",
     ""},
    // {1} the number of splines in the OVLs, in decimal; {2} the number of peep splines in the ride data, in decimal
    {"151",
     "Fehler 151! Die eingelesenen PeepPathSpline-OVLs enthalten zuwenig Spline-Strukturen (:SPL). In den OVLs sind nur {1} Splines vorhanden, wohingegen in der BahnDaten.txt Datei {2} PeepSplines angegeben sind.",
     ""},
    // {1} the number of splines in the OVLs, in decimal; {2} the number of peep splines in the ride data, in decimal
    {"152",
     "Fehler 152! Die eingelesenen PeepPathSpline-OVLs enthalten zuviele Spline-Strukturen (:SPL). In den OVLs sind {1} Splines vorhanden, wohingegen in der BahnDaten.txt Datei nur {2} PeepSplines angegeben sind.",
     ""},
    // {1} the peep loop spline name
    {"153",
     "Fehler 153! Die eingelesenen PeepPathSpline-OVLs enthalten nicht die in den BahnDaten angegebene Spline-Struktur namens {1}:spl.",
     ""},
    // {1} the peep path spline name
    {"154",
     "Fehler 154! Die eingelesenen PeepPathSpline-OVLs enthalten nicht die in den BahnDaten angegebene Spline-Struktur namens {1}:spl.",
     ""},
    // {1} the BahnIcon value (the icon pair name without extension)
    {"450",
     "Fehler 450! Die fürs Icon benötigte Datei {1}.common.ovl für das BahnIcon konnte nicht geöffnet werden.\r\nBefindet sich möglicherweise diese Datei in einem anderen Ordner als die BahnDaten.txt Datei?",
     "Error 450! {1}.common.ovl file not found.\r\nMaybe this file is in another folder than the BahnDaten.txt file?"},
    // {1} the BahnIcon value (the icon pair name without extension)
    {"451",
     "Fehler 451! Die fürs Icon benötigte Datei {1}.common.ovl ist keine OVL-Version-1 Datei.",
     "Error 451! The file {1}.common.ovl which is needed to create the icon is no OVL-Version-1."},
    // {1} the BahnIcon value (the icon pair name without extension)
    {"452",
     "Fehler 452! Eine Blockanzahl in der fürs Icon benötigten Datei {1}.common.ovl ist größer als 51.",
     "Error 452! A block count inside the file {1}.common.ovl which is needed to create the icon is greater than 51."},
    // {1} the BahnIcon value (the icon pair name without extension)
    {"453",
     "Fehler 453! Die fürs Icon benötigte Datei {1}.unique.ovl konnte nicht geöffnet werden.\r\nBefindet sich möglicherweise diese Datei in einem anderen Ordner als die BahnDaten.txt Datei?",
     "Error 453! {1}.unique.ovl file not found.\r\nMaybe this file is in another folder than the BahnDaten.txt file?"},
    // {1} the BahnIcon value (the icon pair name without extension)
    {"454",
     "Fehler 454! Die fürs Icon benötigte Datei {1}.unique.ovl ist keine OVL-Version-1 Datei.",
     "Error 454! The file {1}.unique.ovl which is needed to create the icon is no OVL-Version-1."},
    // {1} the BahnIcon value (the icon pair name without extension)
    {"455",
     "Fehler 455! Eine Blockanzahl in der fürs Icon benötigten Datei {1}.unique.ovl ist größer als 51.",
     "Error 455! A block count inside the file {1}.unique.ovl which is needed to create the icon is greater than 51."},
    // {1} the BahnIcon value (the icon pair name without extension), in both places
    {"456",
     "Fehler 456! Die fürs Icon benötigten Extradaten konnten weder in {1}.common.ovl noch in {1}.unqiue.ovl gefunden werden.",
     "Error 456! The extra data which is needed for the icon was not found neither in {1}.common.ovl nor in {1}.unqiue.ovl."},
    {"201",
     "Fehler 201! CTR_WagenDaten Datei enthält keinerlei Modellnamen.",
     "Error 201! CTR_WagenDaten file includes no model names."},
    {"202",
     "Fehler 202! In der CTR_WagenDaten Datei gibt es nur einen Wagen. Dieser muss bei FrontCar eingetragen werden.",
     "Error 202! The CTR_WagenDaten file includes one car name. Note down this name behind the keyword FrontCar."},
    {"203",
     "Fehler 203! In der CTR_WagenDaten Datei gibt es zwei Wagen. Diese müssen bei FrontCar und MiddleCar eingetragen werden.",
     "Error 203! The CTR_WagenDaten file includes two car names. Note down these names behind the keywords FrontCar and MiddleCar."},
    // {1} the number of car names found
    {"204",
     "Fehler 204! In der CTR_WagenDaten Datei gibt es {1} Wagen. Davon muss einer bei FrontCar und ein anderer bei MiddleCar eingetragen werden.",
     "Error 204! The CTR_WagenDaten file includes {1} car names. Note down one of these names behind the keyword FrontCar and another name behind the keyword MiddleCar."},
    // Yes/No questions before a built pair replaces an existing one of its kind (caption
    // warningCaption). {1} the earlier pair's file.
    {"overwriteRideOvls",
     "{1} existiert bereits und enthält ein Bahn-Paar. Möchten Sie es überschreiben?",
     "{1} already exists and holds a ride pair. Overwrite it?"},
    {"overwriteCarOvls",
     "{1} existiert bereits und enthält ein Wagen-Paar. Möchten Sie es überschreiben?",
     "{1} already exists and holds a car pair. Overwrite it?"},
    // {1} the path of a folder a build writes into, {2} the system's reason
    {"outputFolderNotCreated",
     "Der Ordner {1} konnte nicht angelegt werden ({2}).",
     "The folder {1} could not be created ({2})."},
    // A build stopped: the output folder it made is empty and taken away again. {1} the folder,
    // {2} the system's reason.
    {"outputFolderNotRemoved",
     "Der leere Ordner {1} konnte nicht entfernt werden ({2}).",
     "The empty folder {1} could not be removed ({2})."},
    // The earlier pair's kind could not be told (no unique file, or one without the loader type
    // rows). {1} the earlier pair's file; caption warningCaption.
    {"overwriteUnknownOvls",
     "{1} existiert bereits; ob es ein Bahn- oder ein Wagen-Paar enthält, ließ sich nicht feststellen. Möchten Sie es überschreiben?",
     "{1} already exists; whether it holds a ride pair or a car pair could not be told. Overwrite it?"},
    // A car build would replace a ride pair of the same object name. {1} the output folder.
    {"buildWouldReplaceRidePair",
     "Im Ordner {1} steht ein Bahn-Paar dieses Namens. Der Wagen würde es ersetzen, daher wurde nichts gebaut und nichts geändert. Geben Sie dem Wagen einen eigenen Objektnamen (den Namensteil seiner CTR_WagenDaten-Datei) oder legen Sie Bahn- und Wagendatei in getrennte Ordner.",
     "The folder {1} holds a ride pair of this name. The car would replace it, so nothing was built or changed. Give the car its own object name (the name part of its CTR_WagenDaten file), or keep the ride and car files in separate folders."},
    // A ride build would replace a car pair of the same object name. {1} the output folder.
    {"buildWouldReplaceCarPair",
     "Im Ordner {1} steht ein Wagen-Paar dieses Namens. Die Bahn würde es ersetzen, daher wurde nichts gebaut und nichts geändert. Geben Sie dem Wagen einen eigenen Objektnamen (den Namensteil seiner CTR_WagenDaten-Datei) oder legen Sie Bahn- und Wagendatei in getrennte Ordner.",
     "The folder {1} holds a car pair of this name. The ride would replace it, so nothing was built or changed. Give the car its own object name (the name part of its CTR_WagenDaten file), or keep the ride and car files in separate folders."},
};

}  // namespace

std::span<const MessageText> builderMessages() { return kMessages; }

}  // namespace zw::messages
