#include "platform/gdi/typeface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <memory>

#include "platform/gdi/font_engine.h"
#include "tests/platform/gdi/text_canvas.h"

namespace gdi_test {
namespace {

constexpr gdi::Pixel kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = RGB(0, 0, 0);

class TypefaceTest : public ::testing::Test {
 protected:
  std::shared_ptr<gdi::Typeface> Face(int height, int weight = 400) {
    return engine.Get({height, weight});
  }

  // The canvas after drawing text once at (x, y), black on white.
  static Canvas Drawn(const gdi::Typeface& face, std::wstring_view text, int x = 2, int y = 2) {
    Canvas canvas(120, 40, kWhite);
    const RECT all = canvas.Whole();
    face.Draw(canvas.View(), x, y, text, kBlack, {&all, 1});
    return canvas;
  }

  gdi::FontEngine engine;
};

TEST_F(TypefaceTest, CellHeightIsExactAndSplitIntoWholeAscentAndDescent) {
  for (int height : {11, 12, 13, 14, 15, 16, 20, 31}) {
    const auto face = Face(height);
    const gdi::FontMetrics& m = face->Metrics();
    EXPECT_EQ(m.height, height);
    EXPECT_EQ(m.ascent + m.descent, height);
    EXPECT_GT(m.ascent, m.descent) << height;
    EXPECT_GT(m.descent, 0) << height;
    EXPECT_EQ(face->Measure(L"주유-충전").cy, height);
    EXPECT_EQ(face->Measure(L"").cy, height);
  }
}

TEST_F(TypefaceTest, ExtentIsTheSumOfAdvances) {
  const auto face = Face(14);
  const LONG ga = face->Measure(L"가").cx;
  const LONG space = face->Measure(L" ").cx;
  EXPECT_GT(ga, 0);
  EXPECT_GT(space, 0);
  EXPECT_EQ(face->Measure(L"").cx, 0);
  EXPECT_EQ(face->Measure(L"가가가").cx, 3 * ga);
  EXPECT_EQ(face->Measure(L"가 가").cx, 2 * ga + space);
  EXPECT_LT(face->Measure(L"와이퍼").cx, face->Measure(L"와이퍼 블레이드").cx);
  // Hangul is set wider than Latin capitals in a Korean face.
  EXPECT_GT(ga, face->Measure(L"i").cx);
}

TEST_F(TypefaceTest, HangulInkStaysInsideItsCell) {
  const auto face = Face(14);
  const Canvas canvas = Drawn(*face, L"지출입력", 10, 5);
  const SIZE extent = face->Measure(L"지출입력");
  EXPECT_GT(canvas.CountNot(kWhite), 40);
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      if (canvas.At(x, y) != kWhite) {
        EXPECT_GE(x, 10);
        EXPECT_LT(x, 10 + extent.cx);
        EXPECT_GE(y, 5);
        EXPECT_LT(y, 5 + 14);
      }
}

TEST_F(TypefaceTest, BoldIsDarkerAndNoNarrower) {
  const auto regular = Face(14, 400);
  const auto bold = Face(14, 700);
  EXPECT_NE(regular, bold);
  EXPECT_GE(bold->Measure(L"지출입력").cx, regular->Measure(L"지출입력").cx);
  EXPECT_GT(Drawn(*bold, L"지출입력").Darkness(),
            Drawn(*regular, L"지출입력").Darkness() * 11 / 10);
}

TEST_F(TypefaceTest, DrawsOnlyInsideTheClipRectangles) {
  const auto face = Face(15);
  const Canvas full = Drawn(*face, L"와이퍼 블레이드");
  // Two disjoint bands, each cutting through glyphs.
  const RECT clip[] = {{5, 0, 20, 40}, {40, 8, 70, 12}};
  Canvas clipped(120, 40, kWhite);
  face->Draw(clipped.View(), 2, 2, L"와이퍼 블레이드", kBlack, clip);
  int inkInside = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const bool inside = (x >= 5 && x < 20) || (x >= 40 && x < 70 && y >= 8 && y < 12);
      EXPECT_EQ(clipped.At(x, y), inside ? full.At(x, y) : kWhite) << x << "," << y;
      inkInside += inside && clipped.At(x, y) != kWhite;
    }
  EXPECT_GT(inkInside, 0);

  Canvas untouched(120, 40, kWhite);
  face->Draw(untouched.View(), 2, 2, L"와이퍼", kBlack, {});
  EXPECT_EQ(untouched.CountNot(kWhite), 0);
}

// On black, white ink leaves the glyph's coverage itself in each channel;
// other colours must then follow dst + (src - dst) * coverage / 255.
TEST_F(TypefaceTest, BlendFollowsCoverageAndFullCoverageGivesTheExactColour) {
  const auto face = Face(24, 700);
  Canvas coverage(120, 40, 0x000000);
  const RECT all = coverage.Whole();
  face->Draw(coverage.View(), 2, 2, L"ㅁ극", RGB(255, 255, 255), {&all, 1});
  Canvas mixed(120, 40, 0x204060);
  face->Draw(mixed.View(), 2, 2, L"ㅁ극", RGB(0xE0, 0xC0, 0x10), {&all, 1});

  int full = 0, partial = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) {
      const int c = static_cast<int>(coverage.At(x, y) & 0xFF);
      const int r = 0x20 + (0xE0 - 0x20) * c / 255;
      const int g = 0x40 + (0xC0 - 0x40) * c / 255;
      const int b = 0x60 + (0x10 - 0x60) * c / 255;
      ASSERT_EQ(mixed.At(x, y), static_cast<gdi::Pixel>(r << 16 | g << 8 | b)) << x << "," << y;
      full += c == 255;
      partial += c > 0 && c < 255;
    }
  EXPECT_GT(full, 20);  // stems snapped to whole pixels reach full coverage: 0xE0C010 exactly
  EXPECT_GT(partial, 0);
}

TEST_F(TypefaceTest, TextRunningOffTheSurfaceIsCutNotOverrun) {
  const auto face = Face(14);
  Canvas canvas(20, 10, kWhite);
  const RECT beyond{-100, -100, 1000, 1000};  // larger than the surface
  for (const POINT at : {POINT{-7, -5}, POINT{15, 6}, POINT{INT_MAX - 3, 0},
                         POINT{INT_MIN, INT_MIN}, POINT{0, INT_MAX}})
    face->Draw(canvas.View(), at.x, at.y, L"지출입력", kBlack, {&beyond, 1});
  EXPECT_GT(canvas.CountNot(kWhite), 0);  // the on-surface parts did draw
}

TEST(TypefaceWithoutFile, MeasuresZeroAndDrawsNothing) {
  const auto library = gdi::OpenFontLibrary();
  const gdi::Typeface none(library, std::nullopt, 14);
  std::FILE* junk = std::fopen("not_a_font.ttf", "wb");
  ASSERT_TRUE(junk);
  std::fputs("plain text, no font tables", junk);
  std::fclose(junk);
  const gdi::Typeface notAFont(library, gdi::FaceFile{"not_a_font.ttf"}, 14);
  for (const gdi::Typeface* face : {&none, &notAFont}) {
    EXPECT_EQ(face->Metrics().height, 0);
    EXPECT_EQ(face->Measure(L"지출").cx, 0);
    Canvas canvas(20, 20, kWhite);
    const RECT all = canvas.Whole();
    face->Draw(canvas.View(), 0, 0, L"지출", kBlack, {&all, 1});
    EXPECT_EQ(canvas.CountNot(kWhite), 0);
  }
  std::remove("not_a_font.ttf");
}

}  // namespace
}  // namespace gdi_test
