// How the entry dialog turns the typed texts into the ledger's scaled
// integers (cost and fuel in hundredths, distance in thousandths) and shows
// stored values, both exactly: what the driver did not touch is stored back
// as it was.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The number at the start of the text (its first 99 characters: leading
// blanks, a sign, digits with one point) x scale, rounded half away from
// zero on its digits: 12.345 at 100 gives 1235, -1.5 gives -150, 0.004
// gives 0; a text that starts with no number gives 0. Nothing when the
// result does not fit 32 bits.
std::optional<std::int32_t> ParseScaledValue(std::wstring_view text, int scale);

// value / scale with two decimals, or more where the scale's places need
// them: 4200 at 100 is "42.00", 12345 at 1000 "12.345", 7000 "7.00".
std::wstring FormatScaledValue(std::int32_t value, int scale);
