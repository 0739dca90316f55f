#include "platform/framework/cstring.h"

#include <algorithm>
#include <cwchar>
#include <cwctype>

#include "platform/framework/wide_format.h"

CString::CString(LPCTSTR text) {
  if (text) m_str = text;
}

CString& CString::operator=(LPCTSTR text) {
  if (!text) {
    m_str.clear();
  } else if (text != m_str.c_str()) {
    m_str = text;
  }
  return *this;
}

CString& CString::operator=(wchar_t ch) {
  m_str.assign(1, ch);
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

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const {
  int kept = std::clamp(count, 0, GetLength());
  return Mid(GetLength() - kept, kept);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
  int start = std::clamp(first, 0, GetLength());
  int kept = std::clamp(count, 0, GetLength() - start);
  CString part;
  part.m_str = m_str.substr(static_cast<size_t>(start), static_cast<size_t>(kept));
  return part;
}

int CString::Find(wchar_t ch, int start) const {
  if (start < 0 || start > GetLength()) return -1;
  size_t at = m_str.find(ch, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(LPCTSTR sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  size_t at = m_str.find(sub, static_cast<size_t>(start));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

CString& CString::TrimLeft() {
  auto first =
      std::find_if_not(m_str.begin(), m_str.end(), [](wchar_t c) { return std::iswspace(c); });
  m_str.erase(m_str.begin(), first);
  return *this;
}

CString& CString::TrimRight() {
  auto last =
      std::find_if_not(m_str.rbegin(), m_str.rend(), [](wchar_t c) { return std::iswspace(c); });
  m_str.erase(last.base(), m_str.end());
  return *this;
}

void CString::Format(LPCTSTR format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(LPCTSTR format, va_list args) { m_str = FormatWide(format, args); }

LPTSTR CString::GetBuffer(int minLength) {
  size_t wanted = static_cast<size_t>(std::max(minLength, 0));
  if (m_str.size() < wanted) m_str.resize(wanted);
  return m_str.data();
}

void CString::ReleaseBuffer(int newLength) {
  size_t length = newLength < 0 ? std::wcslen(m_str.c_str()) : static_cast<size_t>(newLength);
  m_str.resize(std::min(length, m_str.size()));
}

CString operator+(const CString& a, const CString& b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(const CString& a, LPCTSTR b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(LPCTSTR a, const CString& b) {
  CString sum(a);
  sum += b;
  return sum;
}

CString operator+(const CString& a, wchar_t ch) {
  CString sum(a);
  sum += ch;
  return sum;
}
