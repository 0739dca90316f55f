// The font engine's warm paths: a short Korean label drawn and measured
// after its glyphs are cached, as every screen repaint does.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/gdi/font_engine.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr wchar_t kLabel[] = L"지출입력";

void BM_DrawLabelWarm(benchmark::State& state) {
  gdi::FontEngine engine;
  const auto face = engine.Get({static_cast<int>(state.range(0)), 700});
  std::vector<gdi::Pixel> pixels(kWidth * kHeight, 0xFFFFFF);
  const gdi::Surface32 screen{pixels.data(), kWidth, kHeight, kWidth};
  const RECT clip{0, 0, kWidth, kHeight};
  face->Draw(screen, 120, 100, kLabel, RGB(0, 0, 0), {&clip, 1});
  for (auto _ : state) {
    face->Draw(screen, 120, 100, kLabel, RGB(0, 0, 0), {&clip, 1});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DrawLabelWarm)->Arg(14)->Arg(24);

void BM_MeasureLabelWarm(benchmark::State& state) {
  gdi::FontEngine engine;
  const auto face = engine.Get({14, 400});
  benchmark::DoNotOptimize(face->Measure(kLabel));
  for (auto _ : state) benchmark::DoNotOptimize(face->Measure(kLabel));
}
BENCHMARK(BM_MeasureLabelWarm);

void BM_GetTypefaceCached(benchmark::State& state) {
  gdi::FontEngine engine;
  const gdi::FontSpec wanted{14, 400};
  engine.Get(wanted);
  for (auto _ : state) benchmark::DoNotOptimize(engine.Get(wanted));
}
BENCHMARK(BM_GetTypefaceCached);

}  // namespace
