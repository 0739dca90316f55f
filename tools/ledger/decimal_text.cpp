#include "tools/ledger/decimal_text.h"

namespace ledger_tool {

namespace {

// Wide enough for any product of a 64-bit sum and a small multiplier.
using Wide = unsigned __int128;

std::uint64_t Magnitude(std::int64_t value) {
  return value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
}

std::uint64_t PowerOfTen(int digits) {
  std::uint64_t power = 1;
  while (digits-- > 0) power *= 10;
  return power;
}

// numerator / denominator in units of 10^-decimals, rounded half up.
std::uint64_t RoundedUnits(Wide numerator, Wide denominator, int decimals) {
  const Wide scaled = numerator * PowerOfTen(decimals);
  return static_cast<std::uint64_t>((scaled + denominator / 2) / denominator);
}

std::string WithPoint(bool negative, std::uint64_t units, int decimals) {
  const auto places = static_cast<size_t>(decimals);
  std::string digits = std::to_string(units);
  // A digit before the point at least.
  if (digits.size() <= places) digits = std::string(places + 1 - digits.size(), '0') + digits;
  const size_t whole = digits.size() - places;
  std::string text = negative && units != 0 ? "-" : "";
  text.append(digits, 0, whole);
  if (places > 0) text.append(".").append(digits, whole, places);
  return text;
}

}  // namespace

std::string Fixed(std::int64_t value, int scaleDigits, int decimals) {
  const std::uint64_t units = RoundedUnits(Magnitude(value), PowerOfTen(scaleDigits), decimals);
  return WithPoint(value < 0, units, decimals);
}

std::string Ratio(std::int64_t numerator, std::int64_t multiplier, std::int64_t denominator,
                  int decimals) {
  if (denominator == 0) return "-";
  const Wide product = static_cast<Wide>(Magnitude(numerator)) * Magnitude(multiplier);
  const std::uint64_t units = RoundedUnits(product, Magnitude(denominator), decimals);
  const bool negative = ((numerator < 0) != (multiplier < 0)) != (denominator < 0);
  return WithPoint(negative, units, decimals);
}

}  // namespace ledger_tool
