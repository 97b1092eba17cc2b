#pragma once
// The main window's state record, one for the program's whole life. Readers fill it; rewriters and
// builders read it. Each subsystem adds its own record below (keep additions to one line each).

#include <filesystem>

#include "base/Settings.h"
#include "datafiles/CarData.h"
#include "datafiles/Lookups.h"
#include "datafiles/RideData.h"
#include "ovl/OvlWriter.h"

namespace zw {

struct ProjectState {
    Settings settings;

    // The working folder when the main window was created: the options file lives here, and it is
    // the initial folder of the open dialogs.
    std::filesystem::path StartFolder;

    LoadedDataFiles dataFiles;    // the ride and car texts loaded last and the shared line index
    LookupResults lookupResults;  // the result areas of the lookup family
    CarData car;                  // the car fields of the car data file read last
    RideData ride;                // the ride fields of the ride data file read last
    OvlWriter ovlWriter;          // the tables of the OVL pair under construction
};

}  // namespace zw
