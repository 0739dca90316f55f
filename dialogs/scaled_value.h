// How the entry dialog turns the typed texts into the ledger's scaled
// integers: cost and fuel in hundredths, distance in thousandths.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The decimal number at the start of the text (its first 99 characters,
// leading blanks, a sign, an exponent allowed); 0 when it starts with none.
double ReadDecimal(std::wstring_view text);

// value x scale + 0.5 with the fraction dropped: 12.345 at 100 gives 1235,
// 0.004 gives 0. Nothing when the result does not fit 32 bits.
std::optional<std::int32_t> ParseScaledValue(std::wstring_view text, int scale);
