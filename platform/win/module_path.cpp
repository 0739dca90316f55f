#include "platform/win/module_path.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/core/utf8.h"

std::filesystem::path ExecutablePath() {
  std::error_code error;
  std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : executable;
}

std::wstring ModulePath() {
  const std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) return {};
  const std::u8string utf8 = executable.u8string();
  const std::string_view bytes(reinterpret_cast<const char*>(utf8.data()), utf8.size());
  std::optional<std::wstring> wide = platform::WideFromUtf8(bytes);
  if (!wide) return {};
  std::replace(wide->begin(), wide->end(), L'/', L'\\');
  return *wide;
}
