// Decimal text to a scaled integer, read from its digits. A number typed
// as 1.005 is stored as 101 hundredths: through a binary double it would be
// 1.00499999... and come out as 100.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace platform {

// A plain decimal ("-12.345", "+7", ".5", "3."): an optional sign, digits
// with at most one point, one digit at least; nothing else. Its value in
// units of 10^-places (places 0 to 9), rounded half away from zero on the
// first digit dropped; nothing for any other text or beyond 64 bits.
std::optional<std::int64_t> ScaleDecimal(std::string_view text, int places);

// The places of a scale that is a power of ten: 100 is 2, 1000 is 3.
int DecimalPlaces(int scale);

// How much of the text's start is a sign, digits and one point, the part
// ScaleDecimal is given when a number is read from the start of a text.
std::size_t DecimalPrefixLength(std::string_view text);

}  // namespace platform
