// Turns the host's input events into messages for the window they belong to,
// at the moment the message loop takes them.
#include "platform/win/window_manager.h"

namespace win {

namespace {

using Kind = host::InputEvent::Kind;

bool Contains(const RECT& r, POINT p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The deepest visible window under the point within `siblings`, topmost
// first; the point is in the coordinates of their rectangles.
HWND HitTest(WindowManager& manager, const std::vector<HWND>& siblings, POINT p) {
  for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
    Window* w = manager.Find(*it);
    if (!w || !w->visible || !Contains(w->rect, p)) continue;
    HWND inner = HitTest(manager, w->children, {p.x - w->rect.left, p.y - w->rect.top});
    return inner ? inner : w->handle;
  }
  return nullptr;
}

std::optional<MSG> PenMessage(WindowManager& manager, const host::InputEvent& event) {
  if (event.kind == Kind::PenMove && !manager.penDown) return std::nullopt;
  if (event.kind == Kind::PenDown) manager.penDown = true;
  if (event.kind == Kind::PenUp) manager.penDown = false;
  POINT p = {event.x, event.y};
  HWND target = manager.capture ? manager.capture : HitTest(manager, manager.TopLevels(), p);
  if (!target || (!manager.capture && !manager.AcceptsInput(target))) return std::nullopt;
  POINT origin = manager.ClientOrigin(target);
  UINT message = event.kind == Kind::PenDown ? WM_LBUTTONDOWN
                 : event.kind == Kind::PenUp ? WM_LBUTTONUP
                                             : WM_MOUSEMOVE;
  WPARAM buttons = event.kind == Kind::PenUp ? 0 : MK_LBUTTON;
  LPARAM position =
      MAKELPARAM(static_cast<WORD>(p.x - origin.x), static_cast<WORD>(p.y - origin.y));
  return MSG{target, message, buttons, position, 0, p};
}

std::optional<MSG> KeyMessage(WindowManager& manager, const host::InputEvent& event) {
  HWND target = manager.Find(manager.focus) ? manager.focus : manager.active;
  if (!target || !manager.AcceptsInput(target)) return std::nullopt;
  bool down = event.kind == Kind::KeyDown;
  // Repeat count 1; a key-up also carries the previous-state and transition bits.
  LPARAM flags = down ? 0x00000001 : static_cast<LPARAM>(0xC0000001u);
  return MSG{target, static_cast<UINT>(down ? WM_KEYDOWN : WM_KEYUP), event.vk, flags, 0, {0, 0}};
}

// The main window closes unless a modal dialog disabled it; then the quit
// message unwinds the modal loops first and the main window goes after.
void RequestClose(WindowManager& manager) {
  HWND main = manager.MainWindow();
  if (main && manager.Find(main)->enabled) {
    PostMessageW(main, WM_CLOSE, 0, 0);
  } else {
    PostQuitMessage(0);
  }
}

}  // namespace

std::optional<MSG> ConvertInput(WindowManager& manager, const host::InputEvent& event) {
  switch (event.kind) {
    case Kind::PenDown:
    case Kind::PenMove:
    case Kind::PenUp: return PenMessage(manager, event);
    case Kind::KeyDown:
    case Kind::KeyUp: return KeyMessage(manager, event);
    case Kind::Close: RequestClose(manager); return std::nullopt;
    case Kind::Quit: PostQuitMessage(event.exitCode); return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace win
