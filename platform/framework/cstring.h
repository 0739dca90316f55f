// The framework's wide string: a value type over wchar_t text with the
// operations the program uses, in their familiar names. Printf-style
// formatting follows the framework's wide convention, where %s and %c take
// wide arguments.
#pragma once

#include <string>

#include "platform/core/windef.h"

class CString {
 public:
  CString() = default;
  CString(LPCTSTR text) : m_str(text ? text : L"") {}  // NOLINT: implicit; null gives empty
  CString(const CString&) = default;
  CString& operator=(const CString&) = default;
  CString& operator=(LPCTSTR text);

  operator LPCTSTR() const { return m_str.c_str(); }  // NOLINT: implicit by design

  int GetLength() const { return static_cast<int>(m_str.size()); }
  BOOL IsEmpty() const { return m_str.empty(); }
  void Empty() { m_str.clear(); }

  // Out-of-range positions give L'\0' rather than reading past the text.
  wchar_t GetAt(int index) const;
  wchar_t operator[](int index) const { return GetAt(index); }

  CString& operator+=(const CString& other);
  CString& operator+=(LPCTSTR text);
  CString& operator+=(wchar_t ch);

  // Replaces the text; output of any length fits. An unformattable
  // argument (an invalid character, say) leaves the string empty.
  void Format(LPCTSTR format, ...);

  friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
  friend bool operator==(const CString& a, LPCTSTR b) { return a.m_str == CString(b).m_str; }
  friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

 private:
  std::wstring m_str;
};

CString operator+(const CString& a, LPCTSTR b);
CString operator+(const CString& a, wchar_t ch);
