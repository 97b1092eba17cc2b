#include "base/messages/MessageTables.h"

// Data file reader, ride and car data files and their rewrites.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    {"101",
     "Fehler 101! CTR_BahnDaten Datei konnte nicht geöffnet werden.",
     "Error 101! CTR_BahnDaten file cannot be opened."},
    {"121",
     "Fehler 121! Dateiinhalt entspricht nicht der CTR_BahnDaten Struktur.",
     "Error 121! File content does not match the CTR_BahnDaten structure."},
    {"122",
     "Fehler 122! Dateiinhalt entspricht nicht der CTR_BahnDaten Struktur oder scheint zu einer anderen Zorbaltwerk-Version zu gehören.",
     "Error 122! File content does not match the CTR_BahnDaten structure or it originates from another Zorbaltwerk version."},
    {"116",
     "Fehler 116! CTR_BahnDaten Datei enthält mehr als 5000 Zeilen.",
     "Error 116! CTR_BahnDaten file includes more than 5000 lines."},
    {"161",
     "Fehler 161! CTR_WagenDaten Datei konnte nicht geöffnet werden.",
     "Error 161! CTR_WagenDaten file cannot be opened."},
    {"162",
     "Fehler 162! Dateiinhalt entspricht nicht der CTR_WagenDaten Struktur.",
     "Error 162! File content does not match the CTR_WagenDaten structure."},
    {"163",
     "Fehler 163! Dateiinhalt entspricht nicht der CTR_WagenDaten Struktur oder scheint zu einer anderen Zorbaltwerk-Version zu gehören.",
     "Error 163! File content does not match the CTR_WagenDaten structure or it originates from another Zorbaltwerk version."},
    {"167",
     "Fehler 167! CTR_WagenDaten Datei enthält mehr als 5000 Zeilen.",
     "Error 167! CTR_WagenDaten file includes more than 5000 lines."},
    {"911",
     "Fehler 911! Hexadezimale Zahlenangabe noch nicht unterstützt.",
     "Error 911! Hexadecimal values are not supported yet."},
    {"912",
     "Fehler 912! CTR_BahnDaten Datei enthält mehr als 500 Werte für eine BahnDaten Angabe.",
     "Error 912! CTR_BahnDaten file includes more than 500 values."},
    {"913",
     "Fehler 913! CTR_WagenDaten Datei enthält mehr als 500 Werte für eine WagenDaten Angabe.",
     "Error 913! CTR_WagenDaten file includes more than 500 values."},
    {"917",
     "Fehler 917! CTR_BahnDaten Datei enthält mehr als 500 Dezimalwerte für eine BahnDaten Angabe.",
     "Error 917! CTR_BahnDaten file includes more than 500 decimal numbers."},
    {"918",
     "Fehler 918! CTR_WagenDaten Datei enthält mehr als 500 Dezimalwerte für eine WagenDaten Angabe.",
     "Error 918! CTR_WagenDaten file includes more than 500 decimal numbers."},
    {"922",
     "Fehler 922! CTR_BahnDaten Datei enthält mehr als 500 Texte für eine BahnDaten Angabe.",
     "Error 922! CTR_BahnDaten file includes more than 500 text entries."},
    {"923",
     "Fehler 923! CTR_WagenDaten Datei enthält mehr als 500 Texte für eine WagenDaten Angabe.",
     "Error 923! CTR_WagenDaten file includes more than 500 text entries."},
    // Yes/No questions before a data file is rewritten over an existing one (caption warningCaption).
    {"overwriteRideDataFile",
     "Die BahnDaten.txt-Datei wird neu geschrieben: Werte, die nicht wie geschrieben gelesen werden konnten, werden durch die gelesenen ersetzt, unbekannte Schlüsselwörter und Kommentare fallen weg. Fortsetzen?",
     "The file is written anew: values that could not be read as written are replaced by the values read, and unknown keys and comments are dropped. Continue?"},
    // A rewrite that could not be written; the file that was there is unchanged. {1} the file, {2} the system's reason.
    {"rideDataFileNotWritten",
     "Die CTR_BahnDaten Datei {1} konnte nicht geschrieben werden ({2}). Die bisherige Datei bleibt unverändert.",
     "The CTR_BahnDaten file {1} could not be written ({2}). The previous file is unchanged."},
    {"overwriteCarDataFile",
     "Die WagenDaten.txt-Datei wird neu geschrieben: Werte, die nicht wie geschrieben gelesen werden konnten, werden durch die gelesenen ersetzt, unbekannte Schlüsselwörter und Kommentare fallen weg. Fortsetzen?",
     "The file is written anew: values that could not be read as written are replaced by the values read, and unknown keys and comments are dropped. Continue?"},
    // Car data file: a seating list longer than a car has room for, a file name that cannot become
    // an object name, a rewrite that could not be written.
    {"peepSeatingPositionsCut",
     "{1}_PeepSitzposition gibt {2} Sitzpositionen an; ein Wagen hat Platz für {3}. Nur die ersten {3} werden verwendet.",
     "{1}_PeepSeatingPosition gives {2} seating positions; a car has room for {3}. Only the first {3} are used."},
    {"carFileNameNotWindows1252",
     "Der Name der CTR_WagenDaten Datei enthält Zeichen, die in Objektnamen des Spiels nicht vorkommen können. Bitte die Datei umbenennen.",
     "The name of the CTR_WagenDaten file includes characters that the game's object names cannot hold. Please rename the file."},
    {"carDataFileNotWritten",
     "Die CTR_WagenDaten Datei {1} konnte nicht geschrieben werden ({2}). Die bisherige Datei bleibt unverändert.",
     "The CTR_WagenDaten file {1} could not be written ({2}). The previous file is unchanged."},
};

}  // namespace

std::span<const MessageText> dataFileMessages() { return kMessages; }

}  // namespace zw::messages
