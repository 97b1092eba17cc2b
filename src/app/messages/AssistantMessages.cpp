#include "app/messages/MessageTables.h"

// The ride data assistant.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    // Notice when an opened ride data file holds add-on settings (German only).
    {"addOnSettingsCaption",
     "Wichtig!",
     ""},
    {"addOnSettingsText",
     "Achtung, die von Ihnen geladene Datei enthält AddOn Einstellungen! Die erstellten OVL's können nur mit RCT3 und den AddOns verwendet werden!",
     ""},
    // Input box asking for the ride name when saving (German only).
    {"rideNameCaption",
     "Bahnname",
     ""},
    {"rideNamePrompt",
     "Tragen Sie hier den Namen ihrer Bahn ein:",
     ""},
    // Input box asking for the output folder name when building (German only).
    {"folderNameCaption",
     "Ordnername",
     ""},
    {"folderNamePrompt",
     "Geben Sie Bitte einen Namen für den Ordnernamen an:",
     ""},
    // Input box for a new track section cost (German only).
    {"sectionCostCaption",
     "Neuer Wert",
     ""},
    {"sectionCostPrompt",
     "Bitte geben Sie die Sektionskosten ein:",
     ""},
    // The error analysis found a missing input (German only).
    {"inputErrorCaption",
     "Fehler",
     ""},
    {"inputErrorText",
     "Es wurde ein Fehler festgestellt! Bitte überprüfen Sie alle Eingaben, bevor Sie es erneut versuchen.",
     ""},
};

}  // namespace

std::span<const MessageText> assistantMessages() { return kMessages; }

}  // namespace zw::messages
