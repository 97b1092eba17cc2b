#include "base/messages/MessageTables.h"

// The check of a data file, the findings shown after a read, and the main window's status line.
// In the finding texts {1} is the key as written in the file; values are quoted as written.

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    // How a finding is shown: its line, a note marked as one; the list after a read.
    {"checkLinePrefix", "Zeile {1}: ", "line {1}: "},
    {"checkNotePrefix", "Hinweis: ", "note: "},
    {"checkFindingsHeading", "{1} wurde gelesen. Dabei fiel auf:", "{1} was read. What was noticed:"},
    {"checkFindingsMore", "und {1} weitere", "and {1} more"},
    {"checkSummary", "{1} Fehler, {2} Hinweise", "{1} errors, {2} notes"},

    // Keys.
    {"checkNotFirstColumn",
     "ein Schlüssel muss in der ersten Spalte stehen; die Zeile wird nicht gelesen, ein Umschreiben entfernt sie",
     "a key must stand in the first column; the line is not read, and a rewrite drops it"},
    {"checkUnknownKey",
     "unbekannter Schlüssel \"{1}\"; die Zeile wird nicht gelesen, ein Umschreiben entfernt sie",
     "unknown key \"{1}\"; the line is not read, and a rewrite drops it"},
    {"checkUnknownKeySuggest",
     "unbekannter Schlüssel \"{1}\" (gemeint ist wohl {2}?); die Zeile wird nicht gelesen, ein Umschreiben entfernt sie",
     "unknown key \"{1}\" (did you mean {2}?); the line is not read, and a rewrite drops it"},
    {"checkKeyReadAs",
     "unbekannter Schlüssel \"{1}\" (gemeint ist wohl {2}?); die Zeile wird als {2} gelesen: {3}",
     "unknown key \"{1}\" (did you mean {2}?); the line is read as {2}: {3}"},
    {"checkGivenAgain",
     "{1} ist mehrfach angegeben; es zählt Zeile {2}",
     "{1} is given more than once; line {2} counts"},
    {"checkAddOnKeyDropped",
     "{1} gilt für das Spiel mit AddOns; ohne AddOns entfernt ein Umschreiben die Zeile",
     "{1} is meant for the game with the add-ons; with the add-ons off a rewrite drops it"},
    {"checkHiddenKey",
     "{1} wird nur mit den versteckten Einstellungen verwendet; es gilt der Vorgabewert, ein Umschreiben entfernt die Zeile",
     "{1} is used only with the hidden settings; the default is used, and a rewrite drops it"},

    // Values.
    {"checkValueReadAs", "{1} \"{2}\": gelesen als {3}", "{1} \"{2}\": read as {3}"},
    {"checkNothingRead",
     "{1} \"{2}\": kein Wert gelesen; es gilt der Vorgabewert {3}",
     "{1} \"{2}\": no value read; the default {3} is used"},
    {"checkNothingReadByRule",
     "{1} \"{2}\": kein Wert gelesen; es gilt der Vorgabewert",
     "{1} \"{2}\": no value read; the default is used"},
    {"checkHintDecimalComma",
     "; Datendateien schreiben Dezimalzahlen mit \".\"",
     "; data files write decimals with \".\""},
    {"checkHintWholeNumbers", "; dieser Schlüssel nimmt ganze Zahlen", "; this key takes whole numbers"},
    {"checkHintThreeDecimals", "; gelesen werden höchstens drei Nachkommastellen", "; at most three decimals are read"},
    {"checkHintOneValue", "; verwendet wird nur der erste Wert", "; only the first value is used"},
    {"checkAfterHexadecimal",
     "{1} \"{2}\": nicht gelesen; das Lesen von {1} endete in Zeile {3} an einer Hexadezimalzahl",
     "{1} \"{2}\": not read; reading {1} ended on line {3} at a hexadecimal value"},
    {"checkHintHexadecimal", "; Hexadezimalzahlen werden nicht gelesen", "; hexadecimal values are not read"},
    {"checkHintFlag", "; ein Flag ist 0 oder 1", "; a flag is 0 or 1"},
    {"checkHintMoney", "; Beträge haben zwei Nachkommastellen", "; amounts keep two decimals"},
    {"checkHintSpeedUnit",
     "; bekannt sind SI, m/s, Metrisch, Metric, km/h, Englisch, Imperial und mph",
     "; the units known are SI, m/s, Metrisch, Metric, km/h, Englisch, Imperial and mph"},
    {"checkTooManyCosts",
     "{1} gibt {2} Kosten für {3} Streckenabschnitte; die letzten {4} werden nicht verwendet",
     "{1} gives {2} costs for {3} track sections; the last {4} are not used"},
    {"checkTooFewCosts",
     "{1} gibt {2} Kosten für {3} Streckenabschnitte; die übrigen kosten {4}",
     "{1} gives {2} costs for {3} track sections; the others cost {4}"},
    {"checkValuesBeyondLimit",
     "{1} gibt {2} Werte an; verwendet werden nur die ersten {3}",
     "{1} gives {2} values; only the first {3} are used"},
    {"checkNoAdditionalTrackTypes",
     "{1} wird nicht verwendet: der TrackTyp {2} ist ein TrackCTR-Typ",
     "{1} is not used: the track type {2} is a TrackCTR type"},
    {"checkCtrAdditionalTrackType",
     "{1}: {2} wird nicht verwendet; TrackCTR-Typen sind keine zusätzlichen Tracktypen",
     "{1}: {2} is not used; TrackCTR types are no additional track types"},
    {"checkAdditionalTrackTypesBeyondTen",
     "{1}: {2} wird nicht verwendet; eine Bahn behält die ersten zehn zusätzlichen Tracktypen",
     "{1}: {2} is not used; a ride keeps the first ten additional track types"},

    // The game's catalogue and what else a rewrite drops.
    {"checkNotInCatalogue",
     "{1}: \"{2}\" steht nicht im Katalog des Spiels",
     "{1}: \"{2}\" is not in the game's catalogue"},
    {"checkNotInCatalogueSuggest",
     "{1}: \"{2}\" steht nicht im Katalog des Spiels (gemeint ist wohl {3}?)",
     "{1}: \"{2}\" is not in the game's catalogue (did you mean {3}?)"},
    {"checkCatalogueUnreadable",
     "der Katalog des Spiels konnte nicht gelesen werden, die Listeneinträge wurden nicht verglichen: {1}",
     "the game's catalogue could not be read, so list entries were not compared: {1}"},
    {"checkCommentsDropped",
     "Kommentare bleiben beim Umschreiben nicht erhalten (Zeilen {1})",
     "comments are not kept by a rewrite (lines {1})"},

    // The main window's status line: the file read and its object, the last command's result.
    {"statusRead", "Gelesen: {1} ({2})", "Read: {1} ({2})"},
    {"statusRewritten", "Geschrieben: {1}", "Written: {1}"},
    {"statusBuilt", "Erstellt: {1}", "Built {1}"},
    {"statusInstalled", "Installiert in {1}", "Installed into {1}"},

    // How the file's bytes were read: line ends and encodings as editors write them.
    {"checkLfOnlyLine", "1 Zeile endet nur mit LF; ein Umschreiben schreibt CR LF",
     "1 line ends in LF only; a rewrite writes CR LF"},
    {"checkLfOnlyLines", "{1} Zeilen enden nur mit LF; ein Umschreiben schreibt CR LF",
     "{1} lines end in LF only; a rewrite writes CR LF"},
    {"checkLoneCarriageReturn",
     "ein CR ohne LF beendet hier, was gelesen wird: der Rest der Zeile wird nicht gelesen, ein Umschreiben entfernt ihn",
     "a CR without LF ends what is read here: the rest of the line is not read, and a rewrite drops it"},
    {"checkLoneCarriageReturnAtEnd", "die Zeile endet mit einem CR ohne LF; ein Umschreiben schreibt CR LF",
     "the line ends in a CR without LF; a rewrite writes CR LF"},
    {"checkEncodingUtf8", "die Datei ist in UTF-8 geschrieben und wurde nach {1} umgewandelt; ein Umschreiben schreibt {1}",
     "the file is written in UTF-8 and was converted to {1}; a rewrite writes {1}"},
    {"checkEncodingUtf8WithByteOrderMark",
     "die Datei ist in UTF-8 mit Byte-Order-Mark geschrieben und wurde nach {1} umgewandelt; ein Umschreiben schreibt {1}",
     "the file is written in UTF-8 with a byte-order mark and was converted to {1}; a rewrite writes {1}"},
    {"checkUnwritableCharacter", "das Zeichen {1} kann in {2} nicht geschrieben werden; an seiner Stelle steht \"{3}\"",
     "the character {1} cannot be written in {2}; \"{3}\" is used in its place"},
};

}  // namespace

std::span<const MessageText> checkMessages() { return kMessages; }

}  // namespace zw::messages
