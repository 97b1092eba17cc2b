#include "base/messages/MessageTables.h"

// Main window and options, and what every part of the program may say about files on disk.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    {"231",
     "Fehler 231! Automatisches Lesen des RCT3.exe-Programmpfads aus Registry nicht erfolgreich.\r\nEs wird der standard RCT3.exe-Programmpfad verwendet; bitte gegebenenfalls in den Optionen per Hand ändern.",
     ""},
    {"221",
     "Fehler 221! Dateiinhalt von Zorbaltwerk_Options.txt ist falsch.\r\nBitte Optionsbildschirm aufrufen, um eine fehlerfreie Optionsdatei neu zu erstellen.",
     "Error 221! File content of Zorbaltwerk_Options.txt is wrong.\r\nPlease call up the options screen in order to create a new file without errors."},
    {"088",
     "Fehler 088! Haha, netter Versuch an die Hidden Settings zu kommen...! Automatische Umschaltung auf 0.\r\nBitte Optionsbildschirm aufrufen, um eine fehlerfreie Optionsdatei zu erstellen.",
     "Error 088! Haha, nice try to access the hidden settings...! Automatical reset to 0.\r\nPlease call up the options screen in order to create a options file without errors."},
    // First start without an options file (German only).
    {"welcome",
     "Willkommen bei Zorbaltwerk!\r\nDieses Tool dient zur Erstellung von CustomTrackedRides für das Spiel\r\nRollercoasterTycoon3 von Atari/Frontier. Bitte zunächst den Optionsbildschirm\r\naufrufen, um für die Benutzung wichtige Daten festzulegen. Zur Bedienung\r\nvon Zorbaltwerk bitte das Tutorial lesen.\r\n\r\nHinweis:\r\nEs wird keine Verantwortung für vom Programm verursachte Schäden über-\r\nnommen. Die Benutzung erfolgt auf eigenes Risiko. Das Erstellen einer Sicher-\r\nheitskopie der RCT3-Daten wird empfohlen, auch wenn bisher keine Probleme\r\n bekannt sind, bei denen RCT3-Daten beschädigt wurden.",
     ""},
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
