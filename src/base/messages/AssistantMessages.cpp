#include "base/messages/MessageTables.h"

// The ride data assistant.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    // Notice when an opened ride data file holds add-on settings (German only).
    {"addOnSettingsText",
     "Achtung, die von Ihnen geladene Datei enthält AddOn Einstellungen! Die erstellten OVL's können nur mit RCT3 und den AddOns verwendet werden!",
     ""},
    // Input box asking for the output folder name when building.
    {"folderNameCaption",
     "Ordnername",
     "Folder name"},
    {"folderNamePrompt",
     "Geben Sie Bitte einen Namen für den Ordnernamen an:",
     "Please enter a name for the folder:"},
    // Input box for a new track section cost.
    {"sectionCostCaption",
     "Neuer Wert",
     "New value"},
    {"sectionCostPrompt",
     "Bitte geben Sie die Sektionskosten ein:",
     "Please enter the section costs:"},
    // Found by the assistant itself.
    {"assistantListsUnreadable",
     "Die Listen des Assistenten konnten nicht gelesen werden: {1}",
     "The assistant's lists could not be read: {1}"},
    {"assistantTrackTypesUnreadable",
     "Die Tracksektionen dieser Streckentypen konnten nicht aus dem RCT3-Ordner gelesen werden:{1}",
     "The track sections of these track types could not be read from the RCT3 folder:{1}"},
    {"assistantBadName",
     "Der Name \"{1}\" kann nicht als Datei- oder Ordnername verwendet werden.",
     "The name \"{1}\" cannot be used as a file or folder name."},
    // The assistant window's title (the caption of the main window's button that opens it) and the
    // text of its "Über" page.
    {"assistantWindowCaption",
     "GUI für CTR_BahnDaten",
     "GUI for CTR_BahnDaten"},
    {"assistantAbout",
     "Zorbaltwerk Version {1}\r\n\r\nDer Assistent schreibt BahnDaten-Dateien (CTR_BahnDaten_<Name>.txt) und baut aus ihnen die OVL-Dateien einer Bahn.\r\nListen: rechte Maustaste leert die gewählten Einträge; Doppelklick verschiebt einen Eintrag.",
     "Zorbaltwerk Version {1}\r\n\r\nThe assistant writes ride data files (CTR_BahnDaten_<name>.txt) and builds a ride's OVL files from them.\r\nLists: the right mouse button clears the chosen items; a double click moves an item."},
    {"assistantSaveFailed",
     "Die Bahn konnte nicht gespeichert werden: {1}",
     "The ride could not be saved: {1}"},
    // "Track auswählen" chose a track type of which no section is known. {1} the track type,
    // {2} the RCT3 folder searched for its "<track type>.common.ovl".
    {"assistantNoTrackSections",
     "Vom Streckentyp {1} ist keine Tracksektion bekannt: Weder die Listen des Assistenten noch der RCT3-Ordner {2} nennen eine (gesucht wurde dort die Datei {1}.common.ovl).",
     "No track section of the track type {1} is known: neither the assistant's lists nor the RCT3 folder {2} name one (the file {1}.common.ovl was looked for there)."},
    // A save or build refused: {1} holds one line per field at fault ("\r\n- field: reason"), each
    // reason one of the four texts after it.
    {"assistantInputFaults",
     "Es wurde nichts gespeichert oder erstellt. Bitte prüfen Sie diese Felder:{1}",
     "Nothing was saved or built. Please check these fields:{1}"},
    {"assistantFaultEmpty",
     "leer",
     "empty"},
    {"assistantFaultNothingChosen",
     "nichts ausgewählt",
     "nothing chosen"},
    {"assistantFaultNotANumber",
     "\"{1}\" ist keine Zahl",
     "\"{1}\" is not a number"},
    {"assistantFaultNotStorable",
     "enthält Zeichen, die eine BahnDaten-Datei nicht speichern kann",
     "holds characters that a ride data file cannot store"},
    // The assistant's status line: where its last command read or wrote.
    {"assistantSavedTo",
     "Gespeichert: {1}",
     "Saved: {1}"},
    {"assistantOpenedFrom",
     "Geöffnet: {1}",
     "Opened: {1}"},
    {"assistantBuiltTo",
     "Erstellt: {1}",
     "Built: {1}"},
    // Closing, starting a new ride or opening another with changes not saved.
    {"assistantSaveChangesCaption",
     "Bahn speichern?",
     "Save ride?"},
    {"assistantSaveChanges",
     "Die Bahn wurde seit dem letzten Speichern geändert. Möchten Sie die Änderungen speichern?",
     "The ride was changed since it was last saved. Do you want to save the changes?"},
    // Controls that only show a value: the tooltip of each, and the note on their pages.
    {"assistantShownOnly",
     "Nur angezeigt: BahnDaten-Dateien haben für diesen Wert keinen Eintrag; jede eingelesene Datei ergibt den gezeigten Wert.",
     "Shown only: ride data files have no key for this value; every file read gives the value shown."},
    {"assistantShownOnlyNote",
     "Grau hinterlegte Werte werden nur angezeigt: BahnDaten-Dateien haben für sie keinen Eintrag.",
     "Values on grey are shown only: ride data files have no key for them."},
};

}  // namespace

std::span<const MessageText> assistantMessages() { return kMessages; }

}  // namespace zw::messages
