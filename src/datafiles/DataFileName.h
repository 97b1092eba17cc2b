#pragma once
// The names data files go by: a ride's CTR_BahnDaten_<name>.txt, a car's CTR_WagenDaten_<name>.txt.
// The readers take their object names from them, so the window and the command line take no other.

#include <filesystem>
#include <string>
#include <string_view>

#include "base/Messages.h"
#include "datafiles/Lookups.h"

namespace zw {

// "CTR_BahnDaten_" or "CTR_WagenDaten_".
std::string_view dataFilePrefix(DataFileKind kind);

// Why `file` cannot be read as a data file of `kind` ("the file must be named ..."); empty when its
// name is one (the prefix and ".txt" in any letter case).
std::string dataFileNameProblem(const std::filesystem::path& file, DataFileKind kind, Language language);

}  // namespace zw
