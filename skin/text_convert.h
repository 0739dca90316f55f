// Bounded conversions between wide text and code page 949 multibyte text.
// Both always terminate a buffer of capacity 1 or more, never split a
// character, and stop at the first character that cannot be converted, so
// unconvertible text gives its convertible prefix (possibly empty).
#pragma once

#include "platform/core/windef.h"

// At most capacity - 1 characters; returns the number written.
int WideFromMultiByte(wchar_t* buffer, const char* text, int capacity);

// At most capacity - 1 bytes; returns the number written.
int MultiByteFromWide(char* buffer, const wchar_t* text, int capacity);
