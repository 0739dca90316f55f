// CString's members, and its printf-style formatting: in a wide format, %s
// and %c take wide arguments; the C library reads them as narrow, so the
// format is rewritten to %ls and %lc before it is used.
#include "platform/framework/cstring.h"

#include <cstdarg>
#include <cwchar>
#include <vector>

namespace {

// Copies one conversion starting after its '%' and returns where it ends.
const wchar_t* CopyConversion(const wchar_t* p, std::wstring& out) {
  while (*p && std::wcschr(L"0123456789-+ #.*'$", *p)) out += *p++;
  bool hasLength = false;
  while (*p && std::wcschr(L"hlLqjzt", *p)) {
    hasLength = true;
    out += *p++;
  }
  if (!*p) return p;
  if (!hasLength && (*p == L's' || *p == L'c')) out += L'l';
  out += *p++;
  return p;
}

// The format with every bare %s / %c conversion given the 'l' length, flags,
// width and precision kept; %% and conversions that already carry a length
// are left alone.
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

// The formatted text of any length; empty when the arguments cannot be
// formatted (an invalid character, say) or the format is null.
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

}  // namespace

// std::wstring copes with being given its own text.
CString& CString::operator=(LPCTSTR text) {
  m_str = text ? text : L"";
  return *this;
}

wchar_t CString::GetAt(int index) const {
  if (index < 0 || index >= GetLength()) return L'\0';
  return m_str[static_cast<size_t>(index)];
}

CString& CString::operator+=(const CString& other) {
  m_str += other.m_str;
  return *this;
}

CString& CString::operator+=(LPCTSTR text) {
  if (text) m_str += std::wstring(text);
  return *this;
}

CString& CString::operator+=(wchar_t ch) {
  m_str += ch;
  return *this;
}

void CString::Format(LPCTSTR format, ...) {
  va_list args;
  va_start(args, format);
  m_str = FormatWide(format, args);
  va_end(args);
}

CString operator+(const CString& a, LPCTSTR b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(const CString& a, wchar_t ch) {
  CString sum(a);
  sum += ch;
  return sum;
}
