#include "platform/core/scaled_decimal.h"

namespace platform {

namespace {

constexpr std::uint64_t kMagnitudeLimit = 9223372036854775807ULL;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// magnitude x 10 + digit, false past the 64-bit range.
bool Push(std::uint64_t& magnitude, int digit) {
  if (magnitude > (kMagnitudeLimit - static_cast<std::uint64_t>(digit)) / 10) return false;
  magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
  return true;
}

}  // namespace

int DecimalPlaces(int scale) {
  int places = 0;
  for (; scale > 1; scale /= 10) ++places;
  return places;
}

std::size_t DecimalPrefixLength(std::string_view text) {
  std::size_t at = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0;
  bool point = false;
  for (; at < text.size(); ++at) {
    if (text[at] == '.' && !point)
      point = true;
    else if (!IsDigit(text[at]))
      break;
  }
  return at;
}

std::optional<std::int64_t> ScaleDecimal(std::string_view text, int places) {
  if (places < 0 || places > 9 || DecimalPrefixLength(text) != text.size()) return std::nullopt;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.empty() && fraction.empty()) return std::nullopt;
  std::uint64_t magnitude = 0;
  for (char c : whole)
    if (!Push(magnitude, c - '0')) return std::nullopt;
  const auto kept = static_cast<std::size_t>(places);
  for (std::size_t i = 0; i < kept; ++i)
    if (!Push(magnitude, i < fraction.size() ? fraction[i] - '0' : 0)) return std::nullopt;
  // Half away from zero: the first digit dropped decides, for either sign.
  if (fraction.size() > kept && fraction[kept] >= '5') {
    if (magnitude == kMagnitudeLimit) return std::nullopt;
    ++magnitude;
  }
  const auto value = static_cast<std::int64_t>(magnitude);
  return negative ? -value : value;
}

}  // namespace platform
