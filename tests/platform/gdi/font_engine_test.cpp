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
  const auto first = engine.Get({L"Gulim", 14, 400, false});
  ASSERT_TRUE(first);
  EXPECT_EQ(engine.Get({L"Gulim", 14, 400, false}), first);
  EXPECT_NE(engine.Get({L"Gulim", 15, 400, false}), first);
  EXPECT_NE(engine.Get({L"Gulim", 14, 700, false}), first);
  EXPECT_NE(engine.Get({L"System", 14, 400, false}), first);
  // Height 0 is the default size, the same object as asking for it.
  EXPECT_EQ(engine.Get({L"Gulim", 0, 400, false}), engine.Get({L"Gulim", 12, 400, false}));
  EXPECT_EQ(engine.Get({L"Gulim", 0, 400, false})->Metrics().height, 12);
}

// With no file descriptor left the font file cannot be opened; once one is
// free again, a later request (the next paint) gets the face.
TEST(FontEngine, AFailedOpenIsTriedAgainLater) {
  // Once through every path first: fontconfig set up, and the sanitizer's
  // type checks (which need a descriptor to look at memory) done.
  ASSERT_TRUE(gdi::FontEngine().Get({L"Gulim", 14, 400, false})->Usable());
  gdi::FontEngine engine;
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
  const int firstFree = ::dup(0);
  ASSERT_GE(firstFree, 0);
  ::close(firstFree);
  rlimit none = limit;
  none.rlim_cur = static_cast<rlim_t>(firstFree);
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
  const bool usableWithoutDescriptors = engine.Get({L"Gulim", 14, 400, false})->Usable();
  ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &limit), 0);
  EXPECT_FALSE(usableWithoutDescriptors);
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  EXPECT_TRUE(engine.Get({L"Gulim", 14, 400, false})->Usable());
}

TEST(FontEngine, DeviceAndMissingFacesFallBackToTheKoreanSansSerif) {
  gdi::FontEngine engine;
  const std::vector<gdi::Pixel> gothic = Ink(*engine.Get({L"NanumGothic", 14, 400, false}));
  EXPECT_EQ(Ink(*engine.Get({L"Gulim", 14, 400, false})), gothic);
  EXPECT_EQ(Ink(*engine.Get({L"System", 14, 400, false})), gothic);
  EXPECT_EQ(Ink(*engine.Get({L"MS Sans Serif", 14, 400, false})), gothic);
  EXPECT_EQ(Ink(*engine.Get({L"No Such Face 1234", 14, 400, false})), gothic);
  EXPECT_EQ(Ink(*engine.Get({L"", 14, 400, false})), gothic);
  // Installed but without Hangul: not good enough for this program's text.
  EXPECT_EQ(Ink(*engine.Get({L"DejaVu Sans", 14, 400, false})), gothic);
  // An installed Korean face is honoured.
  EXPECT_NE(Ink(*engine.Get({L"NanumMyeongjo", 14, 400, false})), gothic);
}

TEST(FontEngine, WeightPicksTheBoldFaceFromSemiBoldUp) {
  gdi::FontEngine engine;
  const auto ink = [&](int weight) { return Ink(*engine.Get({L"Gulim", 14, weight, false})); };
  EXPECT_EQ(ink(100), ink(400));
  EXPECT_EQ(ink(500), ink(400));
  EXPECT_EQ(ink(600), ink(700));
  EXPECT_EQ(ink(900), ink(700));
  EXPECT_NE(ink(700), ink(400));
}

TEST(FontEngine, ItalicSlantsTheUprightFace) {
  gdi::FontEngine engine;
  EXPECT_NE(Ink(*engine.Get({L"Gulim", 14, 400, true})),
            Ink(*engine.Get({L"Gulim", 14, 400, false})));
}

TEST(FontEngine, NegativeHeightIsTheEmAndGivesALargerCell) {
  gdi::FontEngine engine;
  const auto em = engine.Get({L"Gulim", -14, 400, false});
  EXPECT_GT(em->Metrics().height, 14);
  EXPECT_LT(em->Metrics().height, 2 * 14);
  EXPECT_EQ(em->Metrics().ascent + em->Metrics().descent, em->Metrics().height);
}

TEST(FontEngine, AbsurdHeightsAreCappedInsteadOfExhaustingMemory) {
  gdi::FontEngine engine;
  EXPECT_LE(engine.Get({L"Gulim", 1 << 30, 400, false})->Metrics().height, 512);
  EXPECT_LE(engine.Get({L"Gulim", INT_MIN, 400, false})->Metrics().height, 1024);
}

}  // namespace
}  // namespace gdi_test
