#include "platform/host/sdl_host.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "platform/host/screen_placement.h"

namespace host {
namespace {

constexpr char kTitle[] = "Roadtally";

// A window manager's frame before the window is shown and it can be asked:
// a title bar and thin borders.
constexpr Frame kLikelyFrame{32, 4, 4, 4};

SDL_Rect UsableArea() {
  SDL_Rect usable{0, 0, kScreenWidth, kScreenHeight};
  SDL_GetDisplayUsableBounds(0, &usable);
  return usable;
}

void SetIcon(SDL_Window* window, const WindowIcon& icon) {
  if (icon.width <= 0 || icon.height <= 0 ||
      icon.argb.size() != static_cast<size_t>(icon.width) * icon.height)
    return;
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon.argb.data()), icon.width,
                                         icon.height, 32, icon.width * 4, SDL_PIXELFORMAT_ARGB8888);
  if (!surface) return;
  SDL_SetWindowIcon(window, surface);
  SDL_FreeSurface(surface);
}

// SDL falls back on drivers that draw nowhere when it finds no display;
// those count only when asked for by name.
bool DrawsNowhereUnasked() {
  const char* requested = SDL_getenv("SDL_VIDEODRIVER");
  if (requested && *requested) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver && (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

}  // namespace

std::unique_ptr<SdlHost> SdlHost::Open(const Options& options, std::string& error) {
  // The program's own close handling decides when to quit, not SDL.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    SDL_Quit();
    return nullptr;
  }
  if (DrawsNowhereUnasked()) {
    error = "no display found";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    SDL_Quit();
    return nullptr;
  }
  auto host = std::make_unique<SdlHost>(options.today);
  if (!host->OpenWindow(options, error)) return nullptr;
  host->raiseEvent_ = SDL_RegisterEvents(1);
  return host;
}

bool SdlHost::OpenWindow(const Options& options, std::string& error) {
  const SDL_Rect usable = UsableArea();
  const int scale = options.scale.value_or(FittingWindowScale(usable.w, usable.h, kLikelyFrame));
  // Fullscreen also asks for the display's whole area, for a window system
  // with no window manager to grant the fullscreen state.
  SDL_Rect area{SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth * scale,
                kScreenHeight * scale};
  if (options.fullscreen) SDL_GetDisplayBounds(0, &area);
  // Hidden until the renderer exists: a renderer that wants another kind of
  // window makes SDL replace the window, which a driver would see flash and
  // a window manager would see as two windows.
  const Uint32 flags =
      SDL_WINDOW_HIDDEN |
      (options.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS : 0);
  window_.reset(SDL_CreateWindow(kTitle, area.x, area.y, area.w, area.h, flags));
  pen_.scale = scale;
  if (window_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
  if (renderer_)
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight));
  if (!texture_) {
    error = SDL_GetError();
    return false;
  }
  SDL_ShowWindow(window_.get());
  if (!options.fullscreen && !options.scale) FitToFrame();
  SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeNearest);
  if (options.icon) SetIcon(window_.get(), *options.icon);
  if (options.fullscreen) SDL_ShowCursor(SDL_DISABLE);
  PlaceScreen(options.fullscreen);
  Redraw();
  return true;
}

// Once shown, the window's real frame is known (where the window system
// tells it); a window that would then reach past the usable area shrinks.
void SdlHost::FitToFrame() {
  SDL_PumpEvents();
  Frame frame;
  if (SDL_GetWindowBordersSize(window_.get(), &frame.top, &frame.left, &frame.bottom,
                               &frame.right) != 0)
    return;
  const SDL_Rect usable = UsableArea();
  const int fitting = FittingWindowScale(usable.w, usable.h, frame);
  if (fitting >= pen_.scale) return;
  pen_.scale = fitting;
  SDL_SetWindowSize(window_.get(), kScreenWidth * fitting, kScreenHeight * fitting);
  SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

// On the whole display the screen is centred at the largest factor that
// fits; in a window it fills the window.
void SdlHost::PlaceScreen(bool fullscreen) {
  SDL_GetRendererOutputSize(renderer_.get(), &pen_.outputWidth, &pen_.outputHeight);
  if (!fullscreen) return;
  const Placement place = CentredPlacement(pen_.outputWidth, pen_.outputHeight);
  pen_.scale = place.scale;
  pen_.originX = place.x;
  pen_.originY = place.y;
}

SdlHost::~SdlHost() {
  texture_.reset();
  renderer_.reset();
  window_.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

void SdlHost::Present(const gdi::Surface32& screen) {
  void* target = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_.get(), nullptr, &target, &pitch) != 0) return;
  const int width = std::min(screen.width, kScreenWidth);
  const int height = std::min(screen.height, kScreenHeight);
  auto* rows = static_cast<std::uint8_t*>(target);
  for (int y = 0; y < height; ++y)
    std::memcpy(rows + static_cast<std::ptrdiff_t>(y) * pitch, screen.Row(y),
                static_cast<size_t>(width) * sizeof(gdi::Pixel));
  SDL_UnlockTexture(texture_.get());
  Redraw();
}

void SdlHost::Redraw() {
  SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_.get());
  const SDL_Rect target{pen_.originX, pen_.originY, kScreenWidth * pen_.scale,
                        kScreenHeight * pen_.scale};
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &target);
  SDL_RenderPresent(renderer_.get());
}

// A minimised window is restored first: raising alone leaves it an icon.
void SdlHost::RaiseWindow() {
  if (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(window_.get());
  SDL_RaiseWindow(window_.get());
}

std::optional<InputEvent> SdlHost::Handle(const SDL_Event& event) {
  if (event.type == raiseEvent_) {
    RaiseWindow();
    return std::nullopt;
  }
  if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
    Redraw();
    return std::nullopt;
  }
  return TranslateSdlEvent(event, pen_);
}

void SdlHost::PostRaiseRequest() {
  if (raiseEvent_ == static_cast<Uint32>(-1)) return;
  SDL_Event event{};
  event.type = raiseEvent_;
  SDL_PushEvent(&event);
}

std::optional<InputEvent> SdlHost::WaitForInput(std::optional<DWORD> deadline) {
  if (std::optional<InputEvent> event = TakeHeld(held_)) return event;
  for (;;) {
    SDL_Event event;
    if (deadline) {
      const auto left = static_cast<std::int32_t>(*deadline - TickCount());
      if (left <= 0) return std::nullopt;
      if (!SDL_WaitEventTimeout(&event, left)) continue;
    } else if (!SDL_WaitEvent(&event)) {
      // SDL can no longer deliver events; ask the program to end.
      return InputEvent{InputEvent::Kind::Close};
    }
    if (std::optional<InputEvent> input = Handle(event)) return input;
  }
}

// The pause is spent taking SDL's events as they come, kept for the
// program: the window stays responsive, and a tap made during a button's
// pressed look is seen as made then (DropPenPresses).
void SdlHost::Sleep(DWORD ms) {
  std::deque<InputEvent> held = std::exchange(held_, {});
  const DWORD end = TickCount() + ms;
  while (std::optional<InputEvent> input = WaitForInput(end)) held.push_back(*input);
  held_ = std::move(held);
}

// Everything SDL has is translated now, as it came, so the pen's state
// follows every event, the dropped ones too.
void SdlHost::DropPenPresses() {
  SDL_Event event;
  while (SDL_PollEvent(&event))
    if (std::optional<InputEvent> input = Handle(event)) held_.push_back(*input);
  DropPenEventsFromFirstPress(held_);
}

}  // namespace host
