// The clock, sleeping and the module path. Time comes from the host; without
// one (a tool that never opens a window) the clock stands at zero.
#include <filesystem>
#include <system_error>

#include "platform/core/utf8.h"
#include "platform/win/host_port.h"
#include "platform/win/winbase.h"
#include "platform/win/window_manager.h"

namespace {
host::Host* Host() { return platform::Context::Get().TryGet<host::Host>(); }
}  // namespace

DWORD GetTickCount() {
  host::Host* host = Host();
  return host ? host->TickCount() : 0;
}

// What was drawn before the pause is on the screen during it, as on the
// device, where windows draw straight to the display: a pressed button shows
// pressed while its handler waits.
void Sleep(DWORD milliseconds) {
  if (auto* manager = platform::Context::Get().TryGet<win::WindowManager>())
    manager->compositor.PresentIfChanged(*manager);
  if (host::Host* host = Host()) host->Sleep(milliseconds);
}

void GetLocalTime(LPSYSTEMTIME time) {
  if (!time) return;
  host::Host* host = Host();
  *time = host ? host->LocalTime() : SYSTEMTIME{};
}

void GetSystemTime(LPSYSTEMTIME time) {
  if (!time) return;
  host::Host* host = Host();
  *time = host ? host->UniversalTime() : SYSTEMTIME{};
}

DWORD GetModuleFileNameW(HMODULE, LPWSTR buffer, DWORD size) {
  if (!buffer || size == 0) return 0;
  std::error_code error;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return 0;
  std::u8string utf8 = exe.u8string();
  std::optional<std::wstring> wide =
      platform::WideFromUtf8(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()));
  if (!wide || wide->size() >= size) return 0;
  for (wchar_t& c : *wide)
    if (c == L'/') c = L'\\';
  wide->copy(buffer, wide->size());
  buffer[wide->size()] = L'\0';
  return static_cast<DWORD>(wide->size());
}
