// Writes korean_sample.png: Korean lines at the program's sizes, regular and
// bold, for a person to judge sharpness. Checks only that every line inked
// its own band and that the file reads back.
#include <gtest/gtest.h>

#include "platform/gdi/font_engine.h"
#include "platform/res/png_codec.h"
#include "tests/platform/gdi/text_canvas.h"

namespace gdi_test {
namespace {

TEST(KoreanSample, LinesAtThirteenToFifteenPixelsRegularAndBold) {
  constexpr gdi::Pixel kPaper = 0xF4F1E8;
  gdi::FontEngine engine;
  Canvas canvas(320, 120, kPaper);
  const RECT all = canvas.Whole();
  int y = 4;
  for (int height : {13, 14, 15})
    for (int weight : {400, 700}) {
      const auto face = engine.Get({height, weight});
      Canvas band(320, height, kPaper);
      const RECT bandAll = band.Whole();
      face->Draw(band.View(), 4, 0, L"지출입력 주유-충전 와이퍼 블레이드 12,500원",
                 RGB(0x20, 0x20, 0x30), {&bandAll, 1});
      EXPECT_GT(band.CountNot(kPaper), 100) << height << " " << weight;
      face->Draw(canvas.View(), 4, y, L"지출입력 주유-충전 와이퍼 블레이드 12,500원",
                 RGB(0x20, 0x20, 0x30), {&all, 1});
      y += height + 4;
    }
  ASSERT_TRUE(res::WritePngFile("korean_sample.png", canvas.View()));
  const auto back = res::ReadPngFile("korean_sample.png");
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixels, canvas.pixels);
}

}  // namespace
}  // namespace gdi_test
