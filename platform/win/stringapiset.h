// Wide (wchar_t) and multibyte text conversions of the runtime library.
// The device's ANSI code page is 949 (Korean), the one this program uses.
#pragma once

#include "platform/core/windef.h"

constexpr UINT CP_ACP = 0;
constexpr UINT kCodePageKorean = 949;

// The flag callers pass: an invalid multibyte sequence fails the call. It
// always does here, as no caller wants a replacement character instead.
constexpr DWORD MB_ERR_INVALID_CHARS = 0x00000008;

// srcBytes / srcChars -1: the source runs up to and including its
// terminator. dstChars / dstBytes 0: return the size needed. Returns 0 on
// failure or when the destination is too small. A wide character with no
// multibyte form becomes defaultChar (or '?') and sets *usedDefault.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR src, int srcBytes, LPWSTR dst,
                        int dstChars);
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR src, int srcChars, LPSTR dst,
                        int dstBytes, LPCSTR defaultChar, BOOL* usedDefault);
