// The desktop window that shows the 320 x 240 screen, scaled by a whole
// factor with nearest-neighbour sampling so that pixels stay sharp. The
// screen's pixels go into a streaming texture only when they change.
#pragma once

#include <SDL.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/gdi/pixels.h"
#include "platform/host/window_icon.h"

namespace host {

class SdlVideo {
 public:
  struct Options {
    std::optional<int> scale;  // none: the largest that fits the display
    std::optional<WindowIcon> icon;
    std::string title;
  };

  // Starts SDL's video and opens the window; nullptr and `error` set when
  // there is no display to open it on.
  static std::unique_ptr<SdlVideo> Open(const Options& options, std::string& error);
  ~SdlVideo();
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;

  int Scale() const { return scale_; }

  // Copies the screen into the texture and shows it.
  void Show(const gdi::Surface32& screen);

  // Shows the texture again, after the window was uncovered or moved.
  void Redraw();

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
  SdlVideo(StartKey, int scale);

 private:
  bool OpenWindow(const Options& options, std::string& error);

  // Released by the destructor, before SDL itself.
  int scale_;
  std::unique_ptr<SDL_Window, Deleters> window_;
  std::unique_ptr<SDL_Renderer, Deleters> renderer_;
  std::unique_ptr<SDL_Texture, Deleters> texture_;
};

}  // namespace host
