#include "platform/host/window_host.h"

#include "platform/host/loaded_module.h"

namespace host {
namespace {

// The module's window, which must be gone before the module's code is
// unmapped: the window is destroyed first, then the module closed.
class LoadedWindowHost final : public WindowHost {
 public:
  LoadedWindowHost(LoadedModule module, std::unique_ptr<WindowHost> window)
      : module_(std::move(module)), window_(std::move(window)) {}

  DWORD TickCount() override { return window_->TickCount(); }
  SYSTEMTIME LocalTime() override { return window_->LocalTime(); }
  void Sleep(DWORD ms) override { window_->Sleep(ms); }
  std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) override {
    return window_->WaitForInput(deadline);
  }
  void DropPenPresses() override { window_->DropPenPresses(); }
  void Present(const gdi::Surface32& screen) override { window_->Present(screen); }
  void RaiseWindow() override { window_->RaiseWindow(); }
  void PostRaiseRequest() override { window_->PostRaiseRequest(); }

 private:
  LoadedModule module_;
  std::unique_ptr<WindowHost> window_;
};

}  // namespace

std::unique_ptr<WindowHost> OpenWindowHost(const WindowHost::Options& options, std::string& error) {
  std::optional<LoadedModule> module = LoadedModule::Load("roadtally-window.so", error);
  if (!module) {
    error = "cannot load the window module: " + error;
    return nullptr;
  }
  auto* open = module->Find<OpenWindowHostEntry>(kOpenWindowHostEntry, error);
  if (!open) {
    error = "the window module " + module->Path().string() + " has no entry point: " + error;
    return nullptr;
  }
  std::unique_ptr<WindowHost> window;
  open(options, window, error);
  if (!window) return nullptr;
  return std::make_unique<LoadedWindowHost>(std::move(*module), std::move(window));
}

}  // namespace host
