#include "datafiles/NearestName.h"

#include <algorithm>

namespace zw {
namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool sameNameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

size_t editDistance(std::string_view a, std::string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t above = row[j];
            const size_t substitution = diagonal + (lowerAscii(a[i - 1]) == lowerAscii(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, substitution});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::optional<std::string> nearestName(std::string_view written, const std::vector<std::string>& known) {
    const size_t limit = std::min<size_t>(3, std::max<size_t>(1, written.size() / 3));
    std::optional<std::string> best;
    size_t bestDistance = limit + 1;
    for (const auto& name : known) {
        const size_t lengthGap = name.size() > written.size() ? name.size() - written.size() : written.size() - name.size();
        if (lengthGap >= bestDistance) continue;
        const size_t distance = editDistance(written, name);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

}  // namespace zw
