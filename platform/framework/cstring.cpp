#include "platform/framework/cstring.h"

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
  FormatV(format, args);
  va_end(args);
}

void CString::FormatV(LPCTSTR format, va_list args) { m_str = FormatWide(format, args); }

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
