#pragma once
// Numbers in the assistant's edit fields are texts with a comma as decimal separator ("16,000").
// They are converted here, independently of the system's locale, in both directions.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zw {

// "12,5" -> 12.5. Accepts optional blanks around the number, an optional sign, digits with at most
// one comma (a point is taken as the same separator) and digits on at least one side of it.
// nullopt for anything else, such as "", "-" or "1,2,3".
std::optional<double> commaTextToDouble(std::string_view text);

// The amount in hundredths of a comma-decimal text: the exact decimal value times 100, truncated
// toward zero ("12,5" -> 1250, "0,29" -> 29, "-1,999" -> -199). Computed on the digits, so no
// binary rounding can turn 0,29 into 28. nullopt for a text that is no number or does not fit.
std::optional<int32_t> commaTextToHundredths(std::string_view text);

// An integer text ("-1", "100"); nullopt for anything else, also for "1,5".
std::optional<int32_t> commaTextToInt(std::string_view text);

// A comma-decimal text that may hold decimals, truncated toward zero to an integer ("1,9" -> 1).
std::optional<int32_t> commaTextToTruncatedInt(std::string_view text);

// x with exactly three decimals, rounded, and a comma: 16 -> "16,000", 0.01 -> "0,010".
std::string doubleToCommaText(double x);

// An amount in hundredths as a comma text with three decimals: 1600 -> "16,000", -5 -> "-0,050".
std::string hundredthsToCommaText(int64_t amount);

}  // namespace zw
