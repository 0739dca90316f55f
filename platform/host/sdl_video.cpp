#include "platform/host/sdl_video.h"

#include <algorithm>
#include <cstring>

#include "platform/win/host_port.h"

namespace host {
namespace {

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

SdlVideo::SdlVideo(StartKey) {}

std::unique_ptr<SdlVideo> SdlVideo::Open(const Options& options, std::string& error) {
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
  auto video = std::make_unique<SdlVideo>(StartKey{});
  if (!video->OpenWindow(options, error)) return nullptr;
  return video;
}

bool SdlVideo::OpenWindow(const Options& options, std::string& error) {
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
  window_.reset(SDL_CreateWindow(options.title.c_str(), area.x, area.y, area.w, area.h, flags));
  placement_.scale = scale;
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
void SdlVideo::FitToFrame() {
  SDL_PumpEvents();
  Frame frame;
  if (SDL_GetWindowBordersSize(window_.get(), &frame.top, &frame.left, &frame.bottom,
                               &frame.right) != 0)
    return;
  const SDL_Rect usable = UsableArea();
  const int fitting = FittingWindowScale(usable.w, usable.h, frame);
  if (fitting >= placement_.scale) return;
  placement_.scale = fitting;
  SDL_SetWindowSize(window_.get(), kScreenWidth * fitting, kScreenHeight * fitting);
  SDL_SetWindowPosition(window_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

// On the whole display the screen is centred at the largest factor that
// fits; in a window it fills the window.
void SdlVideo::PlaceScreen(bool fullscreen) {
  SDL_GetRendererOutputSize(renderer_.get(), &outputWidth_, &outputHeight_);
  if (fullscreen) placement_ = CentredPlacement(outputWidth_, outputHeight_);
}

SdlVideo::~SdlVideo() {
  texture_.reset();
  renderer_.reset();
  window_.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

void SdlVideo::Show(const gdi::Surface32& screen) {
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

void SdlVideo::Redraw() {
  SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_.get());
  const SDL_Rect target{placement_.x, placement_.y, kScreenWidth * placement_.scale,
                        kScreenHeight * placement_.scale};
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &target);
  SDL_RenderPresent(renderer_.get());
}

// A minimised window is restored first: raising alone leaves it an icon.
void SdlVideo::Raise() {
  if (SDL_GetWindowFlags(window_.get()) & SDL_WINDOW_MINIMIZED) SDL_RestoreWindow(window_.get());
  SDL_RaiseWindow(window_.get());
}

}  // namespace host
