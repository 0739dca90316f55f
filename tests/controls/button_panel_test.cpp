// The panel's records, its selection rules, the pen with an owner window,
// and painting into a memory surface.
#include <cwchar>
#include <optional>
#include <string>
#include <vector>

#include "controls/button_panel.h"
#include "controls/panel_navigation.h"
#include "skin/skin_bitmap.h"
#include "tests/platform/framework/framework_fixture.h"
#include "tests/skin/skin_fixture.h"

namespace {

using skin_test::Target;
constexpr COLORREF kGround = RGB(10, 20, 30);
constexpr COLORREF kBlue = RGB(0, 0, 200);
constexpr COLORREF kOrange = RGB(255, 160, 0);

class COwner : public CWnd {
 public:
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
    EXPECT_EQ(lParam, 0);
    commands.push_back(static_cast<int>(wParam));
    return TRUE;
  }
  std::vector<int> commands;
};

class ButtonPanelTest : public framework_test::FrameworkTest {
 protected:
  void AddTwo(int first, int second) {
    panel.AddButton(10, 10, 40, 20, L"", first, 1, TRUE, 0);
    panel.AddButton(60, 10, 40, 20, L"", second, 1, TRUE, 0);
  }
  CButtonPanel panel;
};

TEST_F(ButtonPanelTest, RecordsGrowByTenAndLookupsKeepTheirEdges) {
  for (int i = 0; i < 11; ++i) {
    ASSERT_EQ(panel.AddButton(10 * i, 5, 8, 8, L"", i, 1, TRUE, 0), i + 1);
    EXPECT_EQ(panel.m_nCapacity, i < 10 ? 10 : 20);
  }
  EXPECT_EQ(panel.FindButton(0), -1);  // even though button 0 has id 0
  EXPECT_EQ(panel.FindButton(7), 7);   // the records survived the growth
  EXPECT_EQ(panel.GetIdAt(-1), -1);
  EXPECT_EQ(panel.GetIdAt(11), -1);
  EXPECT_EQ(panel.m_rcBounds, CRect(0, 5, 108, 13));
  const std::wstring longCaption(300, L'가');
  panel.AddButton(0, 0, 8, 8, longCaption.c_str(), 12, 1, TRUE, 0);
  EXPECT_EQ(std::wstring(panel.GetButton(11)->caption), longCaption.substr(0, 255));
  EXPECT_EQ(panel.SetCellStyle(99, nullptr, nullptr, 1, 1, 0, 0, nullptr), -1);
}

TEST_F(ButtonPanelTest, SetFocusIdReportsOnlyAChange) {
  EXPECT_FALSE(panel.SetFocusId(5));  // empty panel
  AddTwo(5, 6);
  EXPECT_TRUE(panel.SetFocusId(5));
  EXPECT_FALSE(panel.SetFocusId(5));
  EXPECT_TRUE(panel.SetFocusId(6));
  EXPECT_EQ(panel.GetFocusIndex(), 1);
  EXPECT_TRUE(panel.SetFocusId(-1));  // clears
  EXPECT_EQ(panel.GetFocusId(), 0);
  EXPECT_TRUE(panel.SetFocusId(-1));  // nothing selected, nothing to compare
}

TEST_F(ButtonPanelTest, PenUpSendsTheCommandOnlyOnThePressedButtonAndKeyMovesRepaint) {
  COwner owner;
  ASSERT_TRUE(owner.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 320, 240, nullptr, nullptr));
  AddTwo(21, 22);
  panel.AddButton(110, 10, 40, 20, L"", 23, 1, FALSE, 0);
  panel.m_pOwner = &owner;

  EXPECT_EQ(panel.OnPenDown(15, 15), 0);
  EXPECT_EQ(CWnd::GetCapture(), &owner);
  panel.OnPenUp(70, 15);  // slid onto the other button
  EXPECT_EQ(CWnd::GetCapture(), nullptr);
  EXPECT_EQ(panel.GetFocusIndex(), -1);
  EXPECT_EQ(panel.OnPenDown(60, 10), 1);
  panel.OnPenUp(99, 29);                    // still inside: right and bottom are exclusive
  EXPECT_EQ(panel.OnPenDown(115, 15), -1);  // disabled
  panel.OnPenUp(115, 15);
  panel.SetFocusId(21);
  EXPECT_EQ(panel.OnPenDown(5, 5), -1);  // a miss clears the selection
  EXPECT_EQ(panel.GetFocusIndex(), -1);
  panel.OnPenUp(15, 15);
  EXPECT_EQ(owner.commands, std::vector<int>{22});

  panel.SetFocusId(21);
  owner.ValidateRect(nullptr);
  ASSERT_TRUE(panel.MoveFocus(kDirRight));
  CPaintDC paint(&owner);
  EXPECT_EQ(CRect(paint.m_ps.rcPaint), CRect(5, 5, 105, 35));  // both buttons and 5 pixels around
}

TEST_F(ButtonPanelTest, PlainButtonsFillWithABorderAndHiddenOnesAreNotDrawn) {
  Target canvas(160, 60, kGround);
  EXPECT_FALSE(panel.Paint(&canvas.dc));
  AddTwo(1, 2);
  panel.AddButton(110, 10, 40, 20, L"", 3, 0, TRUE, 0);
  panel.SetFocusId(1);
  ASSERT_TRUE(panel.Paint(&canvas.dc));
  EXPECT_EQ(canvas.dc.GetPixel(10, 29), RGB(0, 0, 0));
  EXPECT_EQ(canvas.dc.GetPixel(11, 28), panel.m_crFillSel);
  EXPECT_EQ(canvas.dc.GetPixel(99, 10), RGB(74, 130, 214));
  EXPECT_EQ(canvas.dc.GetPixel(98, 11), panel.m_crFillNormal);
  EXPECT_EQ(canvas.CountOther({110, 10, 150, 30}, kGround), 0);
}

// Against the same button without caption, the caption then drawn where it
// belongs. The inside is 21 pixels wider and 3 pixels lower than the
// caption: centred it starts 10 pixels in and 2 pixels above (floor of -1.5).
TEST_F(ButtonPanelTest, CaptionsArePlacedByFloorDivisionInsideTheBorder) {
  const wchar_t caption[] = L"확  인";
  const int length = static_cast<int>(std::wcslen(caption));
  CFont font;
  font.CreateFont(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, FF_SWISS, L"Gulim");
  Target measure(1, 1, kGround);
  measure.dc.SelectObject(&font);
  const CSize extent = measure.dc.GetTextExtent(caption, length);
  const CRect inside(21, 21, 21 + extent.cx + 21, 21 + extent.cy - 3);
  const struct {
    int align;
    BOOL enabled;
    std::optional<int> dx;  // none: no caption
  } cases[] = {{0, TRUE, 10}, {1, TRUE, 4}, {2, TRUE, 11}, {7, TRUE, 11}, {0, FALSE, std::nullopt}};
  for (const auto& c : cases) {
    Target painted(120, 60, kGround), expected(120, 60, kGround);
    for (CDC* dc : {&painted.dc, &expected.dc}) {
      CButtonPanel panel;
      panel.SetTextStyle(13, 4, RGB(0, 0, 0), RGB(255, 255, 255));
      panel.AddButton(20, 20, inside.Width() + 2, inside.Height() + 2,
                      dc == &painted.dc ? caption : L"", 1, 1, c.enabled, c.align);
      panel.Paint(dc);
    }
    if (c.dx) {
      CFont* old = expected.dc.SelectObject(&font);
      expected.dc.SetBkMode(TRANSPARENT);
      expected.dc.SetTextColor(RGB(255, 255, 255));
      expected.dc.TextOut(inside.left + *c.dx, inside.top - 2, caption, length);
      expected.dc.SelectObject(old);
    }
    int differences = 0, inked = 0;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 120; ++x) {
        differences += painted.dc.GetPixel(x, y) != expected.dc.GetPixel(x, y);
        inked += painted.dc.GetPixel(x, y) == RGB(255, 255, 255);
      }
    EXPECT_EQ(differences, 0) << "align " << c.align;
    EXPECT_EQ(inked > 0, c.dx.has_value()) << "align " << c.align;
  }
}

TEST_F(ButtonPanelTest, CellButtonsDrawTheCellOfTheirStateColourKeyed) {
  CSkinBitmap up, down;
  ASSERT_TRUE(up.LoadFromResource(301, 8, 0, RGB(0, 255, 0)));
  ASSERT_TRUE(down.LoadFromResource(302, 8, 0, RGB(0, 255, 0)));
  AddTwo(1, 2);
  panel.AddButton(110, 10, 40, 20, L"", 3, 1, FALSE, 0);
  for (int id : {1, 2}) panel.SetCellStyle(id, &up, &down, 8, 6, 1, 1, nullptr);
  panel.SetCellStyle(3, &down, &down, 8, 6, 1, 0, &up);
  panel.SetFocusId(1);
  Target canvas(160, 40, kGround);
  ASSERT_TRUE(panel.Paint(&canvas.dc));
  EXPECT_EQ(canvas.dc.GetPixel(10, 10), kOrange);
  EXPECT_EQ(canvas.dc.GetPixel(13, 12), kGround);  // the hole in the selected cell
  EXPECT_EQ(canvas.dc.GetPixel(18, 10), kGround);  // only the cell's size is drawn
  EXPECT_EQ(canvas.dc.GetPixel(60, 10), kBlue);
  EXPECT_EQ(canvas.dc.GetPixel(110, 10), kBlue);  // disabled look
  EXPECT_EQ(panel.GetButton(0)->rect, CRect(10, 10, 50, 30));
}

TEST_F(ButtonPanelTest, ImageButtonsTakeTheImageSizeAndFallBackToTheNormalImage) {
  CBitmap blue, orange;
  for (auto [image, colour] : {std::pair{&blue, kBlue}, std::pair{&orange, kOrange}}) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    image->CreateCompatibleBitmap(nullptr, 30, 12);
    CBitmap* old = dc.SelectObject(image);
    dc.FillSolidRect(0, 0, 30, 12, colour);
    dc.SelectObject(old);
  }
  AddTwo(1, 2);
  panel.SetImageStyle(1, &blue, &orange, 30, 12, nullptr);
  panel.SetImageStyle(2, &blue, nullptr, 30, 12, nullptr);
  panel.GetButton(0)->selected = panel.GetButton(1)->selected = 1;
  Target canvas(160, 40, kGround);
  ASSERT_TRUE(panel.Paint(&canvas.dc));
  EXPECT_EQ(panel.GetButton(0)->rect, CRect(10, 10, 40, 22));
  EXPECT_EQ(canvas.CountOther({10, 10, 40, 22}, kOrange), 0);
  EXPECT_EQ(canvas.dc.GetPixel(40, 22), kGround);
  EXPECT_EQ(canvas.dc.GetPixel(60, 10), kBlue);
}

}  // namespace
