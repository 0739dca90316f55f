// The desktop window, or the whole display, that shows the 320 x 240
// screen, scaled by a whole factor with nearest-neighbour sampling so that
// pixels stay sharp. The screen's pixels go into a streaming texture only
// when they change.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/pixels.h"
#include "platform/host/screen_placement.h"
#include "platform/host/window_host.h"

namespace host {

class SdlVideo {
 public:
  struct Options {
    std::optional<int> scale;  // none: the largest at which the window fits the display
    bool fullscreen = false;   // the whole display, centred on black, no pointer
    std::optional<WindowIcon> icon;
    std::string title;
  };

  // Starts SDL's video and opens the window; nullptr and `error` set when
  // there is no display to open it on.
  static std::unique_ptr<SdlVideo> Open(const Options& options, std::string& error);
  ~SdlVideo();
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;

  // Where the screen is in the window, for the pen.
  const Placement& Place() const { return placement_; }
  int OutputWidth() const { return outputWidth_; }
  int OutputHeight() const { return outputHeight_; }

  // Copies the screen into the texture and shows it.
  void Show(const gdi::Surface32& screen);

  // Shows the texture again, after the window was uncovered or moved.
  void Redraw();

  // Brings the window to the front, focused, restored when minimised.
  void Raise();

 private:
  struct Deleters {
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
  };

  struct StartKey {
    explicit StartKey() = default;
  };

 public:
  explicit SdlVideo(StartKey);

 private:
  bool OpenWindow(const Options& options, std::string& error);
  void FitToFrame();
  void PlaceScreen(bool fullscreen);

  Placement placement_;
  int outputWidth_ = 0;
  int outputHeight_ = 0;
  // Released by the destructor, before SDL itself.
  std::unique_ptr<SDL_Window, Deleters> window_;
  std::unique_ptr<SDL_Renderer, Deleters> renderer_;
  std::unique_ptr<SDL_Texture, Deleters> texture_;
};

}  // namespace host
