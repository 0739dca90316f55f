// Loading resources by id, with the device's names: a resource name is a
// 16-bit id carried in a string pointer (MAKEINTRESOURCE).
#pragma once

#include <cstdint>

#include "platform/core/windef.h"

inline LPWSTR MAKEINTRESOURCE(WORD id) {
  return reinterpret_cast<LPWSTR>(static_cast<std::uintptr_t>(id));
}

inline bool IS_INTRESOURCE(LPCWSTR name) {
  return (reinterpret_cast<std::uintptr_t>(name) >> 16) == 0;
}

// A 32-bit device bitmap decoded from the bitmap resource; NULL when there
// is none or it cannot be decoded. Only id names are looked up.
HBITMAP LoadBitmap(HINSTANCE instance, LPCWSTR name);

// The icon resource's handle; NULL when there is none. The handle names
// the resource; its pixels come from res::IconImage (resources.h).
HICON LoadIcon(HINSTANCE instance, LPCWSTR name);

// Draws the icon with its top-left corner at (x, y), every pixel opaque.
BOOL DrawIcon(HDC hdc, int x, int y, HICON icon);
