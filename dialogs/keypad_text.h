// The keypad's rules for the number being typed. The number is kept as
// text and only read as a number to ask whether it is zero; the text stays
// a non-negative decimal with at most one point and no leading zeros.
#pragma once

#include <string>
#include <string_view>

// The text read as a decimal number, as the keypad reads it: its first 99
// characters; empty or non-numeric text reads as 0.
double ReadKeypadValue(std::wstring_view text);

// The caller's text (`untouched`: no key yet) is replaced by the digit, as
// is a zero text without a point; a zero the driver typed with a point
// ("0.", "0.0") and every other text is extended, so 0.5 can be typed.
std::wstring KeypadAppendDigit(std::wstring_view text, int digit, bool untouched);

// One point at most, after a non-zero integer part; the caller's text, or
// a zero text without a point, becomes "0.".
std::wstring KeypadAppendPoint(std::wstring_view text, bool untouched);

// The last character dropped; nothing left gives "0". An empty text stays.
std::wstring KeypadBackspace(std::wstring_view text);
