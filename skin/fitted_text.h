// Text drawn whole in a cell of fixed width. A number too wide first loses
// its ".00", then all its decimals; only then is the font made smaller. No
// digit is ever cut off at the cell's edge.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/framework/afxwin.h"

// The first of the text, the text without a trailing ".00", and the text
// without any decimals, that `fits`; the last of them when none does.
std::wstring ShortenNumberToFit(std::wstring_view text,
                                const std::function<bool(std::wstring_view)>& fits);

// DrawText of the shortened text in the rect (one line), in the selected
// font or, if it is still too wide, in the largest smaller height of it
// that fits.
void DrawNumberToFit(CDC* dc, std::wstring_view text, const CRect& rect, UINT format);

// The same without shortening, for texts that are not numbers or whose
// every character counts.
void DrawShrunkToFit(CDC* dc, std::wstring_view text, const CRect& rect, UINT format);
