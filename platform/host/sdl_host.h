// The host in a desktop window: SDL2 shows the screen in a window, or on the
// whole display, scaled by a whole factor with nearest-neighbour sampling so
// that pixels stay sharp; the mouse or touch is the pen, the keyboard gives
// the device's keys, the clock is real. The screen's pixels go into a
// streaming texture only when they change. While nothing happens the
// process sleeps in SDL's event wait.
#pragma once

#include <SDL.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "platform/host/civil_time.h"
#include "platform/host/window_host.h"

namespace host {

// SDL's input events as the device's: the mouse or a finger is the pen,
// moves count only while it is down; window pixels are taken from the
// screen's corner and divided by its scale; keys map to the device's
// virtual keys.
struct SdlPenState {
  int scale = 1;
  bool down = false;
  int originX = 0;  // the screen's top-left corner in the window
  int originY = 0;
  int outputWidth = 0;  // the window's size, for touches given as fractions of it
  int outputHeight = 0;
};

// The device's virtual key for a key of the desktop keyboard, if it has one.
std::optional<UINT> VirtualKeyFromScancode(SDL_Scancode scancode);

// The input event an SDL event stands for, if any; a close request for the
// window's close button and for SDL's quit (a signal, say).
std::optional<InputEvent> TranslateSdlEvent(const SDL_Event& event, SdlPenState& pen);

class SdlHost final : public WindowHost {
 public:
  // Starts SDL's video and opens the window; nullptr and `error` set when
  // there is no display to open it on.
  static std::unique_ptr<SdlHost> Open(const Options& options, std::string& error);
  ~SdlHost() override;

  DWORD TickCount() override { return SDL_GetTicks(); }
  SYSTEMTIME LocalTime() override { return OnDate(RealLocalTime(), today_); }
  void Sleep(DWORD ms) override;
  std::optional<InputEvent> WaitForInput(std::optional<DWORD> deadline) override;
  void DropPenPresses() override;
  void Present(const gdi::Surface32& screen) override;
  void RaiseWindow() override;
  void PostRaiseRequest() override;

  explicit SdlHost(std::optional<std::chrono::sys_days> today) : today_(today) {}

 private:
  struct Deleters {
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
  };

  bool OpenWindow(const Options& options, std::string& error);
  void FitToFrame();
  void PlaceScreen(bool fullscreen);
  // Shows the texture again, after the window was uncovered or moved.
  void Redraw();
  // An input event for the program, or nothing if SDL's event was the
  // host's own business.
  std::optional<InputEvent> Handle(const SDL_Event& event);

  std::optional<std::chrono::sys_days> today_;
  Uint32 raiseEvent_ = 0;
  SdlPenState pen_;  // also where the screen is drawn in the window
  // Taken from SDL while a button showed pressed and kept for the program.
  std::deque<InputEvent> held_;
  // Released by the destructor, before SDL itself.
  std::unique_ptr<SDL_Window, Deleters> window_;
  std::unique_ptr<SDL_Renderer, Deleters> renderer_;
  std::unique_ptr<SDL_Texture, Deleters> texture_;
};

}  // namespace host
