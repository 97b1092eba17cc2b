#pragma once
// The order of a symbol table: by name, byte by byte with ASCII letters taken as upper case and
// bytes as unsigned, a name before every longer name it begins; symbols with equal names keep
// their order. (So "b…" follows "A…", and "a_…" follows "AB…", the underscore standing above the
// upper-case letters.)

#include <cstddef>
#include <string_view>
#include <vector>

namespace zw {

// True when `a` stands before `b`.
bool symbolNameLess(std::string_view a, std::string_view b);

// The stable order of `names`: entry i of the result is the index in `names` of the name that
// goes to place i.
std::vector<size_t> sortedSymbolOrder(const std::vector<std::string_view>& names);

}  // namespace zw
