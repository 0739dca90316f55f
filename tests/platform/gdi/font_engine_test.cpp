#include "platform/gdi/font_engine.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <thread>

#include "tests/platform/gdi/text_canvas.h"

namespace gdi_test {
namespace {

constexpr gdi::Pixel kWhite = 0xFFFFFF;

// The pixels a face leaves for a line of Hangul and Latin, black on white.
std::vector<gdi::Pixel> Ink(const gdi::Typeface& face) {
  Canvas canvas(160, 30, kWhite);
  const RECT all = canvas.Whole();
  face.Draw(canvas.View(), 1, 1, L"주유-충전 Oil 15", RGB(0, 0, 0), {&all, 1});
  return canvas.pixels;
}

TEST(FontEngine, SameRequestGivesTheSameTypeface) {
  gdi::FontEngine engine;
  const auto first = engine.Get({14, 400});
  ASSERT_TRUE(first);
  EXPECT_EQ(engine.Get({14, 400}), first);
  EXPECT_NE(engine.Get({15, 400}), first);
  EXPECT_NE(engine.Get({14, 700}), first);
}

// With no file descriptor left the font file cannot be opened; once one is
// free again, a later request (the next paint) gets the face.
TEST(FontEngine, AFailedOpenIsTriedAgainLater) {
  // Once through every path first: fontconfig set up, and the sanitizer's
  // type checks (which need a descriptor to look at memory) done.
  ASSERT_TRUE(gdi::FontEngine().Get({14, 400})->Usable());
  gdi::FontEngine engine;
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
  const int firstFree = ::dup(0);
  ASSERT_GE(firstFree, 0);
  ::close(firstFree);
  rlimit none = limit;
  none.rlim_cur = static_cast<rlim_t>(firstFree);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
  const bool usableWithoutDescriptors = engine.Get({14, 400})->Usable();
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
  EXPECT_FALSE(usableWithoutDescriptors);
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_TRUE(engine.Get({14, 400})->Usable());
}

TEST(FontEngine, WeightPicksTheBoldFaceFromSemiBoldUp) {
  gdi::FontEngine engine;
  const auto ink = [&](int weight) { return Ink(*engine.Get({14, weight})); };
  EXPECT_EQ(ink(100), ink(400));
  EXPECT_EQ(ink(500), ink(400));
  EXPECT_EQ(ink(600), ink(700));
  EXPECT_EQ(ink(900), ink(700));
  EXPECT_NE(ink(700), ink(400));
}

TEST(FontEngine, AbsurdHeightsAreCappedInsteadOfExhaustingMemory) {
  gdi::FontEngine engine;
  EXPECT_LE(engine.Get({1 << 30, 400})->Metrics().height, 512);
  EXPECT_LE(engine.Get({INT_MIN, 400})->Metrics().height, 1024);
}

}  // namespace
}  // namespace gdi_test
