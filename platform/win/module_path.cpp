#include "platform/win/module_path.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/core/utf8.h"
#include "platform/win/winbase.h"

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

DWORD GetModuleFileNameW(HMODULE, LPWSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  const std::wstring path = ModulePath();
  if (path.empty() || path.size() >= size) return 0;
  path.copy(buffer, path.size());
  buffer[path.size()] = L'\0';
  return static_cast<DWORD>(path.size());
}
