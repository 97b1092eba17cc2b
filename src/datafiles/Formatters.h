#pragma once
// The value formatters of the rewriters and the OVL builders, and the conversion of a decimal
// read from a data file into an amount of money.

#include <cstdint>
#include <string>
#include <string_view>

namespace zw {

// An amount in hundredths as decimal text with two decimals (1600 -> "16.00"); the amount is taken
// as an unsigned 32-bit number.
std::string formatMoney(int32_t amount);

// "-" below zero, the integer part, "." and exactly three truncated decimals (0.9999 -> "0.999").
// A value that the decimal scan read with three decimals is held a hair off its written value; it
// is written as it was read (1.4 -> "1.400", not "1.399"), so a rewrite of a rewrite changes nothing.
std::string formatDecimal(double x);

// Each character followed by a zero byte, then one more zero byte (2n + 1 bytes).
std::string toGuiText(std::string_view text);

// A decimal read from a data file as an amount in hundredths: the written decimal x 100, truncated
// toward zero (2.5 -> 250, 12.999 -> 1299), wrapped to 32 bits, so that every amount written by
// formatMoney reads back to itself.
int32_t toHundredths(double x);

// Decimal integer text: optional "-", no leading zeros.
std::string integerText(int64_t v);

}  // namespace zw
