#include "base/messages/MessageTables.h"

// Main window and options, and what every part of the program may say about files on disk.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    {"231",
     "Fehler 231! Automatisches Lesen des RCT3.exe-Programmpfads aus Registry nicht erfolgreich.\r\nEs wird der standard RCT3.exe-Programmpfad verwendet; bitte gegebenenfalls in den Optionen per Hand ändern.",
     "Error 231! The RCT3.exe application path could not be read from the registry.\r\nThe standard RCT3.exe application path is used; please change it in the options if needed."},
    {"221",
     "Fehler 221! Dateiinhalt von Zorbaltwerk_Options.txt ist falsch.\r\nBitte Optionsbildschirm aufrufen, um eine fehlerfreie Optionsdatei neu zu erstellen.",
     "Error 221! File content of Zorbaltwerk_Options.txt is wrong.\r\nPlease call up the options screen in order to create a new file without errors."},
    {"088",
     "Fehler 088! Haha, netter Versuch an die Hidden Settings zu kommen...! Automatische Umschaltung auf 0.\r\nBitte Optionsbildschirm aufrufen, um eine fehlerfreie Optionsdatei zu erstellen.",
     "Error 088! Haha, nice try to access the hidden settings...! Automatical reset to 0.\r\nPlease call up the options screen in order to create a options file without errors."},
    // First start without an options file, in the system's language: paragraphs that the message box
    // wraps itself. {1} the guide that ships with the program (README.html).
    {"welcome",
     "Willkommen bei Zorbaltwerk!\r\n\r\nZorbaltwerk erstellt eigene Bahnen (CustomTrackedRides) und ihre Wagen für das Spiel RollerCoaster Tycoon 3 von Atari/Frontier und installiert sie ins Spiel.\r\n\r\nBitte zuerst die Optionen öffnen: Sprache und Spielordner (der Ordner mit RCT3.exe) festlegen und mit OK speichern. Bis dahin sind die übrigen Knöpfe gesperrt.\r\n\r\nWie man eine Bahn anlegt, baut und installiert, beschreibt die Anleitung (README.html), die mit dem Programm kommt: {1}\r\n\r\nHinweis: Die Benutzung erfolgt auf eigenes Risiko; für Schäden durch das Programm wird keine Verantwortung übernommen. Eine Sicherheitskopie der RCT3-Daten wird empfohlen, auch wenn bisher keine Fälle bekannt sind, in denen RCT3-Daten beschädigt wurden.",
     "Welcome to Zorbaltwerk!\r\n\r\nZorbaltwerk makes custom tracked rides (CustomTrackedRides) and their cars for the game RollerCoaster Tycoon 3 by Atari/Frontier and installs them into the game.\r\n\r\nPlease open the options first: choose the language and the game folder (the folder holding RCT3.exe) and save them with OK. Until then the other buttons stay disabled.\r\n\r\nHow to make, build and install a ride is described in the guide (README.html) that comes with the program: {1}\r\n\r\nNote: you use the program at your own risk; no responsibility is taken for damage it causes. A backup of the RCT3 data is recommended, although no case of damaged RCT3 data is known so far."},
    // Options confirmed with German while English was in force (German only).
    {"restartForLanguageGerman",
     "Bitte Zorbaltwerk neustarten, um die Umschaltung der Sprache wirksam zu machen.",
     ""},
    // Options confirmed with English while German was in force (English only).
    {"restartForLanguageEnglish",
     "",
     "Please restart Zorbaltwerk for the change of language to take effect."},
    // Yes/No question when the add-ons are switched on in the options.
    {"promiseCaption",
     "Wichtiges Versprechen",
     "Important Promise"},
    {"promiseText",
     "Alle Downloads von CTR-Bahnen, die für RCT3 MIT ADDONS gemacht sind, müssen ein README mit folgendem Text beinhalten:\r\n\r\n'Diese CTR-Bahn funktioniert nur in RCT3 MIT BEIDEN ADDONS Soaked/Wild! Die Installation ohne AddOns führt zum Absturz von RCT3.\r\nThis CTR-Ride requires RCT3 WITH BOTH ADDONS Soaked/Wild! The installation without AddOns will cause RCT3 to crash.'\r\n\r\nVersprechen Sie, dass Sie ein solches README zu Ihren downloadbaren CTR-Bahnen erstellen?",
     "All downloads of CTR-Rides, which are made for RCT3 WITH ADDONS, have to include a README with the following text:\r\n\r\n'This CTR-Ride requires RCT3 WITH BOTH ADDONS Soaked/Wild! The installation without AddOns will cause RCT3 to crash.\r\nDiese CTR-Bahn funktioniert nur in RCT3 MIT BEIDEN ADDONS Soaked/Wild! Die Installation ohne AddOns führt zum Absturz von RCT3.'\r\n\r\nDo you promise to write such a README for your downloadable CTR-Rides?"},
    // The exception box of the desktop program, for an exception that carries no text of its own.
    {"unknownException",
     "Unbekannte Ausnahme.",
     "Unknown exception."},
    // Caption of every overwrite question.
    {"warningCaption",
     "Warnung",
     "Warning"},
    // The options file could not be written; the settings hold for this session.
    {"optionsFileWriteFailed",
     "Zorbaltwerk_Options.txt konnte nicht geschrieben werden: {1} ({2}).\r\nDie gewählten Optionen gelten nur bis zum Ende dieser Sitzung; die bisherige Datei bleibt unverändert.",
     "Zorbaltwerk_Options.txt could not be written: {1} ({2}).\r\nThe chosen options apply only until the end of this session; the previous file is left unchanged."},
    // Caption of the folder dialog of the options' "Browse..." button.
    {"optionsBrowseCaption",
     "Ordner mit RCT3.exe wählen",
     "Choose the folder holding RCT3.exe"},
    // Options confirmed with a game folder that holds no RCT3.exe (Yes/No, No by default). {1} the folder.
    {"optionsNoGameCaption",
     "Spielordner prüfen",
     "Check the game folder"},
    {"optionsNoGameQuestion",
     "Im Ordner {1} liegt keine RCT3.exe. Installieren und Deinstallieren brauchen den Ordner, in dem RCT3 installiert ist.\r\n\r\nDiesen Ordner trotzdem speichern? Mit Nein bleiben die Optionen offen, um den Ordner zu ändern (\"Durchsuchen...\").",
     "The folder {1} holds no RCT3.exe. Installing and uninstalling need the folder RCT3 is installed in.\r\n\r\nSave this folder all the same? With No the options stay open to change the folder (\"Browse...\")."},
    // Options confirmed with an empty game folder; nothing is saved.
    {"optionsGamePathEmpty",
     "Bitte im Optionsbildschirm den RCT3.exe-Programmpfad angeben; die Optionen wurden nicht gespeichert.",
     "Please enter the RCT3.exe application path in the options screen; the options were not saved."},
    // Options confirmed with a game folder the options file cannot hold, since it encloses each value
    // in single quotes; nothing is saved. {1} the game folder as entered.
    {"optionsGamePathApostrophe",
     "Der RCT3.exe-Programmpfad \"{1}\" enthält das Zeichen ' (Apostroph), das die Optionsdatei nicht speichern kann. Bitte einen Ordner ohne dieses Zeichen wählen; die Optionen wurden nicht gespeichert.",
     "The RCT3.exe application path \"{1}\" contains the character ' (apostrophe), which the options file cannot store. Please choose a folder without this character; the options were not saved."},
    // A name looked up on disk matches two entries that differ only in letter case (as Windows sees
    // them), and neither is spelled exactly as asked. {1}, {2} the two entries' paths.
    {"namesDifferOnlyInCase",
     "Zwei Einträge unterscheiden sich nur in der Groß- und Kleinschreibung, daher ist unklar, welcher gemeint ist:\r\n{1}\r\n{2}\r\nBitte einen der beiden umbenennen oder entfernen.",
     "Two entries differ only in letter case, so it is unclear which one is meant:\r\n{1}\r\n{2}\r\nPlease rename or remove one of them."},
    // Command line: a command other than "options" while the options are missing or wrong.
    {"cliOptionsNotConfirmed",
     "Die Optionen sind noch nicht bestätigt. Bitte zuerst \"zorbaltwerk-cli options set\" ausführen (mit --english/--german, --addons/--no-addons, --game-path ORDNER, --overwrite/--no-overwrite).",
     "The options are not confirmed yet. Please run \"zorbaltwerk-cli options set\" first (with --english/--german, --addons/--no-addons, --game-path FOLDER, --overwrite/--no-overwrite)."},
    // The main window's status line after a read whose check found errors (notes do not count).
    // {1} the number of errors, {2} the file, {3} its object name; the singular without the number.
    {"statusReadWithErrors", "Gelesen mit {1} Fehlern: {2} ({3})", "Read with {1} errors: {2} ({3})"},
    {"statusReadWithOneError", "Gelesen mit 1 Fehler: {1} ({2})", "Read with 1 error: {1} ({2})"},
    // Asked once (No by default) before writing, building or installing from a read with errors.
    // {1} the number of errors; the singular without the number.
    {"readErrorsGoOn",
     "{1} Werte weichen von dem ab, was in der Datei steht; siehe die Liste nach dem Einlesen. Trotzdem fortfahren?",
     "{1} values are not what the file says; see the list after reading. Go on?"},
    {"readErrorGoOn",
     "1 Wert weicht von dem ab, was in der Datei steht; siehe die Liste nach dem Einlesen. Trotzdem fortfahren?",
     "1 value is not what the file says; see the list after reading. Go on?"},
    // A file chosen or named as a data file whose name is none. {1} the prefix ("CTR_BahnDaten_"), {2} the name.
    {"dataFileNameWrong", "die Datei muss {1}<Name>.txt heißen, nicht {2}", "the file must be named {1}<name>.txt, not {2}"},
};

}  // namespace

std::span<const MessageText> applicationMessages() { return kMessages; }

}  // namespace zw::messages
