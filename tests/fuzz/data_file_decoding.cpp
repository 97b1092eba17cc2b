// A data file's bytes as editors save them (any line ends, any encoding) made into the text the
// readers work on. What must hold for every input: no line feed is left without its carriage
// return; a code-page file only gains those carriage returns; the text made is taken as it is when
// read again; the characters replaced stand on lines of the file in order. Then the same bytes after
// a ride header are read and checked.

#include <stdexcept>

#include "FuzzTarget.h"
#include "datafiles/DataFileCheck.h"
#include "datafiles/DataFileDecoding.h"
#include "datafiles/RideDataHeader.h"
#include "datafiles/RideDataReader.h"

namespace {

void require(bool holds, const char* what) {
    if (!holds) throw std::logic_error(what);
}

}  // namespace

ZW_FUZZ_TARGET(data_file_decoding) {
    using namespace zw;
    const DecodedDataFile decoded = decodeDataFile(input);
    const std::string& text = decoded.text;
    uint32_t lines = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\n') continue;
        require(i > 0 && text[i - 1] == '\r', "a line feed without its carriage return");
        ++lines;
    }
    uint32_t previous = 1;
    for (const UnwritableCharacter& u : decoded.source.unwritable) {
        require(u.line >= previous && u.line <= lines, "a replaced character outside the file's lines");
        previous = u.line;
    }
    if (decoded.source.encoding == DataFileEncoding::CodePage) {
        require(text.size() == input.size() + decoded.source.lfOnlyLines, "a code-page file changed beyond its line ends");
        require(decoded.source.unwritable.empty(), "a code-page file with characters replaced");
        const DecodedDataFile again = decodeDataFile(text);
        require(again.text == text && again.source.lfOnlyLines == 0, "the text made is not taken as it is");
    }

    LoadedDataFiles files;
    LookupResults results;
    const std::filesystem::path file = std::filesystem::path("rides") / "CTR_BahnDaten_Fuzz.txt";
    if (!readRideDataBytes(rideDataHeader() + std::string(input), file, files, results)) return;
    DataFileCheckSettings check;
    (void)findingsMessage("CTR_BahnDaten_Fuzz.txt", checkDataFile(DataFileKind::Ride, files, check), Language::German);
}
