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
    // The options' layout (with or without the add-ons), which a new ride starts with.
    virtual bool addOnsEnabled() const = 0;
    // The game folder; the track catalogue reads section names of the game's track types from it.
    virtual std::filesystem::path gamePath() const = 0;
    // Where the assistant builds a ride: the program's working folder (beside the program, or the
    // per-user folder when the program's own folder cannot be written), where the install window
    // opens. Saving and opening start there until a file was saved or opened elsewhere.
    virtual std::filesystem::path buildFolder() const = 0;

    // The main window's ride commands: true when they completed their work. The read shows its
    // open dialog in `initialFolder`; the rewrite and the build use the layout `addOns` chooses,
    // whatever the options say, and leave the options as they are.
    virtual bool chooseAndReadRideFile(const std::filesystem::path& initialFolder) = 0;
    virtual bool rewriteRideFile(bool addOns) = 0;
    virtual bool buildRidePair(bool addOns) = 0;
    // The main window's restart command.
    virtual void restart() = 0;
    // Opens the install/uninstall window, modal.
    virtual void showInstallWindow() = 0;
};

}  // namespace zw
