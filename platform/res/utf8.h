// Strict UTF-8 decoding into wide text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace res {

// nullopt for malformed, overlong or surrogate sequences.
std::optional<std::wstring> WideFromUtf8(std::string_view text);

}  // namespace res
