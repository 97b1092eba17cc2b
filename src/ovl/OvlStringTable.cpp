#include "ovl/OvlStringTable.h"

namespace zw {

void OvlStringTable::clear() {
    text_.clear();
    lastStart_.clear();
}

std::optional<uint32_t> OvlStringTable::find(std::string_view name) const {
    if (name.find('\0') == std::string_view::npos) {
        auto it = lastStart_.find(std::string(name));
        if (it == lastStart_.end()) return std::nullopt;
        return it->second;
    }
    // A name with NULs inside spans several strings: find its last occurrence at a string start.
    std::string pattern(name);
    pattern += '\0';
    size_t from = std::string::npos;
    while (true) {
        size_t at = text_.rfind(pattern, from);
        if (at == std::string::npos) return std::nullopt;
        if (at == 0 || text_[at - 1] == '\0') return static_cast<uint32_t>(at);
        from = at - 1;
    }
}

uint32_t OvlStringTable::append(std::string_view name) {
    const size_t start = text_.size();
    text_ += name;
    text_ += '\0';
    // Index every string start inside the new bytes; later starts replace earlier ones.
    size_t at = start;
    while (at < text_.size()) {
        size_t nul = text_.find('\0', at);
        lastStart_[text_.substr(at, nul - at)] = static_cast<uint32_t>(at);
        at = nul + 1;
    }
    return static_cast<uint32_t>(start);
}

}  // namespace zw
