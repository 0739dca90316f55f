// Where the skins put things: the keypad keys under their key rectangles,
// the list row edges that separate columns, the calendar grid, and pressed
// faces that blend into the screens they are drawn over.
#include "tests/tools/skingen/skin_images.h"

namespace {

using skingen_test::At;
using skingen_test::Bitmap;
using skingen_test::Brightness;
using skingen_test::kKey;

// Keys as the keypad lays them out on screen, and where 2166 is copied.
constexpr POINT kKeyBlockOrigin{6, 116};
constexpr POINT kDigitKeys[10] = {{19, 128}, {77, 128}, {135, 128}, {193, 128}, {251, 128},
                                  {19, 164}, {77, 164}, {135, 164}, {193, 164}, {251, 164}};
constexpr int kKeyWidth = 48, kKeyHeight = 25;

TEST(KeypadLayout, EachDigitKeyEdgeSitsOnItsKeyRectangle) {
  for (const POINT key : kDigitKeys) {
    const int left = key.x - kKeyBlockOrigin.x, top = key.y - kKeyBlockOrigin.y;
    const int right = left + kKeyWidth, bottom = top + kKeyHeight;
    const int midX = left + kKeyWidth / 2, midY = top + kKeyHeight / 2;
    EXPECT_NE(At(2166, left, midY), At(2166, left - 1, midY)) << key.x << "," << key.y;
    EXPECT_NE(At(2166, right - 1, midY), At(2166, right, midY)) << key.x << "," << key.y;
    EXPECT_NE(At(2166, midX, top), At(2166, midX, top - 1)) << key.x << "," << key.y;
    EXPECT_NE(At(2166, midX, bottom - 1), At(2166, midX, bottom)) << key.x << "," << key.y;
  }
}

// The highlighted cell drawn keyed over a key covers exactly the key's face:
// where the cell is see-through, 2166 shows its grid background.
TEST(KeypadLayout, HighlightCellsCoverExactlyTheKeyFaces) {
  for (int order = 0; order < 10; ++order) {
    const int digit = (order + 1) % 10;
    const int left = kDigitKeys[order].x - kKeyBlockOrigin.x,
              top = kDigitKeys[order].y - kKeyBlockOrigin.y;
    for (int y = 0; y < kKeyHeight; ++y) {
      const COLORREF ground = At(2166, left - 2, top + y);
      for (int x = 0; x < kKeyWidth; ++x) {
        const bool seeThrough = At(259, digit * kKeyWidth + x, y) == kKey;
        const bool showsGround = At(2166, left + x, top + y) == ground;
        ASSERT_EQ(seeThrough, showsGround) << "digit " << digit << " at " << x << "," << y;
        ASSERT_EQ(seeThrough, At(2792, digit * kKeyWidth + x, y) == kKey);
      }
    }
  }
}

TEST(KeypadLayout, ValueBoxIsDarkAndCommandRowIsPlain) {
  EXPECT_LT(Brightness(At(232, 150, 73)), 30);
  EXPECT_EQ(At(232, 6, 210), At(232, 300, 230));  // keyed command faces land on one colour
}

TEST(ListBoxRows, NormalRowHasDarkOuterAndLightInnerLeftEdge) {
  EXPECT_EQ(At(1063, 100, 2), RGB(0, 98, 164));
  EXPECT_EQ(At(1063, 100, 26), RGB(0, 92, 156));
  for (int y = 1; y < 28; ++y) {
    EXPECT_LT(Brightness(At(1063, 0, y)), 40) << y;
    EXPECT_EQ(At(1063, 1, y), RGB(188, 226, 253)) << y;
  }
  for (int x = 1; x < 380; ++x) {
    ASSERT_LT(Brightness(At(1063, x, 0)), 40) << x;
    ASSERT_EQ(At(1063, x, 1), RGB(188, 226, 253)) << x;
  }
  EXPECT_LT(Brightness(At(1063, 100, 27)), Brightness(RGB(0, 92, 156)));
  EXPECT_GT(GetBValue(At(1063, 100, 27)), GetRValue(At(1063, 100, 27)));  // dark blue
}

TEST(ListBoxRows, SelectedRowHasOrangeLinesInsideADarkOutline) {
  EXPECT_EQ(At(2689, 100, 2), RGB(241, 207, 138));
  EXPECT_EQ(At(2689, 100, 25), RGB(233, 180, 59));
  for (int x = 1; x < 380; ++x) {
    ASSERT_EQ(At(2689, x, 1), RGB(204, 102, 0)) << x;
    ASSERT_EQ(At(2689, x, 26), RGB(204, 102, 0)) << x;
    ASSERT_LT(Brightness(At(2689, x, 0)), 40) << x;
    ASSERT_LT(Brightness(At(2689, x, 27)), 40) << x;
  }
  for (int y = 0; y < 28; ++y) EXPECT_LT(Brightness(At(2689, 0, y)), 40) << y;
}

TEST(ListBoxRows, MonthListHeaderSeparatorsLineUpWithTheColumns) {
  // Rows start at the list's x = 14; columns 2 and 3 at 14 + 54 and 14 + 184.
  for (int x : {68, 198}) {
    const int y = 57;
    EXPECT_LT(Brightness(At(157, x, y)), Brightness(At(157, x - 1, y))) << x;
    EXPECT_GT(Brightness(At(157, x + 1, y)), Brightness(At(157, x + 2, y))) << x;
  }
}

TEST(ListBoxScrollBar, TrackAndThumbCarryTheirColours) {
  EXPECT_EQ(At(2718, 5, 40), RGB(52, 0, 0));
  EXPECT_EQ(At(2718, 0, 40), RGB(85, 0, 8));
  EXPECT_EQ(At(2718, 10, 0), RGB(85, 0, 8));
  EXPECT_EQ(At(2718, 12, 40), RGB(204, 102, 0));
  EXPECT_EQ(At(2718, 12, 41), RGB(52, 0, 0));
  for (int x : {26, 27}) EXPECT_LT(Brightness(At(2718, x, 40)), 12);
  EXPECT_EQ(At(1049, 0, 10), RGB(0, 0, 0));
  EXPECT_EQ(At(1049, 1, 10), RGB(204, 102, 0));
  EXPECT_EQ(At(1049, 8, 10), RGB(204, 102, 0));
  EXPECT_GT(Brightness(At(1049, 8, 5)), 150);  // silver body
}

TEST(CalendarLayout, GridLinesFrameEveryDayCell) {
  const COLORREF line = At(168, 62, 100);
  for (int c = 0; c <= 7; ++c)
    EXPECT_LT(Brightness(At(168, 23 + 39 * c, 100)), Brightness(At(168, 40, 100))) << c;
  for (int r = 0; r <= 6; ++r) EXPECT_NE(At(168, 150, 64 + 23 * r), At(168, 150, 75)) << r;
  for (int c = 0; c < 7; ++c)
    for (int r = 0; r < 6; ++r) {
      const int left = 24 + 39 * c, top = 65 + 23 * r;
      EXPECT_GT(Brightness(At(168, left, top)), 200) << c << "," << r;
      EXPECT_GT(Brightness(At(168, left + 37, top + 21)), 200) << c << "," << r;
    }
  EXPECT_NE(line, At(168, 63, 100));
}

TEST(CalendarLayout, SundayHeadingIsTheOnlyYellowOne) {
  auto yellowPixels = [](int column) {
    int count = 0;
    for (int y = 45; y < 64; ++y)
      for (int x = 24 + 39 * column; x < 62 + 39 * column; ++x) {
        const COLORREF c = At(168, x, y);
        count += GetRValue(c) > 200 && GetGValue(c) > 160 && GetBValue(c) < 90;
      }
    return count;
  };
  EXPECT_GT(yellowPixels(0), 10);
  for (int column = 1; column < 7; ++column) EXPECT_EQ(yellowPixels(column), 0) << column;
}

// The totals boxes hold the panel's plain shading alone, each row of pixels
// one colour: no part of the car picture under their text.
TEST(ScreenLayout, TitleAndTotalsFieldsAreLightForBlackText) {
  for (int id : {168, 157}) EXPECT_GT(Brightness(At(id, 160, 19)), 200) << id;
  for (const RECT box : {RECT{15, 181, 159, 202}, RECT{165, 181, 308, 202}}) {
    for (int y = box.top; y < box.bottom; ++y) {
      EXPECT_GT(Brightness(At(157, box.left, y)), 200) << y;
      for (int x = box.left; x < box.right; ++x)
        ASSERT_EQ(At(157, box.left, y), At(157, x, y)) << x << "," << y;
    }
  }
}

TEST(ScreenLayout, BottomFacesSitWhereTheButtonsAre) {
  const struct {
    int id;
    bool shown[4];
  } screens[] = {{168, {true, true, false, true}},
                 {171, {true, false, false, true}},
                 {157, {true, true, false, true}}};
  const RECT buttons[4] = {
      {6, 210, 81, 234}, {82, 210, 157, 234}, {160, 210, 235, 234}, {237, 210, 312, 234}};
  for (const auto& screen : screens)
    for (int i = 0; i < 4; ++i) {
      const RECT& b = buttons[i];
      const COLORREF middle = At(screen.id, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
      const COLORREF outside = At(screen.id, (b.left + b.right) / 2, 207);
      EXPECT_EQ(middle != outside, screen.shown[i]) << screen.id << " button " << i;
    }
}

// A pressed piece copied opaquely over a screen must match the screen at
// its corners, outside the rounded face.
void ExpectCornersMatch(int piece, int screen, int x, int y) {
  const res::Image& p = Bitmap(piece);
  for (POINT corner : {POINT{0, 0}, POINT{p.width - 1, 0}, POINT{0, p.height - 1},
                       POINT{p.width - 1, p.height - 1}})
    EXPECT_EQ(At(p, corner.x, corner.y), At(screen, x + corner.x, y + corner.y))
        << piece << " over " << screen << " at " << x << "," << y;
}

TEST(PressedFaces, BlendIntoTheScreensUnderThem) {
  for (POINT place : {POINT{6, 210}, POINT{82, 210}, POINT{237, 210}}) {
    ExpectCornersMatch(164, 168, place.x, place.y);
    ExpectCornersMatch(164, 157, place.x, place.y);
  }
  ExpectCornersMatch(164, 171, 6, 210);
  ExpectCornersMatch(164, 171, 237, 210);
  for (int screen : {168, 157}) {
    ExpectCornersMatch(165, screen, 11, 8);
    ExpectCornersMatch(166, screen, 278, 8);
  }
  for (int face : {2795, 2796}) {
    ExpectCornersMatch(face, 2251, 40, 112);
    ExpectCornersMatch(face, 2251, 153, 112);
  }
  EXPECT_GT(Brightness(At(164, 37, 12)), 150);  // light orange under black labels
  EXPECT_GT(GetRValue(At(164, 37, 12)), GetBValue(At(164, 37, 12)) + 60);
}

}  // namespace
