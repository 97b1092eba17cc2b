#include "ovl/OvlSymbolOrder.h"

#include <algorithm>
#include <numeric>

namespace zw {
namespace {

unsigned char upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') ? static_cast<unsigned char>(u - 'a' + 'A') : u;
}

}  // namespace

bool symbolNameLess(std::string_view a, std::string_view b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return upper(x) < upper(y); });
}

std::vector<size_t> sortedSymbolOrder(const std::vector<std::string_view>& names) {
    std::vector<size_t> order(names.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t x, size_t y) { return symbolNameLess(names[x], names[y]); });
    return order;
}

}  // namespace zw
