#include "platform/host/sdl_video.h"

#include <algorithm>
#include <cstring>

#include "platform/win/host_port.h"

namespace host {
namespace {

// The largest whole factor at which the screen fits the display's usable area.
int FittingScale() {
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
  return std::max(1, std::min(usable.w / kScreenWidth, usable.h / kScreenHeight));
}

void SetIcon(SDL_Window* window, const WindowIcon& icon) {
  if (icon.width <= 0 || icon.height <= 0 ||
      icon.argb.size() != static_cast<size_t>(icon.width) * icon.height)
    return;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint32_t*>(icon.argb.data()), icon.width, icon.height, 32, icon.width * 4,
      SDL_PIXELFORMAT_ARGB8888);
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

SdlVideo::SdlVideo(StartKey, int scale) : scale_(scale) {}

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
  auto video = std::make_unique<SdlVideo>(StartKey{}, options.scale.value_or(FittingScale()));
  if (!video->OpenWindow(options, error)) return nullptr;
  return video;
}

bool SdlVideo::OpenWindow(const Options& options, std::string& error) {
  window_.reset(SDL_CreateWindow(options.title.c_str(), SDL_WINDOWPOS_CENTERED,
                                 SDL_WINDOWPOS_CENTERED, kScreenWidth * scale_,
                                 kScreenHeight * scale_, SDL_WINDOW_SHOWN));
  if (window_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, 0));
  if (renderer_)
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                     SDL_TEXTUREACCESS_STREAMING, kScreenWidth, kScreenHeight));
  if (!texture_) {
    error = SDL_GetError();
    return false;
  }
  SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeNearest);
  if (options.icon) SetIcon(window_.get(), *options.icon);
  Redraw();
  return true;
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
  SDL_RenderClear(renderer_.get());
  SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, nullptr);
  SDL_RenderPresent(renderer_.get());
}

void SdlVideo::Raise() { SDL_RaiseWindow(window_.get()); }

}  // namespace host
