#pragma once
// The commands of the main window on its state record: each ties a reader, rewrite or builder of
// the layers below to the state's settings, records and writer.

#include <filesystem>

namespace zw {

class Dialogs;
struct ProjectState;

// The open dialog in the start folder, then the ride read. 1 after a complete read; 0 when
// cancelled or stopped with a message.
int CTRBahnDatenLesenAuslagerung(ProjectState& state, Dialogs& dialogs);

// The canonical rewrite of the ride read last.
int CTRBahnDatenSchreibenAuslagerung(const ProjectState& state, Dialogs& dialogs);

// Reads the car data file at `path` (chosen in the open dialog) into the state. False when the read
// stopped with a message; the car fields then hold what they held before.
bool readCarDataFile(ProjectState& state, Dialogs& dialogs, const std::filesystem::path& path);

// The canonical rewrite of the car read last.
bool CTRWagenDatenSchreibenAuslagerung(const ProjectState& state, Dialogs& dialogs);

// The ride and car pairs from the state's records, settings, temporary folder and writer.
int BahnOVLsErstellenAuslagerung(ProjectState& state, Dialogs& dialogs);
int WagenOVLsErstellenAuslagerung(ProjectState& state, Dialogs& dialogs);

}  // namespace zw
