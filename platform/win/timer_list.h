// Window timers. A timer falls due `period` milliseconds after it was set or
// last delivered; each delivery sets its next due time from the clock then.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/win/winuser.h"

namespace win {

struct Timer {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT period = 0;
  DWORD due = 0;
};

class TimerList {
 public:
  // Sets or resets a timer.
  void Set(HWND hwnd, UINT_PTR id, UINT period, DWORD now);
  bool Kill(HWND hwnd, UINT_PTR id);
  void KillAllOf(HWND hwnd);

  // The earliest timer due at `now`, rescheduled to now + period.
  std::optional<Timer> TakeDue(DWORD now);
  std::optional<Timer> PeekDue(DWORD now) const;
  // The tick at which the next timer falls due.
  std::optional<DWORD> NextDeadline() const;

 private:
  std::vector<Timer> timers_;
};

// Whether tick `a` is at or after `b` on the wrapping 32-bit clock.
inline bool TickReached(DWORD a, DWORD b) { return static_cast<std::int32_t>(a - b) >= 0; }

}  // namespace win
