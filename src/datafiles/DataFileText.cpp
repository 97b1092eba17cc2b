#include "datafiles/DataFileText.h"

namespace zw {

DataFileText makeDataFileText(std::string_view fileBytes) {
    DataFileText text;
    text.reserve(fileBytes.size() + kDataFileTrailerLength);
    for (char c : fileBytes) text.push_back(static_cast<unsigned char>(c));
    for (int half = 0; half < 2; ++half) {
        text.push_back(13);
        text.push_back(10);
        text.insert(text.end(), 48, 0);
    }
    return text;
}

}  // namespace zw
