// Wide text (UTF-32 code points in wchar_t) to UTF-8, strictly: surrogates
// and values beyond U+10FFFF are refused.
#pragma once

#include <optional>
#include <string>

std::optional<std::string> Utf8FromWide(const std::wstring& wide);
