#include "bench/screen_copy_floor.h"

#include <time.h>

namespace bench {

namespace {
constexpr int kWidth = 320;
constexpr int kHeight = 240;
}  // namespace

double ThreadCpuSeconds() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

ScreenCopyFloor::ScreenCopyFloor() {
  from_.CreateCompatibleDC(nullptr);
  to_.CreateCompatibleDC(nullptr);
  fromBitmap_.CreateCompatibleBitmap(nullptr, kWidth, kHeight);
  toBitmap_.CreateCompatibleBitmap(nullptr, kWidth, kHeight);
  fromOld_ = from_.SelectObject(&fromBitmap_);
  toOld_ = to_.SelectObject(&toBitmap_);
  from_.FillSolidRect(0, 0, kWidth, kHeight, RGB(10, 20, 30));
}

ScreenCopyFloor::~ScreenCopyFloor() {
  from_.SelectObject(fromOld_);
  to_.SelectObject(toOld_);
}

void ScreenCopyFloor::Time(int copies) {
  const double start = ThreadCpuSeconds();
  for (int i = 0; i < copies; ++i) to_.BitBlt(0, 0, kWidth, kHeight, &from_, 0, 0, SRCCOPY);
  seconds_ += ThreadCpuSeconds() - start;
  copies_ += copies;
}

void ScreenCopyFloor::Report(benchmark::State& state, double paintSeconds) const {
  if (copies_ == 0 || seconds_ <= 0) return;
  const double floor = seconds_ / static_cast<double>(copies_);
  state.counters["floor"] = floor;
  state.counters["x_floor"] = paintSeconds / floor;
}

}  // namespace bench
