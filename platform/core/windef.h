// The basic types of the device's programming interface: integer widths,
// handles, colours, rectangles and points, spelled as the program expects.
// Header only; every platform and program file may include it.
#pragma once

#include <cstddef>
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using SHORT = std::int16_t;
using BOOL = int;
using WCHAR = wchar_t;

using LPSTR = char*;
using LPCSTR = const char*;
using LPWSTR = wchar_t*;
using LPCWSTR = const wchar_t*;
using LPCTSTR = const wchar_t*;
using LPVOID = void*;

using UINT_PTR = std::uintptr_t;
using INT_PTR = std::intptr_t;
using LONG_PTR = std::intptr_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Handles are opaque: distinct pointer types that are never dereferenced.
// The platform hands out values from its own tables, so a stale or forged
// handle is recognised and refused instead of being followed.
#define ROADTALLY_DECLARE_HANDLE(name) \
  struct name##__ {                    \
    int unused;                        \
  };                                   \
  using name = name##__*

ROADTALLY_DECLARE_HANDLE(HWND);
ROADTALLY_DECLARE_HANDLE(HDC);
ROADTALLY_DECLARE_HANDLE(HBITMAP);
ROADTALLY_DECLARE_HANDLE(HFONT);
ROADTALLY_DECLARE_HANDLE(HPEN);
ROADTALLY_DECLARE_HANDLE(HICON);
ROADTALLY_DECLARE_HANDLE(HMENU);
ROADTALLY_DECLARE_HANDLE(HINSTANCE);
ROADTALLY_DECLARE_HANDLE(HIMC);
using HGDIOBJ = void*;
using HANDLE = void*;

// Colours are 0x00BBGGRR.
using COLORREF = DWORD;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
         (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }

constexpr WORD LOWORD(std::uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
constexpr LONG MAKELONG(WORD lo, WORD hi) {
  return static_cast<LONG>(static_cast<DWORD>(lo) | (static_cast<DWORD>(hi) << 16));
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) { return static_cast<LPARAM>(MAKELONG(lo, hi)); }
// Pen coordinates travel as signed 16-bit halves of lParam.
constexpr int GET_X_LPARAM(LPARAM lp) {
  return static_cast<SHORT>(LOWORD(static_cast<std::uintptr_t>(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
  return static_cast<SHORT>(HIWORD(static_cast<std::uintptr_t>(lp)));
}

// Rectangles are (left, top, right, bottom), right and bottom exclusive.
struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
using LPRECT = RECT*;
using LPCRECT = const RECT*;

struct POINT {
  LONG x;
  LONG y;
};
using LPPOINT = POINT*;

struct SIZE {
  LONG cx;
  LONG cy;
};
using LPSIZE = SIZE*;

// The date-and-time record of the clock; 16-bit fields.
struct SYSTEMTIME {
  WORD wYear;
  WORD wMonth;
  WORD wDayOfWeek;  // 0 = Sunday
  WORD wDay;
  WORD wHour;
  WORD wMinute;
  WORD wSecond;
  WORD wMilliseconds;
};
using LPSYSTEMTIME = SYSTEMTIME*;
