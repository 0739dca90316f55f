// A list box as a child of a parent window, driven by pen events on the
// scripted host's virtual clock; the parent records every notice with the
// time it came and what the screen showed then.
#include "controls/skin_list_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/res/png_codec.h"
#include "resources/resource_ids.h"
#include "tests/platform/framework/framework_fixture.h"

namespace {

using Kind = host::InputEvent::Kind;

// Where the list lies on the screen: 5 rows of 28 pixels.
constexpr int kLeft = 20, kTop = 40, kWidth = 200, kHeight = 140, kRow = 28;
constexpr int kArrowX = kLeft + kWidth - 28, kBottomArrowY = kTop + kHeight - 28;

res::Image Skin(UINT id) {
  return res::ReadPngFile(RESOURCES_DIR "/bitmaps/" + std::to_string(id) + ".png")
      .value_or(res::Image{});
}

gdi::Pixel At(const res::Image& image, int x, int y) {
  return image.pixels.at(static_cast<std::size_t>(y) * image.width + x);
}

// Whether the screen shows the skin's pixel at (150, 14) of a row slot.
bool ShowsRowSkin(win_test::FakeHost& host, int slot, const res::Image& skin) {
  return host.ShownAt(kLeft + 150, kTop + slot * kRow + 14) == At(skin, 150, 14);
}

struct Notice {
  UINT message;
  DWORD at;
  int curSel;
  bool highlightShown;
};

class CNoticeParent : public CWnd {
 public:
  std::vector<Notice> notices;
  CSkinListBox* list = nullptr;
  win_test::FakeHost* host = nullptr;

 protected:
  LRESULT OnSelChange(WPARAM, LPARAM) { return Record(WM_SKINLIST_SELCHANGE); }
  LRESULT OnClick(WPARAM, LPARAM) { return Record(WM_SKINLIST_CLICK); }

 private:
  LRESULT Record(UINT message) {
    const int slot = list->GetCurSel() - list->m_nTopIndex;
    const bool shown = ShowsRowSkin(*host, slot, Skin(IDB_LIST_ROW_SEL));
    notices.push_back({message, host->now, list->GetCurSel(), shown});
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNoticeParent, CWnd)
  ON_MESSAGE(WM_SKINLIST_SELCHANGE, OnSelChange)
  ON_MESSAGE(WM_SKINLIST_CLICK, OnClick)
END_MESSAGE_MAP()

class SkinListBoxTest : public framework_test::FrameworkTest {
 protected:
  SkinListBoxTest() {
    parent.list = &list;
    parent.host = &Host();
    parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, nullptr, nullptr);
    list.Create(&parent, kWidth, kHeight, 1);
    list.m_nItemHeight = kRow;
    list.m_nVisibleRows = 5;
    list.SetPosition(kLeft, kTop, kWidth, kHeight, TRUE);
  }

  void Fill(int rows, int selection) {
    list.ResetContent();
    for (int i = 0; i < rows; ++i)
      list.AddString((L"엔진오일 Oil filter " + std::to_wstring(i)).c_str(), 100 + i);
    list.SetCurSel(selection);
  }

  // A pen event at a virtual time, in screen coordinates; RowY is on a slot.
  void Pen(Kind kind, int x, int y, DWORD at) { Host().Queue(kind, x, y, 0, at); }
  static int RowY(int slot) { return kTop + slot * kRow + 10; }

  // Delivers everything due up to the time, then stops.
  void RunUntil(DWORD time) {
    Host().endTime = time;
    RunLoop();
  }

  CNoticeParent parent;
  CSkinListBox list;
};

TEST_F(SkinListBoxTest, TapBelowTheLastRowClearsTheSelectionAndSendsNothing) {
  Fill(3, 1);
  Pen(Kind::PenDown, kLeft + 50, RowY(3), 0);
  Pen(Kind::PenUp, kLeft + 50, RowY(3), 100);
  RunUntil(100);
  EXPECT_TRUE(parent.notices.empty());
  EXPECT_EQ(list.GetCurSel(), -1);
  EXPECT_FALSE(list.HasValidSel());
  EXPECT_FALSE(CSkinListBox::s_bPenDown);
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

// The notice waits 200 ms with the new highlight on the screen; a click
// needs the pen lifted on the row it selected.
TEST_F(SkinListBoxTest, RowTapNoticesTheSelectionAfterThePauseAndClicksOnlyWhenLiftedOnIt) {
  Fill(22, 0);
  Pen(Kind::PenDown, kLeft + 50, RowY(2), 1000);
  Pen(Kind::PenUp, kLeft + 60, RowY(2), 1500);
  Pen(Kind::PenDown, kLeft + 50, RowY(1), 2000);
  Pen(Kind::PenMove, kLeft + 50, RowY(3), 2300);
  Pen(Kind::PenUp, kLeft + 50, RowY(3), 2500);
  RunUntil(3000);
  ASSERT_EQ(parent.notices.size(), 3u);
  const Notice expected[] = {{WM_SKINLIST_SELCHANGE, 1200, 2, true},
                             {WM_SKINLIST_CLICK, 1500, 2, true},
                             {WM_SKINLIST_SELCHANGE, 2200, 1, true}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(parent.notices[i].message, expected[i].message) << "notice " << i;
    EXPECT_EQ(parent.notices[i].at, expected[i].at) << "notice " << i;
    EXPECT_EQ(parent.notices[i].curSel, expected[i].curSel) << "notice " << i;
    EXPECT_TRUE(parent.notices[i].highlightShown) << "notice " << i;
  }
  EXPECT_EQ(list.GetSelItemData(), 101);
}

// A pixel of the bottom arrow where its released and pressed skins differ,
// neither being the see-through green; -1 when there is none.
int ArrowProbe(const res::Image& released, const res::Image& pressed) {
  const gdi::Pixel green = gdi::PixelFromColor(RGB(0, 255, 0));
  for (int i = 0; i < static_cast<int>(released.pixels.size()); ++i) {
    const gdi::Pixel r = released.pixels[i], p = pressed.pixels.at(i);
    if (r != p && r != green && p != green) return i;
  }
  return -1;
}

TEST_F(SkinListBoxTest, HeldBottomArrowPagesAtOnceThenEvery200MsAndStopsWhenThePenSlidesOff) {
  Fill(22, 2);
  const res::Image released = Skin(IDB_LIST_DOWN), pressed = Skin(IDB_LIST_DOWN_DOWN);
  const int probe = ArrowProbe(released, pressed);
  ASSERT_GE(probe, 0);
  auto shownArrow = [&] {
    return Host().ShownAt(kArrowX + probe % 28, kBottomArrowY + probe / 28);
  };

  Pen(Kind::PenDown, kArrowX + 10, kBottomArrowY + 10, 0);
  const struct {
    DWORD until;
    int top, sel;
  } steps[] = {{0, 5, 7}, {200, 10, 12}, {400, 15, 17}, {600, 17, 19}, {800, 17, 19}};
  for (const auto& step : steps) {
    RunUntil(step.until);
    EXPECT_EQ(list.m_nTopIndex, step.top) << "at " << step.until;
    EXPECT_EQ(list.m_nCurSel, step.sel) << "at " << step.until;
    EXPECT_EQ(shownArrow(), pressed.pixels[probe]) << "at " << step.until;
  }
  Pen(Kind::PenMove, kArrowX + 10, kBottomArrowY - 20, 850);  // onto the track
  Pen(Kind::PenUp, kArrowX + 10, kBottomArrowY - 20, 1400);
  RunUntil(1400);
  EXPECT_EQ(list.m_nTopIndex, 17);
  EXPECT_EQ(list.m_nRepeatTimer, 0u);
  EXPECT_EQ(shownArrow(), released.pixels[probe]);
  EXPECT_FALSE(CSkinListBox::s_bPenDown);
  EXPECT_TRUE(parent.notices.empty());  // paging never notices
}

// Pixels of a slot's text area shown in the colour.
int CountShown(win_test::FakeHost& host, int slot, COLORREF colour) {
  int count = 0;
  for (int y = kTop + slot * kRow; y < kTop + (slot + 1) * kRow; ++y)
    for (int x = kLeft + 5; x < kLeft + 100; ++x)
      count += host.ShownAt(x, y) == gdi::PixelFromColor(colour);
  return count;
}

TEST_F(SkinListBoxTest, SelectedRowShowsItsSkinWithDarkTextAndTheOthersWhiteText) {
  Fill(3, 1);
  RunUntil(0);
  const res::Image normal = Skin(IDB_LIST_ROW), selected = Skin(IDB_LIST_ROW_SEL);
  ASSERT_EQ(selected.width, 380);
  for (int slot = 0; slot < 5; ++slot)
    EXPECT_TRUE(ShowsRowSkin(Host(), slot, slot == 1 ? selected : normal)) << "slot " << slot;
  const COLORREF white = RGB(255, 255, 255), dark = RGB(27, 43, 72);
  EXPECT_GT(CountShown(Host(), 1, dark), 20);
  EXPECT_EQ(CountShown(Host(), 1, white), 0);
  EXPECT_GT(CountShown(Host(), 0, white), 20);
  EXPECT_EQ(CountShown(Host(), 3, white), 0);  // an empty slot: background only
}

}  // namespace
