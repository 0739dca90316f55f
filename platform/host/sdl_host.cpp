#include "platform/host/sdl_host.h"

#include <algorithm>
#include <deque>

#include "platform/host/civil_time.h"
#include "platform/host/sdl_input.h"
#include "platform/host/sdl_video.h"

namespace host {
namespace {

constexpr char kTitle[] = "Roadtally";

}  // namespace

struct SdlHost::State {
  std::unique_ptr<SdlVideo> video;
  std::optional<std::chrono::sys_days> today;
  Uint32 raiseEvent = 0;
  SdlPenState pen;
  // Taken from SDL while a button showed pressed and kept for the program.
  std::deque<InputEvent> held;

  // An input event for the program, or nothing if SDL's event was the
  // host's own business.
  std::optional<InputEvent> Handle(const SDL_Event& event) {
    if (event.type == raiseEvent) {
      video->Raise();
      return std::nullopt;
    }
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED) {
      video->Redraw();
      return std::nullopt;
    }
    return TranslateSdlEvent(event, pen);
  }
};

std::unique_ptr<SdlHost> SdlHost::Open(const Options& options, std::string& error) {
  auto state = std::make_unique<State>();
  state->video = SdlVideo::Open({options.scale, options.fullscreen, options.icon, kTitle}, error);
  if (!state->video) return nullptr;
  state->today = options.today;
  state->raiseEvent = SDL_RegisterEvents(1);
  const Placement& place = state->video->Place();
  state->pen.scale = place.scale;
  state->pen.originX = place.x;
  state->pen.originY = place.y;
  state->pen.outputWidth = state->video->OutputWidth();
  state->pen.outputHeight = state->video->OutputHeight();
  return std::make_unique<SdlHost>(std::move(state));
}

SdlHost::SdlHost(std::unique_ptr<State> state) : state_(std::move(state)) {}
SdlHost::~SdlHost() = default;

DWORD SdlHost::TickCount() { return SDL_GetTicks(); }
SYSTEMTIME SdlHost::LocalTime() { return OnDate(RealLocalTime(), state_->today); }
void SdlHost::Present(const gdi::Surface32& screen) { state_->video->Show(screen); }
void SdlHost::RaiseWindow() { state_->video->Raise(); }

void SdlHost::PostRaiseRequest() {
  if (state_->raiseEvent == static_cast<Uint32>(-1)) return;
  SDL_Event event{};
  event.type = state_->raiseEvent;
  SDL_PushEvent(&event);
}

// Sleeps in SDL until an event comes or the deadline passes.
std::optional<InputEvent> SdlHost::WaitForInput(std::optional<DWORD> deadline) {
  if (!state_->held.empty()) {
    const InputEvent event = state_->held.front();
    state_->held.pop_front();
    return event;
  }
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
    if (std::optional<InputEvent> input = state_->Handle(event)) return input;
  }
}

// The pause is spent taking SDL's events as they come, kept for the
// program: the window stays responsive, and a tap made during a button's
// pressed look is seen as made then (DropPenPresses).
void SdlHost::Sleep(DWORD ms) {
  const Uint32 end = SDL_GetTicks() + ms;
  for (;;) {
    const auto left = static_cast<std::int32_t>(end - SDL_GetTicks());
    SDL_Event event;
    if (left <= 0) return;
    if (!SDL_WaitEventTimeout(&event, left)) continue;
    if (std::optional<InputEvent> input = state_->Handle(event)) state_->held.push_back(*input);
  }
}

// Everything SDL has is translated now, as it came, so the pen's state
// follows every event, the dropped ones too.
void SdlHost::DropPenPresses() {
  SDL_Event event;
  while (SDL_PollEvent(&event))
    if (std::optional<InputEvent> input = state_->Handle(event)) state_->held.push_back(*input);
  DropPenEventsFromFirstPress(state_->held);
}

}  // namespace host
