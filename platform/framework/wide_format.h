// Printf-style formatting into wide text with the framework's convention:
// in a wide format, %s and %c take wide arguments. The C library reads them
// as narrow, so the format is rewritten to %ls and %lc before it is used.
#pragma once

#include <cstdarg>
#include <string>

// The format with every bare %s / %c conversion given the 'l' length, flags,
// width and precision kept; %% and conversions that already carry a length
// are left alone.
std::wstring WideningFormat(const wchar_t* format);

// The formatted text of any length; empty when the arguments cannot be
// formatted (an invalid character, say) or the format is null.
std::wstring FormatWide(const wchar_t* format, va_list args);
