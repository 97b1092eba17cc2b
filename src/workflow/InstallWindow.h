#pragma once
// The install/uninstall window (InstallDialog) without a window toolkit: its controls' state under the
// controls' names and its event handlers. One list serves all four tabs: the install tab lists the
// folders of `BrowseFolder`, the other tabs list the installed rides, track sets and cars.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Dialogs.h"
#include "install/GameFolders.h"
#include "install/InstallSettings.h"
#include "workflow/GameFolderCheckTab.h"

namespace zw {

class MainWindow;

class InstallWindow {
public:
    enum class Tab { InstallFolder, UninstallRide, UninstallTracks, UninstallCar };

    // The first item of the install tab's list.
    static constexpr std::string_view kLevelUpItem = ".. <DIRECTORY LEVEL UP>";

    // The control names that carry a text, the window itself as "TForm3".
    static const std::vector<std::string_view>& controlNames();

    // `settings` gives the settings in force when a handler runs; the captions follow the language
    // in force now, as the window is created once at program start.
    InstallWindow(Dialogs& dialogs, std::function<InstallSettings()> settings, std::filesystem::path startFolder);
    // The window as the program creates it: the main window's dialogs, settings and start folder.
    explicit InstallWindow(MainWindow& mainWindow);

    // The text of a control of controlNames() (UTF-8).
    const std::string& caption(std::string_view control) const;

    // Controls' state.
    Tab ActivePage = Tab::InstallFolder;
    std::vector<std::string> ListBox;  // the shown items (UTF-8)
    int ItemIndex = -1;                // the selected item, -1 for none
    std::filesystem::path BrowseFolder;  // the install tab's folder, ending with a separator
    bool Closed = false;               // the modal window has been ended
    // Shown in an uninstall tab instead of its list when the list cannot be made (the game folder
    // does not exist, its folder cannot be read); empty otherwise (UTF-8).
    std::string ListNotice;

    // The tab "Check game folder", a model of its own.
    GameFolderCheckTab gameFolderCheck;
    // The uninstall buttons act on the selected item only: they are disabled while none is selected.
    bool uninstallEnabled() const { return ItemIndex >= 0; }

    // Event handlers.
    void onActivate();
    void onTabChosen(Tab newPage);
    void onListItemClicked(int index);  // selects an item (-1 for none)
    void onListItemDoubleClicked();
    void installFolder();
    // Asks once before deleting (unless files are overwritten without asking), then removes the
    // selected object and says what was removed.
    void uninstallRide();
    void uninstallTrackSet();
    void uninstallCar();
    void onCloseButton();

    // Fills the list: 1 the entries of `BrowseFolder`, 2 installed rides, 3 track sets, 4 cars.
    // A browsed folder that cannot be listed shows message 730 and the list keeps its items; an
    // uninstall tab whose objects cannot be listed shows an empty list and says why in ListNotice.
    void refreshList(int mode);

private:
    struct Entry {
        std::filesystem::path name;  // empty for the level-up item
        bool levelUp = false;
    };

    // The selected entry when the list was filled for `mode`; otherwise nullptr (after a message
    // when the list still holds the items of another folder).
    const Entry* selectedEntryListedFor(int mode);
    void uninstallSelected(CtrKind kind, int mode);

    Dialogs& dialogs_;
    std::function<InstallSettings()> settings_;
    std::filesystem::path startFolder_;
    std::vector<std::pair<std::string_view, std::string>> captions_;

    // What the list holds: the entries, the mode they were listed for and the folder they come from.
    // An entry's name is only ever used below that folder.
    std::vector<Entry> entries_;
    int listedMode_ = 0;
    std::filesystem::path listedFolder_;
};

}  // namespace zw
