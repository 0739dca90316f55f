// CString: the framework's wide string. Value semantics over std::wstring;
// Format follows the framework's wide convention where %s and %c are wide.
#pragma once

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text) : m_text(text ? text : L"") {}

    operator const wchar_t*() const { return m_text.c_str(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }

    wchar_t GetAt(int index) const { return m_text.at(static_cast<size_t>(index)); }
    wchar_t operator[](int index) const { return GetAt(index); }

    CString& operator=(const wchar_t* text);
    CString& operator+=(const CString& other);
    CString& operator+=(wchar_t ch);
    friend CString operator+(const CString& a, const CString& b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_text != b.m_text; }
    friend bool operator<(const CString& a, const CString& b) { return a.m_text < b.m_text; }

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first, int count = -1) const;
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;

    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);

    // Writable buffer of at least minLength characters; ReleaseBuffer(-1)
    // takes the length from the terminating zero.
    wchar_t* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

    CString& TrimLeft();
    CString& TrimRight();

private:
    std::wstring m_text;
};
