#include "platform/framework/wide_format.h"

#include <cwchar>
#include <vector>

namespace {

bool IsFlagWidthOrPrecision(wchar_t c) {
  return (c >= L'0' && c <= L'9') || c == L'-' || c == L'+' || c == L' ' || c == L'#' ||
         c == L'.' || c == L'*' || c == L'\'' || c == L'$';
}

bool IsLengthModifier(wchar_t c) {
  return c == L'h' || c == L'l' || c == L'L' || c == L'q' || c == L'j' || c == L'z' || c == L't';
}

// Copies one conversion starting after its '%' and returns where it ends.
const wchar_t* CopyConversion(const wchar_t* p, std::wstring& out) {
  while (*p && IsFlagWidthOrPrecision(*p)) out += *p++;
  bool hasLength = false;
  while (*p && IsLengthModifier(*p)) {
    hasLength = true;
    out += *p++;
  }
  if (!*p) return p;
  if (!hasLength && (*p == L's' || *p == L'c')) out += L'l';
  out += *p++;
  return p;
}

}  // namespace

std::wstring WideningFormat(const wchar_t* format) {
  std::wstring out;
  const wchar_t* p = format;
  while (*p) {
    wchar_t c = *p++;
    out += c;
    if (c != L'%') continue;
    if (*p == L'%') {
      out += *p++;
      continue;
    }
    p = CopyConversion(p, out);
  }
  return out;
}

std::wstring FormatWide(const wchar_t* format, va_list args) {
  if (!format) return {};
  const std::wstring widened = WideningFormat(format);
  // vswprintf cannot say how much room it needs, only that it had too
  // little; past this size the failure is an encoding error, not length.
  constexpr size_t kLimit = size_t{1} << 24;
  for (size_t room = 256; room <= kLimit; room *= 4) {
    std::vector<wchar_t> buffer(room);
    va_list attempt;
    va_copy(attempt, args);
    int written = std::vswprintf(buffer.data(), room, widened.c_str(), attempt);
    va_end(attempt);
    if (written >= 0) return std::wstring(buffer.data(), static_cast<size_t>(written));
  }
  return {};
}
