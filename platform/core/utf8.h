// UTF-8 both ways, strictly: wide text holds UTF-32 code points in wchar_t,
// and surrogates, values beyond U+10FFFF, malformed and overlong sequences
// are refused rather than replaced.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

std::optional<std::string> Utf8FromWide(const std::wstring& wide);

std::optional<std::wstring> WideFromUtf8(std::string_view text);

}  // namespace platform
