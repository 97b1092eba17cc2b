#include "datafiles/Formatters.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace zw {

std::string formatMoney(int32_t amount) {
    // Integer division gives the same units and rest as multiplying by 0.01 in double precision
    // for every 32-bit amount.
    const uint32_t value = static_cast<uint32_t>(amount);
    const uint32_t units = value / 100u;
    const uint32_t rest = value % 100u;
    std::string text = std::to_string(units);
    text += '.';
    text += static_cast<char>('0' + rest / 10u);
    text += static_cast<char>('0' + rest % 10u);
    return text;
}

namespace {

// A value read with three decimals is a whole number of thousandths up to the rounding of the
// decimal scan's place-by-place sum, a few units in the last place of the value. Below this many
// thousandths the value and that rounding can still be told apart (2^52).
constexpr double kExactThousandthsLimit = 4503599627370496.0;

// The whole thousandths of x >= 0, truncated; a value within the scan's rounding of a thousandth
// counts as that thousandth, so 1.4, held as 1.39999..., gives 1400 and not 1399.
double truncatedThousandths(double x) {
    const double nearest = std::round(x * 1000.0);
    const double offset = std::fma(x, 1000.0, -nearest);  // x * 1000 - nearest, rounded once
    const double scanRounding = 8.0 * (std::nextafter(nearest, INFINITY) - nearest) + 1e-9;
    if (std::fabs(offset) <= scanRounding) return nearest;
    return offset < 0.0 ? nearest - 1.0 : nearest;
}

}  // namespace

std::string formatDecimal(double x) {
    std::string text;
    if (!(x >= 0.0)) {
        text += '-';
        x = -x;
    }
    if (std::isnan(x)) x = 0.0;
    char digits[400];
    if (x * 1000.0 < kExactThousandthsLimit) {
        const auto thousandths = static_cast<uint64_t>(truncatedThousandths(x));
        char* end = std::to_chars(digits, digits + 32, thousandths / 1000).ptr;
        const auto decimals = static_cast<unsigned>(thousandths % 1000);
        *end++ = '.';
        *end++ = static_cast<char>('0' + decimals / 100);
        *end++ = static_cast<char>('0' + decimals / 10 % 10);
        *end++ = static_cast<char>('0' + decimals % 10);
        return text.append(digits, end);
    }
    // Beyond that the decimals are below the value's precision: each is taken in double arithmetic.
    double taken = std::trunc(x);
    std::snprintf(digits, sizeof digits, "%.0f", taken);
    text += digits;
    text += '.';
    for (int place = 0; place < 3; ++place) {
        x = (x - taken) * 10.0;
        double digit = std::trunc(x);
        if (!(digit >= 0.0 && digit <= 9.0)) digit = 0.0;  // only an infinite value gets here
        text += static_cast<char>('0' + static_cast<int>(digit));
        taken = digit;
    }
    return text;
}

std::string toGuiText(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2 + 1);
    for (char c : text) {
        out += c;
        out += '\0';
    }
    out += '\0';
    return out;
}

int32_t toHundredths(double x) {
    // The decimal scan reads at most three decimals, so a value read is a whole number of
    // thousandths up to the rounding of its place-by-place sum. Rounding to thousandths first
    // keeps that rounding from costing a hundredth (0.58 would otherwise give 57).
    constexpr double kLimit = 9.2e18;
    double thousandths = std::round(x * 1000.0);
    if (std::isnan(thousandths)) thousandths = 0.0;
    thousandths = thousandths > kLimit ? kLimit : (thousandths < -kLimit ? -kLimit : thousandths);
    const int64_t hundredths = static_cast<int64_t>(thousandths) / 10;  // truncates toward zero
    // Wrapped to 32 bits, so an amount that formatMoney wrote unsigned reads back to itself.
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(hundredths)));
}

std::string integerText(int64_t v) { return std::to_string(v); }

}  // namespace zw
