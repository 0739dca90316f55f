// The least a full paint can cost, to hold paints against: one 320 x 240
// block copy between two 32-bit device bitmaps, the copy that ends every
// paint of a back buffer. Timed in the calling thread's CPU time, as the
// benchmarks' CPU column counts.
#pragma once

#include <benchmark/benchmark.h>

#include "platform/framework/cdc.h"

namespace bench {

double ThreadCpuSeconds();

class ScreenCopyFloor {
 public:
  ScreenCopyFloor();
  ~ScreenCopyFloor();
  ScreenCopyFloor(const ScreenCopyFloor&) = delete;
  ScreenCopyFloor& operator=(const ScreenCopyFloor&) = delete;

  // Times `copies` copies and adds them to the floor's total.
  void Time(int copies);
  // Counters: "floor", the seconds of one copy, and "x_floor", `paintSeconds`
  // (one paint) over it.
  void Report(benchmark::State& state, double paintSeconds) const;

 private:
  CBitmap fromBitmap_, toBitmap_;
  CDC from_, to_;
  CBitmap* fromOld_ = nullptr;
  CBitmap* toOld_ = nullptr;
  double seconds_ = 0;
  long long copies_ = 0;
};

}  // namespace bench
