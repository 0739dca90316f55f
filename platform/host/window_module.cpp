#include "platform/host/window_module.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/win/module_path.h"

namespace host {
namespace {

struct ModuleCloser {
  void operator()(void* module) const { dlclose(module); }
};
using Module = std::unique_ptr<void, ModuleCloser>;

// The module's window, which must be gone before the module's code is
// unmapped: the window is destroyed first, then the module closed.
class LoadedWindowHost final : public WindowHost {
 public:
  LoadedWindowHost(Module module, std::unique_ptr<WindowHost> window)
      : module_(std::move(module)), window_(std::move(window)) {}

  DWORD TickCount() override { return window_->TickCount(); }
  SYSTEMTIME LocalTime() override { return window_->LocalTime(); }
  SYSTEMTIME UniversalTime() override { return window_->UniversalTime(); }
  void Sleep(DWORD ms) override { window_->Sleep(ms); }
  std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) override {
    return window_->WaitForInput(deadline);
  }
  void Present(const gdi::Surface32& screen) override { window_->Present(screen); }
  void RaiseWindow() override { window_->RaiseWindow(); }
  void PostRaiseRequest() override { window_->PostRaiseRequest(); }

 private:
  Module module_;
  std::unique_ptr<WindowHost> window_;
};

// Where the module is for an executable at `executable`.
std::filesystem::path WindowModulePath(const std::filesystem::path& executable) {
  return (executable.parent_path() / ROADTALLY_WINDOW_MODULE).lexically_normal();
}

std::string LoadError() {
  const char* error = dlerror();
  return error ? error : "unknown error";
}

}  // namespace

std::unique_ptr<WindowHost> OpenWindowHost(const WindowHost::Options& options, std::string& error) {
  const std::filesystem::path executable = ExecutablePath();
  if (executable.empty()) {
    error = "cannot find the executable";
    return nullptr;
  }
  const std::filesystem::path path = WindowModulePath(executable);
  Module module(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
  if (!module) {
    error = "cannot load the window module: " + LoadError();
    return nullptr;
  }
  auto* open = reinterpret_cast<OpenWindowHostEntry*>(dlsym(module.get(), kOpenWindowHostEntry));
  if (!open) {
    error = "the window module " + path.string() + " has no entry point: " + LoadError();
    return nullptr;
  }
  std::unique_ptr<WindowHost> window;
  open(options, window, error);
  if (!window) return nullptr;
  return std::make_unique<LoadedWindowHost>(std::move(module), std::move(window));
}

}  // namespace host
