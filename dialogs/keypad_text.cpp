#include "dialogs/keypad_text.h"

#include <charconv>
#include <string>

namespace {

constexpr double kZeroBelow = 0.000001;
constexpr std::size_t kReadLimit = 99;

bool ReadsAsZero(std::wstring_view text) { return !(ReadKeypadValue(text) >= kZeroBelow); }
bool HasPoint(std::wstring_view text) { return text.find(L'.') != std::wstring_view::npos; }

// The first key replaces the caller's text; so does any key a bare zero.
bool StartsAfresh(std::wstring_view text, bool untouched) {
  return untouched || (ReadsAsZero(text) && !HasPoint(text));
}

}  // namespace

// Only digits and the point matter: anything else ends the number there.
double ReadKeypadValue(std::wstring_view text) {
  std::string narrow;
  for (wchar_t ch : text.substr(0, kReadLimit)) {
    if ((ch < L'0' || ch > L'9') && ch != L'.') break;
    narrow += static_cast<char>(ch);
  }
  double value = 0;
  const auto [end, error] = std::from_chars(narrow.data(), narrow.data() + narrow.size(), value);
  return error == std::errc() ? value : 0;
}

std::wstring KeypadAppendDigit(std::wstring_view text, int digit, bool untouched) {
  const wchar_t typed = static_cast<wchar_t>(L'0' + digit);
  if (StartsAfresh(text, untouched)) return std::wstring(1, typed);
  return std::wstring(text) + typed;
}

std::wstring KeypadAppendPoint(std::wstring_view text, bool untouched) {
  if (StartsAfresh(text, untouched)) return L"0.";
  if (HasPoint(text)) return std::wstring(text);
  return std::wstring(text) + L'.';
}

std::wstring KeypadBackspace(std::wstring_view text) {
  if (text.empty()) return std::wstring();
  std::wstring shorter(text.substr(0, text.size() - 1));
  return shorter.empty() ? L"0" : shorter;
}
