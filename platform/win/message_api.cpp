// Sending, posting and retrieving messages, and the clock the timers run
// by. Retrieval order: posted messages, the quit request, input, WM_PAINT
// for a window needing it, a due WM_TIMER. Only when none of these waits is
// the screen presented and the host asked for input, until the next timer
// falls due.
#include <algorithm>

#include "platform/core/or_failure.h"
#include "platform/win/window_manager.h"

using win::Window;
using win::WindowManager;

namespace {

DWORD Now(WindowManager& manager) {
  host::Host* host = manager.Host();
  return host ? host->TickCount() : 0;
}

// Posted messages for windows destroyed since are dropped.
std::optional<MSG> TakeFrom(WindowManager& manager, std::deque<MSG>& queue, bool remove) {
  while (!queue.empty() && queue.front().hwnd && !manager.Find(queue.front().hwnd))
    queue.pop_front();
  if (queue.empty()) return std::nullopt;
  MSG msg = queue.front();
  if (remove) queue.pop_front();
  return msg;
}

HWND FindPaintNeeded(WindowManager& manager, const std::vector<HWND>& windows) {
  for (HWND hwnd : windows) {
    Window* w = manager.Find(hwnd);
    if (!w || !w->visible) continue;
    if (!w->update.IsEmpty()) return hwnd;
    if (HWND child = FindPaintNeeded(manager, w->children)) return child;
  }
  return nullptr;
}

std::optional<MSG> TakeReady(WindowManager& manager, bool remove) {
  if (auto msg = TakeFrom(manager, manager.posted, remove)) return msg;
  if (manager.quitCode) {
    MSG quit{nullptr, WM_QUIT, static_cast<WPARAM>(*manager.quitCode), 0, Now(manager), {0, 0}};
    if (remove) manager.quitCode.reset();
    return quit;
  }
  if (auto msg = TakeFrom(manager, manager.input, remove)) return msg;
  if (HWND hwnd = FindPaintNeeded(manager, manager.TopLevels()))
    return MSG{hwnd, WM_PAINT, 0, 0, Now(manager), {0, 0}};
  DWORD now = Now(manager);
  auto timer = remove ? manager.timers.TakeDue(now) : manager.timers.PeekDue(now);
  if (timer) return MSG{timer->hwnd, WM_TIMER, timer->id, 0, now, {0, 0}};
  return std::nullopt;
}

// Asks the host for the next input event, waiting until `deadline` at most.
// Without a host nothing can ever arrive, so the loop is told to quit.
void WaitForInput(WindowManager& manager, std::optional<DWORD> deadline) {
  manager.compositor.PresentIfChanged(manager);
  host::Host* host = manager.Host();
  if (!host) {
    manager.quitCode = 0;
    return;
  }
  std::optional<host::InputEvent> event = host->WaitForInput(deadline);
  if (!event) return;
  if (std::optional<MSG> msg = win::ConvertInput(manager, *event)) manager.input.push_back(*msg);
}

}  // namespace

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = WindowManager::Get().Find(hwnd);
  if (!window || !window->proc) return 0;
  return window->proc(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProcW(WNDPROC proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return proc ? proc(hwnd, message, wParam, lParam) : 0;
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return platform::OrFailure<BOOL>(FALSE, [&]() -> BOOL {
    WindowManager& manager = WindowManager::Get();
    if (hwnd && !manager.Find(hwnd)) return FALSE;
    manager.posted.push_back(MSG{hwnd, message, wParam, lParam, Now(manager), {0, 0}});
    return TRUE;
  });
}

void PostQuitMessage(int exitCode) { WindowManager::Get().quitCode = exitCode; }

BOOL GetMessageW(LPMSG msg, HWND, UINT, UINT) {
  WindowManager& manager = WindowManager::Get();
  std::optional<MSG> next;
  while (!(next = TakeReady(manager, true))) WaitForInput(manager, manager.timers.NextDeadline());
  *msg = *next;
  return msg->message != WM_QUIT;
}

// Never blocks: when nothing is ready the host is polled once, its clock
// not advanced.
BOOL PeekMessageW(LPMSG msg, HWND, UINT, UINT, UINT removeFlags) {
  WindowManager& manager = WindowManager::Get();
  bool remove = (removeFlags & PM_REMOVE) != 0;
  std::optional<MSG> next = TakeReady(manager, remove);
  if (!next && manager.Host()) {
    WaitForInput(manager, Now(manager));
    next = TakeReady(manager, remove);
  }
  if (!next) return FALSE;
  *msg = *next;
  return TRUE;
}

void DiscardPenPresses() {
  WindowManager& manager = WindowManager::Get();
  if (host::Host* host = manager.Host()) host->DropPenPresses();
  auto isPen = [](const MSG& msg) {
    return msg.message >= WM_MOUSEMOVE && msg.message <= WM_LBUTTONUP;
  };
  auto from = std::find_if(manager.input.begin(), manager.input.end(),
                           [](const MSG& msg) { return msg.message == WM_LBUTTONDOWN; });
  manager.input.erase(std::remove_if(from, manager.input.end(), isPen), manager.input.end());
}

LRESULT DispatchMessageW(const MSG* msg) {
  return msg ? SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam) : 0;
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  return platform::OrFailure<UINT_PTR>(0, [&]() -> UINT_PTR {
    WindowManager& manager = WindowManager::Get();
    if (proc || !manager.Find(hwnd)) return 0;
    manager.timers.Set(hwnd, id, elapse, Now(manager));
    return id;
  });
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return WindowManager::Get().timers.Kill(hwnd, id); }

LRESULT DefWindowProcW(HWND hwnd, UINT message, WPARAM, LPARAM) {
  switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(hwnd, &paint);
      EndPaint(hwnd, &paint);
      return 0;
    }
    default: return 0;
  }
}

// Without a host (a tool that never opens a window) the clock stands at zero.

// What was drawn before the pause is on the screen during it, as on the
// device, where windows draw straight to the display: a pressed button shows
// pressed while its handler waits.
void Sleep(DWORD milliseconds) {
  if (auto* manager = platform::Context::Get().TryGet<win::WindowManager>())
    manager->compositor.PresentIfChanged(*manager);
  if (auto* host = platform::Context::Get().TryGet<host::Host>()) host->Sleep(milliseconds);
}

void GetLocalTime(LPSYSTEMTIME time) {
  if (!time) return;
  auto* host = platform::Context::Get().TryGet<host::Host>();
  *time = host ? host->LocalTime() : SYSTEMTIME{};
}
