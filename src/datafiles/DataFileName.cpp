#include "datafiles/DataFileName.h"

#include "base/AsciiCase.h"
#include "base/Encoding.h"

namespace zw {

std::string_view dataFilePrefix(DataFileKind kind) {
    return kind == DataFileKind::Ride ? "CTR_BahnDaten_" : "CTR_WagenDaten_";
}

std::string dataFileNameProblem(const std::filesystem::path& file, DataFileKind kind, Language language) {
    const std::string name = pathForMessage(file.filename());
    const std::string lowerName = lowerAscii(name);
    const std::string prefix(dataFilePrefix(kind));
    if (lowerName.starts_with(lowerAscii(prefix)) && lowerName.ends_with(".txt")) return {};
    return message("dataFileNameWrong", language, {prefix, displayName(file.filename())});
}

}  // namespace zw
