#pragma once
// What the assistant needs from the main window: the ride fields and settings of its state record,
// and its ride commands. The assistant keeps no ride data of its own besides its controls.

#include <filesystem>

namespace zw {

struct RideData;

class AssistantHost {
public:
    virtual ~AssistantHost() = default;

    virtual RideData& rideData() = 0;
    virtual bool useEnglish() const = 0;
    virtual bool addOnsEnabled() const = 0;
    virtual void setAddOnsEnabled(bool enabled) = 0;
    // The game folder; the track catalogue reads section names of the game's track types from it.
    virtual std::filesystem::path gamePath() const = 0;
    // Where the assistant builds a ride: the program's working folder (beside the program, or the
    // per-user folder when the program's own folder cannot be written), where the install window opens.
    virtual std::filesystem::path buildFolder() const = 0;

    // The main window's ride commands: true when they completed their work.
    virtual bool chooseAndReadRideFile() = 0;
    virtual bool rewriteRideFile() = 0;
    virtual bool buildRidePair() = 0;
    // The main window's restart command.
    virtual void restart() = 0;
    // Opens the install/uninstall window, modal.
    virtual void showInstallWindow() = 0;
};

}  // namespace zw
