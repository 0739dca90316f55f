// Sizes and the green key: opaque skins hold no pure green at all, keyed
// skins hold it exactly where they are meant to be see-through, and never
// a greenish blend next to it.
#include "resources/resource_ids.h"
#include "tests/tools/skingen/skin_images.h"

namespace {

using skingen_test::At;
using skingen_test::Bitmap;
using skingen_test::kKey;

bool IsKey(int id, int x, int y) { return At(id, x, y) == kKey; }

// Green-dominated but not the key: what a soft edge against the key leaves.
bool IsFringe(COLORREF c) {
  return c != kKey && GetGValue(c) > 160 && GetRValue(c) < 90 && GetBValue(c) < 90;
}

TEST(SkinSizes, EveryBitmapHasTheSizeTheProgramExpects) {
  const struct {
    int id, width, height;
  } sizes[] = {{IDB_CALENDAR, 320, 240},          {IDB_BUTTON_DOWN, 75, 24},
               {IDB_PREV_DOWN, 32, 26},           {IDB_NEXT_DOWN, 32, 26},
               {IDB_DAY_MARKERS, 28, 14},         {IDB_LIST_THUMB, 17, 21},
               {IDB_LIST_TRACK, 28, 140},         {IDB_LIST_UP, 28, 28},
               {IDB_LIST_UP_DOWN, 28, 28},        {IDB_LIST_DOWN, 28, 28},
               {IDB_LIST_DOWN_DOWN, 28, 28},      {IDB_LIST_ROW, 380, 28},
               {IDB_LIST_ROW_SEL, 380, 28},       {IDB_ENTRY_SCREEN, 320, 240},
               {IDB_MONTH_LIST_SCREEN, 320, 240}, {IDB_KEYPAD_SCREEN, 320, 240},
               {IDB_KEYPAD_KEYS, 306, 85},        {IDB_KEYPAD_CMD_UP, 77, 27},
               {IDB_KEYPAD_CMD_DOWN, 77, 27},     {IDB_KEYPAD_DIGIT_FOCUS, 576, 25},
               {IDB_KEYPAD_DIGIT_OFF, 480, 25},   {IDB_MSGBOX_FRAME, 267, 158},
               {IDB_MSGBOX_ICONS, 272, 52},       {IDB_MSGBOX_BUTTON_UP, 75, 24},
               {IDB_MSGBOX_BUTTON_SEL, 75, 24}};
  EXPECT_EQ(skingen_test::Bitmaps().size(), std::size(sizes));
  for (const auto& s : sizes) {
    EXPECT_EQ(Bitmap(s.id).width, s.width) << s.id;
    EXPECT_EQ(Bitmap(s.id).height, s.height) << s.id;
  }
  const res::Image icon = skingen::DrawProgramIcon();
  EXPECT_EQ(icon.width, 32);
  EXPECT_EQ(icon.height, 32);
}

TEST(KeyColour, OpaqueSkinsHoldNoPureGreen) {
  for (int id :
       {IDB_CALENDAR, IDB_BUTTON_DOWN, IDB_PREV_DOWN, IDB_NEXT_DOWN, IDB_ENTRY_SCREEN,
        IDB_MONTH_LIST_SCREEN, IDB_KEYPAD_SCREEN, IDB_KEYPAD_KEYS, IDB_MSGBOX_FRAME,
        IDB_MSGBOX_BUTTON_UP, IDB_MSGBOX_BUTTON_SEL, IDB_LIST_THUMB, IDB_LIST_TRACK, IDB_LIST_UP,
        IDB_LIST_UP_DOWN, IDB_LIST_DOWN, IDB_LIST_DOWN_DOWN, IDB_LIST_ROW, IDB_LIST_ROW_SEL}) {
    const res::Image& image = Bitmap(id);
    int green = 0;
    for (gdi::Pixel p : image.pixels) green += gdi::ColorFromPixel(p) == kKey;
    EXPECT_EQ(green, 0) << id;
  }
}

// The marker strip is checked pixel by pixel below; its dot is green itself.
TEST(KeyColour, KeyedSkinsLeaveNoGreenFringe) {
  for (int id : {IDB_KEYPAD_CMD_UP, IDB_KEYPAD_CMD_DOWN, IDB_KEYPAD_DIGIT_FOCUS,
                 IDB_KEYPAD_DIGIT_OFF, IDB_MSGBOX_ICONS}) {
    int fringe = 0;
    for (gdi::Pixel p : Bitmap(id).pixels) fringe += IsFringe(gdi::ColorFromPixel(p));
    EXPECT_EQ(fringe, 0) << id;
  }
}

TEST(KeyColour, MarkerDotsAreSolidColourOnTheKey) {
  const COLORREF green = RGB(51, 213, 43), salmon = RGB(233, 162, 126);
  EXPECT_EQ(At(IDB_DAY_MARKERS, 6, 7), green);
  EXPECT_EQ(At(IDB_DAY_MARKERS, 18, 7), salmon);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 28; ++x) {
      const COLORREF c = At(IDB_DAY_MARKERS, x, y);
      if (x < 12)
        EXPECT_TRUE(c == kKey || c == green) << x << "," << y;
      else if (x < 24)
        EXPECT_TRUE(c == kKey || c == salmon) << x << "," << y;
      else
        EXPECT_EQ(c, kKey) << "unused columns " << x << "," << y;
    }
  for (int x : {0, 11, 12, 23}) EXPECT_TRUE(IsKey(2793, x, 0) && IsKey(2793, x, 13)) << x;
}

// A rounded face filling its cell: see-through corners, solid edge middles
// and centre.
void ExpectRoundedFaceCell(int id, int left, int width, int height) {
  const int right = left + width - 1, bottom = height - 1;
  for (POINT corner : {POINT{left, 0}, POINT{right, 0}, POINT{left, bottom}, POINT{right, bottom}})
    EXPECT_TRUE(IsKey(id, corner.x, corner.y)) << id << " corner " << corner.x << "," << corner.y;
  const int midX = left + width / 2, midY = height / 2;
  for (POINT edge : {POINT{midX, 0}, POINT{midX, bottom}, POINT{left, midY}, POINT{right, midY},
                     POINT{midX, midY}})
    EXPECT_FALSE(IsKey(id, edge.x, edge.y)) << id << " solid at " << edge.x << "," << edge.y;
}

TEST(KeyColour, CommandFacesHaveSeeThroughCorners) {
  ExpectRoundedFaceCell(2708, 0, 77, 27);
  ExpectRoundedFaceCell(2709, 0, 77, 27);
}

TEST(KeyColour, DigitCellsAreRoundedKeysOnTheKey) {
  for (int cell = 0; cell < 12; ++cell) ExpectRoundedFaceCell(259, cell * 48, 48, 25);
  for (int cell = 0; cell < 10; ++cell) ExpectRoundedFaceCell(2792, cell * 48, 48, 25);
}

TEST(KeyColour, HighlightedDigitsAreYellowAndDisabledOnesDark) {
  for (int cell = 0; cell < 10; ++cell) {
    const COLORREF lit = At(IDB_KEYPAD_DIGIT_FOCUS, cell * 48 + 4, 5),
                   off = At(IDB_KEYPAD_DIGIT_OFF, cell * 48 + 4, 5);
    EXPECT_GT(GetRValue(lit), 230) << cell;
    EXPECT_GT(GetGValue(lit), 190) << cell;
    EXPECT_LT(GetBValue(lit), 140) << cell;
    EXPECT_LT(skingen_test::Brightness(off), 90) << cell;
  }
}

TEST(KeyColour, IconStripShowsThreeIconsAndNothingElse) {
  const int cell = 53;
  for (int icon = 0; icon < 3; ++icon) {
    EXPECT_TRUE(IsKey(1001, icon * cell, 0)) << icon;
    EXPECT_TRUE(IsKey(1001, icon * cell + 52, 0)) << icon;
    EXPECT_FALSE(IsKey(1001, icon * cell + 26, 26)) << icon;
  }
  for (int y = 0; y < 52; ++y)
    for (int x = 3 * cell; x < 272; ++x) ASSERT_TRUE(IsKey(1001, x, y)) << x << "," << y;
  const COLORREF warning = At(IDB_MSGBOX_ICONS, 26, 44),
                 question = At(IDB_MSGBOX_ICONS, cell + 10, 26),
                 cross = At(IDB_MSGBOX_ICONS, 2 * cell + 10, 26);
  EXPECT_GT(GetRValue(warning), 200);
  EXPECT_GT(GetGValue(warning), 150);
  EXPECT_GT(GetBValue(question), 180);
  EXPECT_LT(GetRValue(question), 100);
  EXPECT_GT(GetRValue(cross), 180);
  EXPECT_LT(GetGValue(cross), 80);
}

}  // namespace
