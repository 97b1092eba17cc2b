#include "base/messages/MessageTables.h"

// Installing and uninstalling CTRs in the game folder.
// Numbered messages first, then the unnumbered texts (questions, captions, notices).

namespace zw::messages {
namespace {

constexpr MessageText kMessages[] = {
    // {1} the system error number, in decimal
    {"717",
     "Fehler 717! Bahn-Ordner konnte nicht erstellt werden (ErrorValue={1}).\r\nIst möglicherweise der RCT3.exe-Programmpfad in den Optionen falsch angegeben?",
     "Error 717! Bahn-Folder cannot be created (ErrorValue={1}).\r\nMaybe the RCT3.exe-application path in the options is wrong?"},
    // {1} the system error number, in decimal
    {"718",
     "Fehler 718! Wagen-Ordner konnte nicht erstellt werden (ErrorValue={1}).\r\nIst möglicherweise der RCT3.exe-Programmpfad in den Optionen falsch angegeben?",
     "Error 718! Wagen-Folder cannot be created (ErrorValue={1}).\r\nMaybe the RCT3.exe-application path in the options is wrong?"},
    // {1} the system error number, in decimal
    {"719",
     "Fehler 719! Schienen-Ordner konnte nicht erstellt werden (ErrorValue={1}).\r\nIst möglicherweise der RCT3.exe-Programmpfad in den Optionen falsch angegeben?",
     "Error 719! Schienen-Folder cannot be created (ErrorValue={1}).\r\nMaybe the RCT3.exe-application path in the options is wrong?"},
    // A folder of the install window or of the game could not be listed. {1} the folder.
    {"730",
     "Fehler 730! Der Ordner {1} wurde nicht gefunden oder kann nicht gelesen werden. Bitte prüfen, ob es ihn gibt und ob er lesbar ist; liegt er im Spielordner, in den Optionen den RCT3.exe-Programmpfad prüfen.",
     "Error 730! The folder {1} was not found or cannot be read. Please check that it exists and can be read; if it lies in the game folder, check the RCT3.exe application path in the options."},
    // The uninstall tabs, in place of their list, when the game folder does not exist. {1} the folder.
    {"gameFolderMissing",
     "Der Spielordner {1} wurde nicht gefunden. Bitte in den Optionen den Ordner wählen, in dem RCT3.exe liegt.",
     "The game folder {1} was not found. Please choose the folder holding RCT3.exe in the options."},
    // An uninstall button pressed while the list shows what another tab listed; nothing was removed.
    {"installListOutOfDate",
     "Die Liste zeigt nicht mehr, was dieser Reiter listet; es wurde nichts entfernt. Bitte den Eintrag neu wählen.",
     "The list no longer shows what this tab lists; nothing was removed. Please choose the entry again."},
    {"731",
     "Fehler 731! Der ausgewählte Ordner ist kein gültiger CTR-Ordner.",
     "Error 731! The chosen folder is no valid CTR-folder."},
    // {1} the name of the selected folder
    {"732",
     "Fehler 732! {1}.common.ovl konnte nicht kopiert/installiert werden.",
     "Error 732! {1}.common.ovl could not be copied/installed."},
    // {1} the name of the selected folder
    {"733",
     "Fehler 733! {1}.unique.ovl konnte nicht kopiert/installiert werden.",
     "Error 733! {1}.unique.ovl could not be copied/installed."},
    // {1} the name of the selected folder
    {"738",
     "Fehler 738! {1}.common.ovl Datei konnte nicht geöffnet werden, um die zu kopierenden/installierenden Dateien zu ermitteln.",
     "Error 738! {1}.common.ovl file could not be opened in order to determine which files have to be copied/installed."},
    // {1} the name of the selected folder
    {"739",
     "Fehler 739! Die Datei {1}.common.ovl, welche zum Ermitteln der zu kopierenden/installierenden Dateien geöffnet wurde, ist keine OVL-Version-1 Datei.",
     "Error 739! The file {1}.common.ovl which is needed to determine which files have to be copied/installed is no OVL-Version-1."},
    // {1} a track section name
    {"741",
     "Fehler 741! {1}_data.common.ovl konnte nicht kopiert/installiert werden.",
     "Error 741! {1}_data.common.ovl could not be copied/installed."},
    // {1} a track section name
    {"742",
     "Fehler 742! {1}_data.unique.ovl konnte nicht kopiert/installiert werden.",
     "Error 742! {1}_data.unique.ovl could not be copied/installed."},
    {"735",
     "Fehler 735! Der Ordner kann nicht gelöscht werden, da er entweder CTR-fremde Dateien beinhaltet oder gerade benutzt wird.",
     "Error 735! The folder cannot be deleted because it either includes non-CTR files or is currently in use."},
    // {1} the name of the selected track
    {"736",
     "Fehler 736! {1}.common.ovl Datei konnte nicht geöffnet werden, um die zu löschenden Dateien zu ermitteln.",
     "Error 736! {1}.common.ovl file could not be opened in order to determine which files have to be deleted."},
    // {1} the name of the selected track
    {"737",
     "Fehler 737! Die Datei {1}.common.ovl, welche zum Ermitteln der zu löschenden Dateien geöffnet wurde, ist keine OVL-Version-1 Datei.",
     "Error 737! The file {1}.common.ovl which is needed to determine which files have to be deleted is no OVL-Version-1."},
    // Yes/No questions when the target folder in the game folder exists (caption warningCaption).
    // {1} the installed CTR's folder in the game folder.
    {"overwriteInstalledRide",
     "Eine gleichnamige Bahn existiert bereits: {1}. Möchten Sie sie überschreiben?",
     "A ride of this name is already installed: {1}. Replace it?"},
    {"overwriteInstalledCar",
     "Ein gleichnamiger Wagen existiert bereits: {1}. Möchten Sie ihn überschreiben?",
     "A car of this name is already installed: {1}. Replace it?"},
    {"overwriteInstalledTracks",
     "Gleichnamige CTR-Schienen existieren bereits: {1}. Möchten Sie sie überschreiben?",
     "Track sections of this name are already installed: {1}. Replace them?"},
    // Success notices of the folder install.
    {"installedRide",
     "Alles okay! Die ausgewählte CTR-Bahn wurde erfolgreich in RCT3 installiert.",
     "Everything okay! The CTR-Ride has been installed successfully in RCT3."},
    {"installedCar",
     "Alles okay! Der ausgewählte CTR-Wagen wurde erfolgreich in RCT3 installiert.",
     "Everything okay! The CTR-Car has been installed successfully in RCT3."},
    {"installedTracks",
     "Alles okay! Die ausgewählten CTR-Schienen wurde erfolgreich in RCT3 installiert.",
     "Everything okay! The CTR-Tracks have been installed successfully in RCT3."},
    // A track set's common file whose header or string table is cut short or names a section that
    // is no plain file name. {1} the name of the track set, {2} what is wrong.
    {"trackSetDamagedInstall",
     "Die Datei {1}.common.ovl, welche zum Ermitteln der zu kopierenden/installierenden Dateien geöffnet wurde, ist beschädigt: {2}",
     "The file {1}.common.ovl which is needed to determine which files have to be copied/installed is damaged: {2}"},
    {"trackSetDamagedUninstall",
     "Die Datei {1}.common.ovl, welche zum Ermitteln der zu löschenden Dateien geöffnet wurde, ist beschädigt: {2}",
     "The file {1}.common.ovl which is needed to determine which files have to be deleted is damaged: {2}"},
    // Uninstall: a file of the object could not be deleted. {1} the file name, {2} the system error number.
    {"installedFileNotDeleted",
     "{1} konnte nicht gelöscht werden (ErrorValue={2}).",
     "{1} could not be deleted (ErrorValue={2})."},
    // Replacing an installed track set: a file the user keeps in its folder (besides the set's own
    // files) could not be taken into the new folder; the installed set stays as it was.
    // {1} the entry's name, {2} the system error number.
    {"trackFileNotCarriedOver",
     "{1} aus dem vorhandenen Schienen-Ordner konnte nicht übernommen werden (ErrorValue={2}). Die installierten CTR-Schienen bleiben unverändert.",
     "{1} of the existing track folder could not be carried over (ErrorValue={2}). The installed CTR-Tracks stay unchanged."},
    // Uninstall of a track set that an interrupted install left without its own common file.
    // {1} the name of the track set, {2} the deleted files, one per line.
    {"partialTrackSetRemoved",
     "Die unvollständig installierten CTR-Schienen {1} wurden entfernt. Gelöschte Dateien:\r\n{2}",
     "The incompletely installed CTR-Tracks {1} have been removed. Deleted files:\r\n{2}"},
    // The same when the set's folder was empty. {1} the name of the track set.
    {"emptyTrackFolderRemoved",
     "Der leere Ordner der CTR-Schienen {1} wurde entfernt.",
     "The empty folder of the CTR-Tracks {1} has been removed."},
    // Uninstall by name: no such object of that kind is installed. {1} the name.
    {"notInstalled",
     "{1} ist in RCT3 nicht installiert.",
     "{1} is not installed in RCT3."},
    // A file that another program holds open (the running game keeps its OVL files open).
    // {1} the file's name, {2} the system's reason.
    {"fileInUse",
     "{1} wird von einem anderen Programm benutzt (läuft RCT3?). Bitte das Spiel schließen und es noch einmal versuchen; es wurde nichts verändert.\r\n({2})",
     "{1} is in use by another program (is RCT3 running?). Close the game and try again; nothing was changed.\r\n({2})"},
    // Uninstall: the question before anything is deleted. {1} the object's name, {2} how many files go.
    {"uninstallQuestion",
     "{1} aus dem Spiel entfernen? Seine {2} Dateien werden gelöscht.",
     "Remove {1} from the game? Its {2} files are deleted."},
    // Uninstall done. {1} the object's name, {2} how many files were deleted.
    {"uninstalled",
     "{1} wurde aus RCT3 entfernt ({2} Dateien gelöscht).",
     "{1} has been removed from RCT3 ({2} files deleted)."},
    // Uninstall stopped after its first deletion. {1} the object's name, {2} the file that could not
    // be deleted, {3} the system's reason, {4} the files deleted, {5} the files still in place (one per
    // line each, "-" for none).
    {"uninstallIncomplete",
     "{1} konnte nicht vollständig entfernt werden: {2} ließ sich nicht löschen ({3}).\r\nGelöscht:\r\n{4}\r\nNoch vorhanden:\r\n{5}",
     "{1} could not be removed completely: {2} could not be deleted ({3}).\r\nDeleted:\r\n{4}\r\nStill in place:\r\n{5}"},
};

}  // namespace

std::span<const MessageText> installMessages() { return kMessages; }

}  // namespace zw::messages
