#include "platform/win/timer_list.h"

#include <algorithm>

namespace win {

namespace {
// Shorter periods are raised to this, as the device does, so a zero period
// cannot starve the loop.
constexpr UINT kMinimumPeriod = 10;
}  // namespace

void TimerList::Set(HWND hwnd, UINT_PTR id, UINT period, DWORD now) {
  period = std::max(period, kMinimumPeriod);
  Timer timer{hwnd, id, period, now + period};
  auto same = std::find_if(timers_.begin(), timers_.end(),
                           [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (same != timers_.end()) {
    *same = timer;
  } else {
    timers_.push_back(timer);
  }
}

bool TimerList::Kill(HWND hwnd, UINT_PTR id) {
  auto erased =
      std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  return erased > 0;
}

void TimerList::KillAllOf(HWND hwnd) {
  std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<Timer> TimerList::PeekDue(DWORD now) const {
  const Timer* earliest = nullptr;
  for (const Timer& timer : timers_) {
    if (!TickReached(now, timer.due)) continue;
    if (!earliest || TickReached(earliest->due - 1, timer.due)) earliest = &timer;
  }
  if (!earliest) return std::nullopt;
  return *earliest;
}

std::optional<Timer> TimerList::TakeDue(DWORD now) {
  std::optional<Timer> due = PeekDue(now);
  if (!due) return std::nullopt;
  for (Timer& timer : timers_)
    if (timer.hwnd == due->hwnd && timer.id == due->id) timer.due = now + timer.period;
  return due;
}

std::optional<DWORD> TimerList::NextDeadline() const {
  std::optional<DWORD> next;
  for (const Timer& timer : timers_) {
    if (!next || TickReached(*next - 1, timer.due)) next = timer.due;
  }
  return next;
}

}  // namespace win
