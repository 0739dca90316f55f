// Line and word splitting shared by the manifest and dialog template
// parsers. Words are separated by spaces or tabs.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/core/windef.h"

namespace res {

inline std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

// The first word and the rest of the text, both trimmed.
inline std::pair<std::string_view, std::string_view> NextWord(std::string_view s) {
  s = Trim(s);
  const auto end = s.find_first_of(" \t");
  if (end == std::string_view::npos) return {s, {}};
  return {s.substr(0, end), Trim(s.substr(end))};
}

// Takes the next line from text; false at the end.
inline bool NextLine(std::string_view& text, std::string_view& line) {
  if (text.empty()) return false;
  const auto end = text.find('\n');
  line = Trim(text.substr(0, end));
  text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  return true;
}

// A whole word as a number in the given base, nothing left over.
template <class Number>
std::optional<Number> ParseNumber(std::string_view word, int base = 10) {
  Number value{};
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
  if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
  return value;
}

// "0x" followed by one to eight hex digits.
inline std::optional<DWORD> ParseHex(std::string_view word) {
  if (word.size() < 3 || word.size() > 10 || word.substr(0, 2) != "0x") return std::nullopt;
  return ParseNumber<DWORD>(word.substr(2), 16);
}

}  // namespace res
